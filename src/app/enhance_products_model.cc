#include "app/enhance_products_model.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>

#include "products/product_column.h"

namespace quorvex {

namespace {

// A fixed entry of "Filter Products by:" and the rows it shows.
struct FixedFilter {
  std::string_view name;
  bool (*shows)(const CExtraItem& row);
};

constexpr std::array<FixedFilter, 13> kFixedFilters = {{
    {"All Products", [](const CExtraItem&) { return true; }},
    {"With Thumbnails", [](const CExtraItem& row) { return row.pictureFlag == 2; }},
    {"Without Thumbnails", [](const CExtraItem& row) { return row.pictureFlag == 0; }},
    {"Never Have Thumbnails", [](const CExtraItem& row) { return row.pictureFlag == 1; }},
    {"No Links", [](const CExtraItem& row) { return row.linkFlag == 0; }},
    {"Links to Product Pages", [](const CExtraItem& row) { return row.linkFlag == 1; }},
    {"External Links", [](const CExtraItem& row) { return row.linkFlag == 2; }},
    {"Published", [](const CExtraItem& row) { return row.publishState != 1; }},
    {"Not Published", [](const CExtraItem& row) { return row.publishState != 0; }},
    {"Featured", [](const CExtraItem& row) { return row.featureFlag != 1; }},
    {"Not Featured", [](const CExtraItem& row) { return row.featureFlag != 0; }},
    {"Downloaded", [](const CExtraItem& row) { return row.downloadFlag != 0; }},
    {"Not Downloaded", [](const CExtraItem& row) { return row.downloadFlag != 1; }},
}};

// The descriptive name of each listed category.
std::unordered_map<std::string, std::string> descriptionsByName(const CExtraFields& table) {
  std::unordered_map<std::string, std::string> descriptions;
  const size_t listed = std::min(table.categoryNames.size(), table.categoryDescriptions.size());
  for (size_t i = 0; i < listed; ++i) {
    descriptions.try_emplace(table.categoryNames[i], table.categoryDescriptions[i]);
  }
  return descriptions;
}

std::string describe(const std::unordered_map<std::string, std::string>& descriptions,
                     const std::string& category) {
  auto it = descriptions.find(category);
  return it == descriptions.end() ? "" : it->second;
}

bool sameSelections(const std::vector<CFeatureCheck>& a, const std::vector<CFeatureCheck>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const CFeatureCheck& x, const CFeatureCheck& y) {
                      return x.label == y.label && x.checked == y.checked &&
                             x.selectedOptions == y.selectedOptions;
                    });
}

// Whether two rows have the same value of `attribute`.
bool sameAttribute(ProductAttribute attribute, const CExtraItem& a, const CExtraItem& b) {
  switch (attribute) {
    case ProductAttribute::kLink:
      return a.link == b.link && a.linkFlag == b.linkFlag;
    case ProductAttribute::kPicture:
      return a.picture == b.picture && a.pictureFlag == b.pictureFlag;
    case ProductAttribute::kProductFeatures:
      return sameSelections(a.featureSelections, b.featureSelections);
    case ProductAttribute::kFeaturedItem:
      return a.featureFlag == b.featureFlag;
    case ProductAttribute::kPublishItem:
      return a.publishState == b.publishState;
    case ProductAttribute::kDownloadItem:
      return a.downloadPath == b.downloadPath && a.downloadPassword == b.downloadPassword &&
             a.downloadFlag == b.downloadFlag && a.uploadFlag == b.uploadFlag;
  }
  return true;
}

// What the question about differing rows says the rows differ in.
std::string_view differenceText(ProductAttribute attribute) {
  switch (attribute) {
    case ProductAttribute::kLink: return "link specified";
    case ProductAttribute::kPicture: return "thumbnail";
    case ProductAttribute::kProductFeatures: return "product features set";
    case ProductAttribute::kFeaturedItem: return "featured state";
    case ProductAttribute::kPublishItem: return "publish state";
    case ProductAttribute::kDownloadItem: return "download specified";
  }
  return "";
}

