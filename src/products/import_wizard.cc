#include "products/import_wizard.h"

#include <algorithm>
#include <system_error>
#include <unordered_set>

#include "platform/paths.h"
#include "products/field_splitter.h"
#include "products/line_cursor.h"
#include "products/product_file_text.h"
#include "products/product_column.h"
#include "products/product_files.h"

namespace quorvex {

namespace {

constexpr std::array<std::string_view, ImportWizard::kLabelCount> kLabelNames = {
    "Part Number", "Description", "Price",        "Weight",    "Category",     "Sales Blurb",
    "Link",        "Picture",     "Picture Flag", "Link Flag", "Publish Flag", "Featured Flag"};
constexpr std::string_view kNotUsedName = "NOT USED";

// A cursor over the lines of `text` after the first `startRow` - 1.
LineCursor linesFrom(std::string_view text, int32_t startRow) {
  LineCursor lines(text);
  std::string_view skipped;
  for (int32_t i = 1; i < startRow && lines.next(&skipped); ++i) {
  }
  return lines;
}

}  // namespace

std::string_view ImportWizard::labelName(int32_t label) {
  if (label < 0 || label >= kLabelCount) return kNotUsedName;
  return kLabelNames[label];
}

int32_t ImportWizard::labelNamed(std::string_view name) {
  auto it = std::find(kLabelNames.begin(), kLabelNames.end(), name);
  return it == kLabelNames.end() ? kNotUsed : static_cast<int32_t>(it - kLabelNames.begin());
}

ImportWizard::ImportWizard(const Env& env, CExtraFields& table) : env_(env), table_(table) {
  labelPositions_.fill(-1);
}

std::string ImportWizard::proposedFile() const {
  return table_.isImported() && !table_.rows.empty() ? table_.sourcePath : "";
}

bool ImportWizard::start(const std::string& file) {
  if (!table_.isImported() &&
      !env_.prompter().askYesNo(
          "Your current database is managed from within Quorvex.\nIf you continue importing, "
          "your current database will be overwritten.\n       Do you want to continue?")) {
    return false;
  }
  file_ = file;
  if (!readFile()) return false;
  previewed_ = false;
  labelPositions_.fill(-1);
  pictureFolder_.clear();
  if (file == table_.sourcePath) {
    std::copy_n(table_.columnIndex.begin(), kLabelCount, labelPositions_.begin());
    pictureFolder_ = table_.pictureFolder;
  }
  return true;
}

bool ImportWizard::readFile() {
  std::string error;
  const std::filesystem::path file = resolveStoredPath(env_.home(), file_);
  switch (readWholeFile(file, &bytes_, &error)) {
    case FileReadResult::kRead: {
      const ProductFileText text(&bytes_);
      if (std::string warning = text.warning(file.string()); !warning.empty()) {
        env_.prompter().showMessage(warning);
      }
      return true;
    }
    case FileReadResult::kNotOpened:
      env_.prompter().showMessage("I'm sorry, that file does not exist.");
      return false;
    case FileReadResult::kFailed:
      env_.prompter().showMessage(fileErrorMessage(error));
      return false;
  }
  return false;
}

void ImportWizard::setStartRow(int32_t row) { startRow_ = std::clamp(row, 1, kMaxStartRow); }

bool ImportWizard::preview(Preview* preview) {
  *preview = Preview();
  previewed_ = false;
  LineCursor lines = linesFrom(bytes_, startRow_);
  std::string_view line;
  std::vector<std::string> fields;
  bool unclosedQuote = false;
  bool unclosedQuoteShown = false;
  while (static_cast<int32_t>(preview->lines.size()) < kPreviewLines && lines.next(&line)) {
    splitFields(line, delimiter_, qualifier_, &fields, &unclosedQuote);
    if (unclosedQuote && !unclosedQuoteShown) {
      unclosedQuoteShown = true;
      env_.prompter().showMessage(
          "WARNING: Row " + std::to_string(startRow_ + preview->lines.size()) +
          " opens a quote (" + std::string(1, qualifier_) +
          ") that is never closed; the rest of that row is read as one field.");
    }
    if (preview->lines.empty()) {
      if (fields.empty()) {
        env_.prompter().showMessage("Unable to parse database.");
        return false;
      }
      preview->columns = static_cast<int32_t>(fields.size());
    }
    fields.resize(preview->columns);
    preview->lines.push_back(fields);
  }
  if (preview->lines.empty()) {
    env_.prompter().showMessage("No rows left in database.");
    return false;
  }
  previewed_ = true;
  return true;
}

bool ImportWizard::leaveDelimiterPage() {
  if (previewed_) return true;
  env_.prompter().showMessage("You have not yet chosen a valid database.");
  return false;
}

int32_t ImportWizard::labelOfColumn(int32_t position) const {
  auto it = std::find(labelPositions_.begin(), labelPositions_.end(), position);
  if (position < 0 || it == labelPositions_.end()) return kNotUsed;
  return static_cast<int32_t>(it - labelPositions_.begin());
}

int32_t ImportWizard::positionOf(int32_t label) const {
  return label < 0 || label >= kLabelCount ? -1 : labelPositions_[label];
}

bool ImportWizard::chooseLabel(int32_t position, int32_t label) {
  if (position < 0) return false;
  if (label < 0 || label >= kLabelCount) label = kNotUsed;
  if (label != kNotUsed && labelPositions_[label] >= 0 && labelPositions_[label] != position) {
    env_.prompter().showMessage(
        "That label has already been used for another column.\nIf need be, you can set the "
        "other column label to NOT USED.");
    return false;
  }
  const int32_t old = labelOfColumn(position);
  if (old != kNotUsed) labelPositions_[old] = -1;
  if (label != kNotUsed) labelPositions_[label] = position;
  return true;
}

bool ImportWizard::leaveLabelPage() {
  for (int32_t column : {kPartNumberColumn, kDescriptionColumn, kPriceColumn}) {
    if (labelPositions_[column] < 0) {
      env_.prompter().showMessage("You have not selected a " + std::string(kLabelNames[column]) +
                                  " column.");
      return false;
    }
  }
  return true;
}

void ImportWizard::buildCategoryList() {
  categoryNames_.clear();
  categoryDescriptions_.clear();
  const int32_t column = positionOf(kCategoryColumn);
  if (column < 0) return;
  LineCursor lines = linesFrom(bytes_, startRow_);
  std::unordered_set<std::string> listed;
  std::vector<std::string> fields;
  std::string_view line;
  while (lines.next(&line)) {
    if (line.empty()) continue;
    splitFields(line, delimiter_, qualifier_, &fields);
    if (column >= static_cast<int32_t>(fields.size())) continue;
    if (listed.insert(fields[column]).second) {
      categoryNames_.push_back(fields[column]);
      categoryDescriptions_.push_back(fields[column]);
    }
  }
}

CategoryNameForm ImportWizard::categoryForm(size_t index) const {
  if (index >= categoryNames_.size()) return CategoryNameForm();
  return CategoryNameForm::open(categoryNames_[index], categoryDescriptions_[index]);
}

void ImportWizard::setCategory(size_t index, const CategoryNameForm& form) {
  if (index < categoryDescriptions_.size()) {
    categoryDescriptions_[index] = form.confirmedDescription();
  }
}

bool ImportWizard::finish() {
  const bool sameFile = table_.isImported() && file_ == table_.sourcePath;
  table_.sourcePath = file_;
  table_.headerLines = startRow_;
  table_.delimiter = delimiter_;
  table_.quoteChar = qualifier_;
  table_.columnIndex = CExtraFields::unusedColumns();
  std::copy(labelPositions_.begin(), labelPositions_.end(), table_.columnIndex.begin());
  table_.pictureFolder = pictureFolder_;
  table_.categoryNames = categoryNames_;
  table_.categoryDescriptions = categoryDescriptions_;
  table_.inProgram = 0;
  table_.clearRows();
  // Rows that could not be read (the error shown) are not written over the
  // products PriceList.txt holds.
  const Status read = sameFile ? table_.loadRows(env_) : table_.readRows(env_, false);
  if (!read.ok()) {
    table_.clearRows();
    return false;
  }
  const bool written = table_.writeRows(env_);
  table_.clearRows();
  return written;
}

}  // namespace quorvex
