#include "document/tax.h"

#include "document/archive.h"
#include "document/field_visitor.h"
#include "document/parallel_table.h"

namespace quorvex {
namespace {

constexpr ParallelTable<CTax, StateTax, 3> kStateTaxes({{
    {&CTax::stateNames, &StateTax::state},
    {&CTax::stateAbbreviations, &StateTax::abbreviation},
    {&CTax::stateRates, &StateTax::rate},
}});

constexpr ParallelTable<CTax, CityTax, 4> kCityTaxes({{
    {&CTax::cityNames, &CityTax::city},
    {&CTax::cityStates, &CityTax::state},
    {&CTax::cityStateAbbreviations, &CityTax::stateAbbreviation},
    {&CTax::cityRates, &CityTax::rate},
}});

constexpr ParallelTable<CTax, VatTax, 2> kVatTaxes({{
    {&CTax::vatCountries, &VatTax::country},
    {&CTax::vatRates, &VatTax::rate},
}});

}  // namespace

size_t CTax::stateTaxCount() const { return kStateTaxes.count(*this); }
std::optional<StateTax> CTax::stateTaxAt(size_t index) const {
  return kStateTaxes.at(*this, index);
}
void CTax::addStateTax(const StateTax& tax) { kStateTaxes.add(*this, tax); }
bool CTax::replaceStateTax(size_t index, const StateTax& tax) {
  return kStateTaxes.replace(*this, index, tax);
}
bool CTax::removeStateTax(size_t index) { return kStateTaxes.remove(*this, index); }

size_t CTax::cityTaxCount() const { return kCityTaxes.count(*this); }
std::optional<CityTax> CTax::cityTaxAt(size_t index) const { return kCityTaxes.at(*this, index); }
void CTax::addCityTax(const CityTax& tax) { kCityTaxes.add(*this, tax); }
bool CTax::replaceCityTax(size_t index, const CityTax& tax) {
  return kCityTaxes.replace(*this, index, tax);
}
bool CTax::removeCityTax(size_t index) { return kCityTaxes.remove(*this, index); }

size_t CTax::vatTaxCount() const { return kVatTaxes.count(*this); }
std::optional<VatTax> CTax::vatTaxAt(size_t index) const { return kVatTaxes.at(*this, index); }
void CTax::addVatTax(const VatTax& tax) { kVatTaxes.add(*this, tax); }
bool CTax::replaceVatTax(size_t index, const VatTax& tax) {
  return kVatTaxes.replace(*this, index, tax);
}
bool CTax::removeVatTax(size_t index) { return kVatTaxes.remove(*this, index); }

void CTax::serialize(Archive& ar) {
  const uint16_t schema = ar.schema();
  if (schema != 1 && schema != 2) {
    ar.fail("CTax schema 1 or 2");
    return;
  }
  ar.ioStringList(stateNames);
  ar.ioStringList(stateAbbreviations);
  ar.ioStringList(cityNames);
  ar.ioStringList(cityStates);
  ar.ioStringList(cityStateAbbreviations);
  ar.ioStringList(vatCountries);
  ar.ioStringList(stateRates);
  ar.ioStringList(cityRates);
  ar.ioStringList(vatRates);
  if (!ar.isLoading()) return;
  if (schema == 1) {
    // These places held zip codes and their rates, which no longer exist.
    zipRatesDropped = !vatCountries.empty();
    vatCountries.clear();
    vatRates.clear();
  }
  kStateTaxes.pad(*this);
  kCityTaxes.pad(*this);
  kVatTaxes.pad(*this);
}

std::string CTax::inconsistency() const {
  if (!kStateTaxes.aligned(*this)) return "the state tax lists differ in length";
  if (!kCityTaxes.aligned(*this)) return "the city tax lists differ in length";
  if (!kVatTaxes.aligned(*this)) return "the VAT lists differ in length";
  return {};
}

void CTax::visitFields(FieldVisitor& visitor) {
  visitor.field("stateNames", stateNames);
  visitor.field("stateAbbreviations", stateAbbreviations);
  visitor.field("cityNames", cityNames);
  visitor.field("cityStates", cityStates);
  visitor.field("cityStateAbbreviations", cityStateAbbreviations);
  visitor.field("vatCountries", vatCountries);
  visitor.field("stateRates", stateRates);
  visitor.field("cityRates", cityRates);
  visitor.field("vatRates", vatRates);
}

}  // namespace quorvex
