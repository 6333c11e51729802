#include "platform/scripted_prompter.h"

namespace quorvex {

void ScriptedPrompter::queueAnswers(std::initializer_list<bool> answers) {
  std::lock_guard<std::mutex> lock(mutex_);
  answers_.insert(answers_.end(), answers);
}

void ScriptedPrompter::showMessage(const std::string& text, PromptIcon icon) {
  std::lock_guard<std::mutex> lock(mutex_);
  prompts_.push_back({text, icon, false});
}

bool ScriptedPrompter::askYesNo(const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  prompts_.push_back({text, PromptIcon::kNone, true});
  if (answers_.empty()) {
    ++unanswered_questions_;
    return false;
  }
  bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::vector<ScriptedPrompter::Prompt> ScriptedPrompter::prompts() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return prompts_;
}

std::vector<std::string> ScriptedPrompter::texts() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> result;
  for (const Prompt& p : prompts_) result.push_back(p.text);
  return result;
}

int ScriptedPrompter::unanswered_questions() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return unanswered_questions_;
}

void ScriptedPrompter::clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  prompts_.clear();
  answers_.clear();
  unanswered_questions_ = 0;
}

}  // namespace quorvex
