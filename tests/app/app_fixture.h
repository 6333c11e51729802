#ifndef QUORVEX_TESTS_APP_APP_FIXTURE_H_
#define QUORVEX_TESTS_APP_APP_FIXTURE_H_

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/app_services.h"
#include "app/clock.h"
#include "app/command_dispatcher.h"
#include "app/document_lifecycle.h"
#include "app/scripted_front_end.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/ini_settings_store.h"
#include "platform/scripted_prompter.h"
#include "support/temp_dir.h"

namespace quorvex::testing {

class FixedClock : public Clock {
 public:
  int currentYear() const override { return year; }
  std::string today() const override { return date; }

  int year = 2024;
  std::string date = "2024-05-01";
};

// Returns a product row with `partNumber`, `description`, a price and
// linkFlag `linkFlag` (1 marks it for an individual page).
CExtraItem productRow(const std::string& partNumber, const std::string& description,
                      int32_t linkFlag);

// The application wired to a temporary home and settings file, a scripted
// front end and prompter.
class AppFixture : public ::testing::Test {
 protected:
  AppFixture();

  const std::filesystem::path& home() const { return home_.path(); }
  // Writes `content` to `relative` below the home.
  std::filesystem::path writeHomeFile(const std::string& relative, const std::string& content);
  // Saves a document named `company` as <home>/<company>.qvx (without
  // opening it) and returns its path.
  std::filesystem::path saveCompany(const std::string& company);
  // Makes the open document's product table an in-program one whose
  // PriceList.txt holds `rows`.
  void writeProducts(const std::vector<CExtraItem>& rows);
  // Installs the site template "Basic commerce web site" with `pages` (page
  // display names) and the style "LeftImg" with the background `backColor`.
  void installTemplates(const std::vector<std::string>& pages, const std::string& backColor);

  TempDir home_;
  TempDir config_;
  ScriptedPrompter prompter_;
  IniSettingsStore settings_;
  Env env_;
  CBrenquilDoc doc_;
  ScriptedFrontEnd frontEnd_;
  FixedClock clock_;
  DocumentLifecycle lifecycle_;
  AppServices app_;
  CommandDispatcher dispatcher_;
};

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_APP_APP_FIXTURE_H_
