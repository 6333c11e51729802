#include "ui/category_name_view.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

CategoryNameView::CategoryNameView(CategoryNameForm& form, QWidget* parent)
    : QDialog(parent), form_(form) {
  setWindowTitle("Category Name");
  auto* fields = new QFormLayout;
  fields->addRow("Category:", new QLabel(toQt(form.category)));
  description_ = addTextRow(*fields, "D&escription:", form.description);
  description_->setMinimumWidth(280);
  description_->setReadOnly(form.descriptionReadOnly());
  auto* doNotPublish = new QCheckBox("&Do NOT publish any items in this category");
  doNotPublish->setChecked(form.doNotPublish);
  connect(doNotPublish, &QCheckBox::toggled, this, [this](bool checked) {
    form_.doNotPublish = checked;
    description_->setReadOnly(form_.descriptionReadOnly());
  });
  fields->addRow(doNotPublish);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(buttons);
}

}  // namespace quorvex::ui
