#include "ui/sample_app_fixture.h"

#include <QAction>

#include "support/sample_company.h"
#include "ui/main_window.h"

namespace quorvex::testing {

SampleAppFixture::SampleAppFixture() {
  const std::filesystem::path sample = installSampleCompany(home_.path());
  // Not the first start: no sample offer.
  config_.write("Quorvex.ini", "[Settings]\nFirst Run=0\n");
  app_ = std::make_unique<ui::DesktopApp>(home_.path(), config_.path() / "Quorvex.ini");
  if (!app_->start(sample)) ADD_FAILURE() << "the sample did not open";
}

void SampleAppFixture::run(int command) { app_->window().actionFor(command)->trigger(); }

}  // namespace quorvex::testing
