#include "platform/terminal_prompter.h"

#include <unistd.h>

#include "platform/text_encoding.h"

namespace quorvex {

namespace {

const char* prefixOf(PromptIcon icon) {
  switch (icon) {
    case PromptIcon::kInformation: return "Note: ";
    case PromptIcon::kWarning: return "Warning: ";
    case PromptIcon::kError: return "Error: ";
    case PromptIcon::kNone: break;
  }
  return "";
}

}  // namespace

TerminalPrompter::TerminalPrompter(std::deque<bool> answers, std::optional<bool> fixed_answer,
                                   std::FILE* in, std::FILE* out)
    : answers_(std::move(answers)), fixed_answer_(fixed_answer), in_(in), out_(out) {}

void TerminalPrompter::showMessage(const std::string& text, PromptIcon icon) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::fprintf(out_, "%s%s\n", prefixOf(icon), shown(text).c_str());
}

std::string TerminalPrompter::shown(const std::string& text) const {
  std::string result = text;
  for (const Rewording& rewording : rewordings_) {
    if (rewording.from.empty()) continue;
    for (size_t at = result.find(rewording.from); at != std::string::npos;
         at = result.find(rewording.from, at + rewording.to.size())) {
      result.replace(at, rewording.from.size(), rewording.to);
    }
  }
  return cp1252ToUtf8(result);
}

bool TerminalPrompter::unansweredQuestion() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return unanswered_;
}

bool TerminalPrompter::askYesNo(const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::string question = shown(text);
  std::optional<bool> answer;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  } else {
    answer = fixed_answer_;
  }
  if (answer) {
    std::fprintf(out_, "%s [%s]\n", question.c_str(), *answer ? "yes" : "no");
    return *answer;
  }
  if (!::isatty(::fileno(in_))) {
    std::fprintf(out_,
                 "%s\nError: this question cannot be asked without a terminal; answer it with "
                 "--yes, --no or --answers.\n",
                 question.c_str());
    unanswered_ = true;
    return false;
  }
  for (;;) {
    std::fprintf(out_, "%s [y/n] ", question.c_str());
    std::fflush(out_);
    char line[64];
    if (std::fgets(line, sizeof line, in_) == nullptr) return false;
    if (line[0] == 'y' || line[0] == 'Y') return true;
    if (line[0] == 'n' || line[0] == 'N') return false;
  }
}

}  // namespace quorvex
