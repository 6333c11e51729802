#include <cstring>
#include <gtest/gtest.h>

#include "company/class_table.h"
#include "document/check.h"
#include "document/json_form.h"
#include "document/shipping_type.h"
#include "document/string_array.h"
#include "document/tax.h"
#include "document/template_font.h"

namespace quorvex {
namespace {

template <class T>
Json toJson(T& record) {
  return fieldsToJson([&](FieldVisitor& v) { v.field("record", record); })["record"];
}

template <class T>
Status fromJson(const Json& json, T& record) {
  Json wrapper = {{"record", json}};
  return fieldsFromJson(documentClasses(), wrapper, [&](FieldVisitor& v) { v.field("record", record); }, "doc");
}

TEST(JsonForm, RecordsCarryTheirClassAndFieldNames) {
  CCheck check("Sales \x80", 0);
  Json json = toJson(check);
  EXPECT_EQ(json.dump(), R"({"class":"CCheck","label":"Sales €","checked":0})");
  CCheck back;
  ASSERT_TRUE(fromJson(json, back).ok());
  EXPECT_EQ(back.label, check.label);
  EXPECT_EQ(back.checked, 0);
}

TEST(JsonForm, LogFontKeepsBytesAfterTheFaceNameTerminator) {
  CTemplateFont font;
  font.logFont.setFaceName("Arial");
  std::memcpy(font.logFont.lfFaceName + 10, "junk", 4);  // as a Windows buffer may hold
  font.logFont.lfHeight = -13;
  Json json = toJson(font);
  EXPECT_EQ(json["logFont"]["lfHeight"], -13);
  EXPECT_EQ(json["logFont"]["lfQuality"], font.logFont.lfQuality);
  CTemplateFont back;
  ASSERT_TRUE(fromJson(json, back).ok());
  EXPECT_EQ(back.logFont, font.logFont);
  EXPECT_EQ(back.logFont.faceName(), "Arial");
}

TEST(JsonForm, RefusesWhatTheRecordCannotHold) {
  struct Case {
    const char* json;
    const char* error;
  } cases[] = {
      {R"({"class":"CCheck","label":"x","colour":1})", "doc.record: unknown field \"colour\""},
      {R"({"class":"CContact"})", "doc.record: expected \"class\": \"CCheck\""},
      {R"({"label":"x"})", "doc.record: expected \"class\": \"CCheck\""},
      {R"({"class":"CCheck","checked":"yes"})", "doc.record.checked: expected an integer"},
      {R"({"class":"CCheck","checked":4294967296})",
       "doc.record.checked: expected an integer from -2147483648 to 2147483647"},
      {R"({"class":"CCheck","label":"中"})",
       "doc.record.label: expected text that Windows-1252 can hold"},
      {R"([1,2])", "doc.record: expected an object of class CCheck"},
  };
  for (const Case& c : cases) {
    CCheck check;
    Status status = fromJson(Json::parse(c.json), check);
    EXPECT_EQ(status.message(), c.error) << c.json;
  }
}

// A table kept as parallel lists loads only when its lists agree in length;
// otherwise the record would not write back as it was read.
TEST(JsonForm, RefusesParallelListsOfUnequalLength) {
  CTax tax;
  EXPECT_TRUE(fromJson(Json::parse(R"({"class":"CTax","vatCountries":["Canada"],"vatRates":["5"]})"),
                       tax).ok());
  EXPECT_EQ(fromJson(Json::parse(R"({"class":"CTax","vatCountries":["Canada"],"vatRates":[]})"), tax)
                .message(),
            "doc.record: the VAT lists differ in length");
  EXPECT_EQ(fromJson(Json::parse(R"({"class":"CTax","stateNames":["Ohio"]})"), tax).message(),
            "doc.record: the state tax lists differ in length");
  CShippingType shipping;
  EXPECT_EQ(fromJson(Json::parse(R"({"class":"CShippingType","upperLimits":["10"],"charges":[]})"),
                     shipping)
                .message(),
            "doc.record: the upper limits and charges differ in length");
}

TEST(JsonForm, ObjectListsCreateRegisteredClassesOnly) {
  std::vector<Owned<CStringArray>> lists;
  auto visit = [&](FieldVisitor& v) { v.field("lists", lists); };
  Json good = Json::parse(R"({"lists":[{"class":"CStringArray","strings":["a","b"]}]})");
  ASSERT_TRUE(fieldsFromJson(documentClasses(), good, visit, "doc").ok());
  ASSERT_EQ(lists.size(), 1u);
  EXPECT_EQ(lists[0]->strings, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(fieldsToJson(visit), good);

  Json unknown = Json::parse(R"({"lists":[{"class":"CNothing"}]})");
  EXPECT_EQ(fieldsFromJson(documentClasses(), unknown, visit, "doc").message(),
            "doc.lists[0]: class \"CNothing\" is unknown or cannot stand here");
  Json wrong_kind = Json::parse(R"({"lists":[{"class":"CCheck"}]})");
  EXPECT_FALSE(fieldsFromJson(documentClasses(), wrong_kind, visit, "doc").ok());
}

}  // namespace
}  // namespace quorvex
