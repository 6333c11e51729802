#include "ui/import_wizard_view.h"

#include "app/import_wizard_model.h"
#include "ui/category_names_page.h"
#include "ui/delimiter_page.h"
#include "ui/label_columns_page.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

ImportWizardView::ImportWizardView(ImportWizardModel& model, std::function<void()> help,
                                   QWidget* parent)
    : QWizard(parent), model_(model) {
  setWindowTitle(toQt(model.title()));
  setWizardStyle(QWizard::ClassicStyle);
  setOption(QWizard::HaveHelpButton);
  connect(this, &QWizard::helpRequested, this, help);
  addPage(new DelimiterPage(model.wizard));
  addPage(new LabelColumnsPage(model));
  addPage(new CategoryNamesPage(model.wizard));
  resize(680, 500);
}

void ImportWizardView::accept() {
  if (model_.accept()) QWizard::accept();
}

DialogResult ImportWizardView::run() {
  return exec() == QDialog::Accepted ? DialogResult::kOk : DialogResult::kCancel;
}

}  // namespace quorvex::ui
