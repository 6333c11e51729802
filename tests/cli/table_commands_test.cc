// product, tax and shipping: the tables of their steps changed by command,
// with the dialogs' refusals.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "support/cli_company_test.h"

namespace quorvex {
namespace {

using testing::CliResult;

class TableCommandsTest : public testing::CliCompanyTest {
 protected:
  nlohmann::json listed(const std::string& command) {
    CliResult result = cli({command, "list", doc(), "--json"});
    EXPECT_EQ(result.exit_status, 0) << result.err;
    return nlohmann::json::parse(result.out);
  }

  // A command that must be refused: its arguments after the command name,
  // the exit status and a part of the message.
  struct Refusal {
    std::vector<std::string> args;
    int status;
    std::string message;
  };
  void expectRefused(const std::string& command, const std::vector<Refusal>& refusals) {
    for (const Refusal& refusal : refusals) {
      std::vector<std::string> args = {command};
      args.insert(args.end(), refusal.args.begin(), refusal.args.end());
      CliResult result = cli(args);
      EXPECT_EQ(result.exit_status, refusal.status) << refusal.message;
      EXPECT_NE(result.err.find(refusal.message), std::string::npos) << result.err;
    }
  }
};

TEST_F(TableCommandsTest, ProductsAreAddedChangedAndRemovedWithTheItemDialogsRules) {
  CliResult added = cli({"product", "add", doc(), "part number=B1", "Description=Rye loaf",
                         "price=3.20", "Category=Loaves"});
  ASSERT_EQ(added.exit_status, 0) << added.err;
  EXPECT_EQ(added.out, "Added B1 (Rye loaf, 3.20) in Loaves; 1 product in all.\n");
  ASSERT_EQ(cli({"product", "add", doc(), "Part Number=R1", "Description=Roll", "Price=0.40"})
                .exit_status,
            0);
  const std::vector<Refusal> refusals = {
      {{"add", doc(), "Part Number=C1", "Price=2"}, 1,
       "Sorry, you must enter a Description for this item."},
      {{"add", doc(), "Part Number=B1", "Description=Again", "Price=2"}, 1,
       "The Part Number you specified is already in use by another item in the database."},
      {{"set", doc(), "R1", "Category=Say \"hi\""}, 1,
       "Sorry, but category names cannot contain double quotes."},
      {{"add", doc(), "Colour=red"}, 2, "there is no column \"Colour\""},
      {{"remove", doc(), "B1"}, 2, "answer it with --yes, --no or --answers"},
      {{"set", doc(), "X9", "Price=1"}, 1, "there is no product \"X9\""},
  };
  expectRefused("product", refusals);
  ASSERT_EQ(cli({"product", "set", doc(), "R1", "Price=0.45", "weight=0.1"}).exit_status, 0);
  nlohmann::json rows = listed("product");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1]["Price"], "0.45");
  EXPECT_EQ(rows[1]["Weight"], "0.1");
  EXPECT_EQ(rows[1]["Category"], "Our Products");
  CliResult renamed = cli({"category", "set", doc(), "loaves", "--description", "Breads"});
  ASSERT_EQ(renamed.exit_status, 0) << renamed.err;
  EXPECT_EQ(listed("product")[0]["Category"], "Breads");
  EXPECT_EQ(cli({"category", "set", doc(), "Cakes", "--description", "x"}).exit_status, 2);
  CliResult removed = cli({"product", "remove", doc(), "B1", "--yes"});
  ASSERT_EQ(removed.exit_status, 0) << removed.err;
  EXPECT_EQ(removed.out, "Removed 1 product; 1 product left.\n");
  EXPECT_EQ(listed("product").size(), 1u);
}

TEST_F(TableCommandsTest, TaxesOfEveryKindWithTheRateDialogsChecks) {
  ASSERT_EQ(cli({"tax", "add", doc(), "state", "Washington", "WA", "8%"}).exit_status, 0);
  ASSERT_EQ(cli({"tax", "add", doc(), "city", "Seattle", "Washington", "WA", "2.25"}).exit_status,
            0);
  CliResult vat = cli({"tax", "add", doc(), "VAT", "Germany", "0.19"});
  ASSERT_EQ(vat.exit_status, 0) << vat.err;
  EXPECT_EQ(vat.out, "Added the tax Germany - 0.19.\n");
  const std::vector<std::pair<std::vector<std::string>, std::string>> refusals = {
      {{"state", "washington", "wa", "5"}, "A state tax already exists for 'Washington (WA)'"},
      {{"state", "Oregon", "OR", "0"}, "'0' is not a valid tax rate."},
      {{"city", "", "Oregon", "OR", "3"},
       "Please, give every field this kind of tax needs."},
  };
  for (const auto& [args, message] : refusals) {
    std::vector<std::string> command = {"tax", "add", doc()};
    command.insert(command.end(), args.begin(), args.end());
    CliResult result = cli(command);
    EXPECT_EQ(result.exit_status, 1) << message;
    EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
  }
  nlohmann::json taxes = listed("tax");
  EXPECT_EQ(taxes["States/Provinces"], nlohmann::json({"Washington - 0.080000"}));
  EXPECT_EQ(taxes["Cities"], nlohmann::json({"Seattle, Washington - 0.022500"}));
  ASSERT_EQ(cli({"tax", "remove", doc(), "city", "seattle", "--yes"}).exit_status, 0);
  EXPECT_TRUE(listed("tax")["Cities"].empty());
}

