#ifndef QUORVEX_APP_DIALOG_MODEL_H_
#define QUORVEX_APP_DIALOG_MODEL_H_

#include <string>

#include "app/change_notifier.h"
#include "app/dialog_model_visitor.h"

namespace quorvex {

// How a modal dialog ended. A wizard step's "&Close", "&Next >>" and
// "<< &Previous" all end it with OK; the last two also say where to go.
enum class DialogResult { kCancel, kOk, kNext, kPrevious };

// The rules behind one dialog: the values it edits (copies, never the
// document's own records), the checks of its OK button and its messages. A
// front end shows the model with widgets and calls accept() when the user
// presses a button that ends the dialog with OK; the model is then read back
// by whoever opened it. Cancel leaves the model's values unused.
//
// The protocol every dialog follows:
// - values: the public members and accessors of the concrete model. A view
//   writes the plain members itself; everything else changes through the
//   model's operations.
// - changes: every operation that changes the values (adding a row,
//   choosing a template, ...) calls notifyChanged() once when it is done;
//   a view subscribes (ChangeNotifier) and shows the values again. Writing a
//   plain member is not announced: the view that wrote it knows.
// - OK: accept() with its messages, shown through the Env's Prompter.
// - the view: found by the model's type through acceptVisitor().
class DialogModel : public ChangeNotifier {
 public:
  // `title` is the dialog's title; `helpTopic` its help topic file, by
  // default the title without spaces followed by ".html".
  explicit DialogModel(std::string title, std::string helpTopic = "");
  virtual ~DialogModel() = default;
  DialogModel(const DialogModel&) = delete;
  DialogModel& operator=(const DialogModel&) = delete;

  const std::string& title() const { return title_; }
  const std::string& helpTopic() const { return helpTopic_; }

  // Runs the checks of OK: shows the message of the first one that fails and
  // returns false, in which case the dialog stays open; returns true when the
  // dialog may close with OK.
  virtual bool accept() { return true; }

  // Calls the visit() of `visitor` that takes this model's concrete type.
  virtual void acceptVisitor(DialogModelVisitor& visitor) = 0;

 private:
  std::string title_;
  std::string helpTopic_;
};

// Returns the help topic file of a dialog titled `title`: the title without
// spaces, followed by ".html" ("Location Information" gives
// "LocationInformation.html").
std::string helpTopicOf(const std::string& title);

}  // namespace quorvex

#endif  // QUORVEX_APP_DIALOG_MODEL_H_
