#include "ui/keywords_view.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/keywords_dialog.h"
#include "ui/field_binding.h"

namespace quorvex::ui {

KeywordsView::KeywordsView(KeywordsDialog& model, std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent) {
  auto* intro = new QLabel(
      "Search engines show the description under your site's name and match the keywords, "
      "separated by commas, against what people search for.");
  intro->setWordWrap(true);
  auto* form = new QFormLayout;
  addTextRow(*form, "&Description:", model.description)->setMinimumWidth(380);
  addTextRow(*form, "&Keywords:", model.keywords);
  body()->addWidget(intro);
  body()->addLayout(form);
}

}  // namespace quorvex::ui
