#include "generator/shop_page_fields.h"

#include "company/brenquil_doc.h"
#include "generator/category_links.h"
#include "generator/commerce_fields.h"
#include "generator/coupon_fields.h"
#include "generator/display_style.h"
#include "generator/download_fields.h"
#include "generator/feature_fields.h"
#include "generator/page_content_fields.h"
#include "generator/page_links.h"
#include "site/page.h"
#include "generator/product_data.h"
#include "generator/product_template.h"
#include "generator/shipping_fields.h"
#include "imaging/font_markup.h"

namespace quorvex {

ShopPageFields::ShopPageFields(GenerationContext& context, ImagePlacer& images,
                               PageContentFields& pageFields, PageLinks& pageLinks,
                               CategoryLinks& categoryLinks, ProductData& products)
    : context_(context),
      pageFields_(pageFields),
      pageLinks_(pageLinks),
      categoryLinks_(categoryLinks),
      products_(products),
      settings_(context),
      cartButtons_(context, images) {}

void ShopPageFields::fill(bool addOnSite) {
  const CBrenquilDoc& doc = context_.doc;
  const CProductPage* productPage = doc.m_pPageData->productPage();
  settings_.setVersion();
  pageFields_.setSiteFields();
  // The statements that preload every roll-over picture of the site. Every
  // page button is made here, with its preload statements.
  std::string preload;
  LinkListRequest everyPage{kAllLinks, addOnSite, /*vertical=*/false, /*www=*/false, &preload, nullptr};
  context_.fields.set("hlinks", pageLinks_.pageLinks(everyPage));
  pageFields_.setLinkLists(*doc.m_pGlobalPage, /*inLinkFont=*/false);
  settings_.setCommands(addOnSite);
  if (productPage) cartButtons_.outputButtons(preload);
  settings_.setOrderSettings(addOnSite);
  if (context_.oldStyleShop) setProductTemplate(context_);
  settings_.setProductPageSettings(productPage);
  if (productPage) cartButtons_.outputCartImages();

  products_.setFileAndCurrency();
  products_.setProductsAndCategories();
  CommerceFields commerce(context_);
  ShippingFields shipping(context_);
  DownloadFields downloads(context_);
  commerce.setSalesBlurbs();
  downloads.setSoftwareInfo();
  shipping.setShipTypes();
  shipping.setShipInfo();
  commerce.setExtraOrderFields();
  commerce.setTax();
  context_.fields.set("displayItem", setDisplayFields(context_));
  products_.setFeaturedItems();
  FeatureFields(context_).setFeatureFields();
  CouponFields(context_).setCouponList();

  const CFontData& categoryFont = doc.m_pExtraFields->categoryLinkFont;
  context_.fields.set("category_links",
                      toHtml(categoryFont, categoryLinks_.categoryLinks(false, &preload)));
  context_.fields.set("mouseOverImages", std::move(preload));
  context_.fields.set("vcategory_links",
                      toHtml(categoryFont, categoryLinks_.categoryLinks(true, nullptr)));
  shipping.setHowToShip();
  settings_.setHomeFile(addOnSite);
  downloads.warnAboutCookies();
}

}  // namespace quorvex
