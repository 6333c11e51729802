#ifndef QUORVEX_UI_PAGE_LAYOUT_STEP_VIEW_H_
#define QUORVEX_UI_PAGE_LAYOUT_STEP_VIEW_H_

#include <cstddef>
#include <functional>
#include <optional>

#include "ui/model_dialog.h"

class QListWidget;
class QScrollArea;

namespace quorvex {
class PageLayoutStep;
}

namespace quorvex::ui {

class PageEditor;

// The view of "Choose Page Layout": the pages of the site by their labels
// and the editor of the selected one.
class PageLayoutStepView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  PageLayoutStepView(PageLayoutStep& model, std::function<void()> help, QWidget* parent);

 protected:
  void showModel() override;

 private:
  PageLayoutStep& model_;
  QListWidget* pages_;
  QScrollArea* editorArea_;
  PageEditor* editor_ = nullptr;
  // The page the editor shows.
  std::optional<size_t> editedPage_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_PAGE_LAYOUT_STEP_VIEW_H_
