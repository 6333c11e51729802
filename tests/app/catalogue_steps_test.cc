#include "app/app_fixture.h"
#include "app/command_ids.h"
#include "app/coupon_dialog.h"
#include "app/coupon_manager_step.h"
#include "app/feature_flags_dialog.h"
#include "app/feature_options_dialog.h"
#include "app/individual_pages.h"
#include "app/product_feature_dialog.h"
#include "app/product_table_step.h"
#include "site/ind_prod_data.h"

namespace quorvex::testing {
namespace {

using Texts = std::vector<std::string>;

class CatalogueStepsTest : public AppFixture {
 protected:
  // Sets up a coupon dialog for a valid coupon named `name`.
  static DialogAction naming(std::string name) {
    return edit<CouponDialog>([name](CouponDialog& d) { d.name = name; });
  }
};

TEST_F(CatalogueStepsTest, CouponManagerWarnsWithoutTemplatesAndListsStyles) {
  CouponManagerStep without(app_);
  without.prepare();
  EXPECT_EQ(prompter_.texts(),
            Texts{"Warning: Quorvex was not able to find any templates to produce coupons with."
                  "\nWithout them you will not be able to view any coupons that you specify.\n"
                  "Please, contact Quorvex Software for technical help."});
  EXPECT_TRUE(without.coupons.couponStyles.empty());

  prompter_.clear();
  writeHomeFile("Coupon Templates/blue border.html", "<html>");
  writeHomeFile("Coupon Templates/blue border.jpg", "jpeg");
  writeHomeFile("Coupon Templates/1st offer.html", "<html>");
  CouponManagerStep with(app_);
  with.prepare();
  EXPECT_TRUE(prompter_.texts().empty());
  EXPECT_EQ(with.coupons.couponStyles, (Texts{"1st Offer", "Blue Border"}));

  CouponDialog dialog(env_, with.coupons.couponStyles, 2024);
  EXPECT_EQ(dialog.selectedStyle, 0u);
  EXPECT_EQ(dialog.previewPicture(), std::nullopt) << "1st offer has no preview";
  dialog.selectedStyle = 1;
  EXPECT_EQ(dialog.previewPicture(), home() / "Coupon Templates" / "blue border.jpg");
}

TEST_F(CatalogueStepsTest, CouponNamesAreCheckedAndUniqueWithCase) {
  CouponManagerStep step(app_);
  frontEnd_.queueDialogs({edit<CouponDialog>([](CouponDialog& d) {
                            EXPECT_EQ(d.title(), "Coupon Data And Schedule");
                            EXPECT_EQ(d.helpTopic(), "CouponData.html");
                            EXPECT_EQ(d.format, CCoupon::kMonthly);
                            EXPECT_EQ(d.beginYear, "2024");
                            d.name = "  ";
                            EXPECT_FALSE(d.accept());
                            d.name = " Summer Sale ";
                            EXPECT_FALSE(d.accept());
                            d.name = " SummerSale ";
                          }),
                          naming("summersale"), naming("SummerSale"), naming("Winter")});
  step.addCoupon();
  step.addCoupon();
  step.addCoupon();
  EXPECT_EQ(prompter_.texts(),
            (Texts{"Please, enter a name for this coupon.",
                   "Sorry, Coupon Name may not include spaces or any of these characters:\n "
                   "\\/:*?\"<>|#%",
                   "The Coupon Name you specified is already in use by another coupon."}));
  ASSERT_EQ(step.coupons.count(), 3u);
  EXPECT_EQ(step.coupons.coupons[0].couponName, "SummerSale");
  EXPECT_EQ(step.coupons.coupons[1].couponName, "summersale");
  EXPECT_EQ(step.coupons.coupons[2].couponName, "Winter");

  // Keeping the name is accepted; taking another coupon's is refused and
  // the dialog opens again.
  prompter_.clear();
  step.selectedCoupon = 2;
  frontEnd_.queueDialogs({edit<CouponDialog>([](CouponDialog& d) { d.header = "Cold"; }),
                          naming("SummerSale"), press(DialogResult::kCancel)});
  step.editCoupon();
  step.editCoupon();
  EXPECT_EQ(prompter_.texts(),
            Texts{"The Coupon Name you specified is already in use by another coupon."});
  EXPECT_EQ(step.coupons.coupons[2].couponName, "Winter");
  EXPECT_EQ(step.coupons.coupons[2].couponHeader, "Cold");

  prompter_.clear();
  step.selectedCoupon.reset();
  step.editCoupon();
  step.removeCoupon();
  step.selectedCoupon = 0;
  prompter_.queueAnswers({true});
  step.removeCoupon();
  EXPECT_EQ(prompter_.texts(),
            (Texts{"Please, select a coupon to edit.", "Please, select a coupon to remove.",
                   "Are you sure you want to remove this coupon?"}));
  EXPECT_EQ(step.coupons.count(), 2u);
  step.apply();
  EXPECT_EQ(doc_.m_pCouponData->count(), 2u);
}

TEST_F(CatalogueStepsTest, CouponSchedulesAreCheckedByFormat) {
  const Texts styles;
  CouponDialog dialog(env_, styles, 2024);
  dialog.name = "Deal";
  struct Case {
    int32_t format;
    std::function<void(CouponDialog&)> set;
    const char* message;  // null when accepted
  };
  const Case cases[] = {
      {CCoupon::kMonthly, [](CouponDialog& d) { d.beginDate = 4, d.endDate = 4; }, nullptr},
      {CCoupon::kMonthly, [](CouponDialog& d) { d.beginDate = 5, d.endDate = 4; },
       "Sorry, the beginning date must not be after the end date."},
      {CCoupon::kWeekly, [](CouponDialog& d) { d.beginWeekday = 3, d.endWeekday = 1; },
       "Sorry, the beginning day must not be after the end day."},
      {CCoupon::kMonthRange, [](CouponDialog& d) { d.beginMonth = 11, d.endMonth = 0; },
       "Sorry, the beginning month must not be after the end month."},
      {CCoupon::kYearRange, [](CouponDialog& d) { d.beginYear = "2006", d.endYear = "2005"; },
       "Sorry, the beginning date must not be after the end date."},
      {CCoupon::kYearRange, [](CouponDialog& d) { d.beginYear = "1969", d.endYear = "2005"; },
       "Sorry, the year must be 1970 or later."},
      {CCoupon::kYearRange, [](CouponDialog& d) { d.beginYear = "2005", d.endYear = "206"; },
       "Please, put year in full four digit format (e.g. 2006)."},
      {CCoupon::kDateRange,
       [](CouponDialog& d) {
         d.beginMonth = d.endMonth = 3;
         d.beginDate = 6, d.endDate = 2;
         d.beginYear = d.endYear = "2006";
       },
       "Sorry, the beginning date must not be after the end date."},
      {CCoupon::kDateRange,
       [](CouponDialog& d) {
         d.beginMonth = 11, d.beginDate = 30, d.beginYear = "2005";
         d.endMonth = 0, d.endDate = 0, d.endYear = "2006";
       },
       nullptr},
  };
  for (const Case& c : cases) {
    prompter_.clear();
    dialog.format = c.format;
    c.set(dialog);
    EXPECT_EQ(dialog.accept(), c.message == nullptr) << c.format;
    EXPECT_EQ(prompter_.texts(), c.message ? Texts{c.message} : Texts{}) << c.format;
  }
  // The last case was stored: 12/31/2005 to 1/1/2006.
  EXPECT_EQ(dialog.coupon().scheduleFormat, CCoupon::kDateRange);
  EXPECT_EQ(dialog.coupon().beginText(), "12/31/2005");
  EXPECT_EQ(dialog.coupon().endText(), "1/1/2006");

  // A Monthly coupon keeps the fields other formats use as they were.
  CouponDialog monthly(env_, styles, 2024, dialog.coupon());
  monthly.format = CCoupon::kMonthly;
  monthly.beginDate = monthly.endDate = 4;
  ASSERT_TRUE(monthly.accept());
  EXPECT_EQ(monthly.coupon().beginText(), "5");
  EXPECT_EQ(monthly.coupon().endText(), "5");
  EXPECT_EQ(monthly.coupon().beginYear, 2005);
}

TEST_F(CatalogueStepsTest, CouponManagerGridShowsScheduleTexts) {
  CCoupon coupon;
  coupon.couponName = "July";
  coupon.couponText = "Fireworks";
  coupon.scheduleFormat = CCoupon::kWeekly;
  coupon.beginWeekday = 0;
  coupon.endWeekday = 6;
  doc_.m_pCouponData->addCoupon(coupon);
  CouponManagerStep step(app_);
  EXPECT_EQ(CouponManagerStep::headerRow()[6], "End Date");
  ASSERT_EQ(step.rows().size(), 1u);
  EXPECT_EQ(step.rows()[0],
            (CouponManagerStep::GridRow{"1", "July", "", "Fireworks", "", "Sunday", "Saturday"}));
}

TEST_F(CatalogueStepsTest, ProductFeatureValuesAndName) {
  ProductFeatureDialog dialog(prompter_, CProductFeature("", {"red"}));
  dialog.valueText = "  ";
  dialog.addValue();
  dialog.valueText = " RED ";
  dialog.addValue();
  dialog.valueText = "bl;ue";
  dialog.addValue();
  dialog.changeValue();
  dialog.selectedValue = 0;
  dialog.valueText = "Red";
  dialog.changeValue();
  dialog.removeValue();
  EXPECT_EQ(
      prompter_.texts(),
      (Texts{"Please, enter a value to add.", "This feature already includes that value.",
             "Sorry, product feature values may not include any of these characters:\n"
             "\\;'`?|",
             "Please, select a value to change.", "This feature already includes that value."}));
  EXPECT_TRUE(dialog.values.empty()) << "the selected value was removed";

  prompter_.clear();
  EXPECT_FALSE(dialog.accept());
  dialog.name = "Col|our";
  EXPECT_FALSE(dialog.accept());
  dialog.name = " Colour ";
  EXPECT_FALSE(dialog.accept());
  EXPECT_EQ(prompter_.texts(),
            (Texts{"Please, add a name for this product feature.",
                   "Sorry, product feature name may not include any of these characters:\n"
                   "\\;'`?|",
                   "Please, add at least one possible value for this product feature."}));
  dialog.valueText = "blue";
  dialog.addValue();
  ASSERT_TRUE(dialog.accept());
  EXPECT_EQ(dialog.feature().name, "Colour");
  EXPECT_EQ(dialog.feature().options, Texts{"blue"});

  // A customer input feature keeps the text box size as its second option.
  dialog.setCustomerInput(true);
  EXPECT_TRUE(dialog.values.empty());
  EXPECT_FALSE(dialog.valueControlsEnabled());
  dialog.textBoxSize = "30";
  ASSERT_TRUE(dialog.accept());
  EXPECT_EQ(dialog.feature().options, (Texts{"User Input", "30"}));
  ProductFeatureDialog reopened(prompter_, dialog.feature());
  EXPECT_TRUE(reopened.customerInput());
  EXPECT_EQ(reopened.textBoxSize, "30");
}

TEST_F(CatalogueStepsTest, FeatureFlagsFollowTheDefinitionsOptions) {
  const std::vector<CProductFeature> definitions = {CProductFeature("Size", {"S", "M", "L"}),
                                                    CProductFeature("Colour", {"Red", "Blue"})};
  std::vector<CFeatureCheck> row = {CFeatureCheck("Size", 0, {}),
                                    CFeatureCheck("Colour", 1, {"Blue"})};
  FeatureFlagsDialog dialog(frontEnd_, prompter_, definitions, row);
  dialog.selectOptions();
  EXPECT_EQ(prompter_.texts(), Texts{"Please, select a feature to edit the values for."});

  dialog.setChecked(0, true);
  EXPECT_EQ(dialog.entries[0].selectedOptions, (Texts{"S", "M", "L"}));
  dialog.setChecked(0, false);
  EXPECT_TRUE(dialog.entries[0].selectedOptions.empty());

  dialog.selectedEntry = 1;
  frontEnd_.queueDialogs({edit<FeatureOptionsDialog>([](FeatureOptionsDialog& d) {
                            EXPECT_EQ(d.checked, (std::vector<bool>{false, true}));
                            d.checked = {true, true};
                          }),
                          edit<FeatureOptionsDialog>([](FeatureOptionsDialog& d) {
                            d.checked = {false, false};
                          })});
  dialog.selectOptions();
  EXPECT_EQ(dialog.entries[1].selectedOptions, (Texts{"Red", "Blue"}));
  dialog.applyTo(row);
  EXPECT_EQ(row[1].selectedOptions, (Texts{"Red", "Blue"}));
  dialog.selectOptions();
  EXPECT_EQ(dialog.entries[1].checked, 0) << "no option chosen clears the tick";
  dialog.applyTo(row);
  EXPECT_EQ(row[1].checked, 0);
  EXPECT_TRUE(row[1].selectedOptions.empty());
}

TEST_F(CatalogueStepsTest, IndividualPagesFollowTheMarkedProducts) {
  doc_.m_strCompanyName = "Acme";
  std::vector<CExtraItem> rows = {productRow("A;1", "Anvil", 1), productRow("B2", "Bell", 0),
                                  productRow("C3", "Crate", 1)};
  writeProducts(rows);
  doc_.m_pTemplate->back_color = "#102030";
  frontEnd_.queueDialogs({press(DialogResult::kOk)});
  dispatcher_.run(kCmdEnhanceProducts);
  CIndProdData& pages = *doc_.m_pIndProdData;
  ASSERT_EQ(pages.count(), 2u);
  EXPECT_EQ(pages.pageAt(0).label, "A_1");
  EXPECT_EQ(pages.pageAt(0).mainText, "Anvil");
  EXPECT_EQ(pages.pageAt(0).backColor, "#102030") << "styled when created";
  EXPECT_EQ(pages.pageAt(1).label, "C3");
  EXPECT_TRUE(doc_.m_pExtraFields->rows.empty()) << "rows released after the step";

  // The user's text stays; an unmarked product loses its page; a marked one
  // whose page text is empty gets its description.
  pages.pageAt(0).mainText = "Hand forged";
  pages.pageAt(1).mainText.clear();
  rows[1].linkFlag = 1;
  rows[2].linkFlag = 0;
  writeProducts(rows);
  frontEnd_.queueDialogs({press(DialogResult::kOk)});
  dispatcher_.run(kCmdEnhanceProducts);
  ASSERT_EQ(pages.count(), 2u);
  EXPECT_EQ(pages.pageAt(0).mainText, "Hand forged");
  EXPECT_EQ(pages.pageAt(1).label, "B2");
  EXPECT_EQ(pages.pageAt(1).mainText, "Bell");
  EXPECT_EQ(findIndividualPage(pages, "B2"), 1u);
  EXPECT_EQ(findIndividualPage(pages, "C3"), std::nullopt);

  // Individual Product Pages only drops stale pages and says when none is
  // left; it opens all the same.
  for (CExtraItem& row : rows) row.linkFlag = 0;
  writeProducts(rows);
  frontEnd_.dialogs.clear();
  frontEnd_.queueDialogs({press(DialogResult::kCancel)});
  dispatcher_.run(kCmdIndividualPages);
  EXPECT_EQ(pages.count(), 0u);
  EXPECT_EQ(prompter_.texts(), Texts{"I'm sorry, but you have no products marked for "
                                     "individual pages.\nPlease go to the previous screen and "
                                     "mark them to continue."});
  EXPECT_EQ(frontEnd_.dialogs, Texts{"Individual Product Pages"});
}

TEST_F(CatalogueStepsTest, ProductStepsWriteTheRowsBackOnlyOnOk) {
  doc_.m_strCompanyName = "Acme";
  writeProducts({productRow("P1", "Widget", 0)});
  frontEnd_.queueDialogs({edit<ProductTableStep>(
                              [](ProductTableStep& step) {
                                ASSERT_EQ(step.table.rows.size(), 1u);
                                step.table.rows[0].description = "Gadget";
                              },
                              DialogResult::kCancel),
                          edit<ProductTableStep>([](ProductTableStep& step) {
                            step.table.rows[0].description = "Gizmo";
                          })});
  dispatcher_.run(kCmdProductList);
  CExtraFields reread;
  reread.copyFrom(*doc_.m_pExtraFields);
  ASSERT_TRUE(reread.loadRows(env_).ok());
  ASSERT_EQ(reread.rows.size(), 1u);
  EXPECT_EQ(reread.rows[0].description, "Widget");
  dispatcher_.run(kCmdProductList);
  reread.clearRows();
  ASSERT_TRUE(reread.loadRows(env_).ok());
  EXPECT_EQ(reread.rows[0].description, "Gizmo");
  EXPECT_TRUE(doc_.m_pExtraFields->rows.empty());
}

TEST_F(CatalogueStepsTest, AnUnreadableProductFileKeepsTheProductStepsClosed) {
  doc_.m_strCompanyName = "Acme";
  writeProducts({productRow("P1", "Widget", 1)});
  doc_.m_pIndProdData->productPages.push_back(makeOwned<CIndProdPage>());
  const std::filesystem::path priceList = home_.path() / "Acme" / "PriceList.txt";
  std::filesystem::remove(priceList);
  std::filesystem::create_symlink(priceList, priceList);
  for (int command : {kCmdProductList, kCmdEnhanceProducts, kCmdIndividualPages}) {
    prompter_.clear();
    dispatcher_.run(command);
    ASSERT_EQ(prompter_.texts().size(), 1u) << command;
    EXPECT_EQ(prompter_.texts()[0].rfind("FILE ERROR: ", 0), 0u) << prompter_.texts()[0];
  }
  EXPECT_TRUE(frontEnd_.dialogs.empty());
  EXPECT_TRUE(std::filesystem::is_symlink(priceList)) << "nothing written over it";
  EXPECT_EQ(doc_.m_pIndProdData->count(), 1u) << "no page taken for stale";
}

}  // namespace
}  // namespace quorvex::testing
