#include "ui/extra_field_view.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/extra_field_dialog.h"
#include "ui/field_binding.h"

namespace quorvex::ui {

ExtraFieldView::ExtraFieldView(ExtraFieldDialog& model, std::function<void()> help,
                               QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent) {
  auto* form = new QFormLayout;
  addTextRow(*form, "&Description:", model.field.description)->setMinimumWidth(260);
  addTextRow(*form, "&Identifier:", model.field.identifier);
  addTextRow(*form, "&Maximum Length:", model.field.maxLength)->setMaximumWidth(80);
  addTextRow(*form, "Field &Size:", model.field.fieldSize)->setMaximumWidth(80);
  body()->addLayout(form);
}

}  // namespace quorvex::ui
