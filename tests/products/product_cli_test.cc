#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "company/brenquil_doc.h"
#include "product_table_fixture.h"
#include "support/run_cli.h"

namespace quorvex {
namespace {

using testing::readFile;

// quorvex-cli products, import and create-products on a saved company
// document with exports made the way other programs make them.
class ProductCliTest : public testing::ProductTableFixture {
 protected:
  void SetUp() override {
    CBrenquilDoc doc(env_);
    doc.m_strCompanyName = "Acme";
    ASSERT_TRUE(doc.save(document_).ok());
  }

  // Runs the tool with `args` after the home option; returns its exit
  // status, its output in `out_` and its errors in `errors_`.
  int cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home_.path().string()});
    testing::CliResult result = testing::runCli(args);
    out_ = result.out;
    errors_ = result.err;
    return result.exit_status;
  }

  nlohmann::json products(bool sorted = false) {
    std::vector<std::string> args = {"products", document_.string()};
    if (sorted) args.push_back("--sorted");
    EXPECT_EQ(cli(args), 0) << errors_;
    return nlohmann::json::parse(out_);
  }

  std::filesystem::path document_ = home_.path() / "Acme.qvx";
  std::string out_;
  std::string errors_;
};

TEST_F(ProductCliTest, ImportsATabExportWithAHeaderLine) {
  const std::string file = writeExternal(
      "export.txt",
      "SKU\tTitle\tPrice\tWeight\tGroup\r\nT-2\tTeapot\t$24.00\t1.2\tTea\r\n"
      "C-1\tCup\t4.50\t0.2\tCups\r\nT-1\tTea tin\t9\t0.5\tTea\r\n");
  ASSERT_EQ(cli({"import", document_.string(), file, "--start-row", "2", "--delimiter", "tab",
                 "--label", "1=Part Number", "--label", "2=Description", "--label", "3=Price",
                 "--label", "4=Weight", "--label", "5=Category", "--category", "Tea=Fine Teas"}),
            0)
      << errors_;
  nlohmann::json rows = products();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0]["partNumber"], "T-2");
  EXPECT_EQ(rows[0]["price"], "24.00");
  EXPECT_EQ(rows[0]["weight"], "1.2");
  EXPECT_EQ(rows[0]["taxFlag"], 1);
  EXPECT_TRUE(rows[0]["featureSelections"].empty());

  CBrenquilDoc doc(env_);
  ASSERT_TRUE(doc.open(document_).ok());
  EXPECT_EQ(doc.m_pExtraFields->inProgram, 0);
  EXPECT_EQ(doc.m_pExtraFields->categoryDescriptions,
            (std::vector<std::string>{"Fine Teas", "Cups"}));
  // Sorting needs the switch in the document: price, then description.
  doc.m_pExtraFields->sortEnabled = 1;
  ASSERT_TRUE(doc.save(document_).ok());
  rows = products(true);
  EXPECT_EQ(rows[0]["partNumber"], "C-1");
  EXPECT_EQ(rows[1]["partNumber"], "T-1");
  EXPECT_EQ(rows[2]["partNumber"], "T-2");
}

TEST_F(ProductCliTest, ImportsASemicolonExportWithQuotedDelimitersAndQuotes) {
  const std::string file = writeExternal(
      "export.csv",
      "\"A;1\";\"Bolt; hex \"\"M6\"\"\";\"0.10\";\"Fasteners\";\"Zinc; 100 pcs\"\n"
      "\"B-2\"; \"Nut\";  \"0.05\"; \"Fasteners\"; \"\"\n"
      "\"C-3\";\"Hidden\";\"1\";\"Secret\";\"\"\n");
  ASSERT_EQ(cli({"import", document_.string(), file, "--start-row", "1", "--delimiter", ";",
                 "--qualifier", "\"", "--label", "1=Part Number", "--label", "2=Description",
                 "--label", "3=Price", "--label", "4=Category", "--label", "5=Sales Blurb",
                 "--category", "Secret=DO NOT PUBLISH"}),
            0)
      << errors_;
  nlohmann::json rows = products();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0]["partNumber"], "A_1");
  EXPECT_EQ(rows[0]["description"], "Bolt; hex \"M6\"");
  EXPECT_EQ(rows[0]["salesDescription"], "Zinc; 100 pcs");
  EXPECT_EQ(rows[1]["partNumber"], "B-2");
  EXPECT_EQ(rows[1]["description"], "Nut");
  EXPECT_NE(readFile(priceList()).find("\"Bolt; hex \"\"M6\"\"\""), std::string::npos);
}

TEST_F(ProductCliTest, ImportsBarePictureNamesWithAPictureFolder) {
  const std::string file = writeExternal("pics.csv",
                                         "P1,Plate,5,plate.jpg\nP2,Bowl,6,\nP3,Jug,7,jug.png\n");
  ASSERT_EQ(cli({"import", document_.string(), file, "--start-row", "1", "--delimiter", "comma",
                 "--qualifier", "\"", "--label", "1=Part Number", "--label", "2=Description",
                 "--label", "3=Price", "--label", "4=Picture", "--picture-folder",
                 "C:\\Shop\\Photos"}),
            0)
      << errors_;
  nlohmann::json rows = products();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0]["picture"], "C:\\Shop\\Photos\\plate.jpg");
  EXPECT_EQ(rows[0]["pictureFlag"], 2);
  EXPECT_EQ(rows[1]["picture"], "");
  EXPECT_EQ(rows[1]["pictureFlag"], 0);
  EXPECT_EQ(rows[0]["category"], "none");
}

TEST_F(ProductCliTest, ImportRefusals) {
  const std::string file = writeExternal("e.csv", "a,b,c\n");
  EXPECT_EQ(cli({"import", document_.string(), file, "--label", "1=Part Number"}), 1);
  EXPECT_NE(errors_.find("You have not selected a Description column."), std::string::npos)
      << errors_;
  EXPECT_EQ(cli({"import", document_.string(), file, "--label", "1=Colour"}), 2);
  EXPECT_EQ(cli({"import", document_.string(), (home_.path() / "none.csv").string()}), 1);
  EXPECT_NE(errors_.find("I'm sorry, that file does not exist."), std::string::npos) << errors_;
}

TEST_F(ProductCliTest, CreateProductsStartsAnEmptyInProgramList) {
  writePriceList("4.2b", {"\"P\",\"Pen\",\"1\",\"0\",Office"});
  ASSERT_EQ(cli({"create-products", document_.string()}), 0) << errors_;
  EXPECT_EQ(readFile(priceList()), "Warning: This file was generated by Quorvex 4.2b\r\n");
  EXPECT_TRUE(products().empty());
  // Now there is a list: the question comes first, and No keeps it.
  writePriceList("4.2b", {"\"P\",\"Pen\",\"1\",\"0\",Office"});
  EXPECT_EQ(cli({"--no", "create-products", document_.string()}), 1);
  EXPECT_NE(errors_.find("A previously created database already exists"), std::string::npos);
  EXPECT_EQ(products().size(), 1u);
}

}  // namespace
}  // namespace quorvex
