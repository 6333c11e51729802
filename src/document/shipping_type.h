#ifndef QUORVEX_DOCUMENT_SHIPPING_TYPE_H_
#define QUORVEX_DOCUMENT_SHIPPING_TYPE_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "document/record.h"

namespace quorvex {

// One range of a charge table.
struct ShippingRange {
  std::string limit;
  std::string charge;
};

// One shipping choice offered to the customer, with its charge table: range i
// covers the values of the basis (subtotal, weight or quantity) above the
// previous upper limit (above 0 for the first) up to and including
// upperLimits[i]; the last range's limit is "And Up" and covers the rest.
// Limits and charges are kept as typed and compared as decimal numbers.
class CShippingType : public Record {
  QUORVEX_RECORD(CShippingType)

 public:
  // The limit of the last range, which covers everything above the others.
  static constexpr const char* kAndUp = "And Up";

  // The name the customer chooses by.
  std::string label = "New Type";
  // The charge when shipping is a flat rate.
  std::string flatRate;
  // Ascending upper limits, parallel to `charges`.
  std::vector<std::string> upperLimits;
  std::vector<std::string> charges;

  // The number of ranges (limits with their charges).
  size_t rangeCount() const;

  // Appends a range.
  void appendRange(const ShippingRange& range);
  // Inserts a range before the range at `index` (at the end when `index` is
  // the range count). Returns false and changes nothing when `index` is
  // larger.
  bool insertRange(size_t index, const ShippingRange& range);
  // Replaces the limit and charge at `index`. Returns false and changes
  // nothing when `index` is out of range.
  bool replaceRange(size_t index, const ShippingRange& range);
  // Removes the limit and charge at `index`. Returns false and changes
  // nothing when `index` is out of range.
  bool removeRange(size_t index);

  // True when a range with the numeric limit `limit` placed just before the
  // range at `following` would swallow that range: it exists, is not the last
  // range, and its numeric limit is not greater than `limit`.
  bool overlapsRangeAt(size_t following, std::string_view limit) const;

  // Inserts a range before the range at `index` after removing the ranges
  // from `index` on that it swallows (see overlapsRangeAt), stopping at the
  // first one it does not. Returns false and changes nothing when `index` is
  // larger than the range count.
  bool insertRangeOver(size_t index, const ShippingRange& range);
  // Replaces the range at `index` after removing the ranges that follow it
  // and that it swallows, stopping at the first one it does not. Returns
  // false and changes nothing when `index` is out of range.
  bool replaceRangeOver(size_t index, const ShippingRange& range);

  // Record version 1: upperLimits, charges, label, flatRate; the shorter of
  // two stored lists of different length is padded with empty texts. Another
  // stored version reads nothing more and keeps the defaults.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;
  std::string inconsistency() const override;

  bool operator==(const CShippingType&) const = default;

 private:
  // Removes the ranges from `from` on that a range with `limit` swallows.
  void removeSwallowedRanges(size_t from, std::string_view limit);
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_SHIPPING_TYPE_H_
