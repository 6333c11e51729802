#include "products/part_number_index.h"

#include <algorithm>
#include <bit>

#include "platform/huge_pages.h"
#include "products/product_text.h"

namespace quorvex {

namespace {

uint32_t tagOf(uint64_t hash) { return static_cast<uint32_t>(hash >> 32); }

}  // namespace

int32_t PartNumberIndex::find(const std::vector<CExtraItem>& rows, std::string_view cleaned) {
  if (!matches(rows)) rebuild(rows);
  const uint64_t hash = textHash(cleaned);
  size_t slot = 0;
  Probe found = probe(rows, cleaned, hash, &slot);
  if (found == Probe::kStale) {
    // A part number was changed directly in the list: look again afresh.
    rebuild(rows);
    found = probe(rows, cleaned, hash, &slot);
  }
  return found == Probe::kFound ? slots_[slot].position : -1;
}

void PartNumberIndex::appended(const std::vector<CExtraItem>& rows, std::string_view cleaned) {
  if (!built_ || rows.empty() || indexedSize_ + 1 != rows.size()) {
    built_ = false;
    return;
  }
  if (rows.size() * 2 > slots_.size()) {
    rebuild(rows, rows.size() * 2);
    return;
  }
  insert(rows, static_cast<int32_t>(rows.size() - 1), cleaned);
  indexedData_ = rows.data();
  indexedSize_ = rows.size();
}

void PartNumberIndex::reserve(const std::vector<CExtraItem>& rows, size_t count) {
  if (!matches(rows) || count * 2 > slots_.size()) rebuild(rows, count);
}

bool PartNumberIndex::matches(const std::vector<CExtraItem>& rows) const {
  return built_ && indexedData_ == rows.data() && indexedSize_ == rows.size();
}

PartNumberIndex::Probe PartNumberIndex::probe(const std::vector<CExtraItem>& rows,
                                              std::string_view cleaned, uint64_t hash,
                                              size_t* slot) const {
  const size_t mask = slots_.size() - 1;
  const uint32_t tag = tagOf(hash);
  for (size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& candidate = slots_[at];
    if (candidate.position < 0) {
      *slot = at;
      return Probe::kFree;
    }
    if (candidate.hashTag != tag) continue;
    const std::string& partNumber = rows[candidate.position].partNumber;
    if (cleanPartNumberEquals(partNumber, cleaned)) {
      *slot = at;
      return Probe::kFound;
    }
    if (tagOf(cleanPartNumberHash(partNumber)) != tag) return Probe::kStale;
  }
}

void PartNumberIndex::insert(const std::vector<CExtraItem>& rows, int32_t position,
                             std::string_view cleaned) {
  const uint64_t hash = textHash(cleaned);
  size_t slot = 0;
  const Probe found = probe(rows, cleaned, hash, &slot);
  // A stale slot means a row changed behind the index's back: rebuild later.
  if (found == Probe::kStale) built_ = false;
  if (found != Probe::kFree) return;
  slots_[slot] = {tagOf(hash), position};
}

void PartNumberIndex::rebuild(const std::vector<CExtraItem>& rows, size_t room) {
  const size_t count = std::max(rows.size(), room);
  const size_t slotCount = std::bit_ceil(std::max<size_t>(16, count * 2));
  std::vector<Slot>().swap(slots_);
  slots_.reserve(slotCount);
  adviseHugePages(slots_.data(), slotCount * sizeof(Slot));
  slots_.resize(slotCount);
  for (size_t i = 0; i < rows.size(); ++i) {
    insert(rows, static_cast<int32_t>(i), cleanPartNumber(rows[i].partNumber));
  }
  built_ = true;
  indexedData_ = rows.data();
  indexedSize_ = rows.size();
}

}  // namespace quorvex
