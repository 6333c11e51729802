#include "ui/select_label_dialog.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "products/import_wizard.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

std::optional<int32_t> askColumnLabel(const ImportWizard& wizard, int32_t position,
                                      QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle("Select Label");
  auto* labels = new QButtonGroup(&dialog);
  auto* grid = new QGridLayout;
  const int32_t current = wizard.labelOfColumn(position);
  for (int32_t label = 0; label <= ImportWizard::kLabelCount; ++label) {
    // The last button is "NOT USED".
    const int32_t value = label < ImportWizard::kLabelCount ? label : ImportWizard::kNotUsed;
    auto* button = new QRadioButton(toQt(std::string(ImportWizard::labelName(value))));
    button->setChecked(value == current);
    // Button ids are the indexes: Qt takes the id -1 for "none".
    labels->addButton(button, label);
    grid->addWidget(button, label, 0);
    if (value != ImportWizard::kNotUsed && wizard.positionOf(value) >= 0) {
      grid->addWidget(new QLabel("Used"), label, 1);
    }
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted || labels->checkedId() < 0) return std::nullopt;
  const int32_t chosen = labels->checkedId();
  return chosen < ImportWizard::kLabelCount ? chosen : ImportWizard::kNotUsed;
}

}  // namespace quorvex::ui
