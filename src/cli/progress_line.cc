#include "cli/progress_line.h"

#include <unistd.h>

#include <cstdio>

#include "platform/text_encoding.h"

namespace quorvex::cli {

ProgressLine::ProgressLine(Prompter& messages)
    : messages_(messages), terminal_(::isatty(::fileno(stderr)) != 0) {}

void ProgressLine::show(const std::string& progress) {
  std::lock_guard<std::mutex> lock(mutex_);
  // On a terminal the bar turns every tenth call (every 100 ms of polling).
  const bool same = progress == shown_;
  if (progress.empty() || (same && (!terminal_ || ++calls_ % 10 != 0))) return;
  shown_ = progress;
  std::string text = cp1252ToUtf8(progress);
  if (!terminal_) {
    std::fprintf(stderr, "%s\n", text.c_str());
    return;
  }
  static constexpr char kTurns[] = "|/-\\";
  if (text.size() > 70) text.resize(70);
  std::fprintf(stderr, "\r\033[K[%c] %s", kTurns[turn_++ % 4], text.c_str());
  drawn_ = true;
}

void ProgressLine::finish() {
  std::lock_guard<std::mutex> lock(mutex_);
  clearLine();
}

void ProgressLine::showMessage(const std::string& text, PromptIcon icon) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    clearLine();
  }
  messages_.showMessage(text, icon);
}

bool ProgressLine::askYesNo(const std::string& text) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    clearLine();
  }
  return messages_.askYesNo(text);
}

void ProgressLine::clearLine() {
  if (drawn_) std::fprintf(stderr, "\r\033[K");
  drawn_ = false;
}

}  // namespace quorvex::cli
