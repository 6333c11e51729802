#include "ui/address_view.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/address_dialog.h"
#include "ui/field_binding.h"

namespace quorvex::ui {

AddressView::AddressView(AddressDialog& model, std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent) {
  auto* form = new QFormLayout;
  CAddress& address = model.address;
  addTextRow(*form, "&Address:", address.line1)->setMinimumWidth(280);
  addTextRow(*form, "Address Line &2:", address.line2);
  addTextRow(*form, "C&ity:", address.city);
  addTextRow(*form, "&State/Province:", address.stateProvince);
  addTextRow(*form, "&Zip/Postal:", address.zipPostal);
  addTextRow(*form, "C&ountry:", address.country);
  body()->addLayout(form);
}

}  // namespace quorvex::ui
