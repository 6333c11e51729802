#ifndef QUORVEX_SITE_PROD_HALF_PAGES_H_
#define QUORVEX_SITE_PROD_HALF_PAGES_H_

#include <cstdint>
#include <string>

#include "document/font_data.h"
#include "site/page.h"

namespace quorvex {

// The fixed texts of a new product sub-page.
struct SubPageDefaults {
  const char* label;
  const char* header;
  const char* bodyText;
  const char* templateFile;
};

// A product sub-page (category list, featured items, search): a header and
// one text, kept by value inside the product page. Never stored as an object
// of its own: each sub-page class stores this part after the page part and
// before its own.
class CProdHalfPages : public CPage {
  QUORVEX_PAGE(CProdHalfPages)

 public:
  // Links to this sub-page are shown (flag).
  int32_t linksEnabled = 1;
  // Arial 22 pt bold and 16 pt in the page's text colour on a new sub-page.
  CFontData headerFont = arialFont(220, 1);
  CFontData bodyFont = arialFont(160, 0);
  std::string header;
  std::string bodyText;

  // A bare sub-page without texts of its own.
  CProdHalfPages();

  // The sub-page part, record version 6: header, bodyText, the seven
  // appearance strings, headerFont, bodyFont, linkFont, linksEnabled.
  // Version 1 holds header and bodyText, 2 adds the appearance strings, 3
  // the two fonts, 4 linkFont, 5 linksEnabled; reading version 1 or 2 also
  // removes the link customisations. Another version reads nothing more.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CProdHalfPages&) const = default;

 protected:
  explicit CProdHalfPages(const SubPageDefaults& defaults);
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_PROD_HALF_PAGES_H_
