#include "ui/email_text_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextCursor>
#include <QVBoxLayout>
#include <optional>
#include <string>

#include "app/email_text_dialog.h"
#include "ui/button_column.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

EmailTextView::EmailTextView(EmailTextDialog& model, std::function<void()> help,
                             QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent),
      model_(model),
      fields_(new QListWidget) {
  for (EmailTextDialog::Page& page : model_.pages) {
    auto* editor = new QPlainTextEdit;
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setMinimumSize(420, 300);
    bind(*editor, page.text);
    editors_.push_back(editor);
  }
  QWidget* texts = editors_.front();
  if (editors_.size() > 1) {
    tabs_ = new QTabWidget;
    for (size_t i = 0; i < editors_.size(); ++i) {
      tabs_->addTab(editors_[i], toQt(model_.pages[i].tabName));
    }
    connect(tabs_, &QTabWidget::currentChanged, this,
            [&model = model_](int index) { model.shownPage = static_cast<size_t>(index); });
    texts = tabs_;
  }
  for (const std::string& name : model_.fieldListNames()) fields_->addItem(toQt(name));
  connect(fields_, &QListWidget::currentRowChanged, this, [&model = model_](int row) {
    model.selectedField =
        row < 0 ? std::nullopt : std::optional<size_t>(static_cast<size_t>(row));
  });
  connect(fields_, &QListWidget::itemDoubleClicked, this, [this] { insertField(); });
  fields_->setMinimumWidth(220);
  auto* fieldsLabel = new QLabel("&Fields:");
  fieldsLabel->setBuddy(fields_);
  auto* fieldColumn = new QVBoxLayout;
  fieldColumn->addWidget(fieldsLabel);
  fieldColumn->addWidget(fields_, 1);
  fieldColumn->addLayout(buttonColumn(
      this, {{"&Insert Field", [this] { insertField(); }},
             {"&Use Default Text", [&model = model_] { model.useDefaultText(); }}}));
  auto* row = new QHBoxLayout;
  row->addWidget(texts, 1);
  row->addLayout(fieldColumn);
  auto* intro = new QLabel(
      "The order server replaces each field in square brackets with the order's value.");
  intro->setWordWrap(true);
  body()->addWidget(intro);
  body()->addLayout(row);
}

void EmailTextView::showModel() {
  // "Use Default Text" replaces a text in the model; the editors show the
  // texts that changed.
  for (size_t i = 0; i < editors_.size(); ++i) {
    const QString text = toQt(model_.pages[i].text).replace("\r\n", "\n");
    if (editors_[i]->toPlainText() != text) editors_[i]->setPlainText(text);
  }
}

void EmailTextView::insertField() {
  const std::optional<std::string> field = model_.fieldToInsert();
  if (!field) return;
  QPlainTextEdit* editor = editors_[model_.shownPage];
  QTextCursor cursor = editor->textCursor();
  cursor.setPosition(cursor.selectionStart());
  cursor.insertText(toQt(*field));
  editor->setTextCursor(cursor);
  editor->setFocus();
}

}  // namespace quorvex::ui
