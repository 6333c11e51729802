#include "document/contact_checks.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "document/contact.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readInline;
using testing::writeInline;

using LabelAndChecked = std::pair<std::string, int32_t>;

std::vector<LabelAndChecked> summary(const std::vector<CCheck>& checks) {
  std::vector<LabelAndChecked> result;
  for (const CCheck& check : checks) result.emplace_back(check.label, check.checked);
  return result;
}

CAddress addressNamed(std::string line1) {
  CAddress address;
  address.line1 = std::move(line1);
  return address;
}

TEST(ContactChecks, StoredAsEmailPhoneAddressLists) {
  CContactChecks checks;
  checks.addressChecks = {CCheck("1 Main St", 1)};
  checks.phoneChecks = {CCheck("Fax", 0), CCheck("Phone", 1)};
  checks.emailChecks = {CCheck("Sales", 0)};
  const std::string expected = ArchiveBytes()
                                   .int32(1)
                                   .count(1)
                                   .int32(1)
                                   .str("Sales")
                                   .int32(0)
                                   .count(2)
                                   .int32(1)
                                   .str("Fax")
                                   .int32(0)
                                   .int32(1)
                                   .str("Phone")
                                   .int32(1)
                                   .count(1)
                                   .int32(1)
                                   .str("1 Main St")
                                   .int32(1)
                                   .bytes();
  EXPECT_EQ(writeInline(checks), expected);

  CContactChecks back;
  EXPECT_EQ(readInline(expected, back), "");
  EXPECT_EQ(summary(back.emailChecks), summary(checks.emailChecks));
  EXPECT_EQ(summary(back.phoneChecks), summary(checks.phoneChecks));
  EXPECT_EQ(summary(back.addressChecks), summary(checks.addressChecks));
}

TEST(ContactChecks, UnknownVersionReadsNothingMore) {
  const std::string bytes = ArchiveBytes().int32(2).count(0).bytes();
  CContactChecks checks;
  checks.emailChecks = {CCheck("kept", 0)};
  size_t consumed = 0;
  EXPECT_EQ(readInline(bytes, checks, &consumed), "");
  EXPECT_EQ(consumed, 4u);
  EXPECT_EQ(checks.emailChecks.size(), 1u);
}

TEST(ContactChecks, SyncRemovesStaleChecksAndAppendsShownOnes) {
  CContact contact;
  contact.addEmail({"Sales", "s@x"});
  contact.addEmail({"Support", "h@x"});
  CContactChecks checks;
  checks.emailChecks = {CCheck("Old", 0), CCheck("Support", 0), CCheck("sales", 0)};

  checks.syncEmails(contact);
  // "sales" differs in case from "Sales": it is stale, and Sales gets a new check.
  EXPECT_EQ(summary(checks.emailChecks),
            (std::vector<LabelAndChecked>{{"Support", 0}, {"Sales", 1}}));

  // Deleting an entry drops its check; adding it again makes a shown check.
  contact.removeEmail(1);
  checks.syncEmails(contact);
  EXPECT_EQ(summary(checks.emailChecks), (std::vector<LabelAndChecked>{{"Sales", 1}}));
  contact.addEmail({"Support", "h@x"});
  checks.syncEmails(contact);
  EXPECT_EQ(summary(checks.emailChecks),
            (std::vector<LabelAndChecked>{{"Sales", 1}, {"Support", 1}}));
}

TEST(ContactChecks, EntriesSharingANameShareOneCheck) {
  CContact contact;
  contact.addAddress(addressNamed("Head Office"));
  contact.addAddress(addressNamed("Head Office"));
  contact.addPhone({"Phone", "1"});
  CContactChecks checks;
  checks.syncAddresses(contact);
  checks.syncPhones(contact);
  ASSERT_EQ(summary(checks.addressChecks), (std::vector<LabelAndChecked>{{"Head Office", 1}}));
  EXPECT_EQ(summary(checks.phoneChecks), (std::vector<LabelAndChecked>{{"Phone", 1}}));
  EXPECT_TRUE(checks.emailChecks.empty());

  ASSERT_TRUE(CContactChecks::setChecked(checks.addressChecks, "Head Office", 0));
  contact.removeAddress(0);
  checks.syncAddresses(contact);
  EXPECT_EQ(summary(checks.addressChecks), (std::vector<LabelAndChecked>{{"Head Office", 0}}));
  contact.removeAddress(0);
  checks.syncAddresses(contact);
  EXPECT_TRUE(checks.addressChecks.empty());
}

TEST(ContactChecks, SetCheckedByExactLabel) {
  std::vector<CCheck> checks = {CCheck("Fax", 1), CCheck("Phone", 1)};
  EXPECT_TRUE(CContactChecks::setChecked(checks, "Phone", 0));
  EXPECT_FALSE(CContactChecks::setChecked(checks, "fax", 0));
  EXPECT_EQ(summary(checks), (std::vector<LabelAndChecked>{{"Fax", 1}, {"Phone", 0}}));
}

}  // namespace
}  // namespace quorvex
