#include <gtest/gtest.h>

#include "company/class_table.h"
#include "document/class_registry.h"
#include "platform/env.h"
#include "platform/scripted_prompter.h"
#include "publish/order_notify_data.h"
#include "support/archive_bytes.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readObject;
using testing::TempDir;
using testing::writeObject;

const std::vector<std::string> kDefaultMethods = {"Visa", "MasterCard", "Discover",
                                                  "American Express"};

// A home whose "Template Common" folder holds the four default texts, each
// naming its file.
class OrderNotifyDataTest : public ::testing::Test {
 protected:
  OrderNotifyDataTest() : env_(home_.path(), prompter_) {}

  void writeDefaults() {
    for (const char* name : {"confirm1.txt", "confirm2.txt", "confirm3.txt", "order.txt"}) {
      home_.write(std::string("Template Common/") + name, std::string("from ") + name + "\n");
    }
  }

  TempDir home_;
  ScriptedPrompter prompter_;
  Env env_;
};

TEST_F(OrderNotifyDataTest, FactoryRecordNeedsNoEnvironment) {
  const ClassInfo* info = documentClasses().find("COrderNotifyData");
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->schema, 3);
  EXPECT_TRUE(info->versionable);
  std::unique_ptr<Record> record = info->create();
  auto* made = dynamic_cast<COrderNotifyData*>(record.get());
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->paymentMethods, kDefaultMethods);
  EXPECT_EQ(made->normalConfirmation, "");
  EXPECT_EQ(made->merchantNotification, "");
}

TEST_F(OrderNotifyDataTest, NewDocumentDefaultsComeFromTemplateCommon) {
  writeDefaults();
  COrderNotifyData data;
  data.loadDefaultTexts(env_);
  EXPECT_EQ(data.paymentMethods, kDefaultMethods);
  EXPECT_EQ(data.normalConfirmation, "from confirm1.txt\r\n");
  EXPECT_EQ(data.downloadConfirmation, "from confirm3.txt\r\n");
  EXPECT_EQ(data.mixedConfirmation, "from confirm2.txt\r\n");
  EXPECT_EQ(data.merchantNotification, "from order.txt\r\n");
  EXPECT_TRUE(prompter_.texts().empty());
}

TEST_F(OrderNotifyDataTest, DefaultTextIsReadAsTextLines) {
  home_.write("template common/ORDER.TXT", "Dear [FNAME],\r\nThanks\n\nBye");
  EXPECT_EQ(COrderNotifyData::defaultText(COrderNotifyData::Text::kMerchantNotification, env_),
            "Dear [FNAME],\r\nThanks\r\n\r\nBye\r\n");
  EXPECT_TRUE(prompter_.texts().empty());
}

TEST_F(OrderNotifyDataTest, WithoutTheFilesTextsAreEmptyAndNothingIsShown) {
  COrderNotifyData data;
  data.normalConfirmation = "old";
  data.loadDefaultTexts(env_);
  EXPECT_EQ(data, COrderNotifyData());
  EXPECT_EQ(data.paymentMethods, kDefaultMethods);
  EXPECT_TRUE(prompter_.texts().empty());
}

TEST_F(OrderNotifyDataTest, FileErrorIsShown) {
  std::filesystem::create_directories(home_.path() / "Template Common/confirm1.txt");
  EXPECT_EQ(COrderNotifyData::defaultText(COrderNotifyData::Text::kNormalConfirmation, env_), "");
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>{"FILE ERROR: Is a directory"});
}

TEST_F(OrderNotifyDataTest, Schema3WrittenAndReadWhole) {
  COrderNotifyData data;
  data.paymentMethods = {"COD"};
  data.normalConfirmation = "normal";
  data.merchantNotification = "merchant";
  data.downloadConfirmation = "download";
  data.mixedConfirmation = "mixed";
  const std::string expected = ArchiveBytes().newClass("COrderNotifyData", 3).count(1).str("COD")
      .str("normal").str("merchant").str("download").str("mixed").bytes();
  EXPECT_EQ(writeObject(data), expected);

  writeDefaults();
  std::string error;
  Owned<COrderNotifyData> back = readObject<COrderNotifyData>(expected, &error);
  ASSERT_TRUE(back) << error;
  back->loadMissingDefaultTexts(env_);  // a complete form lacks nothing
  EXPECT_EQ(*back, data);
}

TEST_F(OrderNotifyDataTest, Schema2LacksTheDownloadTexts) {
  writeDefaults();
  const ArchiveBytes bytes = ArchiveBytes().newClass("COrderNotifyData", 2).count(0)
      .str("normal").str("merchant");
  std::string error;
  size_t consumed = 0;
  Owned<COrderNotifyData> data = readObject<COrderNotifyData>(bytes, &error, &consumed);
  ASSERT_TRUE(data) << error;
  EXPECT_EQ(consumed, bytes.bytes().size());
  data->loadMissingDefaultTexts(env_);
  EXPECT_TRUE(data->paymentMethods.empty());
  EXPECT_EQ(data->normalConfirmation, "normal");
  EXPECT_EQ(data->merchantNotification, "merchant");
  EXPECT_EQ(data->downloadConfirmation, "from confirm3.txt\r\n");
  EXPECT_EQ(data->mixedConfirmation, "from confirm2.txt\r\n");

  // The texts are filled once: a later call leaves edits alone.
  data->downloadConfirmation = "edited";
  data->loadMissingDefaultTexts(env_);
  EXPECT_EQ(data->downloadConfirmation, "edited");
}

TEST_F(OrderNotifyDataTest, Schema1ConvertsTheOldFieldNames) {
  writeDefaults();
  const ArchiveBytes bytes = ArchiveBytes().newClass("COrderNotifyData", 1).count(2)
      .str("Visa").str("COD")
      .str("DATE: Hello BILLFNAME BILLLNAME of SHIPCITY, CARDTYPE\r\n"
           "SUBTOTAL $SUBTOTAL TAX $TAX SHIPPINGCHARGE $GRANDTOTAL");
  std::string error;
  Owned<COrderNotifyData> data = readObject<COrderNotifyData>(bytes, &error);
  ASSERT_TRUE(data) << error;
  EXPECT_EQ(data->paymentMethods, (std::vector<std::string>{"Visa", "COD"}));
  EXPECT_EQ(data->normalConfirmation,
            "[DATE]: Hello [FNAME] [LNAME] of [SHIPCITY], [CARDTYPE]\r\n"
            "[SUBTOTAL] [SUBTOTAL] [TAX] [TAX] [SHIPPINGCHARGE] [GRANDTOTAL]");
  data->loadMissingDefaultTexts(env_);
  EXPECT_EQ(data->merchantNotification, "from order.txt\r\n");
  EXPECT_EQ(data->downloadConfirmation, "from confirm3.txt\r\n");
  EXPECT_EQ(data->mixedConfirmation, "from confirm2.txt\r\n");
}

TEST(NotifyFields, ListedRowByRowLeftPairFirst) {
  std::span<const NotifyField> fields = notifyFields();
  ASSERT_EQ(fields.size(), 44u);
  EXPECT_STREQ(fields[0].name, "DATE");
  EXPECT_STREQ(fields[1].name, "CUSTOMERID");
  EXPECT_STREQ(fields[1].listName, "Customer ID (12 digits)");
  EXPECT_STREQ(fields[2].name, "FNAME");
  EXPECT_STREQ(fields[43].name, "RTAVSCODE");
  EXPECT_STREQ(fields[43].listName, "CC Address Verify");
  EXPECT_EQ(bracketedField(fields[2].name), "[FNAME]");
}

}  // namespace
}  // namespace quorvex
