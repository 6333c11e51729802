#include "ui/edit_category_names_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/edit_category_names_model.h"
#include "products/extra_fields.h"
#include "ui/button_column.h"
#include "ui/category_name_view.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

EditCategoryNamesView::EditCategoryNamesView(EditCategoryNamesModel& model,
                                             std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent),
      model_(model),
      list_(new QTreeWidget) {
  list_->setColumnCount(2);
  list_->setHeaderLabels({"Category", "As displayed in web site links"});
  list_->setRootIsDecorated(false);
  list_->setMinimumSize(460, 240);
  list_->header()->resizeSection(0, 200);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { edit(); });

  auto* row = new QHBoxLayout;
  row->addWidget(list_, 1);
  row->addLayout(buttonColumn(this, {{"&Edit", [this] { edit(); }}}));
  body()->addLayout(row);
  showModel();
}

void EditCategoryNamesView::showModel() {
  const int current = list_->indexOfTopLevelItem(list_->currentItem());
  list_->clear();
  const CExtraFields& table = model_.table();
  for (size_t i = 0; i < table.categoryNames.size(); ++i) {
    new QTreeWidgetItem(list_, {toQt(table.categoryNames[i]), toQt(table.categoryDescriptions[i])});
  }
  if (current >= 0 && current < list_->topLevelItemCount()) {
    list_->setCurrentItem(list_->topLevelItem(current));
  }
}

void EditCategoryNamesView::edit() {
  const int32_t index = list_->indexOfTopLevelItem(list_->currentItem());
  std::optional<CategoryNameForm> form = model_.openCategory(index);
  if (!form) return;
  CategoryNameView view(*form, this);
  if (view.exec() == QDialog::Accepted) model_.setCategory(index, *form);
}

}  // namespace quorvex::ui
