#include "products/extra_fields.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "document/archive.h"
#include "document/field_visitor.h"
#include "platform/atomic_file.h"
#include "platform/huge_pages.h"
#include "products/dbase.h"
#include "products/price_list_writer.h"
#include "products/product_file_reader.h"
#include "products/product_files.h"
#include "products/product_text.h"
#include "products/row_sorter.h"

namespace quorvex {

namespace {

// The columnIndex entries stored before inProgram: 0 to 11 up to schema 5,
// 0 to 14 in schemas 6 and 7, 0 to 15 from schema 8 (entry 16 comes later).
int32_t leadingColumnsStored(uint16_t schema) {
  if (schema <= 5) return 12;
  if (schema <= 7) return 15;
  return 16;
}

// The system's description of a path that cannot be formed, such as the site
// folder of a company without a name.
std::string invalidPathText() { return std::make_error_code(std::errc::invalid_argument).message(); }

bool validFlag(int32_t flag, int32_t highest) { return flag >= 0 && flag <= highest; }

}  // namespace

void CExtraFields::takeLegacySettings(const CDBase& legacy) {
  sourcePath = legacy.sourcePath;
  headerLines = legacy.headerLines;
  delimiter = legacy.delimiter;
  quoteChar = legacy.quoteChar;
  for (size_t i = 0; i < legacy.columnPositions.size(); ++i) {
    columnIndex[i] = legacy.columnPositions[i];
  }
  categoryNames = legacy.categoryNames;
  categoryDescriptions = legacy.categoryDescriptions;
  inProgram = legacy.inProgram;
}

void CExtraFields::migrateLegacyRows(const Env& env) {
  // A failed rewrite has shown its file error; the rows stay in the old file.
  if (readRows(env, !isImported()).ok()) (void)writeRows(env);
  clearRows();
}

bool CExtraFields::createInProgram(const Env& env) {
  headerLines = 2;
  delimiter = ',';
  quoteChar = '"';
  pictureFolder.clear();
  columnIndex = unusedColumns();
  categoryNames.clear();
  categoryDescriptions.clear();
  std::optional<std::filesystem::path> file = priceListPath(env, companyName);
  if (!file) {
    env.prompter().showMessage(fileErrorMessage(invalidPathText()));
    return false;
  }
  sourcePath = file->string();
  std::error_code error;
  std::filesystem::create_directories(file->parent_path(), error);
  if (error) {
    env.prompter().showMessage(fileErrorMessage(error.message()));
    return false;
  }
  if (std::filesystem::exists(*file, error)) return true;
  Status status = replaceFileAtomically(*file, priceListHeader() + "\r\n");
  if (!status.ok()) {
    env.prompter().showMessage(fileErrorMessage(status.message()));
    return false;
  }
  return true;
}

Status CExtraFields::loadRows(const Env& env) {
  ProductFileReader reader(*this, env);
  Status read = reader.readRows(true);
  // An unreadable PriceList.txt would lose the values set in the program.
  if (!read.ok() && read.code() != Status::Code::kNotFound) return read;
  if (isImported() && !sourcePath.empty()) return reader.refreshFromSource();
  return read;
}

Status CExtraFields::readRows(const Env& env, bool ownFile) {
  return ProductFileReader(*this, env).readRows(ownFile);
}

bool CExtraFields::writeRows(const Env& env) const {
  std::optional<std::filesystem::path> file = priceListPath(env, companyName);
  if (!file) {
    env.prompter().showMessage(fileErrorMessage(invalidPathText()));
    return false;
  }
  std::error_code error;
  std::filesystem::create_directories(file->parent_path(), error);
  if (error) {
    env.prompter().showMessage(fileErrorMessage(error.message()));
    return false;
  }
  Status status = writePriceListFile(*file, rows, featureDefinitions);
  if (!status.ok()) {
    env.prompter().showMessage(fileErrorMessage(status.message()));
    return false;
  }
  return true;
}

void CExtraFields::clearRows() {
  std::vector<CExtraItem>().swap(rows);
  currentRow = -1;
  partNumbers_.invalidate();
}

void CExtraFields::reserveRows(size_t count) {
  rows.reserve(rows.size() + count);
  adviseHugePages(rows.data() + rows.size(), count * sizeof(CExtraItem));
  partNumbers_.reserve(rows, rows.size() + count);
}

bool CExtraFields::addRow(std::string_view partNumber, int32_t position) {
  std::string cleaned = cleanPartNumber(partNumber);
  if (findRow(cleaned) >= 0) return false;
  CExtraItem row;
  row.partNumber = std::string(partNumber);
  row.featureSelections.reserve(featureDefinitions.size());
  for (const CProductFeature& feature : featureDefinitions) {
    row.featureSelections.emplace_back(feature.name, 0, std::vector<std::string>{});
  }
  const int32_t count = static_cast<int32_t>(rows.size());
  if (position < 0 || position >= count) {
    rows.push_back(std::move(row));
    partNumbers_.appended(rows, std::move(cleaned));
    return true;
  }
  rows.insert(rows.begin() + position, std::move(row));
  partNumbers_.invalidate();
  if (currentRow >= position) ++currentRow;
  return true;
}

bool CExtraFields::selectRow(std::string_view partNumber) {
  const int32_t index = findRow(partNumber);
  if (index < 0) return false;
  currentRow = index;
  return true;
}

int32_t CExtraFields::findRow(std::string_view partNumber) const {
  return partNumbers_.find(rows, partNumber);
}

void CExtraFields::deleteRow(int32_t index) { deleteRows({index}); }

void CExtraFields::deleteRows(std::vector<int32_t> indexes) {
  std::vector<bool> remove(rows.size(), false);
  bool any = false;
  for (int32_t index : indexes) {
    if (index < 0 || index >= static_cast<int32_t>(rows.size())) continue;
    remove[index] = true;
    any = true;
  }
  if (!any) return;
  size_t kept = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (remove[i]) continue;
    if (kept != i) rows[kept] = std::move(rows[i]);
    ++kept;
  }
  rows.resize(kept);
  partNumbers_.invalidate();
  if (currentRow >= static_cast<int32_t>(rows.size())) currentRow = -1;
}

