#ifndef QUORVEX_UI_CONTACT_STEP_VIEW_H_
#define QUORVEX_UI_CONTACT_STEP_VIEW_H_

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "document/label_value.h"
#include "ui/model_dialog.h"

class QListWidget;

namespace quorvex {
class ContactStep;
}

namespace quorvex::ui {

// The view of "Contact Information": the e-mail addresses and the phone and
// fax numbers, each list with its Add, Edit (also a double click) and
// Delete buttons.
class ContactStepView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  ContactStepView(ContactStep& model, std::function<void()> help, QWidget* parent);

 protected:
  void showModel() override;

 private:
  // The texts and operations of one of the two lists.
  struct ListPanel {
    const char* title;
    const char* addText;
    const char* editText;
    const char* deleteText;
    void (ContactStep::*add)();
    void (ContactStep::*edit)();
    void (ContactStep::*remove)();
  };
  // Returns a box with `list` and the buttons of `panel`; the list's
  // selection is written to `selection`.
  QWidget* makePanel(const ListPanel& panel, QListWidget* list,
                     std::optional<size_t>& selection);
  static void showList(QListWidget& list, const std::vector<CLabelValue>& entries,
                       std::optional<size_t>& selection);

  ContactStep& model_;
  QListWidget* emails_;
  QListWidget* phones_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_CONTACT_STEP_VIEW_H_
