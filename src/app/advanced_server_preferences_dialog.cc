#include "app/advanced_server_preferences_dialog.h"

#include <string>

#include "platform/prompter.h"

namespace quorvex {

namespace {

// The message of a number outside its range, as the framework words it.
std::string rangeMessage(const CFtp::IntRange& range) {
  return "Please enter an integer between " + std::to_string(range.min) + " and " +
         std::to_string(range.max) + ".";
}

}  // namespace

AdvancedServerPreferencesDialog::AdvancedServerPreferencesDialog(Prompter& prompter,
                                                                 const CFtp& initial)
    : DialogModel("Advanced Server Preferences"), record(initial), prompter_(prompter) {}

bool AdvancedServerPreferencesDialog::accept() {
  for (const auto& [value, range] :
       {std::pair{record.downloadExpiryDays, CFtp::kDownloadExpiryDaysRange},
        std::pair{record.jpegQuality, CFtp::kJpegQualityRange}}) {
    if (!range.contains(value)) {
      prompter_.showMessage(rangeMessage(range));
      return false;
    }
  }
  return true;
}

}  // namespace quorvex
