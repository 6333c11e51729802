#include "app/app_fixture.h"
#include "app/command_ids.h"
#include "app/feature_flags_dialog.h"
#include "app/product_feature_dialog.h"
#include "app/product_features_dialog.h"
#include "app/product_table_step.h"
#include "app/set_all_attributes_dialog.h"
#include "products/extra_fields.h"

namespace quorvex::testing {
namespace {

using Texts = std::vector<std::string>;

CFeatureCheck choice(const std::string& label, int32_t checked, Texts options) {
  return CFeatureCheck(label, checked, std::move(options));
}

// A product with `choices`, one per feature of the table.
CExtraItem withChoices(const std::string& part, std::vector<CFeatureCheck> choices) {
  CExtraItem row = productRow(part, "Shirt " + part, 0);
  row.featureSelections = std::move(choices);
  return row;
}

// The feature dialog's values, as typed.
DialogAction typeFeature(std::string name, Texts values) {
  return edit<ProductFeatureDialog>([name, values](ProductFeatureDialog& d) {
    d.name = name;
    d.values = values;
  });
}

class ProductFeaturesStepsTest : public AppFixture {
 protected:
  ProductFeaturesStepsTest() {
    table_.featureDefinitions = {CProductFeature("Size", {"S", "M", "L"}),
                                 CProductFeature("Colour", {"Red", "Blue"})};
    table_.rows = {withChoices("A", {choice("Size", 1, {"S", "M"}), choice("Colour", 1, {"Red"})}),
                   withChoices("B", {choice("Size", 1, {"M"}), choice("Colour", 0, {})})};
  }
  CExtraFields table_;
};

TEST_F(ProductFeaturesStepsTest, DefinitionsAreEditedAndTheRowsFollowThem) {
  ProductFeaturesDialog dialog(frontEnd_, prompter_, table_.featureDefinitions);
  dialog.editFeature();
  dialog.removeFeature();
  // A name another feature bears is refused and the dialog opens again.
  frontEnd_.queueDialogs({typeFeature("Colour", {"Matte"}), typeFeature("Finish", {"Matte"})});
  dialog.addFeature();
  dialog.selectedFeature = 0;
  frontEnd_.queueDialogs({edit<ProductFeatureDialog>([](ProductFeatureDialog& d) {
    EXPECT_EQ(d.values, (Texts{"S", "M", "L"}));
    d.name = "Fit";
    d.values = {"L", "S", "XL"};
  })});
  dialog.editFeature();
  dialog.selectedFeature = 1;
  prompter_.queueAnswers({true});
  dialog.removeFeature();
  EXPECT_EQ(prompter_.texts(), (Texts{"Please, select a product feature to edit.",
                                      "Please, select a product feature to remove.",
                                      "Another product feature is already named \"Colour\".",
                                      "Are you sure you want to remove this product feature?"}));

  dialog.applyTo(table_);
  ASSERT_EQ(table_.featureDefinitions.size(), 2u);
  EXPECT_EQ(table_.featureDefinitions[0].name, "Fit");
  EXPECT_EQ(table_.featureDefinitions[1].name, "Finish");
  // Kept options in the new order, removed ones dropped; a choice left
  // without options no longer applies; the new feature starts unchosen.
  const struct {
    size_t row;
    size_t feature;
    std::string label;
    int32_t checked;
    Texts options;
  } kExpected[] = {{0, 0, "Fit", 1, {"S"}},   {0, 1, "Finish", 0, {}},
                   {1, 0, "Fit", 0, {}},      {1, 1, "Finish", 0, {}}};
  for (const auto& expected : kExpected) {
    const CFeatureCheck& got = table_.rows[expected.row].featureSelections.at(expected.feature);
    EXPECT_EQ(got.label, expected.label) << expected.row;
    EXPECT_EQ(got.checked, expected.checked) << expected.row << " " << expected.label;
    EXPECT_EQ(got.selectedOptions, expected.options) << expected.row << " " << expected.label;
  }
}

TEST_F(ProductFeaturesStepsTest, EnhanceSetsFeaturesAndAllAttributesThroughTheirDialogs) {
  doc_.m_strCompanyName = "Acme";
  doc_.m_pExtraFields->featureDefinitions = table_.featureDefinitions;
  writeProducts(table_.rows);
  ProductTableStep step(app_, kCmdEnhanceProducts);
  ASSERT_TRUE(step.prepare());

  // "P&roduct Features" on both rows: they differ, the owner goes on, and
  // the first row's choices, as changed, reach both.
  frontEnd_.queueDialogs({edit<FeatureFlagsDialog>([](FeatureFlagsDialog& d) {
    EXPECT_EQ(d.entries[0].selectedOptions, (Texts{"S", "M"}));
    d.setChecked(0, false);
  })});
  prompter_.queueAnswers({true});
  step.setProductFeatures({0, 1});
  for (const CExtraItem& row : step.table.rows) {
    EXPECT_EQ(row.featureSelections[0].checked, 0);
    EXPECT_EQ(row.featureSelections[1].selectedOptions, Texts{"Red"});
  }

  // "&Set All Attributes" on one row: its values and, through "Product
  // Feature Flags", its features.
  frontEnd_.queueDialogs({edit<SetAllAttributesDialog>([](SetAllAttributesDialog& d) {
                            d.values.taxFlag = 0;
                            d.values.featureFlag = 0;
                            d.values.salesDescription = "Soft";
                            d.chooseFeatures();
                            EXPECT_EQ(d.featureSummary(), "Size (S, M, L); Colour (Red)");
                          }),
                          edit<FeatureFlagsDialog>(
                              [](FeatureFlagsDialog& d) { d.setChecked(0, true); })});
  step.setAllAttributes({1});
  const CExtraItem& row = step.table.rows[1];
  EXPECT_EQ(row.taxFlag, 0);
  EXPECT_EQ(row.featureFlag, 0);
  EXPECT_EQ(row.salesDescription, "Soft");
  EXPECT_EQ(row.featureSelections[0].selectedOptions, (Texts{"S", "M", "L"}));
  EXPECT_EQ(prompter_.texts(),
            Texts{"Not all the products selected currently have the same product features "
                  "set.\nDo you want to continue?"});

  // Without definitions there is nothing to choose.
  const std::vector<CProductFeature> none;
  SetAllAttributesDialog bare(
      frontEnd_, prompter_, none, row, [](int32_t) { return false; },
      [](const std::string&) { return std::nullopt; });
  bare.chooseFeatures();
  EXPECT_EQ(prompter_.texts().back(),
            "You have no product features to select.  Please add one or more before doing this.");
  step.release();
}

TEST_F(ProductFeaturesStepsTest, OnlyATableWithoutListOffersTheProductListChoice) {
  doc_.m_strCompanyName = "Acme";
  ProductTableStep fresh(app_, kCmdProductList);
  ASSERT_TRUE(fresh.prepare());
  EXPECT_TRUE(fresh.offersProductListChoice());
  EXPECT_FALSE(fresh.startProductList(ProductTableStep::ProductListChoice::kCancel));
  EXPECT_FALSE(ProductTableStep(app_, kCmdEnhanceProducts).offersProductListChoice());
  fresh.release();

  writeProducts({productRow("P1", "Widget", 0)});
  ProductTableStep kept(app_, kCmdProductList);
  ASSERT_TRUE(kept.prepare());
  EXPECT_FALSE(kept.offersProductListChoice());
  kept.release();
}

}  // namespace
}  // namespace quorvex::testing
