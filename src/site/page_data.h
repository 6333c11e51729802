#ifndef QUORVEX_SITE_PAGE_DATA_H_
#define QUORVEX_SITE_PAGE_DATA_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/record.h"
#include "platform/status.h"
#include "site/page.h"

namespace quorvex {

class CProductPage;

// The pages of the user's site in creation order, which is also the order in
// which they are generated and shown. Owns its pages: removing a page
// destroys it. Copies are deep (each page copied as its own class), which is
// how the page layout step edits a copy and assigns it back.
class CPageData : public Record {
  QUORVEX_RECORD(CPageData)

 public:
  std::vector<Owned<CPage>> pages;

  size_t count() const { return pages.size(); }
  // The page at `index`, which must be below count().
  CPage& at(size_t index) const { return *pages[index]; }

  // Appends `n` new pages of `type`, numbered on from the pages of that type
  // already in the list: the first page of a type is labelled with the bare
  // name ("Info"), later ones with the name, a space and the number ("Info 2").
  // The group type 4004 appends a product, thank-you, order form and download
  // page each time, all with the same number. Types without a page of their
  // own to create (4003, 4005 to 4010 and any other number) append nothing.
  void addPages(int32_t type, int32_t n);

  // Brings the list in line with the page types of a site template (types may
  // repeat and may hold the group type 4004): removes the surplus pages of
  // each type, the first ones first, and appends the missing ones with
  // addPages. Surviving pages keep their labels.
  void followTypes(const std::vector<int32_t>& types);

  // The repair made after a document is read: a list with a product, a
  // thank-you and an order form page but no download page gains one.
  void ensureDownloadPage();

  // Sets displayedLinks of every page to "ALL".
  void resetDisplayedLinks();

  // Returns the first product page (type 4003), or null when there is none.
  // The pointer lives as long as the page stays in the list.
  CProductPage* productPage() const;
  bool hasProductPage() const { return productPage() != nullptr; }
  // True when the list holds a coupon page (type 4011).
  bool hasCouponPage() const { return countOfType(kCouponPageType) > 0; }

  // Fails with "You have not selected which pages you would like to use in
  // your site yet." while the list is empty (no site type chosen yet).
  Status checkHasPages() const;

  // Checks a label typed for a page: fails with the message to show when it
  // is a reserved label (compared in lower case) or holds one of the
  // characters < > & " # %.
  static Status validateLabel(const std::string& text);

  // Checks that no other page bears the label of the page at `position`
  // (exact comparison): fails with the message to show otherwise. A position
  // outside the list passes.
  Status checkUnique(size_t position) const;

  // pages as an object list.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

 private:
  int32_t countOfType(int32_t type) const;
  // Removes the first `surplus` pages of `type`.
  void removeFirstOfType(int32_t type, int32_t surplus);
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_PAGE_DATA_H_
