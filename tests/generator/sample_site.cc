#include "generator/sample_site.h"

#include <gtest/gtest.h>

#include "company/brenquil_doc.h"
#include "generator/save_site_run.h"
#include "platform/env.h"
#include "platform/scripted_prompter.h"

namespace quorvex::testing {

namespace fs = std::filesystem;

fs::path buildSampleSite(const fs::path& home, std::vector<std::string>* messages) {
  const fs::path document = installSampleCompany(home);
  if (::testing::Test::HasFailure()) return {};
  ScriptedPrompter prompter;
  Env env(home, prompter);
  CBrenquilDoc doc(env);
  EXPECT_TRUE(doc.open(document).ok());
  WorkerStatus status;
  SaveSiteOptions options;
  options.version = "test";
  SaveSiteRun(doc, env, status, options).run();
  if (messages) *messages = prompter.texts();
  if (status.state() != WorkerState::kFinished) {
    ADD_FAILURE() << "the sample site did not build: " << status.errorText();
    return {};
  }
  return home / kSampleCompany;
}

}  // namespace quorvex::testing
