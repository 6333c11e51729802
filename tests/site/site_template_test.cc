#include <gtest/gtest.h>

#include "company/class_table.h"
#include "document/json_form.h"
#include "site/site_template.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readObject;
using testing::writeObject;

// The items every schema stores first: templateNames, currentIndex,
// existingSiteFolder, oldIndexName, and the int that became indexInstalled.
ArchiveBytes firstItems(uint16_t schema, int32_t index) {
  return ArchiveBytes().newClass("CSiteTemplate", schema).count(2).str("Basic commerce web site")
      .str("My Shop").int32(index).str("C:\\Sites\\old\\").str("start.html").int32(1);
}

Owned<CSiteTemplate> read(const ArchiveBytes& bytes) {
  std::string error;
  size_t consumed = 0;
  Owned<CSiteTemplate> record = readObject<CSiteTemplate>(bytes, &error, &consumed);
  EXPECT_TRUE(record) << error;
  EXPECT_EQ(consumed, bytes.bytes().size());
  return record;
}

TEST(SiteTemplateStoredForm, Schema5WrittenAndReadBack) {
  CSiteTemplate site;
  site.templateNames = {"Basic commerce web site", "My Shop"};
  site.currentIndex = 1;
  site.existingSiteFolder = "C:\\Sites\\old\\";
  site.oldIndexName = "start.html";
  site.indexInstalled = 1;
  site.existingIndexName = "index.htm";
  site.verifyIndexMarker = 0;
  site.locationConfirmed = 1;
  site.currentName = "My Shop";
  site.pageTypes = {4000, 4004};
  const std::string expected = firstItems(5, 1).str("index.htm").int32(0).int32(1)
      .str("My Shop").bytes();
  EXPECT_EQ(writeObject(site), expected);

  Owned<CSiteTemplate> back = read(ArchiveBytes().raw(expected));
  ASSERT_TRUE(back);
  EXPECT_TRUE(back->pageTypes.empty());  // rebuilt from the template file, never stored
  back->pageTypes = site.pageTypes;
  EXPECT_EQ(writeObject(*back), expected);
  back->adoptNameFromOldIndex({"Basic commerce web site", "Zed"});
  EXPECT_EQ(back->currentName, "My Shop");  // a current form keeps its name
}

TEST(SiteTemplateStoredForm, OldSchemasRebuildTheNameFromTheIndex) {
  Owned<CSiteTemplate> one = read(firstItems(1, 4));
  ASSERT_TRUE(one);
  EXPECT_EQ(one->templateNames, (std::vector<std::string>{"Basic commerce web site", "My Shop"}));
  EXPECT_EQ(one->existingSiteFolder, "C:\\Sites\\old\\");
  EXPECT_EQ(one->oldIndexName, "start.html");
  EXPECT_EQ(one->indexInstalled, 0);  // schema 1's int is not indexInstalled
  EXPECT_EQ(one->verifyIndexMarker, 0);
  EXPECT_EQ(one->locationConfirmed, 0);
  EXPECT_EQ(one->currentName, "Just add commerce to my site");

  Owned<CSiteTemplate> three = read(firstItems(3, 6).str("index.htm"));
  ASSERT_TRUE(three);
  EXPECT_EQ(three->indexInstalled, 1);
  EXPECT_EQ(three->existingIndexName, "index.htm");
  EXPECT_EQ(three->verifyIndexMarker, 0);
  EXPECT_EQ(three->currentName, "Site without commerce");

  Owned<CSiteTemplate> four = read(firstItems(4, 7).str("index.htm").int32(1).int32(1));
  ASSERT_TRUE(four);
  EXPECT_EQ(four->verifyIndexMarker, 1);
  EXPECT_EQ(four->locationConfirmed, 1);
  EXPECT_EQ(four->currentName, "Basic commerce web site");
}

TEST(SiteTemplateStoredForm, OldIndexIsLookedUpAmongTheOriginalTemplates) {
  const std::vector<std::string> folder = {
      "Basic commerce web site", "Complete commercial web site", "E-Magazine(commerce)",
      "E-Magazine(no commerce)", "Informative web site",         "Interactive web site",
      "Just add commerce to my site", "Service industry web site", "Site without commerce",
      "Specific Categories"};
  Owned<CSiteTemplate> two = read(firstItems(2, 4));
  ASSERT_TRUE(two);
  two->adoptNameFromOldIndex(folder);
  EXPECT_EQ(two->currentName, "Just add commerce to my site");

  // A user's own template sorted in front shifts the rank.
  Owned<CSiteTemplate> shifted = read(firstItems(2, 1));
  ASSERT_TRUE(shifted);
  shifted->adoptNameFromOldIndex({"Acme", "Basic commerce web site", "E-Magazine(commerce)"});
  EXPECT_EQ(shifted->currentName, "Basic commerce web site");
  shifted->adoptNameFromOldIndex({"Acme", "Zed"});  // only once
  EXPECT_EQ(shifted->currentName, "Basic commerce web site");

  // Too few names: the name rebuilt from the index stays.
  Owned<CSiteTemplate> short_list = read(firstItems(2, 2));
  ASSERT_TRUE(short_list);
  short_list->adoptNameFromOldIndex({"Acme", "Specific Categories", "E-Magazine(commerce)"});
  EXPECT_EQ(short_list->currentName, "Informative web site");
}

TEST(SiteTemplate, JsonFormHoldsEveryStoredField) {
  CSiteTemplate site;
  site.templateNames = {"A", "B"};
  site.currentIndex = 1;
  site.existingSiteFolder = "dir\\";
  site.oldIndexName = "old.html";
  site.indexInstalled = 1;
  site.existingIndexName = "index.htm";
  site.verifyIndexMarker = 0;
  site.locationConfirmed = 1;
  site.currentName = "B";
  const Json json = fieldsToJson([&](FieldVisitor& v) { site.visitFields(v); });
  EXPECT_FALSE(json.contains("pageTypes"));
  CSiteTemplate back;
  ASSERT_TRUE(fieldsFromJson(documentClasses(), json, [&](FieldVisitor& v) { back.visitFields(v); }, "site").ok());
  EXPECT_EQ(writeObject(back), writeObject(site));
}

}  // namespace
}  // namespace quorvex
