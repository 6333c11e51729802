#ifndef QUORVEX_UI_CATEGORY_NAMES_PAGE_H_
#define QUORVEX_UI_CATEGORY_NAMES_PAGE_H_

#include <QWizardPage>

class QTableWidget;

namespace quorvex {
class ImportWizard;
}

namespace quorvex::ui {

// The import wizard's last page, "Descriptive Category Names": the file's
// categories with the names the web pages show, each changed in "Category
// Name" by a double click. Without a Category column a single line says so.
class CategoryNamesPage : public QWizardPage {
  Q_OBJECT

 public:
  // `wizard` must outlive the page.
  explicit CategoryNamesPage(ImportWizard& wizard);

  void initializePage() override;

 private:
  void editCategory(int index);
  void showCategories();

  ImportWizard& wizard_;
  QTableWidget* categories_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_CATEGORY_NAMES_PAGE_H_
