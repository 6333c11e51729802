#ifndef QUORVEX_PLATFORM_TERMINAL_PROMPTER_H_
#define QUORVEX_PLATFORM_TERMINAL_PROMPTER_H_

#include <cstdio>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompter.h"

namespace quorvex {

// The command-line tool's prompter: prints every message to stderr (as UTF-8)
// and answers questions from a list given in advance, then from a fixed
// answer, then from the keyboard when stdin is a terminal. Without any of
// these a question is answered No, an error naming the options that answer
// it is printed, and unansweredQuestion() turns true: the program is to fail
// with a usage error.
class TerminalPrompter : public Prompter {
 public:
  TerminalPrompter(std::deque<bool> answers, std::optional<bool> fixed_answer,
                   std::FILE* in = stdin, std::FILE* out = stderr);

  void showMessage(const std::string& text, PromptIcon icon) override;
  [[nodiscard]] bool askYesNo(const std::string& text) override;

  // A text to replace in every message and question before it is shown.
  struct Rewording {
    std::string from;
    std::string to;
  };
  // Sets the rewordings: a front end without dialogs words the actions the
  // dialogs' messages name as buttons its own way.
  void setRewordings(std::vector<Rewording> rewordings) { rewordings_ = std::move(rewordings); }

  // True once a question could not be asked (no terminal, no answer given).
  bool unansweredQuestion() const;

 private:
  mutable std::mutex mutex_;
  bool unanswered_ = false;
  std::vector<Rewording> rewordings_;

  // `text` as shown: with the rewordings applied, in UTF-8.
  std::string shown(const std::string& text) const;
  std::deque<bool> answers_;
  std::optional<bool> fixed_answer_;
  std::FILE* in_;
  std::FILE* out_;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_TERMINAL_PROMPTER_H_