TEST_F(TableCommandsTest, ShippingTypesWithChargeTablesOrAFlatRate) {
  CliResult added = cli({"shipping", "add", doc(), "Standard", "--charge", "20=4.00", "--charge",
                         "50=6.00", "--charge", "and up=0"});
  ASSERT_EQ(added.exit_status, 0) << added.err;
  nlohmann::json types = listed("shipping");
  ASSERT_EQ(types.size(), 1u);
  EXPECT_EQ(types[0]["charges"],
            nlohmann::json::parse(R"([{"upTo":"20","charge":"4.00"},{"upTo":"50","charge":"6.00"},
                                      {"upTo":"And Up","charge":"0"}])"));
  const std::vector<std::pair<std::vector<std::string>, std::string>> refusals = {
      {{"STANDARD", "--charge", "and up=1"}, "A 'STANDARD' shipping label already exists."},
      {{"Express", "--charge", "10="}, "Please, enter a charge."},
      {{"Express", "--flat", "5"}, "give --charge LIMIT=CHARGE"},
  };
  for (const auto& [args, message] : refusals) {
    std::vector<std::string> command = {"shipping", "add", doc()};
    command.insert(command.end(), args.begin(), args.end());
    CliResult result = cli(command);
    EXPECT_NE(result.exit_status, 0) << message;
    EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
  }
  ASSERT_EQ(cli({"set", doc(), "shipping.basedOn=flat rate"}).exit_status, 0);
  ASSERT_EQ(cli({"shipping", "add", doc(), "Courier", "--flat", "9.50"}).exit_status, 0);
  EXPECT_EQ(listed("shipping")[1]["flatRate"], "9.50");
  ASSERT_EQ(cli({"shipping", "remove", doc(), "standard", "--yes"}).exit_status, 0);
  EXPECT_EQ(listed("shipping").size(), 1u);
}

TEST_F(TableCommandsTest, CouponsWithTheirScheduleAndTheCouponDialogsChecks) {
  CliResult added = cli({"coupon", "add", doc(), "SPRING", "--header", "Spring sale", "--text",
                         "10% off", "--schedule", "months", "--from", "march", "--to", "May"});
  ASSERT_EQ(added.exit_status, 0) << added.err;
  EXPECT_EQ(added.out, "Added the coupon SPRING.\n");
  const std::vector<std::pair<std::vector<std::string>, std::string>> refusals = {
      {{"add", doc(), "bad name"}, "Sorry, Coupon Name may not include spaces"},
      {{"add", doc(), "Y", "--schedule", "years", "--from", "2027", "--to", "2026"},
       "Sorry, the beginning date must not be after the end date."},
      {{"set", doc(), "SPRING", "--style", "Clasic Ticket"}, "did you mean \"Classic Ticket\"?"},
      {{"set", doc(), "SPRING", "--schedule", "weekly", "--from", "Mon", "--to", "Fry"},
       "there is no weekday \"Mon\""},
  };
  for (const auto& [args, message] : refusals) {
    std::vector<std::string> command = {"coupon"};
    command.insert(command.end(), args.begin(), args.end());
    CliResult result = cli(command);
    EXPECT_NE(result.exit_status, 0) << message;
    EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
  }
  ASSERT_EQ(cli({"coupon", "set", doc(), "spring", "--name", "SUMMER", "--schedule", "dates",
                 "--from", "2026-06-01", "--to", "2026-08-31"})
                .exit_status,
            0);
  nlohmann::json coupons = listed("coupon");
  ASSERT_EQ(coupons.size(), 1u);
  EXPECT_EQ(coupons[0]["Name"], "SUMMER");
  EXPECT_EQ(coupons[0]["Header"], "Spring sale");
  ASSERT_EQ(cli({"coupon", "remove", doc(), "SUMMER", "--yes"}).exit_status, 0);
  EXPECT_TRUE(listed("coupon").empty());
}

