#include "ui/individual_pages_view.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/individual_pages_step.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

IndividualPagesView::IndividualPagesView(IndividualPagesStep& model,
                                         std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kStep, std::move(help), parent),
      model_(model),
      editorRoom_(new QVBoxLayout) {
  auto* intro = new QLabel(
      "Each product you marked for an individual page gets a page of its own. Choose a "
      "product's page to write its texts.");
  intro->setWordWrap(true);
  body()->addWidget(intro);
  if (model_.pages.count() == 0) {
    body()->addWidget(new QLabel("No product is marked for an individual page."));
    return;
  }
  auto* list = new QListWidget;
  for (size_t i = 0; i < model_.pages.count(); ++i) {
    list->addItem(toQt(model_.pages.pageAt(i).label));
  }
  connect(list, &QListWidget::currentRowChanged, this, [this](int row) { showPage(row); });
  list->setFixedWidth(180);
  auto* listLabel = new QLabel("&Pages:");
  listLabel->setBuddy(list);
  auto* listColumn = new QVBoxLayout;
  listColumn->addWidget(listLabel);
  listColumn->addWidget(list, 1);
  auto* row = new QHBoxLayout;
  row->addLayout(listColumn);
  row->addLayout(editorRoom_, 1);
  body()->addLayout(row);
  list->setCurrentRow(0);
}

void IndividualPagesView::showPage(int index) {
  delete editor_;
  editor_ = nullptr;
  if (index < 0) return;
  CIndProdPage& page = model_.pages.pageAt(static_cast<size_t>(index));
  auto* form = new QFormLayout;
  addTextRow(*form, "&Header:", page.header);
  addTextRow(*form, "&Subheader:", page.subheader);
  auto* text = new QPlainTextEdit;
  text->setMinimumSize(380, 200);
  bind(*text, page.mainText);
  form->addRow("Product &Text:", text);
  editor_ = new QWidget;
  editor_->setLayout(form);
  editorRoom_->addWidget(editor_);
}

}  // namespace quorvex::ui
