#ifndef QUORVEX_DOCUMENT_BUSINESS_H_
#define QUORVEX_DOCUMENT_BUSINESS_H_

#include <cstdint>
#include <string>

#include "document/record.h"

namespace quorvex {

// What the Business Information step collects: the texts for search engines,
// the terms and conditions, the currency symbol, the copyright line and the
// company logo.
class CBusiness : public Record {
  QUORVEX_RECORD(CBusiness)

 public:
  // For search engines.
  std::string keywords;
  std::string description;
  // The terms and conditions text.
  std::string termsText;
  // Placed before prices.
  std::string currencySymbol = "$";
  // Rewritten when the company is renamed.
  std::string copyrightText = "Copyright 1999";
  // Stored and read, never set or used.
  int32_t reserved = 0;
  // 1: the site gets a terms and conditions page.
  int32_t makeTermsPage = 0;
  // 1: the logo is resized to `logoWidth` pixels for the site.
  int32_t resizeLogo = 1;
  int32_t logoWidth = 50;
  // The company logo image file.
  std::string logoPath;

  // Schema 2: the five strings, reserved, makeTermsPage, resizeLogo,
  // logoWidth, logoPath. Schema 1 stops after makeTermsPage; such a record
  // reads with resizeLogo 1 and logoWidth 200. Any other schema fails the read.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CBusiness&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_BUSINESS_H_
