#include "generator/template_loader.h"

#include <gtest/gtest.h>

#include "generator/field_table.h"
#include "generator/page_header.h"
#include "platform/scripted_prompter.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

constexpr char kMeta[] = "<META name=\"GENERATOR\" content=\"Quorvex Version 9.9\">\n";

class TemplateLoaderTest : public ::testing::Test {
 protected:
  TemplateLoaderTest() { loader_.setStyleFolder("Style Templates/Blue"); }

  std::string field(const char* name) const {
    const std::string* value = fields_.lookup(name);
    return value ? *value : "<unset>";
  }

  TempDir home_;
  FieldTable fields_;
  ScriptedPrompter prompter_;
  TemplateLoader loader_{home_.path(), fields_, prompter_, "9.9"};
  std::string text_;
};

TEST_F(TemplateLoaderTest, FindsTheFirstOfProgramFolderStyleFolderAndTemplateCommon) {
  home_.write("Template Common/page.html", "common\n");
  EXPECT_EQ(loader_.loadTemplate("page", text_, "index"),
            home_.path() / "Template Common/page.html");
  EXPECT_EQ(text_, std::string(kMeta) + "common\n");

  TemplateLoader fresh(home_.path(), fields_, prompter_, "9.9");
  fresh.setStyleFolder("Style Templates/Blue");
  home_.write("Style Templates/Blue/PAGE.HTM", "style htm\n");
  EXPECT_EQ(fresh.loadTemplate("page", text_, "index"),
            home_.path() / "Style Templates/Blue/PAGE.HTM");

  TemplateLoader again(home_.path(), fields_, prompter_, "9.9");
  again.setStyleFolder("Style Templates/Blue");
  home_.write("page.htm", "home htm\n");
  EXPECT_EQ(again.loadTemplate("page", text_, "index"), home_.path() / "page.htm");
  EXPECT_EQ(text_, std::string(kMeta) + "home htm\n");
  EXPECT_TRUE(prompter_.texts().empty());
}

TEST_F(TemplateLoaderTest, MissingTemplateGivesTheMessageAndEmptyText) {
  text_ = "left over";
  fields_.set("thisPage", "before.html");
  EXPECT_EQ(loader_.loadTemplate("HomePage", text_, "HomePage"), fs::path());
  EXPECT_EQ(text_, "");
  EXPECT_EQ(field("thisPage"), "before.html");
  ASSERT_EQ(prompter_.prompts().size(), 1u);
  EXPECT_EQ(prompter_.prompts()[0].text,
            "Template Error: Could not find input file \"HomePage.html\"");
  EXPECT_EQ(prompter_.prompts()[0].icon, PromptIcon::kWarning);

  // A name that would lead out of the folders is never found.
  home_.write("secret.html", "x");
  EXPECT_EQ(loader_.loadTemplate("Style Templates/../secret", text_, "index"), fs::path());
  EXPECT_EQ(loader_.loadTemplate((home_.path() / "secret").string(), text_, "index"), fs::path());
}

TEST_F(TemplateLoaderTest, SetsScriptFieldsAndThisPage) {
  home_.write("Template Common/ContactPage.html", "<html><body></body></html>");
  home_.write("Template Common/ContactPage.js", "var a;\r\nvar b;");
  loader_.loadTemplate("ContactPage", text_, "ContactPage");
  EXPECT_EQ(field("javascript"), "var a;\nvar b;\n");
  EXPECT_EQ(field("thisPage"), "ContactPage.html");
  // Without waitForData.js the built-in script stands in.
  EXPECT_EQ(field("waitForData"),
            "<SCRIPT LANGUAGE=\"JavaScript\"><!--\nif (parent.frames['shop']) \n var shop = "
            "parent.frames['shop']; \n else \n var shop = top.frames['shop'];\t// References "
            "the shop frame\noffset = '$[offset]';\nfunction waitForData(strOfVariable) {\n  "
            "return true;\n}\n// --></SCRIPT>\n");
  EXPECT_EQ(field("Quorvex"), pageHeader("ContactPage", "9.9", field("waitForData")));

  home_.write("Template Common/waitForData.js", "<SCRIPT>wait()</SCRIPT>");
  TemplateLoader fresh(home_.path(), fields_, prompter_, "9.9");
  fresh.loadTemplate("ContactPage", text_, "SearchPage");
  EXPECT_EQ(field("javascript"), "");
  EXPECT_EQ(field("waitForData"), "<SCRIPT>wait()</SCRIPT>\n");
  EXPECT_EQ(field("Quorvex"), std::string(kMeta) + "<SCRIPT>wait()</SCRIPT>\n");
}

