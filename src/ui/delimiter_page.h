#ifndef QUORVEX_UI_DELIMITER_PAGE_H_
#define QUORVEX_UI_DELIMITER_PAGE_H_

#include <QWizardPage>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QTableWidget;

namespace quorvex {
class ImportWizard;
}

namespace quorvex::ui {

// The import wizard's page "Choose a Delimiter Type": "Start at Row:",
// "Text Qualifier: ", the " Delimiter Type " (Comma, Tab, Pipe or a
// character typed after "Other:") and a preview of the first lines of the
// file split by them, drawn again after every change. Next asks the wizard
// whether the last preview succeeded.
class DelimiterPage : public QWizardPage {
  Q_OBJECT

 public:
  // `wizard` must outlive the page.
  explicit DelimiterPage(ImportWizard& wizard);

  void initializePage() override;
  bool validatePage() override;

 private:
  // Hands the chosen delimiter to the wizard and previews the file again.
  void delimiterChosen();
  void showPreview();

  ImportWizard& wizard_;
  QSpinBox* startRow_;
  QComboBox* qualifier_;
  QButtonGroup* delimiters_;
  QLineEdit* other_;
  QTableWidget* preview_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_DELIMITER_PAGE_H_
