#include "ui/page_layout_step_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/page_layout_step.h"
#include "ui/page_editor.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

PageLayoutStepView::PageLayoutStepView(PageLayoutStep& model, std::function<void()> help,
                                       QWidget* parent)
    : ModelDialog(model, Buttons::kStep, std::move(help), parent),
      model_(model),
      pages_(new QListWidget),
      editorArea_(new QScrollArea) {
  connect(pages_, &QListWidget::currentRowChanged, this, [this](int row) {
    // A refused change of page keeps the page being edited selected.
    if (row < 0 || !model_.selectPage(static_cast<size_t>(row))) showModel();
  });
  auto* pagesLabel = new QLabel("Page&s:");
  pagesLabel->setBuddy(pages_);
  pages_->setMaximumWidth(180);
  auto* left = new QVBoxLayout;
  left->addWidget(pagesLabel);
  left->addWidget(pages_, 1);

  editorArea_->setWidgetResizable(true);
  editorArea_->setFrameShape(QFrame::NoFrame);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(editorArea_, 1);
  body()->addLayout(columns, 1);
  resize(860, 640);
  showModel();
}

void PageLayoutStepView::showModel() {
  {
    const QSignalBlocker blocker(pages_);
    if (pages_->count() != static_cast<int>(model_.pages.count())) pages_->clear();
    for (size_t index = 0; index < model_.pages.count(); ++index) {
      const QString label = toQt(model_.pages.at(index).getLabel());
      if (static_cast<int>(index) < pages_->count()) {
        pages_->item(static_cast<int>(index))->setText(label);
      } else {
        pages_->addItem(label);
      }
    }
    pages_->setCurrentRow(model_.selectedPage ? static_cast<int>(*model_.selectedPage) : -1);
  }
  if (model_.selectedPage == editedPage_) {
    if (editor_ != nullptr) editor_->refresh();
    return;
  }
  editedPage_ = model_.selectedPage;
  editor_ = editedPage_ ? new PageEditor(model_, model_.pages.at(*editedPage_)) : nullptr;
  // The scroll area deletes the editor it showed before.
  editorArea_->setWidget(editor_ != nullptr ? editor_ : new QWidget);
}

}  // namespace quorvex::ui
