#include "ui/feature_options_view.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/feature_options_dialog.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

FeatureOptionsView::FeatureOptionsView(FeatureOptionsDialog& model, std::function<void()> help,
                                       QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent),
      model_(model),
      list_(new QListWidget) {
  connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    const auto index = static_cast<size_t>(list_->row(item));
    if (index < model_.checked.size()) model_.checked[index] = item->checkState() == Qt::Checked;
  });
  auto* label = new QLabel("&Options this item offers:");
  label->setBuddy(list_);
  list_->setMinimumSize(260, 160);
  body()->addWidget(label);
  body()->addWidget(list_);
  showModel();
}

void FeatureOptionsView::showModel() {
  const QSignalBlocker blocker(list_);
  list_->clear();
  for (size_t i = 0; i < model_.options().size(); ++i) {
    auto* item = new QListWidgetItem(toQt(model_.options()[i]), list_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(i < model_.checked.size() && model_.checked[i] ? Qt::Checked
                                                                       : Qt::Unchecked);
  }
}

}  // namespace quorvex::ui
