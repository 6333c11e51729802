#include "products/product_file_reader.h"

#include <algorithm>
#include <vector>

#include "platform/paths.h"
#include "platform/strings.h"
#include "products/field_splitter.h"
#include "products/product_column.h"
#include "products/product_file_text.h"
#include "products/product_files.h"
#include "products/product_text.h"

namespace quorvex {

namespace {

// The version named in the header line of PriceList.txt: the text after the
// word "Quorvex", trimmed; "" when the line has no such word.
std::string versionOf(std::string_view header) {
  constexpr std::string_view kMarker = "Quorvex";
  const size_t at = header.find(kMarker);
  if (at == std::string_view::npos) return "";
  return std::string(trim(header.substr(at + kMarker.size())));
}

// The own file is always split at commas with double quotes.
constexpr char kOwnDelimiter = ',';
constexpr char kOwnQuote = '"';

}  // namespace

Status ProductFileReader::openLines(bool ownFile, std::string* bytes, LineCursor* lines) {
  std::filesystem::path file;
  if (ownFile) {
    std::optional<std::filesystem::path> own = priceListPath(env_, table_.companyName);
    if (!own) return Status::notFound("The company has no site folder.");
    file = *own;
  } else {
    if (table_.sourcePath.empty()) return Status::notFound("The product list has no source file.");
    file = resolveStoredPath(env_.home(), table_.sourcePath);
  }
  std::string error;
  switch (readWholeFile(file, bytes, &error)) {
    case FileReadResult::kNotOpened:
      return Status::notFound(file.string() + " does not exist.");
    case FileReadResult::kFailed: {
      std::string message = fileErrorMessage(error);
      env_.prompter().showMessage(message);
      return Status::ioError(std::move(message));
    }
    case FileReadResult::kRead:
      break;
  }
  const ProductFileText text(bytes);
  if (std::string warning = text.warning(file.string()); !warning.empty()) {
    env_.prompter().showMessage(warning);
  }
  *lines = LineCursor(*bytes);
  const int32_t headerCount = ownFile ? 2 : table_.headerLines;
  if (ownFile) table_.fileVersion.clear();
  std::string_view line;
  for (int32_t skipped = 0; skipped < headerCount - 1 && lines->next(&line); ++skipped) {
    if (ownFile) table_.fileVersion = versionOf(line);
  }
  return Status::success();
}

Status ProductFileReader::readRows(bool ownFile) {
  std::string bytes;
  LineCursor lines({});
  if (Status opened = openLines(ownFile, &bytes, &lines); !opened.ok()) {
    table_.clearRows();
    return opened;
  }
  table_.reserveRows(static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')));
  if (!table_.isImported()) {
    table_.categoryNames.clear();
    table_.categoryDescriptions.clear();
    categoriesSeen_.clear();
  }
  if (table_.isImported() && table_.columnIndex[kCategoryColumn] < 0) listCategoryNone();

  ProductRowParser parser(table_, ownFile, env_.prompter());
  const char delimiter = ownFile ? kOwnDelimiter : table_.delimiter;
  const char quote = ownFile ? kOwnQuote : table_.quoteChar;
  std::vector<std::string> fields;
  ParsedRow parsed;
  std::string_view line;
  while (lines.next(&line)) {
    if (line.empty()) continue;
    splitFields(line, delimiter, quote, &fields);
    if (!parser.parse(fields, &parsed)) continue;
    table_.featureColumnCount = parsed.featureColumnCount;
    const std::string partNumber = cleanPartNumber(parsed.item.partNumber);
    if (table_.addRow(partNumber, -1)) {
      table_.currentRow = static_cast<int32_t>(table_.rows.size()) - 1;
      CExtraItem& item = parsed.item;
      setNewRowValues(item, ownFile);
      table_.setDownload(item.downloadPath, item.downloadPassword, item.downloadFlag,
                         item.uploadFlag);
      table_.setTaxFlag(item.taxFlag);
      setFeatureSelections(parsed);
    } else {
      table_.selectRow(partNumber);
      updateReadRow(parsed, ownFile);
    }
  }
  table_.currentRow = -1;
  return Status::success();
}

Status ProductFileReader::refreshFromSource() {
  std::string bytes;
  LineCursor lines({});
  std::vector<bool> seen(table_.rows.size(), false);
  if (Status opened = openLines(false, &bytes, &lines); !opened.ok()) {
    table_.clearRows();
    return opened;
  }
  if (table_.columnIndex[kCategoryColumn] < 0) listCategoryNone();

  ProductRowParser parser(table_, false, env_.prompter());
  std::vector<std::string> fields;
  ParsedRow parsed;
  std::string_view line;
  while (lines.next(&line)) {
    if (line.empty()) continue;
    splitFields(line, table_.delimiter, table_.quoteChar, &fields);
    if (!parser.parse(fields, &parsed)) continue;
    const std::string partNumber = cleanPartNumber(parsed.item.partNumber);
    const int32_t known = table_.findRow(partNumber);
    if (known < 0) {
      table_.addRow(partNumber, -1);
      table_.currentRow = static_cast<int32_t>(table_.rows.size()) - 1;
      seen.push_back(true);
      setNewRowValues(parsed.item, false);
    } else {
      seen[known] = true;
      table_.currentRow = known;
      updateRefreshedRow(parsed.item);
    }
  }
  std::vector<int32_t> gone;
  for (size_t i = 0; i < seen.size(); ++i) {
    if (!seen[i]) gone.push_back(static_cast<int32_t>(i));
  }
  table_.deleteRows(std::move(gone));
  table_.currentRow = -1;
  return Status::success();
}

void ProductFileReader::listCategoryNone() {
  if (table_.categoryNames.empty() || table_.categoryDescriptions.empty()) {
    table_.categoryNames.resize(std::max<size_t>(1, table_.categoryNames.size()));
    table_.categoryDescriptions.resize(table_.categoryNames.size());
  }
  table_.categoryNames[0] = std::string("none");
  table_.categoryDescriptions[0] = std::string("Our Products");
}

std::string ProductFileReader::importedPicture(const std::string& picture, bool ownFile) const {
  if (ownFile || picture.empty() || table_.pictureFolder.empty()) return picture;
  return table_.pictureFolder + "\\" + picture;
}

void ProductFileReader::setNewRowValues(CExtraItem& parsed, bool ownFile) {
  // The two long texts of a row are handed over rather than copied: the
  // description is stored as given, and the parser stored the sales
  // description trimmed as setText() would.
  CExtraItem& row = table_.rows[table_.currentRow];
  row.description = cleanDescription(parsed.description);
  table_.setText(kPriceColumn, parsed.price);
  table_.setText(kCategoryColumn, parsed.category);
  table_.setText(kWeightColumn, parsed.weight);
  noteCategory();
  row.salesDescription = std::move(parsed.salesDescription);
  table_.setLink(parsed.link, parsed.linkFlag);
  const std::string picture = importedPicture(parsed.picture, ownFile);
  table_.setPicture(picture, picture.empty() ? parsed.pictureFlag : 2);
  table_.setPublishState(parsed.publishState);
  table_.setFeatureFlag(parsed.featureFlag);
}

void ProductFileReader::updateReadRow(const ParsedRow& parsed, bool ownFile) {
  const CExtraItem& item = parsed.item;
  table_.setText(kDescriptionColumn, cleanDescription(item.description));
  table_.setText(kPriceColumn, item.price);
  table_.setText(kCategoryColumn, item.category);
  table_.setText(kWeightColumn, item.weight);
  noteCategory();
  if (mapped(kSalesDescriptionColumn)) {
    table_.setText(kSalesDescriptionColumn, item.salesDescription);
  }
  if (mapped(kLinkColumn)) {
    const int32_t byText = item.link.empty() ? 0 : 2;
    table_.setLink(item.link, mapped(kLinkFlagColumn) ? item.linkFlag : byText);
  }
  if (mapped(kPictureColumn)) {
    const std::string picture = importedPicture(item.picture, ownFile);
    const int32_t byText = picture.empty() ? 0 : 2;
    table_.setPicture(picture, mapped(kPictureFlagColumn) ? item.pictureFlag : byText);
  }
  if (mapped(kPublishStateColumn)) table_.setPublishState(item.publishState);
  if (mapped(kFeatureFlagColumn)) table_.setFeatureFlag(item.featureFlag);
  if (mapped(kTaxFlagColumn)) table_.setTaxFlag(item.taxFlag);
  if (mapped(kDownloadPathColumn)) {
    const std::string& path = item.downloadPath;
    table_.setDownload(path, mapped(kDownloadPasswordColumn) ? item.downloadPassword : "",
                       mapped(kDownloadFlagColumn) ? item.downloadFlag : (path.empty() ? 0 : 1),
                       mapped(kUploadFlagColumn) ? item.uploadFlag
                                                 : table_.getFlag(kUploadFlagColumn));
  }
  setFeatureSelections(parsed);
}

void ProductFileReader::updateRefreshedRow(const CExtraItem& parsed) {
  table_.setText(kDescriptionColumn, cleanDescription(parsed.description));
  table_.setText(kPriceColumn, parsed.price);
  table_.setText(kCategoryColumn, parsed.category);
  table_.setText(kWeightColumn, parsed.weight);
  if (mapped(kSalesDescriptionColumn)) {
    table_.setText(kSalesDescriptionColumn, parsed.salesDescription);
  }
  if (mapped(kLinkFlagColumn)) {
    // Without a Link column the parsed link is the default address; a flag
    // asking for that address then means no link.
    if (!mapped(kLinkColumn) && parsed.linkFlag == 2) {
      table_.setLink("", 0);
    } else {
      table_.setLink(parsed.link, parsed.linkFlag);
    }
  }
  if (mapped(kPictureColumn)) {
    const std::string picture = importedPicture(parsed.picture, false);
    table_.setPicture(picture, picture.empty() ? parsed.pictureFlag : 2);
  } else if (mapped(kPictureFlagColumn)) {
    table_.setPicture("", parsed.pictureFlag == 2 ? 0 : parsed.pictureFlag);
  }
  if (mapped(kPublishStateColumn)) table_.setPublishState(parsed.publishState);
  if (mapped(kFeatureFlagColumn)) table_.setFeatureFlag(parsed.featureFlag);
}

void ProductFileReader::setFeatureSelections(const ParsedRow& parsed) {
  if (parsed.featureColumnCount == 0) return;
  std::vector<CFeatureCheck> selections = table_.currentItem().featureSelections;
  const size_t read = std::min(parsed.item.featureSelections.size(), selections.size());
  for (size_t i = 0; i < read; ++i) selections[i] = parsed.item.featureSelections[i];
  table_.setFeatureSelections(std::move(selections));
}

void ProductFileReader::noteCategory() {
  if (table_.isImported()) return;
  const std::string& category = table_.currentItem().category;
  if (categoriesSeen_.insert(category).second) {
    table_.categoryNames.push_back(category);
    table_.categoryDescriptions.push_back(category);
  }
}

bool ProductFileReader::mapped(int32_t column) const { return table_.columnIndex[column] > 0; }

}  // namespace quorvex
