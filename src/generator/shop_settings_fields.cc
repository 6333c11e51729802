#include "generator/shop_settings_fields.h"

#include "company/brenquil_doc.h"
#include "generator/text_helpers.h"
#include "publish/order_server.h"
#include "site/page_type.h"
#include "site/product_page.h"

namespace quorvex {

namespace {

const char* boolean(bool value) { return value ? "true" : "false"; }

// `value` when `enabled`, else empty.
std::string whenOn(int32_t enabled, const std::string& value) {
  return enabled != 0 ? value : std::string();
}

}  // namespace

void ShopSettingsFields::setVersion() {
  context_.fields.set("quorvex_version",
                      "<META name=\"GENERATOR\" content=\"Quorvex Version " + context_.version +
                          "\">");
}

void ShopSettingsFields::setCommands(bool addOnSite) {
  FieldTable& fields = context_.fields;
  fields.set("cmd:view",
             "<A HREF=\"javascript:shop.view()\"$[view_over]><IMG NAME=\"ViewCart\" "
             "SRC=\"$[def_view_img]\" ALT=\"View Shopping Cart\" BORDER=\"0\"></A>");
  fields.set("cmd:submit",
             "<A HREF=\"javascript:shop.cart.checkSubmit()\"$[submit_over]><IMG "
             "NAME=\"SubmitOrder\" SRC=\"$[def_submit_img]\" ALT=\"Submit Order\" "
             "BORDER=\"0\"></A>");
  fields.set("cmd:continue",
             "<A HREF=\"javascript:shop.cart.continueShopping()\"$[continue_over]><IMG "
             "NAME=\"ContinueShopping\" SRC=\"$[def_continue_img]\" ALT=\"Continue Shopping\" "
             "BORDER=\"0\"></A>");
  fields.set("filePath", addOnSite ? "Quorvex/" : "");
}

void ShopSettingsFields::setOrderSettings(bool addOnSite) {
  const CBrenquilDoc& doc = context_.doc;
  const CFtp& server = *doc.m_pFtp;
  const CBusiness& business = *doc.m_pBusiness;
  FieldTable& fields = context_.fields;
  fields.set("qvx_user", scriptEscape(server.publishingVendorId()));
  fields.set("order_email", server.orderEmail);
  fields.set("order_title", doc.m_strCompanyName + " Order");
  fields.set("order_url", orderPostAddress(orderServerHost(context_.env.settings())));
  fields.set("pgpuserid", whenOn(server.usePgp, server.pgpId));
  fields.set("icheckid", whenOn(server.allowICheck, server.iCheckId));
  fields.set("cc_user", whenOn(server.realTimeCards, server.cardUserId));
  fields.set("reject", std::to_string(server.rejectDeclined));
  fields.set("capture", server.captureImmediately != 0 ? "1" : "2");
  fields.set("timeout", server.acceptOnTimeout != 0 ? "1" : "2");
  fields.set("avsCode", std::to_string(server.addressVerification));
  fields.set("checkppos", server.sendExtraNotification != 0 ? "yes" : "no");
  fields.set("ppos_id", whenOn(server.sendExtraNotification, server.notifyFrom));
  fields.set("ppos_email", whenOn(server.sendExtraNotification, server.notifyTo));
  fields.set("ftpExpires", std::to_string(server.downloadExpiryDays));
  std::string methods;
  for (const std::string& method : doc.m_pOrderNotifyData->paymentMethods) {
    methods += "<OPTION VALUE=\"" + checkedName(method, false) + "\">" + method + "</OPTION>\n";
  }
  fields.set("methods", std::move(methods));
  fields.set("useCookies", boolean(server.useCookies != 0));
  fields.set("keywords", business.keywords);
  fields.set("description", business.description);
  fields.set("shop_file", addOnSite ? "Quorvex/shop.html" : "shop.html");
  fields.set("terms_blurb", convertLineBreaks(business.termsText));
}

void ShopSettingsFields::setProductPageSettings(const CProductPage* productPage) {
  FieldTable& fields = context_.fields;
  if (productPage == nullptr) {
    fields.set("itemsPerPage", "0");
    fields.set("portaCart", "false");
    return;
  }
  const bool showAll = productPage->displayAllItems != 0;
  fields.set("itemsPerPage", showAll ? "9999" : std::to_string(productPage->itemsPerPage));
  fields.set("displayAllItems", boolean(showAll));
  fields.set("buymeToCart", productPage->buyMeOpensCart != 0 ? "view();" : "");
  fields.set("portaCart", boolean(productPage->portaCart != 0));
}

void ShopSettingsFields::setHomeFile(bool addOnSite) {
  const CBrenquilDoc& doc = context_.doc;
  if (addOnSite) {
    context_.fields.set("home_file", doc.m_pSiteTemplate->oldIndexName);
    return;
  }
  for (const Owned<CPage>& page : doc.m_pPageData->pages) {
    if (page->pageType == kHomePageType) {
      context_.fields.set("home_file", page->getFileName());
      return;
    }
  }
}

}  // namespace quorvex
