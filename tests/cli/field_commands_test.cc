// get and set: every friendly name round-trips, JSON paths and enumerations
// by name work, and a value a step's dialog refuses is refused with its
// message.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/cli_company_test.h"

namespace quorvex {
namespace {

using testing::CliResult;

class FieldCommandsTest : public testing::CliCompanyTest {
 protected:
  // The order server's host is a setting of the user: kept in the temporary
  // home rather than the user's own.
  void SetUp() override {
    CliCompanyTest::SetUp();
    ::setenv("XDG_CONFIG_HOME", dir_.path().c_str(), 1);
    ::unsetenv("QUORVEX_ORDER_SERVER");
  }
  void TearDown() override { ::unsetenv("XDG_CONFIG_HOME"); }

  std::string get(const std::string& path) {
    CliResult result = cli({"get", doc(), path});
    EXPECT_EQ(result.exit_status, 0) << path << ": " << result.err;
    return result.out;
  }
};

TEST_F(FieldCommandsTest, EveryFriendlyNameAndJsonPathRoundTrips) {
  struct Case {
    std::string path, value, stored;
  };
  const std::vector<Case> cases = {
      {"company.email", "orders@bakery.example", "orders@bakery.example"},
      {"company.phone", "555-0100", "555-0100"},
      {"company.url", "www.bakery.example", "www.bakery.example"},
      {"company.address.line1", "1 Mill Lane", "1 Mill Lane"},
      {"company.address.line2", "Unit 2", "Unit 2"},
      {"company.address.city", "Seattle", "Seattle"},
      {"company.address.state", "WA", "WA"},
      {"company.address.zip", "98101", "98101"},
      {"company.address.country", "USA", "USA"},
      {"business.description", "Bread every morning", "Bread every morning"},
      {"business.keywords", "bread, cakes", "bread, cakes"},
      {"business.currency", "\u20AC", "\u20AC"},
      {"business.copyright", "Copyright 2026 Bakery", "Copyright 2026 Bakery"},
      {"tax.rate[WA]", "8%", "0.080000"},
      {"shipping.basedOn", "flat rate", "Flat Rate"},
      {"shipping.handling", "1.50", "1.50"},
      {"server.host", "ftp.bakery.example", "ftp.bakery.example"},
      {"server.user", "baker", "baker"},
      {"server.password", "s3cret", "s3cret"},
      {"server.folder", "/www", "/www"},
      {"server.vendorId", "bakery", "bakery"},
      {"server.vendorPassword", "v3ndor", "v3ndor"},
      {"server.orderEmail", "orders@bakery.example", "orders@bakery.example"},
      {"server.extraOrigins", "https://Shop.Bakery.example, http://localhost:8080",
       "https://Shop.Bakery.example, http://localhost:8080"},
      {"server.orderServer", "orders.bakery.example:2121", "orders.bakery.example:2121"},
      {"m_pFtp.jpegQuality", "75", "75"},
      {"business.logoWidth", "80", "80"},
      {"ftp.useCookies", "0", "0"},
      {"m_pShipping.basedOn", "Weight", "Weight"},
  };
  for (const Case& c : cases) {
    CliResult set = cli({"set", doc(), c.path + "=" + c.value});
    ASSERT_EQ(set.exit_status, 0) << c.path << ": " << set.err;
    EXPECT_EQ(set.out, "Set " + c.path + " = " + c.stored + ".\n");
    EXPECT_EQ(get(c.path), c.stored + "\n") << c.path;
  }
  // Changing an existing entry keeps one entry.
  ASSERT_EQ(cli({"set", doc(), "tax.rate[wa]=0.065", "company.email=shop@bakery.example"})
                .exit_status,
            0);
  EXPECT_EQ(get("m_pTax.stateRates"), "[\n  \"0.065\"\n]\n");
  EXPECT_EQ(get("contact.emails[0].value"), "shop@bakery.example\n");
  // The contact step's follow-up ran: the outline lists the values.
  CliResult outline = cli({"get", doc()});
  EXPECT_NE(outline.out.find("company.phone            555-0100"), std::string::npos)
      << outline.out;
  EXPECT_NE(outline.out.find("tax.rate[WA]  0.065 (WA)"), std::string::npos) << outline.out;
}

TEST_F(FieldCommandsTest, RefusedValuesKeepTheDocumentAndShowTheDialogsMessage) {
  struct Case {
    std::string assignment;
    int status;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"tax.rate[WA]=lots", 1, "'lots' is not a valid tax rate.  Please re-enter it."},
      {"tax.rate[WA]=", 1, "Please, enter a tax rate for this region."},
      {"company.address.line1=", 1,
       "I'm sorry, but you fill in the first line of the Address field."},
      {"shipping.basedOn=volume", 1,
       "shipping.basedOn takes one of: Subtotal, Weight, Quantity, Flat Rate"},
      {"m_pFtp.jpegQuality=high", 1, "m_pFtp.jpegQuality takes a whole number"},
      {"company.emial=x", 2, "did you mean \"company.email\"?"},
      {"pricing.vat=1", 2, "there is no field \"pricing.vat\""},
      {"server.extraOrigins=https://shop.example/", 1,
       "\"https://shop.example/\" is not a web origin."},
      {"server.orderServer=https://orders.example", 1,
       "\"https://orders.example\" does not name an order server."},
  };
  const std::string before = get("m_pTax");
  for (const Case& c : cases) {
    CliResult result = cli({"set", doc(), "business.currency=£", c.assignment});
    EXPECT_EQ(result.exit_status, c.status) << c.assignment;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << c.assignment << ": " << result.err;
  }
  EXPECT_EQ(get("m_pTax"), before);
  EXPECT_EQ(get("business.currency"), "$\n");
}

}  // namespace
}  // namespace quorvex
