#ifndef QUORVEX_GENERATOR_PRODUCT_DATA_H_
#define QUORVEX_GENERATOR_PRODUCT_DATA_H_

#include <string>
#include <vector>

#include "generator/product_pictures.h"

namespace quorvex {

class CExtraItem;
class GenerationContext;
class ImagePlacer;

// The catalogue as the shopping cart of the generated site knows it: the
// JavaScript statements of the fields `products` and `categories`, the
// small fields that go with them, and products.txt, the price list the order
// server checks orders against.
//
// A row is published unless its publishState is 1 or its category is exactly
// "DO NOT PUBLISH". `products` lists the published rows grouped by category
// (categories in byte order, rows in table order within each) as
// "productList[i] = product['<part>'] = new products(...);"; `categories`
// has one statement per category listed in the product table whose
// description is not "DO NOT PUBLISH". Every text inside the statements is
// script-escaped (text_helpers.h).
//
// Runs in linear time in the number of rows and categories. The context and
// the placer must outlive it.
class ProductData {
 public:
  ProductData(GenerationContext& context, ImagePlacer& images);

  // True when `row` is published: its publishState is not 1 and its
  // category is not exactly "DO NOT PUBLISH".
  static bool isPublished(const CExtraItem& row);

  // Sets `product_file` (the product page's output name, script-escaped; ""
  // without a product page) and `currency` (the currency symbol,
  // script-escaped).
  void setFileAndCurrency();

  // Sets `products` and `categories`, placing the pictures of the published
  // rows and counting the featured items (progress "Initializing
  // products...", "Sorting categories...", "Writing products..."). A
  // category assigned to a page label that no page bears loses the
  // assignment in the product table.
  void setProductsAndCategories();

  // Sets `featured_items` to the number of featured published rows.
  void setFeaturedItems();

  // Writes products.txt into the site folder ("<part>|<price>|..." for every
  // row, published or not, on one line) and enters it in the order-server
  // file list. Returns false, writing nothing, when the table has no rows.
  [[nodiscard]] bool writeProductFile();

 private:
  // The statement "product['<part>'] = new products(...);\n" of `row`.
  std::string productStatement(const CExtraItem& row);
  std::string featureArguments(const CExtraItem& row) const;
  // True when `row` has a picture to show.
  static bool showsPicture(const CExtraItem& row);
  std::string pictureArguments(const CExtraItem& row);
  // The page file a category's products are shown on ("" for none).
  std::string categoryPageFile(const std::string& category);
  // The `categories` statements of the sorted categories with the index
  // ranges of their products in the product list.
  std::string categoryStatements(const std::vector<std::string>& sorted,
                                 const std::vector<int>& first, const std::vector<int>& last);

  GenerationContext& context_;
  ProductPictures pictures_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_PRODUCT_DATA_H_
