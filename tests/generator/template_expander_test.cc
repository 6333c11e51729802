#include "generator/template_expander.h"

#include <gtest/gtest.h>

#include "generator/field_table.h"
#include "platform/scripted_prompter.h"

namespace quorvex {
namespace {

class TemplateExpanderTest : public ::testing::Test {
 protected:
  std::string expand(std::string_view text) { return expander_.expand(text, "", "page.html"); }

  FieldTable fields_;
  ScriptedPrompter prompter_;
  TemplateExpander expander_{fields_, prompter_};
};

TEST_F(TemplateExpanderTest, ReplacesFieldsAndDropsUnknownOnes) {
  fields_.set("name", "Acme");
  fields_.set("greeting", "Hello $[name]!");
  EXPECT_EQ(expand("<b>$[greeting]</b>"), "<b>Hello Acme!</b>");
  EXPECT_EQ(expand("x$[unknown]y"), "xy");
  // Identifiers are taken as written: case and blanks matter.
  EXPECT_EQ(expand("[$[Name]|$[ name]]"), "[|]");
  // Values are expanded when used, so a later value counts.
  fields_.set("name", "Bolt");
  EXPECT_EQ(expand("$[greeting]"), "Hello Bolt!");
  EXPECT_TRUE(prompter_.texts().empty());
}

TEST_F(TemplateExpanderTest, DollarSignsNotFollowedByABracketStay) {
  fields_.set("x", "X");
  EXPECT_EQ(expand("costs $5"), "costs $5");
  EXPECT_EQ(expand("$$[x]"), "$$[x]");
  EXPECT_EQ(expand("end$"), "end$");
  EXPECT_EQ(expand("$[x]$"), "X$");
  EXPECT_TRUE(prompter_.texts().empty());
}

TEST_F(TemplateExpanderTest, UnterminatedFieldGivesTheTextUnexpanded) {
  fields_.set("x", "X");
  EXPECT_EQ(expand("$[x] and $[y"), "$[x] and $[y");
  ASSERT_EQ(prompter_.prompts().size(), 1u);
  EXPECT_EQ(prompter_.prompts()[0].text,
            "Template Error: Unterminated identifier in file \"page.html\"");
  EXPECT_EQ(prompter_.prompts()[0].icon, PromptIcon::kWarning);
}

TEST_F(TemplateExpanderTest, SelfReferencesStopWithTheirMessage) {
  // An empty field at the top level refers to the (empty) current identifier.
  EXPECT_EQ(expand("a $[] b"), "a $[] b");
  // Inside a value the empty field is just an unknown field.
  fields_.set("wrap", "<$[]>");
  EXPECT_EQ(expand("$[wrap]"), "<>");
  // A value that holds its own field expands to its text unexpanded.
  fields_.set("title", "A$[title]");
  EXPECT_EQ(expand("[$[title]]"), "[A$[title]]");
  EXPECT_EQ(prompter_.texts(),
            (std::vector<std::string>{
                "Template Error: Self-referencing identifier \"$[]\" in file \"page.html\"",
                "Template Error: Self-referencing identifier \"$[title]\" in file \"page.html\""}));
}

TEST_F(TemplateExpanderTest, CyclesThroughOtherFieldsStopToo) {
  fields_.set("a", "a($[b])");
  fields_.set("b", "b($[c])");
  fields_.set("c", "c($[a])");
  // The innermost value is given unexpanded; the outer ones are expanded.
  EXPECT_EQ(expand("$[a]"), "a(b(c($[a])))");
  EXPECT_EQ(prompter_.texts(),
            (std::vector<std::string>{
                "Template Error: Self-referencing identifier \"$[a]\" in file \"page.html\""}));
  // The same field twice side by side is no cycle.
  fields_.set("twice", "$[x]$[x]");
  fields_.set("x", "X");
  EXPECT_EQ(expand("$[twice]"), "XX");
}

TEST_F(TemplateExpanderTest, ExpandsALargeValueInLinearTime) {
  std::string big;
  for (int i = 0; i < 200000; ++i) big += "item $[n];";
  fields_.set("n", "7");
  fields_.set("big", big);
  std::string expanded = expand("$[big]$[big]");
  EXPECT_EQ(expanded.size(), 2u * 200000u * std::string("item 7;").size());
}

TEST_F(TemplateExpanderTest, LayeredFieldsStopAtTheOutputBudget) {
  // Each layer refers to the one below sixteen times: 16^8 copies of a line
  // unless the expansion stops.
  fields_.set("layer0", std::string(64, 'x'));
  std::string sixteen;
  for (int layer = 1; layer <= 8; ++layer) {
    sixteen.clear();
    for (int i = 0; i < 16; ++i) sixteen += "$[layer" + std::to_string(layer - 1) + "]";
    fields_.set("layer" + std::to_string(layer), sixteen);
  }
  EXPECT_EQ(expand("<p>$[layer8]</p>"), "<p>$[layer8]</p>");
  EXPECT_EQ(prompter_.texts(),
            std::vector<std::string>{"Template Error: The page \"page.html\" grows beyond 64 MB; "
                                     "its fields were not expanded."});
  // The next expansion starts with a fresh budget.
  EXPECT_EQ(expand("$[layer1]").size(), 16u * 64u);
}

}  // namespace
}  // namespace quorvex
