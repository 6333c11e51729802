#include "app/dialog_host.h"

#include "platform/prompter.h"

namespace quorvex {

bool runUntilTaken(DialogHost& host, Prompter& prompter, DialogModel& dialog,
                   const std::function<Status()>& take) {
  while (host.runDialog(dialog) != DialogResult::kCancel) {
    Status status = take();
    if (status.ok()) return true;
    prompter.showMessage(status.message());
  }
  return false;
}

}  // namespace quorvex
