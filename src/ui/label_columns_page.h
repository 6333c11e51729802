#ifndef QUORVEX_UI_LABEL_COLUMNS_PAGE_H_
#define QUORVEX_UI_LABEL_COLUMNS_PAGE_H_

#include <QWizardPage>
#include <cstdint>

class QTableWidget;

namespace quorvex {
class ImportWizard;
class ImportWizardModel;
}

namespace quorvex::ui {

// The import wizard's page "Label Columns": the preview with each column's
// label as its title. A click on a column opens "Select Label"; labelling a
// column "Picture" then asks for the "Image File Path". Next asks the wizard
// whether the required columns are labelled.
class LabelColumnsPage : public QWizardPage {
  Q_OBJECT

 public:
  // `model` must outlive the page.
  explicit LabelColumnsPage(ImportWizardModel& model);

  void initializePage() override;
  bool validatePage() override;

 private:
  void labelColumn(int32_t position);
  void showLabels();

  ImportWizardModel& model_;
  ImportWizard& wizard_;
  QTableWidget* preview_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_LABEL_COLUMNS_PAGE_H_