TEST_F(TableCommandsTest, FeaturesAreDefinedAndChosenWithTheFeatureDialogsRules) {
  ASSERT_EQ(cli({"product", "add", doc(), "Part Number=T1", "Description=Tee", "Price=10"})
                .exit_status,
            0);
  CliResult added = cli({"feature", "add", doc(), "Size", "S", "M", "L"});
  ASSERT_EQ(added.exit_status, 0) << added.err;
  EXPECT_EQ(added.out, "Added the product feature Size; 1 feature in all.\n");
  ASSERT_EQ(cli({"feature", "add", doc(), "Note", "--input", "30"}).exit_status, 0);
  ASSERT_EQ(cli({"feature", "choose", doc(), "T1", "size", "m", "L"}).exit_status, 0);
  expectRefused("feature", {
      {{"add", doc(), "size", "X"}, 1, "Another product feature is already named \"size\"."},
      {{"add", doc(), "Colour", "Red", "red"}, 1, "This feature already includes that value."},
      {{"add", doc(), "Fit?", "Slim"}, 1, "Sorry, product feature name may not include"},
      {{"choose", doc(), "T1", "Size", "XXL"}, 2, "there is no option \"XXL\""},
      {{"remove", doc(), "Note"}, 2, "answer it with --yes, --no or --answers"},
  });
  // Renaming keeps the product's choice of the options the feature still has.
  ASSERT_EQ(cli({"feature", "set", doc(), "Size", "--name", "Sizes", "S", "M", "XL"}).exit_status, 0);
  ASSERT_EQ(cli({"feature", "remove", doc(), "note", "--yes"}).exit_status, 0);
  nlohmann::json features = listed("feature");
  ASSERT_EQ(features.size(), 1u);
  EXPECT_EQ(features[0]["name"], "Sizes");
  EXPECT_EQ(features[0]["options"], nlohmann::json({"S", "M", "XL"}));
  CliResult rows = cli({"products", doc()});
  const nlohmann::json selections = nlohmann::json::parse(rows.out)[0]["featureSelections"];
  ASSERT_EQ(selections.size(), 1u);
  EXPECT_EQ(selections[0]["label"], "Sizes");
  EXPECT_EQ(selections[0]["selectedOptions"], nlohmann::json({"M"}));
}

TEST_F(TableCommandsTest, PageLabelsAndTextsWithThePageLayoutRules) {
  ASSERT_EQ(cli({"set-site", doc(), "Basic commerce web site", "--yes"}).exit_status, 0);
  CliResult changed =
      cli({"page", "set", doc(), "home", "label=Welcome", "header=Fresh bread", "text=Baked daily"});
  ASSERT_EQ(changed.exit_status, 0) << changed.err;
  EXPECT_EQ(changed.out, "Changed the page Welcome.\n");
  CliResult taken = cli({"page", "set", doc(), "Welcome", "label=Info"});
  EXPECT_EQ(taken.exit_status, 1);
  EXPECT_NE(taken.err.find("Sorry, the Page Label \"Info\" is being used by another page."),
            std::string::npos)
      << taken.err;
  EXPECT_EQ(cli({"page", "set", doc(), "Hom", "header=x"}).exit_status, 2);
  nlohmann::json pages = listed("page");
  ASSERT_EQ(pages.size(), 7u);
  EXPECT_EQ(pages[0]["label"], "Welcome");
  EXPECT_EQ(pages[0]["header"], "Fresh bread");

  CliResult added = cli({"page", "add", doc(), "info", "2"});
  ASSERT_EQ(added.exit_status, 0) << added.err;
  EXPECT_EQ(added.out, "Added the pages Info 2, Info 3; 9 pages in all.\n");
  ASSERT_EQ(cli({"page", "move", doc(), "info 3", "1"}).exit_status, 0);
  ASSERT_EQ(cli({"page", "remove", doc(), "Info 2"}).exit_status, 0);
  const std::vector<Refusal> refusals = {
      {{"add", doc(), "shop"}, 1, "The site already has its shop pages"},
      {{"add", doc(), "blog"}, 2, "there is no page type \"blog\""},
      {{"add", doc(), "info", "0"}, 2, "COUNT must be a whole number from 1 to 20"},
      {{"remove", doc(), "Order Form"}, 1, "come and go together"},
      {{"move", doc(), "Welcome", "9"}, 2, "POSITION must be a whole number from 1 to 8"},
  };
  expectRefused("page", refusals);
  pages = listed("page");
  ASSERT_EQ(pages.size(), 8u);
  EXPECT_EQ(pages[0]["label"], "Info 3");
  EXPECT_EQ(pages[1]["label"], "Welcome");
  // The new page has the style's look: a header font like the first Info page's.
  EXPECT_EQ(cli({"get", doc(), "m_pPageData.pages[0].headerFont"}).out,
            cli({"get", doc(), "m_pPageData.pages[2].headerFont"}).out);
}

TEST_F(TableCommandsTest, TheLastPageIsKeptAndAnEmptyListGetsNoPages) {
  expectRefused("page", {{{"add", doc(), "info"}, 1,
                          "You have not selected which pages you would like to use"}});
  ASSERT_EQ(cli({"set-site", doc(), "Site without commerce", "--yes"}).exit_status, 0);
  nlohmann::json pages = listed("page");
  for (size_t i = 1; i < pages.size(); ++i) {
    ASSERT_EQ(cli({"page", "remove", doc(), pages[i]["label"].get<std::string>()}).exit_status, 0);
  }
  expectRefused("page", {{{"remove", doc(), pages[0]["label"].get<std::string>()}, 1, "A site needs at least one page."}});
}

}  // namespace
}  // namespace quorvex
