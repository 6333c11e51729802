#include "ui/product_features_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/product_feature_dialog.h"
#include "app/product_features_dialog.h"
#include "ui/button_column.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

ProductFeaturesView::ProductFeaturesView(ProductFeaturesDialog& model,
                                         std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent),
      model_(model),
      list_(new QListWidget) {
  bind(*list_, model_.selectedFeature);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { model_.editFeature(); });
  auto* label = new QLabel("&Features a product may offer:");
  label->setBuddy(list_);
  list_->setMinimumSize(380, 180);
  auto* row = new QHBoxLayout;
  row->addWidget(list_, 1);
  row->addLayout(buttonColumn(this, {{"&Add...", [this] { model_.addFeature(); }},
                                     {"&Edit...", [this] { model_.editFeature(); }},
                                     {"&Remove", [this] { model_.removeFeature(); }}}));
  body()->addWidget(label);
  body()->addLayout(row);
  showModel();
}

void ProductFeaturesView::showModel() {
  const QSignalBlocker blocker(list_);
  list_->clear();
  for (const CProductFeature& feature : model_.features()) {
    const std::vector<std::string>& options = feature.options;
    QString shown;
    if (!options.empty() && options[0] == ProductFeatureDialog::kUserInput) {
      shown = "typed by the customer";
      if (options.size() > 1) shown += ", text box size " + toQt(options[1]);
    } else {
      QStringList names;
      for (const std::string& option : options) names << toQt(option);
      shown = names.join(", ");
    }
    list_->addItem(toQt(feature.name) + ": " + shown);
  }
  showSelection(*list_, model_.selectedFeature);
}

}  // namespace quorvex::ui