bool CExtraFields::firstRow() {
  currentRow = -1;
  return !rows.empty();
}

bool CExtraFields::nextRow() {
  if (currentRow + 1 < static_cast<int32_t>(rows.size())) {
    ++currentRow;
    return true;
  }
  currentRow = -1;
  return false;
}

const CExtraItem* CExtraFields::current() const {
  if (currentRow < 0 || currentRow >= static_cast<int32_t>(rows.size())) return nullptr;
  return &rows[currentRow];
}

CExtraItem* CExtraFields::current() {
  return const_cast<CExtraItem*>(std::as_const(*this).current());
}

const CExtraItem& CExtraFields::currentItem() const {
  static const CExtraItem kBadItem = [] {
    CExtraItem placeholder;
    placeholder.partNumber = "Bad Item";
    return placeholder;
  }();
  const CExtraItem* row = current();
  return row == nullptr ? kBadItem : *row;
}

std::string CExtraFields::getText(int32_t column) const {
  const CExtraItem* row = current();
  return row == nullptr ? "" : row->columnText(column);
}

int32_t CExtraFields::getFlag(int32_t column) const {
  const CExtraItem* row = current();
  return row == nullptr ? 0 : row->flag(column);
}

void CExtraFields::setText(int32_t column, std::string_view text) {
  CExtraItem* row = current();
  if (row != nullptr && column != kPartNumberColumn) row->setText(column, text);
}

bool CExtraFields::setPartNumber(std::string_view partNumber) {
  CExtraItem* row = current();
  if (row == nullptr) return false;
  const int32_t holder = findRow(cleanPartNumber(partNumber));
  if (holder >= 0 && holder != currentRow) return false;
  row->partNumber = std::string(partNumber);
  partNumbers_.invalidate();
  return true;
}

void CExtraFields::setLink(std::string_view link, int32_t flag) {
  CExtraItem* row = current();
  if (row == nullptr || !validFlag(flag, 2)) return;
  row->setText(kLinkColumn, link);
  row->linkFlag = flag;
}

void CExtraFields::setPicture(std::string_view picture, int32_t flag) {
  CExtraItem* row = current();
  if (row == nullptr || !validFlag(flag, 2)) return;
  row->setText(kPictureColumn, picture);
  row->pictureFlag = flag;
}

