#ifndef QUORVEX_GENERATOR_SHOP_PAGE_FIELDS_H_
#define QUORVEX_GENERATOR_SHOP_PAGE_FIELDS_H_

#include "generator/cart_buttons.h"
#include "generator/generation_context.h"
#include "generator/shop_settings_fields.h"

namespace quorvex {

class CategoryLinks;
class ImagePlacer;
class PageContentFields;
class PageLinks;
class ProductData;

// Fills the field table with every site-wide value, in the order the shop
// page needs them: the version, the company's texts and colours, the page
// links (every page button made once, its roll-over preloaded), the cart
// commands and buttons, the order and payment settings, the product page's
// settings with the cart pictures, the catalogue, the commerce data (sales
// texts, downloads, shipping, order form fields, taxes), the display style,
// the featured items, the feature arrays of older shop templates, the
// coupons, the category links, the preload statements, the shipping basis,
// the home page, and last the warning about downloads without cookies.
//
// The parts of the run it works with must outlive it.
class ShopPageFields {
 public:
  ShopPageFields(GenerationContext& context, ImagePlacer& images, PageContentFields& pageFields,
                 PageLinks& pageLinks, CategoryLinks& categoryLinks, ProductData& products);

  // Sets the fields; `addOnSite` when the site is added to an existing one.
  void fill(bool addOnSite);

 private:
  GenerationContext& context_;
  PageContentFields& pageFields_;
  PageLinks& pageLinks_;
  CategoryLinks& categoryLinks_;
  ProductData& products_;
  ShopSettingsFields settings_;
  CartButtons cartButtons_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_SHOP_PAGE_FIELDS_H_
