#include "ui/terms_view.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/terms_dialog.h"
#include "ui/field_binding.h"

namespace quorvex::ui {

TermsView::TermsView(TermsDialog& model, std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent) {
  auto* text = new QPlainTextEdit;
  bind(*text, model.text);
  text->setMinimumSize(420, 240);
  auto* label = new QLabel("&Terms and conditions of your shop:");
  label->setBuddy(text);
  body()->addWidget(label);
  body()->addWidget(text);
}

}  // namespace quorvex::ui
