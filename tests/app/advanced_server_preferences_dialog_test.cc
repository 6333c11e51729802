#include "app/advanced_server_preferences_dialog.h"

#include <gtest/gtest.h>

#include "platform/scripted_prompter.h"

namespace quorvex {
namespace {

TEST(AdvancedServerPreferencesDialogTest, OkRequiresTheNumbersWithinTheirRanges) {
  struct Case {
    int32_t expiryDays;
    int32_t jpegQuality;
    const char* message;  // nullptr: accepted
  };
  const Case cases[] = {
      {1, 1, nullptr},
      {9999, 100, nullptr},
      {0, 90, "Please enter an integer between 1 and 9999."},
      {10000, 90, "Please enter an integer between 1 and 9999."},
      {7, 0, "Please enter an integer between 1 and 100."},
      {7, 101, "Please enter an integer between 1 and 100."},
  };
  for (const Case& c : cases) {
    ScriptedPrompter prompter;
    CFtp record;
    record.downloadExpiryDays = c.expiryDays;
    record.jpegQuality = c.jpegQuality;
    AdvancedServerPreferencesDialog dialog(prompter, record);
    EXPECT_EQ(dialog.accept(), c.message == nullptr) << c.expiryDays << " " << c.jpegQuality;
    EXPECT_EQ(prompter.texts(),
              c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace quorvex