void CExtraFields::setPublishState(int32_t state) {
  CExtraItem* row = current();
  if (row != nullptr && validFlag(state, 1)) row->publishState = state;
}

void CExtraFields::setFeatureFlag(int32_t flag) {
  CExtraItem* row = current();
  if (row != nullptr && validFlag(flag, 1)) row->featureFlag = flag;
}

void CExtraFields::setTaxFlag(int32_t flag) {
  CExtraItem* row = current();
  if (row != nullptr && validFlag(flag, 1)) row->taxFlag = flag;
}

void CExtraFields::setDownload(std::string_view path, std::string_view password,
                               int32_t downloadFlag, int32_t uploadFlag) {
  CExtraItem* row = current();
  if (row == nullptr || !validFlag(downloadFlag, 1)) return;
  row->setText(kDownloadPathColumn, path);
  row->setText(kDownloadPasswordColumn, password);
  row->downloadFlag = downloadFlag;
  row->uploadFlag = uploadFlag;
}

void CExtraFields::setFeatureSelections(std::vector<CFeatureCheck> selections) {
  CExtraItem* row = current();
  if (row == nullptr || selections.size() != featureDefinitions.size()) return;
  row->featureSelections = std::move(selections);
}

std::string CExtraFields::categoryDescriptionOf() const {
  const CExtraItem* row = current();
  if (row == nullptr) return "";
  const std::string& category = row->category;
  const size_t listed = std::min(categoryNames.size(), categoryDescriptions.size());
  for (size_t i = 0; i < listed; ++i) {
    if (categoryNames[i] == category) return categoryDescriptions[i];
  }
  return "";
}

void CExtraFields::addCategory(std::string_view name) {
  if (std::find(categoryNames.begin(), categoryNames.end(), name) != categoryNames.end()) return;
  categoryNames.emplace_back(name);
  categoryDescriptions.emplace_back(name);
}

void CExtraFields::addFeature(const CProductFeature& feature, bool allOptions) {
  for (const CProductFeature& defined : featureDefinitions) {
    if (defined.name == feature.name) return;
  }
  featureDefinitions.push_back(feature);
  for (CExtraItem& row : rows) {
    row.featureSelections.emplace_back(
        feature.name, 0, allOptions ? feature.options : std::vector<std::string>{});
  }
}

void CExtraFields::removeFeature(int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(featureDefinitions.size())) return;
  const std::string name = featureDefinitions[index].name;
  featureDefinitions.erase(featureDefinitions.begin() + index);
  for (CExtraItem& row : rows) {
    std::vector<CFeatureCheck>& selections = row.featureSelections;
    auto it = std::find_if(selections.begin(), selections.end(),
                           [&](const CFeatureCheck& selection) { return selection.label == name; });
    if (it != selections.end()) selections.erase(it);
  }
}

std::vector<int32_t> CExtraFields::sortKeyChoices() const {
  std::vector<int32_t> choices;
  for (int32_t column : {kPartNumberColumn, kDescriptionColumn, kWeightColumn, kPriceColumn}) {
    if (!isImported() || columnIndex[column] >= 0) choices.push_back(column);
  }
  for (int32_t column : {kSalesDescriptionColumn, kLinkFlagColumn, kPictureFlagColumn,
                         kFeatureFlagColumn, kDownloadFlagColumn, kUploadFlagColumn}) {
    choices.push_back(column);
  }
  return choices;
}

void CExtraFields::sortRows() {
  if (sortEnabled != 1) return;
  std::vector<SortKey> keys = {{sortKey1, sortDescending1 == 1}};
  if (sortThenEnabled == 1) {
    keys.push_back({sortKey2, sortDescending2 == 1});
    if (sortThen2Enabled == 1) keys.push_back({sortKey3, sortDescending3 == 1});
  }
  sortProductRows(&rows, keys);
  partNumbers_.invalidate();
  currentRow = -1;
}

bool CExtraFields::weightsAvailable() const {
  return !isImported() || columnIndex[kWeightColumn] >= 0;
}

bool CExtraFields::isFedFromSource(int32_t column) const {
  if (!isImported() || column < 0 || column >= kProductColumnCount) return false;
  int32_t flagColumn = column;
  if (column == kLinkColumn) flagColumn = kLinkFlagColumn;
  if (column == kPictureColumn) flagColumn = kPictureFlagColumn;
  return columnIndex[column] >= 0 || columnIndex[flagColumn] >= 0;
}

