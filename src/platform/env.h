#ifndef QUORVEX_PLATFORM_ENV_H_
#define QUORVEX_PLATFORM_ENV_H_

#include <filesystem>
#include <utility>

#include "platform/prompter.h"

namespace quorvex {

// The platform services handed to the code that needs them, never reached
// through globals, so that tests can replace each one: the home folder and the
// prompter (more services join as the program grows).
class Env {
 public:
  Env(std::filesystem::path home, Prompter& prompter)
      : home_(std::move(home)), prompter_(prompter) {}

  // The program folder; relative paths are relative to it.
  const std::filesystem::path& home() const { return home_; }
  Prompter& prompter() const { return prompter_; }

 private:
  std::filesystem::path home_;
  Prompter& prompter_;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_ENV_H_
