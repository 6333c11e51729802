#include "products/part_number_index.h"

#include "products/product_text.h"

namespace quorvex {

int32_t PartNumberIndex::find(const std::vector<CExtraItem>& rows, std::string_view cleaned) {
  if (!matches(rows)) rebuild(rows);
  auto it = positions_.find(std::string(cleaned));
  if (it == positions_.end()) return -1;
  if (cleanPartNumber(rows[it->second].partNumber) == cleaned) return it->second;
  // A part number was changed directly in the list: look again afresh.
  rebuild(rows);
  it = positions_.find(std::string(cleaned));
  return it == positions_.end() ? -1 : it->second;
}

void PartNumberIndex::appended(const std::vector<CExtraItem>& rows, std::string cleaned) {
  if (!built_ || rows.empty() || indexedSize_ + 1 != rows.size()) {
    built_ = false;
    return;
  }
  positions_.try_emplace(std::move(cleaned), static_cast<int32_t>(rows.size() - 1));
  indexedData_ = rows.data();
  indexedSize_ = rows.size();
}

bool PartNumberIndex::matches(const std::vector<CExtraItem>& rows) const {
  return built_ && indexedData_ == rows.data() && indexedSize_ == rows.size();
}

void PartNumberIndex::rebuild(const std::vector<CExtraItem>& rows) {
  positions_.clear();
  positions_.reserve(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    positions_.try_emplace(cleanPartNumber(rows[i].partNumber), static_cast<int32_t>(i));
  }
  built_ = true;
  indexedData_ = rows.data();
  indexedSize_ = rows.size();
}

}  // namespace quorvex
