#include "ui/feature_flags_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/feature_flags_dialog.h"
#include "ui/button_column.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

FeatureFlagsView::FeatureFlagsView(FeatureFlagsDialog& model, std::function<void()> help,
                                   QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent),
      model_(model),
      list_(new QListWidget) {
  bind(*list_, model_.selectedEntry);
  connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    model_.setChecked(static_cast<size_t>(list_->row(item)), item->checkState() == Qt::Checked);
    showModel();
  });
  const auto selectOptions = [this] {
    model_.selectOptions();
    showModel();
  };
  connect(list_, &QListWidget::itemDoubleClicked, this, selectOptions);
  auto* label = new QLabel("Product &features this item offers:");
  label->setBuddy(list_);
  list_->setMinimumSize(340, 160);
  auto* row = new QHBoxLayout;
  row->addWidget(list_, 1);
  row->addLayout(buttonColumn(this, {{"&Select Feature Options", selectOptions}}));
  body()->addWidget(label);
  body()->addLayout(row);
  showModel();
}

void FeatureFlagsView::showModel() {
  const QSignalBlocker blocker(list_);
  list_->clear();
  for (const CFeatureCheck& entry : model_.entries) {
    QString text = toQt(entry.label);
    if (!entry.selectedOptions.empty()) {
      QStringList options;
      for (const std::string& option : entry.selectedOptions) options << toQt(option);
      text += ": " + options.join(", ");
    }
    auto* item = new QListWidgetItem(text, list_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(entry.checked ? Qt::Checked : Qt::Unchecked);
  }
  showSelection(*list_, model_.selectedEntry);
}

}  // namespace quorvex::ui
