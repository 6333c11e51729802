#include "generator/product_data.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "company/brenquil_doc.h"
#include "generator/generation_context.h"
#include "generator/text_helpers.h"
#include "products/category_name_form.h"
#include "products/product_text.h"
#include "site/product_page.h"

namespace quorvex {

namespace {

// `text` script-escaped between single quotes.
std::string jsQuoted(std::string_view text) { return "'" + scriptEscape(text) + "'"; }

}  // namespace

bool ProductData::isPublished(const CExtraItem& row) {
  return row.publishState != 1 && row.category != kDoNotPublishDescription;
}

ProductData::ProductData(GenerationContext& context, ImagePlacer& images)
    : context_(context), pictures_(context, images) {}

void ProductData::setFileAndCurrency() {
  const CProductPage* productPage = context_.doc.m_pPageData->productPage();
  context_.fields.set("product_file",
                      productPage ? scriptEscape(productPage->getFileName()) : std::string());
  context_.fields.set("currency", scriptEscape(context_.doc.m_pBusiness->currencySymbol));
}

void ProductData::setFeaturedItems() {
  context_.fields.set("featured_items", std::to_string(context_.featuredCount));
}

std::string ProductData::featureArguments(const CExtraItem& row) const {
  if (!context_.oldStyleShop) return "'','',''";
  const std::vector<CProductFeature>& definitions = context_.doc.m_pExtraFields->featureDefinitions;
  const bool downloaded = row.downloadFlag != 0;
  std::string arguments =
      "'" + std::to_string(downloaded ? -1 : static_cast<int>(row.featureSelections.size())) + "'";
  for (size_t i = 0; i < row.featureSelections.size(); ++i) {
    const std::vector<std::string>& chosen = row.featureSelections[i].selectedOptions;
    if (downloaded || chosen.empty()) {
      arguments += ",'false'";
      continue;
    }
    arguments += ",'getFeatures(featureArray[" + std::to_string(i) + "]";
    if (i < definitions.size()) {
      for (const std::string& option : definitions[i].options) {
        bool offered = std::find(chosen.begin(), chosen.end(), option) != chosen.end();
        arguments += offered ? ",true" : ",false";
      }
    }
    arguments += ")'";
  }
  return arguments;
}

bool ProductData::showsPicture(const CExtraItem& row) {
  // A picture flag without a picture (left by an old file) shows no picture.
  return row.pictureFlag == 2 && !row.picture.empty();
}

std::string ProductData::pictureArguments(const CExtraItem& row) {
  if (!showsPicture(row)) return "'','-1','-1'";
  ProductPictures::Placed placed = pictures_.place(row.picture);
  return jsQuoted(context_.folders.imagesUrl() + placed.name) + ",'" +
         std::to_string(placed.size.width) + "','" + std::to_string(placed.size.height) + "'";
}

std::string ProductData::productStatement(const CExtraItem& row) {
  const std::string partNumber = cleanPartNumber(row.partNumber);
  std::string statement = "product[" + jsQuoted(partNumber) + "] = new products(";
  statement += jsQuoted(row.category) + "," + jsQuoted(cleanDescription(row.description)) + "," +
               jsQuoted(partNumber) + "," + jsQuoted(row.price) + "," + jsQuoted(row.weight) + ",";
  if (row.featureFlag == 0) {
    ++context_.featuredCount;
    statement += "'x',";
  } else {
    statement += "'',";
  }
  statement += featureArguments(row) + ",";
  if (row.linkFlag == 1) {
    statement += "'x',";
  } else if (row.linkFlag == 2) {
    statement += jsQuoted(row.link) + ",";
  } else {
    statement += "'',";
  }
  statement += row.salesDescription.empty() ? "''," : "'x',";
  statement += pictureArguments(row) + "," + std::to_string(row.taxFlag) + ");\n";
  return statement;
}

void ProductData::setProductsAndCategories() {
  context_.setProgress("Initializing products...");
  std::vector<std::string> statements;
  std::vector<std::string> categories;
  std::unordered_map<std::string, std::vector<size_t>> statementsOfCategory;
  std::vector<std::string> pictures;
  for (const CExtraItem& row : context_.doc.m_pExtraFields->rows) {
    if (isPublished(row) && showsPicture(row)) pictures.push_back(row.picture);
  }
  pictures_.prepare(pictures);
  for (const CExtraItem& row : context_.doc.m_pExtraFields->rows) {
    if (!isPublished(row)) continue;
    auto [group, isNew] = statementsOfCategory.try_emplace(row.category);
    if (isNew) categories.push_back(row.category);
    group->second.push_back(statements.size());
    statements.push_back(productStatement(row));
  }

  context_.setProgress("Sorting categories...");
  std::vector<std::string> sorted = categories;
  std::sort(sorted.begin(), sorted.end());

  context_.setProgress("Writing products...");
  std::string products;
  std::vector<int> first(sorted.size());
  std::vector<int> last(sorted.size());
  int written = 0;
  for (size_t k = 0; k < sorted.size(); ++k) {
    first[k] = written;
    for (size_t index : statementsOfCategory[sorted[k]]) {
      products += "productList[" + std::to_string(written) + "] = " + statements[index];
      ++written;
      if (written % 10 == 0) context_.setProgress("Writing products... " + std::to_string(written));
    }
    last[k] = written - 1;
  }
  context_.fields.set("products", std::move(products));
  context_.fields.set("categories", categoryStatements(sorted, first, last));
}

std::string ProductData::categoryPageFile(const std::string& category) {
  std::vector<std::string>& links = context_.doc.m_pExtraFields->categoryPageLinks;
  const std::string key = category + ":";
  auto link = std::find_if(links.begin(), links.end(), [&](const std::string& entry) {
    return entry.find(key) != std::string::npos;
  });
  if (link == links.end()) return "";
  const std::string label = link->substr(link->find(':') + 1);
  for (const Owned<CPage>& page : context_.doc.m_pPageData->pages) {
    if (page->label == label) return cleanFileName(label) + ".html";
  }
  *link = key;
  return "";
}

std::string ProductData::categoryStatements(const std::vector<std::string>& sorted,
                                            const std::vector<int>& first,
                                            const std::vector<int>& last) {
  const CExtraFields& table = *context_.doc.m_pExtraFields;
  std::unordered_map<std::string_view, size_t> listed;
  for (size_t i = table.categoryNames.size(); i-- > 0;) listed[table.categoryNames[i]] = i;
  std::string statements;
  int count = 0;
  for (size_t k = 0; k < sorted.size(); ++k) {
    const std::string& category = sorted[k];
    auto found = listed.find(category);
    if (found == listed.end()) continue;
    const std::string pageFile = categoryPageFile(category);
    const std::string description = found->second < table.categoryDescriptions.size()
                                        ? table.categoryDescriptions[found->second]
                                        : std::string();
    if (description == kDoNotPublishDescription) continue;
    if (context_.oldStyleShop) {
      statements += "category[" + jsQuoted(category) + "] = new categories(" + jsQuoted(category) +
                    "," + jsQuoted(description) + "," + std::to_string(first[k]) + "," +
                    std::to_string(last[k]) + ",'" + pageFile + "');\n";
    } else {
      statements += "category[" + std::to_string(count) + "] = new categories(" +
                    jsQuoted(category) + "," + jsQuoted(description) + ");\n";
    }
    ++count;
  }
  return statements;
}

bool ProductData::writeProductFile() {
  const std::vector<CExtraItem>& rows = context_.doc.m_pExtraFields->rows;
  if (rows.empty()) return false;
  std::string line;
  for (const CExtraItem& row : rows)
    line += cleanPartNumber(row.partNumber) + "|" + row.price + "|";
  line.pop_back();
  line.erase(line.find_last_not_of(' ') + 1);
  const std::string name = "products.txt";
  context_.writer.write(context_.folders.native(context_.folders.siteFolder()), name, line);
  const std::string local = context_.folders.siteFile(name);
  context_.enterFile(FileLists::kOrderServer, local, local, name, "", 0, 0);
  return true;
}

}  // namespace quorvex
