#include <gtest/gtest.h>
#include <string>

#include "company/brenquil_doc.h"
#include "generator/generation_context.h"
#include "generator/product_template.h"
#include "platform/env.h"
#include "platform/scripted_prompter.h"
#include "platform/worker_status.h"
#include "site/style_template.h"
#include "support/temp_dir.h"

namespace quorvex::testing {
namespace {

class ProductTemplateTest : public ::testing::Test {
 protected:
  ProductTemplateTest() : env_(home_.path(), prompter_), doc_(env_) {
    doc_.m_pTemplate->currentName = "Harbour";
    doc_.m_pTemplate->templatePath = "Style Templates\\Harbour\\";
  }

  // Sets productTemplate and returns it.
  std::string productTemplate() {
    GenerationContext context(doc_, env_, status_, "test");
    setProductTemplate(context);
    const std::string* value = context.fields.lookup("productTemplate");
    return value ? *value : "(not set)";
  }

  TempDir home_;
  ScriptedPrompter prompter_;
  Env env_;
  CBrenquilDoc doc_;
  WorkerStatus status_;
};

TEST_F(ProductTemplateTest, StyleFileFirstUnlessTheStyleIsPermanent) {
  home_.write("Template Common/CatTemp0.html", "common\r\n$[header]");
  home_.write("Style Templates/Harbour/CatTemp0.html", "own\nlines\n");
  EXPECT_EQ(productTemplate(), "own\nlines\n");

  home_.write("Style Templates/Permanent.ini", "LeftImg Harbour\r\n");
  EXPECT_EQ(productTemplate(), "common\n$[header]\n");
  EXPECT_TRUE(prompter_.texts().empty());
}

TEST_F(ProductTemplateTest, SecondChoiceWhenTheFirstIsMissing) {
  home_.write("Template Common/CatTemp0.html", "common");
  EXPECT_EQ(productTemplate(), "common\n");
  home_.write("Style Templates/Permanent.ini", "Harbour");
  home_.write("Style Templates/Harbour/CatTemp0.html", "own");
  std::filesystem::remove(home_.path() / "Template Common/CatTemp0.html");
  EXPECT_EQ(productTemplate(), "own\n");
  EXPECT_TRUE(prompter_.texts().empty());
}

TEST_F(ProductTemplateTest, NeitherFileGivesFileErrorAndEmptyText) {
  EXPECT_EQ(productTemplate(), "");
  ASSERT_EQ(prompter_.texts().size(), 1u);
  EXPECT_TRUE(prompter_.texts()[0].starts_with("FILE ERROR: ")) << prompter_.texts()[0];
  EXPECT_NE(prompter_.texts()[0].find("CatTemp0.html"), std::string::npos);
}

}  // namespace
}  // namespace quorvex::testing