void CExtraFields::copyFrom(const CExtraFields& other) {
  if (this == &other) return;
  CFontData keptFont = std::move(categoryLinkFont);
  std::vector<std::string> keptPageLinks = std::move(categoryPageLinks);
  std::string keptVersion = std::move(fileVersion);
  const int32_t keptCurrentRow = currentRow;
  const int32_t keptFeatureColumns = featureColumnCount;
  *this = other;
  categoryLinkFont = std::move(keptFont);
  categoryPageLinks = std::move(keptPageLinks);
  fileVersion = std::move(keptVersion);
  currentRow = keptCurrentRow;
  featureColumnCount = keptFeatureColumns;
  partNumbers_.invalidate();
}

void CExtraFields::serialize(Archive& ar) {
  const uint16_t schema = ar.isLoading() ? ar.schema() : kSchema;
  if (schema < 1 || schema > kSchema) {
    ar.fail("CExtraFields of schema 1 to 12, not " + std::to_string(schema));
    return;
  }
  if (schema <= 3) {
    int32_t discarded = 0;
    ar.io(discarded);
  }
  if (schema <= 2) {
    imageResizeAll = 0;
    imageWidth = 100;
  } else {
    ar.io(imageResizeAll);
    ar.io(imageWidth);
  }
  ar.ioInlineList(rows);
  if (schema >= 2) ar.ioInlineList(featureDefinitions);
  if (schema >= 5) ioCategorySettings(ar, schema);
  if (schema >= 10) ioSortSettings(ar, schema);
  if (schema >= 12) categoryLinkFont.serialize(ar);
}

void CExtraFields::ioCategorySettings(Archive& ar, uint16_t schema) {
  ar.ioStringList(categoryNames);
  ar.ioStringList(categoryDescriptions);
  if (schema >= 9) ar.ioStringList(categoryPageLinks);
  ar.io(headerLines);
  ar.ioBytes(&delimiter, 1);
  ar.ioBytes(&quoteChar, 1);
  ar.io(sourcePath);
  const int32_t leading = leadingColumnsStored(schema);
  for (int32_t column = 0; column < leading; ++column) ar.io(columnIndex[column]);
  ar.io(inProgram);
  if (schema >= 7) ar.io(pictureFolder);
}

void CExtraFields::ioSortSettings(Archive& ar, uint16_t schema) {
  for (int32_t* value :
       {&sortEnabled, &sortThenEnabled, &sortThen2Enabled, &sortKey1, &sortDescending1, &sortKey2,
        &sortDescending2, &sortKey3, &sortDescending3}) {
    ar.io(*value);
  }
  if (schema >= 11) ar.io(columnIndex[kTaxFlagColumn]);
}

void CExtraFields::visitFields(FieldVisitor& visitor) {
  visitor.field("imageResizeAll", imageResizeAll);
  visitor.field("imageWidth", imageWidth);
  visitor.field("rows", rows);
  visitor.field("featureDefinitions", featureDefinitions);
  visitor.field("categoryNames", categoryNames);
  visitor.field("categoryDescriptions", categoryDescriptions);
  visitor.field("categoryPageLinks", categoryPageLinks);
  visitor.field("headerLines", headerLines);
  visitor.field("delimiter", delimiter);
  visitor.field("quoteChar", quoteChar);
  visitor.field("sourcePath", sourcePath);
  visitor.field("columnIndex", columnIndex);
  visitor.field("inProgram", inProgram);
  visitor.field("pictureFolder", pictureFolder);
  visitor.field("sortEnabled", sortEnabled);
  visitor.field("sortThenEnabled", sortThenEnabled);
  visitor.field("sortThen2Enabled", sortThen2Enabled);
  visitor.field("sortKey1", sortKey1);
  visitor.field("sortDescending1", sortDescending1);
  visitor.field("sortKey2", sortKey2);
  visitor.field("sortDescending2", sortDescending2);
  visitor.field("sortKey3", sortKey3);
  visitor.field("sortDescending3", sortDescending3);
  visitor.field("categoryLinkFont", categoryLinkFont);
}

}  // namespace quorvex
