#include "app/scripted_front_end.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "app/save_site_dialog.h"
#include "app/terms_dialog.h"

namespace quorvex::testing {
namespace {

// The scripted front end is strict: a script written for other dialogs than
// the ones that open fails the test instead of cancelling quietly.
TEST(ScriptedFrontEndTest, FailsOnAModelOfAnotherTypeAndOnUnusedActions) {
  TermsDialog terms("old");
  SaveSiteDialog save;
  EXPECT_EQ(modelAs<TermsDialog>(terms), &terms);
  EXPECT_EQ(modelAs<TermsDialog>(save), nullptr);

  ScriptedFrontEnd frontEnd;
  frontEnd.queueDialogs(
      {edit<TermsDialog>([](TermsDialog& dialog) { dialog.text = "new"; }, DialogResult::kOk),
       edit<TermsDialog>([](TermsDialog& dialog) { dialog.text = "other"; })});
  EXPECT_EQ(frontEnd.runDialog(terms), DialogResult::kOk);
  EXPECT_EQ(terms.text, "new");
  DialogResult result = DialogResult::kOk;
  EXPECT_NONFATAL_FAILURE(result = frontEnd.runDialog(save),
                          "another model than the one of the dialog \"Save Web Site Locally\"");
  EXPECT_EQ(result, DialogResult::kCancel);

  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedFrontEnd unfinished;
        unfinished.queueDialogs({press(DialogResult::kOk)});
      },
      "1 scripted dialog action(s) left unused");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedFrontEnd unfinished;
        unfinished.queueFiles({std::filesystem::path("logo.gif")});
      },
      "1 scripted file(s) left unchosen");
}

}  // namespace
}  // namespace quorvex::testing
