#ifndef QUORVEX_APP_DIALOG_MODEL_H_
#define QUORVEX_APP_DIALOG_MODEL_H_

#include <string>

namespace quorvex {

// How a modal dialog ended. A wizard step's "&Close", "&Next >>" and
// "<< &Previous" all end it with OK; the last two also say where to go.
enum class DialogResult { kCancel, kOk, kNext, kPrevious };

// The rules behind one dialog: the values it edits (copies, never the
// document's own records), the checks of its OK button and its messages. A
// front end shows the model with widgets and calls accept() when the user
// presses a button that ends the dialog with OK; the model is then read back
// by whoever opened it. Cancel leaves the model's values unused.
class DialogModel {
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
