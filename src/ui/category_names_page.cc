#include "ui/category_names_page.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "products/import_wizard.h"
#include "ui/category_name_view.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

CategoryNamesPage::CategoryNamesPage(ImportWizard& wizard)
    : wizard_(wizard), categories_(new QTableWidget(0, 2)) {
  setTitle("Descriptive Category Names");
  categories_->setHorizontalHeaderLabels({"Category", "As displayed in web site links"});
  categories_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  categories_->setSelectionBehavior(QAbstractItemView::SelectRows);
  categories_->verticalHeader()->hide();
  categories_->horizontalHeader()->setStretchLastSection(true);
  categories_->setColumnWidth(0, 200);
  categories_->setMinimumSize(520, 200);
  connect(categories_, &QTableWidget::cellDoubleClicked, this,
          [this](int row) { editCategory(row); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(categories_);
}

void CategoryNamesPage::initializePage() {
  wizard_.buildCategoryList();
  showCategories();
}

void CategoryNamesPage::editCategory(int index) {
  if (!wizard_.hasCategoryColumn()) return;
  CategoryNameForm form = wizard_.categoryForm(static_cast<size_t>(index));
  CategoryNameView view(form, this);
  if (view.exec() != QDialog::Accepted) return;
  wizard_.setCategory(static_cast<size_t>(index), form);
  showCategories();
}

void CategoryNamesPage::showCategories() {
  auto setLine = [this](int line, const std::string& name, const std::string& description) {
    categories_->setItem(line, 0, new QTableWidgetItem(toQt(name)));
    categories_->setItem(line, 1, new QTableWidgetItem(toQt(description)));
  };
  if (!wizard_.hasCategoryColumn()) {
    categories_->setRowCount(1);
    setLine(0, "None", "You have selected that you have no categories in your database.");
    return;
  }
  const std::vector<std::string>& names = wizard_.categoryNames();
  const std::vector<std::string>& descriptions = wizard_.categoryDescriptions();
  categories_->setRowCount(static_cast<int>(names.size()));
  for (size_t i = 0; i < names.size(); ++i) {
    setLine(static_cast<int>(i), names[i], descriptions[i]);
  }
}

}  // namespace quorvex::ui
