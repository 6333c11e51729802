#include "document/tax.h"

#include <gtest/gtest.h>

#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readObject;
using testing::writeObject;

// Nine counted string lists; list i (1-based) holds `lists[i - 1]`.
std::string taxBytes(uint16_t schema, const std::vector<std::vector<std::string>>& lists) {
  ArchiveBytes bytes;
  bytes.newClass("CTax", schema);
  for (const std::vector<std::string>& list : lists) {
    bytes.count(static_cast<uint32_t>(list.size()));
    for (const std::string& text : list) bytes.str(text);
  }
  return bytes.bytes();
}

TEST(Tax, Schema2IsWrittenAndReadFieldByField) {
  CTax tax;
  tax.addStateTax({"Oregon", "OR", "0.000000"});
  tax.addCityTax({"Portland", "Oregon", "OR", "0.010000"});
  tax.addCityTax({"Salem", "Oregon", "", "0.005000"});
  tax.addVatTax({"Germany", "0.190000"});
  const std::string expected =
      taxBytes(2, {{"Oregon"},
                   {"OR"},
                   {"Portland", "Salem"},
                   {"Oregon", "Oregon"},
                   {"OR", ""},
                   {"Germany"},
                   {"0.000000"},
                   {"0.010000", "0.005000"},
                   {"0.190000"}});
  EXPECT_EQ(writeObject(tax), expected);

  std::string error;
  Owned<CTax> back = readObject<CTax>(expected, &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(writeObject(*back), expected);
  EXPECT_FALSE(back->zipRatesDropped);
}

TEST(Tax, Schema1DropsTheZipCodeRates) {
  const std::vector<std::vector<std::string>> withZip = {
      {"Oregon"}, {"OR"}, {}, {}, {}, {"97201", "97202"}, {"0.01"}, {}, {"0.02", "0.03"}};
  Owned<CTax> tax = readObject<CTax>(taxBytes(1, withZip));
  ASSERT_TRUE(tax);
  EXPECT_TRUE(tax->zipRatesDropped);
  EXPECT_TRUE(tax->vatCountries.empty());
  EXPECT_TRUE(tax->vatRates.empty());
  EXPECT_EQ(tax->stateTaxAt(0)->rate, "0.01");

  const std::vector<std::vector<std::string>> withoutZip = {
      {"Oregon"}, {"OR"}, {}, {}, {}, {}, {"0.01"}, {}, {}};
  Owned<CTax> silent = readObject<CTax>(taxBytes(1, withoutZip));
  ASSERT_TRUE(silent);
  EXPECT_FALSE(silent->zipRatesDropped);
  EXPECT_EQ(silent->stateTaxCount(), 1u);

  EXPECT_FALSE(readObject<CTax>(taxBytes(3, withoutZip)));
}

TEST(Tax, UnevenStoredListsArePaddedToParallelEntries) {
  Owned<CTax> tax = readObject<CTax>(
      taxBytes(2, {{"Oregon", "Idaho"}, {"OR"}, {}, {}, {}, {}, {"0.01"}, {}, {}}));
  ASSERT_TRUE(tax);
  EXPECT_EQ(tax->stateAbbreviations, (std::vector<std::string>{"OR", ""}));
  EXPECT_EQ(tax->stateRates, (std::vector<std::string>{"0.01", ""}));
  ASSERT_EQ(tax->stateTaxCount(), 2u);
  EXPECT_EQ(tax->stateTaxAt(1)->state, "Idaho");
}

TEST(Tax, EachKindIsEditedInAllItsListsTogether) {
  CTax tax;
  tax.addCityTax({"Portland", "Oregon", "OR", "0.01"});
  tax.addCityTax({"Boise", "Idaho", "ID", "0.02"});
  EXPECT_TRUE(tax.replaceCityTax(0, {"Eugene", "Oregon", "", "0.03"}));
  EXPECT_FALSE(tax.replaceCityTax(2, {"X", "Y", "Z", "1"}));
  EXPECT_TRUE(tax.removeCityTax(1));
  EXPECT_FALSE(tax.removeCityTax(1));
  EXPECT_EQ(tax.cityNames, (std::vector<std::string>{"Eugene"}));
  EXPECT_EQ(tax.cityStates, (std::vector<std::string>{"Oregon"}));
  EXPECT_EQ(tax.cityStateAbbreviations, (std::vector<std::string>{""}));
  EXPECT_EQ(tax.cityRates, (std::vector<std::string>{"0.03"}));
  EXPECT_FALSE(tax.cityTaxAt(1));

  // The other kinds are untouched by edits of one kind.
  tax.addVatTax({"France", "0.2"});
  EXPECT_TRUE(tax.removeVatTax(0));
  EXPECT_EQ(tax.cityTaxCount(), 1u);
}

}  // namespace
}  // namespace quorvex
