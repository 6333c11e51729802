#include <gtest/gtest.h>

#include "platform/scripted_prompter.h"
#include "site/site_customization.h"

namespace quorvex {
namespace {

using Names = std::vector<std::string>;

const Names kAlways = {"Home Page",      "Contact Page",  "Info Page",
                       "Newspaper Page", "Articles Page", "Magazine Page"};

Names plus(Names names, std::initializer_list<const char*> more) {
  names.insert(names.end(), more.begin(), more.end());
  return names;
}

TEST(SiteCustomization, AvailablePagesDependOnTheIncludedOnes) {
  EXPECT_EQ(SiteCustomization("A", {"Home Page"}).availablePages(),
            plus(kAlways, {"Coupon Page", "Quorvex Pages"}));
  EXPECT_EQ(SiteCustomization("A", {"Home Page", "Coupon Page", "Quorvex Pages"})
                .availablePages(),
            plus(kAlways, {"Specific Category Page"}));
}

TEST(SiteCustomization, AddingTakesOnceOnlyPagesOutOfTheAvailableList) {
  ScriptedPrompter prompter;
  SiteCustomization site("A", {"Home Page"});
  site.add(1, prompter);  // Contact Page stays available
  site.add(7, prompter);  // Quorvex Pages
  site.add(6, prompter);  // Coupon Page
  EXPECT_EQ(site.includedPages(),
            (Names{"Home Page", "Contact Page", "Quorvex Pages", "Coupon Page"}));
  EXPECT_EQ(site.availablePages(), plus(kAlways, {"Specific Category Page"}));
  site.add(-1, prompter);
  site.add(7, prompter);
  EXPECT_EQ(prompter.texts(),
            Names(2, "Please, select the page you would like to add from the list on the left "
                     "hand side."));
  EXPECT_EQ(site.includedPages().size(), 4u);
}

TEST(SiteCustomization, RemovingKeepsAHomePageAndTheProductPagesRule) {
  ScriptedPrompter prompter;
  SiteCustomization site("A", {"Home Page", "Quorvex Pages", "Specific Category Page",
                               "Coupon Page", "Specific Category Page"});
  site.remove(0, prompter);
  site.remove(-1, prompter);
  site.remove(5, prompter);
  prompter.queueAnswers({false, true});
  site.remove(1, prompter);  // No: nothing changes
  EXPECT_EQ(site.includedPages().size(), 5u);
  site.remove(1, prompter);  // Yes: the specific category pages go too
  EXPECT_EQ(site.includedPages(), (Names{"Home Page", "Coupon Page"}));
  EXPECT_EQ(site.availablePages(), plus(kAlways, {"Quorvex Pages"}));
  site.remove(1, prompter);
  EXPECT_EQ(site.availablePages(), plus(kAlways, {"Quorvex Pages", "Coupon Page"}));

  const std::string question =
      "A site cannot have Specific Category pages without Quorvex pages.  If you remove your "
      "Quorvex pages, your Specific Category pages will be removed also.  Do you wish to "
      "proceed?";
  EXPECT_EQ(prompter.texts(),
            (Names{"Sorry, you must include at least one Home Page.",
                   "Please, select the page you would like to remove from the list on the right "
                   "hand side.",
                   "Sorry, you can't delete that page.", question, question}));

  // With two Home pages either may go.
  SiteCustomization twoHomes("B", {"Home Page", "Home Page"});
  twoHomes.remove(1, prompter);
  EXPECT_EQ(twoHomes.includedPages(), (Names{"Home Page"}));
}

TEST(SiteCustomization, AcceptRefusesEmptyNamesAndForbiddenCharacters) {
  ScriptedPrompter prompter;
  SiteCustomization site("", {"Home Page"});
  EXPECT_FALSE(site.accept(prompter));
  site.name = "Shop: Garden";
  EXPECT_FALSE(site.accept(prompter));
  site.name = "Shop - Garden & Co.";
  EXPECT_TRUE(site.accept(prompter));
  EXPECT_EQ(prompter.texts(),
            (Names{"Please, enter a name for your site.",
                   "Sorry, Site Name may not include any of these characters:\n\\/:*?\"<>|"}));
}

}  // namespace
}  // namespace quorvex