// The column whose feeding from the external file guards `attribute`; -1
// for the attributes no file feeds.
int32_t guardingColumn(ProductAttribute attribute) {
  switch (attribute) {
    case ProductAttribute::kLink: return kLinkColumn;
    case ProductAttribute::kPicture: return kPictureColumn;
    case ProductAttribute::kFeaturedItem: return kFeatureFlagColumn;
    case ProductAttribute::kPublishItem: return kPublishStateColumn;
    default: return -1;
  }
}

constexpr const char* kNoRowsMessage =
    "You must have at least one item in the database to set properties.";

}  // namespace

EnhanceProductsModel::EnhanceProductsModel(const Env& env, CExtraFields& table)
    : env_(env), table_(table), conversion_(env) {}

std::vector<std::string> EnhanceProductsModel::filterEntries() const {
  std::vector<std::string> entries;
  for (const FixedFilter& filter : kFixedFilters) entries.emplace_back(filter.name);
  const auto descriptions = descriptionsByName(table_);
  std::unordered_set<std::string> listed;
  for (const CExtraItem& row : table_.rows) {
    if (row.category == "none") continue;
    std::string shown = describe(descriptions, row.category);
    if (listed.insert(shown).second) entries.push_back(std::move(shown));
  }
  return entries;
}

std::vector<int32_t> EnhanceProductsModel::rowsShown(std::string_view entry) const {
  std::vector<int32_t> shown;
  const int32_t count = static_cast<int32_t>(table_.rows.size());
  auto fixed = std::find_if(kFixedFilters.begin(), kFixedFilters.end(),
                            [&](const FixedFilter& filter) { return filter.name == entry; });
  if (fixed != kFixedFilters.end()) {
    for (int32_t i = 0; i < count; ++i) {
      if (fixed->shows(table_.rows[i])) shown.push_back(i);
    }
    return shown;
  }
  const auto descriptions = descriptionsByName(table_);
  for (int32_t i = 0; i < count; ++i) {
    const CExtraItem& row = table_.rows[i];
    if (row.category != "none" && describe(descriptions, row.category) == entry) {
      shown.push_back(i);
    }
  }
  return shown;
}

std::string EnhanceProductsModel::categoryShown(int32_t row) const {
  if (row < 0 || row >= static_cast<int32_t>(table_.rows.size())) return "";
  return describe(descriptionsByName(table_), table_.rows[row].category);
}

bool EnhanceProductsModel::beginSetAttribute(ProductAttribute attribute,
                                             const std::vector<int32_t>& selectedRows) {
  const int32_t guard = guardingColumn(attribute);
  if (guard >= 0 && table_.isFedFromSource(guard)) {
    const bool agreed = conversion_.agreeToEditImportedColumn(table_);
    // The questions may have turned the table into an in-program one.
    notifyChanged();
    if (!agreed) return false;
  }
  if (selectedRows.empty() || !validRows(selectedRows)) {
    env_.prompter().showMessage("Please, select one or more items you wish to set.");
    return false;
  }
  return haveRowsFor(attribute) && sameOrAgreed(attribute, selectedRows);
}

bool EnhanceProductsModel::validRows(const std::vector<int32_t>& rows) const {
  const int32_t count = static_cast<int32_t>(table_.rows.size());
  return std::all_of(rows.begin(), rows.end(), [&](int32_t row) { return row >= 0 && row < count; });
}

bool EnhanceProductsModel::haveRowsFor(ProductAttribute attribute) {
  if (table_.rows.empty()) {
    env_.prompter().showMessage(kNoRowsMessage);
    return false;
  }
  if (attribute == ProductAttribute::kProductFeatures && table_.featureDefinitions.empty()) {
    env_.prompter().showMessage(
        "You have no product features to select.  Please add one or more before doing this.");
    return false;
  }
  return true;
}

