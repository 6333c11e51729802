#include "document/shipping_type.h"

#include <optional>

#include "document/archive.h"
#include "document/decimal_text.h"
#include "document/field_visitor.h"
#include "document/parallel_table.h"

namespace quorvex {
namespace {

constexpr ParallelTable<CShippingType, ShippingRange, 2> kRanges({{
    {&CShippingType::upperLimits, &ShippingRange::limit},
    {&CShippingType::charges, &ShippingRange::charge},
}});

}  // namespace

size_t CShippingType::rangeCount() const { return kRanges.count(*this); }

void CShippingType::appendRange(const ShippingRange& range) { kRanges.add(*this, range); }

bool CShippingType::insertRange(size_t index, const ShippingRange& range) {
  return kRanges.insert(*this, index, range);
}

bool CShippingType::replaceRange(size_t index, const ShippingRange& range) {
  return kRanges.replace(*this, index, range);
}

bool CShippingType::removeRange(size_t index) { return kRanges.remove(*this, index); }

bool CShippingType::overlapsRangeAt(size_t following, std::string_view limit) const {
  if (following + 1 >= rangeCount() || following >= upperLimits.size()) return false;
  const std::optional<double> newLimit = parseDecimal(limit);
  const std::optional<double> oldLimit = parseDecimal(upperLimits[following]);
  return newLimit && oldLimit && *oldLimit <= *newLimit;
}

bool CShippingType::insertRangeOver(size_t index, const ShippingRange& range) {
  if (index > rangeCount()) return false;
  removeSwallowedRanges(index, range.limit);
  return insertRange(index, range);
}

bool CShippingType::replaceRangeOver(size_t index, const ShippingRange& range) {
  if (index >= rangeCount()) return false;
  removeSwallowedRanges(index + 1, range.limit);
  return replaceRange(index, range);
}

void CShippingType::removeSwallowedRanges(size_t from, std::string_view limit) {
  while (overlapsRangeAt(from, limit)) removeRange(from);
}

void CShippingType::serialize(Archive& ar) {
  if (ar.recordVersion(1) != 1) return;
  ar.ioStringList(upperLimits);
  ar.ioStringList(charges);
  ar.io(label);
  ar.io(flatRate);
  if (ar.isLoading()) kRanges.pad(*this);
}

std::string CShippingType::inconsistency() const {
  return kRanges.aligned(*this) ? std::string() : "the upper limits and charges differ in length";
}

void CShippingType::visitFields(FieldVisitor& visitor) {
  visitor.field("upperLimits", upperLimits);
  visitor.field("charges", charges);
  visitor.field("label", label);
  visitor.field("flatRate", flatRate);
}

}  // namespace quorvex
