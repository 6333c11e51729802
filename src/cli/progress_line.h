#ifndef QUORVEX_CLI_PROGRESS_LINE_H_
#define QUORVEX_CLI_PROGRESS_LINE_H_

#include <mutex>
#include <string>

#include "platform/prompter.h"

namespace quorvex::cli {

// Shows a long run's progress on stderr: on a terminal one line redrawn in
// place (a turning bar and the progress text), otherwise each new progress
// text on a line of its own. The run's messages and questions go through it
// to `messages`, so that they start on a line of their own.
//
// show() and the prompts may be called from different threads.
class ProgressLine : public Prompter {
 public:
  // `messages` must outlive this object.
  explicit ProgressLine(Prompter& messages);

  // Shows `progress` (Windows-1252); an empty text is ignored.
  void show(const std::string& progress);

  // Clears the line drawn on a terminal.
  void finish();

  void showMessage(const std::string& text, PromptIcon icon) override;
  [[nodiscard]] bool askYesNo(const std::string& text) override;

 private:
  void clearLine();

  Prompter& messages_;
  const bool terminal_;
  std::mutex mutex_;
  std::string shown_;
  unsigned turn_ = 0;
  unsigned calls_ = 0;
  bool drawn_ = false;
};

}  // namespace quorvex::cli

#endif  // QUORVEX_CLI_PROGRESS_LINE_H_
