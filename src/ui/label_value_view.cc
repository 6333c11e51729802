#include "ui/label_value_view.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/label_value_dialog.h"
#include "ui/field_binding.h"

namespace quorvex::ui {

LabelValueView::LabelValueView(LabelValueDialog& model, std::function<void()> help,
                               QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent) {
  const bool email = model.title() == "Add Email";
  auto* form = new QFormLayout;
  addTextRow(*form, "&Label:", model.entry.label)
      ->setPlaceholderText(email ? "Sales, Support, ..." : "Phone, Fax, ...");
  addTextRow(*form, email ? "&Email Address:" : "&Number:", model.entry.value)
      ->setMinimumWidth(240);
  body()->addLayout(form);
}

}  // namespace quorvex::ui
