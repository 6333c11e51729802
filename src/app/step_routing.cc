#include "app/step_routing.h"

#include <array>

#include "app/command_ids.h"
#include "company/brenquil_doc.h"

namespace quorvex {

namespace {

constexpr std::array<WizardStep, 16> kWizardSteps = {{
    {kCmdLocation, "Location Information", 0},
    {kCmdContact, "Contact Information", 0},
    {kCmdBusiness, "Business Information", 0},
    {kCmdSiteType, "Select Type Of Site", 1},
    {kCmdStyle, "Choose A Style For Site", 1},
    {kCmdPageLayout, "Choose Page Layout", 1},
    {kCmdProductList, "Create Or Import Product List", 2},
    {kCmdEnhanceProducts, "Enhance Product Descriptions", 2},
    {kCmdIndividualPages, "Individual Product Pages", 2},
    {kCmdCouponManager, "Coupon Manager", 2},
    {kCmdTax, "Tax Settings", 3},
    {kCmdShipping, "Set Shipping", 3},
    {kCmdOrderPayment, "Order And Payment Settings", 3},
    {kCmdServerPreferences, "Server Preferences", 4},
    {kCmdSaveSiteLocally, "Save Web Site Locally", 4},
    {kCmdPublish, "Publish Web Site To Internet", 4},
}};

}  // namespace

SiteConditions siteConditionsOf(const CBrenquilDoc& doc) {
  return {doc.m_pPageData->hasProductPage(), doc.m_pPageData->hasCouponPage(),
          doc.m_pIndProdData->count() > 0};
}

const WizardStep* findWizardStep(int command) {
  for (const WizardStep& step : kWizardSteps) {
    if (step.command == command) return &step;
  }
  return nullptr;
}

std::optional<int> nextStep(int command, const SiteConditions& c) {
  switch (command) {
    case kCmdLocation: return kCmdContact;
    case kCmdContact: return kCmdBusiness;
    case kCmdBusiness: return kCmdSiteType;
    case kCmdSiteType: return kCmdStyle;
    case kCmdStyle: return kCmdPageLayout;
    case kCmdPageLayout:
      if (c.productPage) return kCmdProductList;
      return c.couponPage ? kCmdCouponManager : kCmdServerPreferences;
    case kCmdProductList: return kCmdEnhanceProducts;
    case kCmdEnhanceProducts:
      if (c.individualPages) return kCmdIndividualPages;
      return c.couponPage ? kCmdCouponManager : kCmdTax;
    case kCmdIndividualPages: return c.couponPage ? kCmdCouponManager : kCmdTax;
    case kCmdCouponManager: return c.productPage ? kCmdTax : kCmdServerPreferences;
    case kCmdTax: return kCmdShipping;
    case kCmdShipping: return kCmdOrderPayment;
    case kCmdOrderPayment: return kCmdServerPreferences;
    case kCmdServerPreferences: return kCmdSaveSiteLocally;
    default: return std::nullopt;
  }
}

std::optional<int> previousStep(int command, const SiteConditions& c) {
  switch (command) {
    case kCmdContact: return kCmdLocation;
    case kCmdBusiness: return kCmdContact;
    case kCmdSiteType: return kCmdBusiness;
    case kCmdStyle: return kCmdSiteType;
    case kCmdPageLayout: return kCmdStyle;
    case kCmdProductList: return kCmdPageLayout;
    case kCmdEnhanceProducts: return kCmdProductList;
    case kCmdIndividualPages: return kCmdEnhanceProducts;
    case kCmdCouponManager:
      if (!c.productPage) return kCmdPageLayout;
      return c.individualPages ? kCmdIndividualPages : kCmdEnhanceProducts;
    case kCmdTax:
      if (c.couponPage) return kCmdCouponManager;
      return c.productPage && c.individualPages ? kCmdIndividualPages : kCmdEnhanceProducts;
    case kCmdShipping: return kCmdTax;
    case kCmdOrderPayment: return kCmdShipping;
    case kCmdServerPreferences:
      if (c.productPage) return kCmdOrderPayment;
      return c.couponPage ? kCmdCouponManager : kCmdPageLayout;
    case kCmdSaveSiteLocally: return kCmdServerPreferences;
    default: return std::nullopt;
  }
}

}  // namespace quorvex
