#ifndef QUORVEX_DOCUMENT_TAX_H_
#define QUORVEX_DOCUMENT_TAX_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "document/record.h"

namespace quorvex {

// A sales tax of a state or province.
struct StateTax {
  std::string state;
  std::string abbreviation;
  std::string rate;
};

// A sales tax of a city.
struct CityTax {
  std::string city;
  std::string state;
  std::string stateAbbreviation;
  std::string rate;
};

// A value-added tax of a country.
struct VatTax {
  std::string country;
  std::string rate;
};

// The sales taxes by state or province and by city, and the value-added
// taxes by country (the Tax Settings step). Each kind of tax is kept in
// parallel lists, one entry per tax. Rates are decimal fractions written with
// six decimals (8.25 % is "0.082500").
class CTax : public Record {
  QUORVEX_RECORD(CTax)

 public:
  // Shown once after reading a document whose tax record still held rates
  // by zip code, which have been dropped.
  static constexpr const char* kZipRatesDroppedMessage =
      "Quorvex has detected that you had tax rates set one or more zip codes.\n"
      "This feature has been replaced by a Value Added Tax to try and better serve your needs.\n"
      "Please, be sure to return to the Tax section and relocate the former zip code tax rates.";

  std::vector<std::string> stateNames;
  std::vector<std::string> stateAbbreviations;
  std::vector<std::string> cityNames;
  std::vector<std::string> cityStates;
  std::vector<std::string> cityStateAbbreviations;
  std::vector<std::string> vatCountries;
  std::vector<std::string> stateRates;
  std::vector<std::string> cityRates;
  std::vector<std::string> vatRates;

  // Not stored: set by reading a schema-1 record whose zip-code list held
  // entries. The reader of the document then shows kZipRatesDroppedMessage.
  bool zipRatesDropped = false;

  // Each kind: the number of taxes; tax `index` (nullopt when out of range);
  // add; replace or remove tax `index` in all lists of its kind together
  // (false, and nothing changed, when `index` is out of range).
  size_t stateTaxCount() const;
  std::optional<StateTax> stateTaxAt(size_t index) const;
  void addStateTax(const StateTax& tax);
  bool replaceStateTax(size_t index, const StateTax& tax);
  bool removeStateTax(size_t index);

  size_t cityTaxCount() const;
  std::optional<CityTax> cityTaxAt(size_t index) const;
  void addCityTax(const CityTax& tax);
  bool replaceCityTax(size_t index, const CityTax& tax);
  bool removeCityTax(size_t index);

  size_t vatTaxCount() const;
  std::optional<VatTax> vatTaxAt(size_t index) const;
  void addVatTax(const VatTax& tax);
  bool replaceVatTax(size_t index, const VatTax& tax);
  bool removeVatTax(size_t index);

  // Schema 2: the nine lists in declaration order. Schema 1 held zip codes
  // and their rates where vatCountries and vatRates are now: both are emptied
  // after reading (see zipRatesDropped). The lists of a kind that were stored
  // with different lengths are padded with empty texts. Any other schema
  // fails the read.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;
  std::string inconsistency() const override;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_TAX_H_
