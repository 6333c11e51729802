#ifndef QUORVEX_UI_KEYWORDS_VIEW_H_
#define QUORVEX_UI_KEYWORDS_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

namespace quorvex {
class KeywordsDialog;
}

namespace quorvex::ui {

// The view of "Keywords For Search Engines": the description and the keywords.
class KeywordsView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  KeywordsView(KeywordsDialog& model, std::function<void()> help, QWidget* parent);
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_KEYWORDS_VIEW_H_
