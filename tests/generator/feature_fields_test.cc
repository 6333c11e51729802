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

TEST_F(FeatureFieldsTest, NewStyleShopGetsNone) {
  context_.oldStyleShop = false;
  features_.setFeatureFields();
  for (const char* name : {"featureArray", "featureList", "featureAssign", "newItemFeatureList"}) {
    EXPECT_EQ(field(name), "<unset>") << name;
  }
}

}  // namespace
}  // namespace quorvex::testing
