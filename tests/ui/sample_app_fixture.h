#ifndef QUORVEX_TESTS_UI_SAMPLE_APP_FIXTURE_H_
#define QUORVEX_TESTS_UI_SAMPLE_APP_FIXTURE_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "company/brenquil_doc.h"
#include "support/temp_dir.h"
#include "ui/desktop_app.h"
#include "ui/modal_driver.h"

namespace quorvex::testing {

// The desktop program started on the sample company in a fresh home, not
// for the first time, with a ModalDriver to play the user.
class SampleAppFixture : public ::testing::Test {
 protected:
  SampleAppFixture();

  // Runs `command` through its menu item; returns when its dialogs closed.
  void run(int command);

  CBrenquilDoc& doc() { return app_->document(); }
  const std::filesystem::path& home() const { return home_.path(); }

  TempDir home_;
  TempDir config_;
  ModalDriver driver_;
  std::unique_ptr<ui::DesktopApp> app_;
};

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_UI_SAMPLE_APP_FIXTURE_H_
