#ifndef QUORVEX_UI_INDIVIDUAL_PAGES_VIEW_H_
#define QUORVEX_UI_INDIVIDUAL_PAGES_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QVBoxLayout;

namespace quorvex {
class IndividualPagesStep;
}  // namespace quorvex

namespace quorvex::ui {

// The view of "Individual Product Pages": the pages of the products marked
// for one, listed by part number, and the texts of the page chosen in the
// list (header, subheader and the product text).
class IndividualPagesView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  IndividualPagesView(IndividualPagesStep& model, std::function<void()> help, QWidget* parent);

 private:
  // Replaces the editor by one of the texts of page `index`, bound to it.
  void showPage(int index);

  IndividualPagesStep& model_;
  // Holds the editor of the page chosen in the list.
  QVBoxLayout* editorRoom_;
  QWidget* editor_ = nullptr;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_INDIVIDUAL_PAGES_VIEW_H_
