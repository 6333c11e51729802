#include "generator/feature_fields.h"

#include <gtest/gtest.h>

#include "generator/commerce_fixture.h"

namespace quorvex::testing {
namespace {

class FeatureFieldsTest : public CommerceFixture {
 protected:
  FeatureFieldsTest() {
    doc_.m_pExtraFields->featureDefinitions = {CProductFeature("Size", {"S", "M"}),
                                               CProductFeature("Finish", {"Ma'am's (gold)"})};
  }

  FeatureFields features_{context_};
};

TEST_F(FeatureFieldsTest, OldStyleShopGetsTheFeatureArguments) {
  context_.oldStyleShop = true;
  features_.setFeatureFields();
  // Escaped once inside the list and once more as a whole.
  EXPECT_EQ(field("featureArray"),
            "featureArray[0] = '\\'Size\\',\\'S\\',\\'M\\'';\n"
            "featureArray[1] = '\\'Finish\\',\\'Ma\\\\\\'am\\\\\\'s \\\\\\(gold\\\\\\)\\'';\n");
  EXPECT_EQ(field("featureList"), "feature1,feature2,");
  EXPECT_EQ(field("featureAssign"), "this.feature1 = feature1;\nthis.feature2 = feature2;\n");
  EXPECT_EQ(field("newItemFeatureList"), "newItem.feature1,newItem.feature2,");
  EXPECT_EQ(status_.progressText(), "Loading features...");
}

TEST_F(FeatureFieldsTest, NewStyleShopGetsTheChoicesOfEachPublishedProduct) {
  context_.oldStyleShop = false;
  auto addRow = [&](const char* part, int32_t publishState, std::vector<CFeatureCheck> choices) {
    CExtraItem& row = doc_.m_pExtraFields->rows.emplace_back();
    row.partNumber = part;
    row.publishState = publishState;
    row.featureSelections = std::move(choices);
  };
  addRow("O'Neil", 0, {{"Size", 1, {"M"}}, {"Finish", 1, {"Ma'am's (gold)"}}});
  // Unchecked, unpublished and choice-less products offer nothing.
  addRow("PLAIN", 0, {{"Size", 0, {"S", "M"}}, {"Finish", 0, {}}});
  addRow("HIDDEN", 1, {{"Size", 1, {"S"}}, {"Finish", 0, {}}});
  features_.setFeatureFields();
  EXPECT_EQ(field("product_features"),
            "productFeatures['O_Neil'] = [['Size','M'],['Finish','Ma\\'am\\'s \\(gold\\)']];\n");
  for (const char* name : {"featureArray", "featureList", "featureAssign", "newItemFeatureList"}) {
    EXPECT_EQ(field(name), "<unset>") << name;
  }
}

}  // namespace
}  // namespace quorvex::testing
