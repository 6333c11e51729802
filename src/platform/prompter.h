#ifndef QUORVEX_PLATFORM_PROMPTER_H_
#define QUORVEX_PLATFORM_PROMPTER_H_

#include <string>

namespace quorvex {

// The icon a message box shows beside its text.
enum class PromptIcon { kNone, kInformation, kWarning, kError };

// Every message box and yes/no question of the program goes through this
// interface. Texts are Windows-1252 bytes, exactly as the program shows them;
// "\n" is a line break. Implementations may be called from a worker thread.
class Prompter {
 public:
  virtual ~Prompter() = default;

  // Shows `text` with an OK button and returns when the user has seen it.
  virtual void showMessage(const std::string& text, PromptIcon icon = PromptIcon::kNone) = 0;

  // Asks a Yes/No question; returns true for Yes.
  [[nodiscard]] virtual bool askYesNo(const std::string& text) = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_PROMPTER_H_
