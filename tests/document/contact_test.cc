#include "document/contact.h"

#include <gtest/gtest.h>

#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readObject;
using testing::writeObject;

CAddress address(std::string line1, std::string city) {
  CAddress entry;
  entry.line1 = std::move(line1);
  entry.line2 = "Suite 4";
  entry.city = std::move(city);
  entry.stateProvince = "OR";
  entry.zipPostal = "97201";
  entry.country = "USA";
  return entry;
}

ArchiveBytes& addressBytes(ArchiveBytes& bytes, std::string_view line1, std::string_view city) {
  return bytes.int32(1).str(line1).str("Suite 4").str(city).str("OR").str("97201").str("USA");
}

TEST(Contact, Schema2IsWrittenAndReadFieldByField) {
  CContact contact;
  contact.url = "www.acme.example";
  contact.reservedText = "kept";
  contact.addAddress(address("1 Main St", "Portland"));
  contact.addPhone({"Fax", "555-0100"});
  contact.addEmail({"Sales", "sales@acme.example"});
  contact.addEmail({"Support", "help@acme.example"});

  ArchiveBytes expected;
  expected.newClass("CContact", 2).str("www.acme.example").str("kept").count(1);
  addressBytes(expected, "1 Main St", "Portland")
      .count(1)
      .int32(1)
      .str("Fax")
      .str("555-0100")
      .count(2)
      .int32(1)
      .str("Sales")
      .str("sales@acme.example")
      .int32(1)
      .str("Support")
      .str("help@acme.example");
  EXPECT_EQ(writeObject(contact), expected.bytes());

  std::string error;
  Owned<CContact> back = readObject<CContact>(expected, &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(*back, contact);
}

TEST(Contact, ReadingRemovesEveryHttpPrefixFromTheUrl) {
  struct Case {
    const char* stored;
    const char* read;
  } cases[] = {
      {"http://www.a.example", "www.a.example"},
      {"http://http://www.a.example", "www.a.example"},
      {"www.a.example/http://x", "www.a.example/x"},
      {"hthttp://tp://a", "a"},  // an occurrence formed by removing the inner one
      {"https://secure.example", "https://secure.example"},
      {"HTTP://a", "HTTP://a"},
  };
  for (const Case& c : cases) {
    ArchiveBytes bytes;
    bytes.newClass("CContact", 2).str(c.stored).str("").count(0).count(0).count(0);
    Owned<CContact> contact = readObject<CContact>(bytes);
    ASSERT_TRUE(contact) << c.stored;
    EXPECT_EQ(contact->url, c.read) << c.stored;
  }
}

TEST(Contact, Schema1HoldsOnlyTheLists) {
  ArchiveBytes bytes;
  bytes.newClass("CContact", 1).count(1);
  addressBytes(bytes, "PO Box 9", "Salem").count(0).count(1).int32(1).str("Info").str("i@x");
  size_t consumed = 0;
  std::string error;
  Owned<CContact> contact = readObject<CContact>(bytes, &error, &consumed);
  ASSERT_TRUE(contact) << error;
  EXPECT_EQ(consumed, bytes.bytes().size());
  EXPECT_EQ(contact->url, "");
  ASSERT_EQ(contact->addresses.size(), 1u);
  EXPECT_EQ(contact->addresses[0], address("PO Box 9", "Salem"));
  EXPECT_TRUE(contact->phones.empty());
  ASSERT_EQ(contact->emails.size(), 1u);
  EXPECT_EQ(contact->emails[0], CLabelValue("Info", "i@x"));
}

TEST(Contact, EntryOfAnUnknownVersionKeepsItsNewValues) {
  // The e-mail entry's version 2 ends that entry after its int32; the list
  // after it is read from the next bytes.
  const std::string bytes = ArchiveBytes()
                                .newClass("CContact", 2)
                                .str("")
                                .str("")
                                .count(0)
                                .count(1)
                                .int32(2)
                                .count(0)
                                .bytes();
  std::string error;
  Owned<CContact> contact = readObject<CContact>(bytes, &error);
  ASSERT_TRUE(contact) << error;
  ASSERT_EQ(contact->phones.size(), 1u);
  EXPECT_EQ(contact->phones[0], CLabelValue());
  EXPECT_TRUE(contact->emails.empty());
}

TEST(Contact, UnknownSchemaFailsTheRead) {
  const std::string bytes = ArchiveBytes().newClass("CContact", 9).count(0).bytes();
  EXPECT_FALSE(readObject<CContact>(bytes));
}

TEST(Contact, ListsAreEditedByIndex) {
  CContact contact;
  contact.addPhone({"Phone", "1"});
  contact.addPhone({"Fax", "2"});
  contact.addPhone({"Cell", "3"});
  EXPECT_TRUE(contact.replacePhone(1, {"Fax", "22"}));
  EXPECT_TRUE(contact.removePhone(0));
  EXPECT_FALSE(contact.removePhone(2));
  EXPECT_FALSE(contact.replacePhone(2, {"X", "9"}));
  ASSERT_EQ(contact.phones.size(), 2u);
  EXPECT_EQ(contact.phones[0], CLabelValue("Fax", "22"));
  EXPECT_EQ(contact.phones[1], CLabelValue("Cell", "3"));
}

}  // namespace
}  // namespace quorvex
