#include "ui/price_list_item_view.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

PriceListItemView::PriceListItemView(PriceListItem item,
                                     const std::vector<std::string>& categories, Store store,
                                     QWidget* parent)
    : QDialog(parent), item_(std::move(item)), store_(std::move(store)) {
  setWindowTitle("Price List Item");
  auto* form = new QFormLayout;
  addTextRow(*form, "&Part Number:", item_.partNumber)->setMinimumWidth(260);
  addTextRow(*form, "&Description:", item_.description);
  addTextRow(*form, "P&rice:", item_.price);
  addTextRow(*form, "&Weight:", item_.weight);
  auto* category = new QComboBox;
  category->setEditable(true);
  for (const std::string& name : categories) category->addItem(toQt(name));
  category->setEditText(toQt(item_.category));
  connect(category, &QComboBox::editTextChanged, this,
          [&value = item_.category](const QString& text) { value = fromQt(text); });
  form->addRow("&Category:", category);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { ok(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

void PriceListItemView::ok() {
  if (store_(item_) == CreatePriceListModel::ItemResult::kStored) accept();
}

}  // namespace quorvex::ui