bool EnhanceProductsModel::sameOrAgreed(ProductAttribute attribute,
                                        const std::vector<int32_t>& selectedRows) {
  const CExtraItem& first = table_.rows[selectedRows.front()];
  for (size_t i = 1; i < selectedRows.size(); ++i) {
    if (!sameAttribute(attribute, first, table_.rows[selectedRows[i]])) {
      return env_.prompter().askYesNo(
          "Not all the products selected currently have the same " +
          std::string(differenceText(attribute)) + ".\nDo you want to continue?");
    }
  }
  return true;
}

template <class Setter>
void EnhanceProductsModel::forEachRow(const std::vector<int32_t>& rows, Setter set) {
  for (int32_t row : rows) {
    if (row < 0 || row >= static_cast<int32_t>(table_.rows.size())) continue;
    table_.currentRow = row;
    set();
  }
  table_.currentRow = -1;
  notifyChanged();
}

void EnhanceProductsModel::setLink(const std::vector<int32_t>& rows, std::string_view link,
                                   int32_t linkFlag) {
  forEachRow(rows, [&] { table_.setLink(link, linkFlag); });
}

void EnhanceProductsModel::setPicture(const std::vector<int32_t>& rows, std::string_view picture,
                                      int32_t pictureFlag) {
  forEachRow(rows, [&] { table_.setPicture(picture, pictureFlag); });
}

void EnhanceProductsModel::setFeatureSelections(const std::vector<int32_t>& rows,
                                                const std::vector<CFeatureCheck>& selections) {
  forEachRow(rows, [&] { table_.setFeatureSelections(selections); });
}

void EnhanceProductsModel::setFeatureFlag(const std::vector<int32_t>& rows, int32_t featureFlag) {
  forEachRow(rows, [&] { table_.setFeatureFlag(featureFlag); });
}

void EnhanceProductsModel::setPublishState(const std::vector<int32_t>& rows,
                                           int32_t publishState) {
  forEachRow(rows, [&] { table_.setPublishState(publishState); });
}

void EnhanceProductsModel::setDownload(const std::vector<int32_t>& rows, std::string_view path,
                                       std::string_view password, int32_t downloadFlag,
                                       int32_t uploadFlag) {
  forEachRow(rows, [&] { table_.setDownload(path, password, downloadFlag, uploadFlag); });
}

bool EnhanceProductsModel::beginSetAll(const std::vector<int32_t>& selectedRows) {
  if (selectedRows.empty() || !validRows(selectedRows)) {
    env_.prompter().showMessage("Please, select an item you wish to set.");
    return false;
  }
  if (selectedRows.size() > 1) {
    env_.prompter().showMessage(
        "Sorry, you may only set all of the attributes of one item at a time.\nPlease, select "
        "only one row and try again.");
    return false;
  }
  if (table_.rows.empty()) {
    env_.prompter().showMessage(kNoRowsMessage);
    return false;
  }
  return true;
}

bool EnhanceProductsModel::lockedInSetAll(int32_t column) const {
  return table_.isFedFromSource(column);
}

void EnhanceProductsModel::setAllAttributes(int32_t row, const CExtraItem& values) {
  forEachRow({row}, [&] {
    table_.setTaxFlag(values.taxFlag);
    if (!lockedInSetAll(kPublishStateColumn)) table_.setPublishState(values.publishState);
    if (!lockedInSetAll(kFeatureFlagColumn)) table_.setFeatureFlag(values.featureFlag);
    if (!lockedInSetAll(kPictureColumn)) table_.setPicture(values.picture, values.pictureFlag);
    if (!lockedInSetAll(kSalesDescriptionColumn)) {
      table_.setText(kSalesDescriptionColumn, values.salesDescription);
    }
    if (!lockedInSetAll(kLinkColumn)) table_.setLink(values.link, values.linkFlag);
    table_.setDownload(values.downloadPath, values.downloadPassword, values.downloadFlag,
                       values.uploadFlag);
    table_.setFeatureSelections(values.featureSelections);
  });
}

}  // namespace quorvex
