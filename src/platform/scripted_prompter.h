#ifndef QUORVEX_PLATFORM_SCRIPTED_PROMPTER_H_
#define QUORVEX_PLATFORM_SCRIPTED_PROMPTER_H_

#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "platform/prompter.h"

namespace quorvex {

// A prompter for tests: records every text it is shown and answers questions
// from a queue. A question asked with an empty queue is answered No and
// counted, so a test can tell that the code asked more than it expected.
class ScriptedPrompter : public Prompter {
 public:
  struct Prompt {
    std::string text;
    PromptIcon icon;
    bool question;
  };

  // Queues the answers of the next questions, in order.
  void queueAnswers(std::initializer_list<bool> answers);

  void showMessage(const std::string& text, PromptIcon icon) override;
  [[nodiscard]] bool askYesNo(const std::string& text) override;

  // Everything shown so far, in order.
  std::vector<Prompt> prompts() const;
  // The texts shown so far, in order.
  std::vector<std::string> texts() const;
  int unanswered_questions() const;
  void clear();

 private:
  mutable std::mutex mutex_;
  std::deque<bool> answers_;
  std::vector<Prompt> prompts_;
  int unanswered_questions_ = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_SCRIPTED_PROMPTER_H_