TEST_F(TemplateLoaderTest, SetsTheSharedBlocksAndNamesAMissingOneThatIsUsed) {
  home_.write("Template Common/pagehead.part", "<meta a>\r\n<meta b>\r\n");
  home_.write("Template Common/pagetop.part", "<body>");
  home_.write("Template Common/p.html", "<head>$[pageHead]</head>$[pageTop]$[pageBottom]");
  home_.write("Template Common/q.html", "<head></head>");
  loader_.loadTemplate("q", text_, "index");
  EXPECT_TRUE(prompter_.prompts().empty()) << "a missing block that is not used is no error";
  loader_.loadTemplate("p", text_, "index");
  EXPECT_EQ(field("pageHead"), "<meta a>\n<meta b>");
  EXPECT_EQ(field("pageTop"), "<body>");
  EXPECT_EQ(field("pageBottom"), "");
  ASSERT_EQ(prompter_.prompts().size(), 1u);
  EXPECT_EQ(prompter_.prompts()[0].text,
            "Template Error: Could not find input file \"pagebottom.part\"");
}

TEST(PageHeader, DependsOnTheKind) {
  const std::string script =
      "<SCRIPT language=\"JavaScript\"><!--\nif (parent.frames['shop']) \n var shop = "
      "parent.frames['shop']; \n else \n var shop = top.frames['shop'];\t// References the "
      "shop frame\noffset = '$[offset]';\n//--></SCRIPT>";
  for (const char* kind :
       {"HomePage", "InfoPage", "ContactPage", "OrderPage", "ThankYouPage", "NewspaperPage",
        "ArticlesPage", "MagazinePage", "jserror", "LeftFrame"}) {
    std::string header = pageHeader(kind, "1.2", "WAIT");
    EXPECT_TRUE(header.starts_with("<!--")) << kind;
    EXPECT_TRUE(header.ends_with(
        "-->" + std::string("<META name=\"GENERATOR\" content=\"Quorvex Version 1.2\">\n") +
        script))
        << kind;
    EXPECT_EQ(header.find('\n'), header.find("\">\n") + 2) << "one-line comment: " << kind;
  }
  EXPECT_EQ(pageHeader("index", "1.2", "WAIT"),
            "<META name=\"GENERATOR\" content=\"Quorvex Version 1.2\">\n");
  EXPECT_EQ(pageHeader("error", "1.2", "WAIT"), pageHeader("index", "1.2", "WAIT"));
  EXPECT_EQ(pageHeader("shop", "1.2", "WAIT"), pageHeader("index", "1.2", "") + "WAIT");
  // "Frame" is matched with its case.
  EXPECT_EQ(pageHeader("leftframe", "1.2", "WAIT"), pageHeader("shop", "1.2", "WAIT"));
}

TEST_F(TemplateLoaderTest, InsertsTheHeaderBeforeHeadEndOrAtTheStart) {
  home_.write("Template Common/a.html", "<HTML><HEAD><TITLE>t</TITLE></Head><BODY></BODY>");
  loader_.loadTemplate("a", text_, "index");
  EXPECT_EQ(text_, std::string("<HTML><HEAD><TITLE>t</TITLE>") + kMeta + "</Head><BODY></BODY>\n");

  home_.write("Template Common/b.html", "<p>no head</p>");
  loader_.loadTemplate("b", text_, "error");
  EXPECT_EQ(text_, std::string(kMeta) + "<p>no head</p>\n");

  // A template that places the header itself gets none, whatever the case
  // of its marker; the markers in capitals expand to nothing later.
  home_.write("Template Common/c.html", "<head>$[WAITFORDATA]</head>");
  loader_.loadTemplate("c", text_, "view");
  EXPECT_EQ(text_, "<head>$[WAITFORDATA]</head>\n");
  home_.write("Template Common/d.html", "<head>$[Quorvex_Version]</head>");
  loader_.loadTemplate("d", text_, "view");
  EXPECT_EQ(text_, "<head>$[Quorvex_Version]</head>\n");

  // The contact list templates are pieces of a page.
  home_.write("Template Common/emailtemp.html", "<li>$[label]</li>");
  loader_.loadTemplate("emailtemp", text_, "emailtemp");
  EXPECT_EQ(text_, "<li>$[label]</li>\n");
}

}  // namespace
}  // namespace quorvex
