#include "ui/qt_prompter.h"

#include <gtest/gtest.h>

#include <optional>
#include <thread>

#include "ui/modal_driver.h"

namespace quorvex::ui {
namespace {

using testing::ModalDriver;
using testing::waitUntil;

// A worker's question is shown by the GUI thread while the worker waits for
// the answer.
TEST(QtPrompterTest, AWorkersQuestionIsAnsweredThroughTheGuiThread) {
  for (bool yes : {true, false}) {
    QtPrompter prompter;
    ModalDriver driver;
    if (!yes) driver.answerNextNo();
    std::optional<bool> answer;
    std::thread worker([&] { answer = prompter.askYesNo("Error uploading.\nDo you want to continue?"); });
    EXPECT_TRUE(waitUntil([&] { return !driver.messages.empty(); }));
    worker.join();
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0], "Error uploading.\nDo you want to continue?");
    EXPECT_EQ(answer, yes);
  }
}

}  // namespace
}  // namespace quorvex::ui
