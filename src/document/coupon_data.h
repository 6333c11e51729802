#ifndef QUORVEX_DOCUMENT_COUPON_DATA_H_
#define QUORVEX_DOCUMENT_COUPON_DATA_H_

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "document/coupon.h"
#include "document/record.h"
#include "platform/home_folders.h"

namespace quorvex {

// The coupons of the site (the Coupon Manager step), in the order they were
// added, and the names of the coupon template styles installed in the
// "Coupon Templates" folder of the program folder.
class CCouponData : public Record {
  QUORVEX_RECORD(CCouponData)

 public:
  // The folder of the coupon templates, below the program folder.
  static constexpr const char* kTemplatesFolder = kCouponTemplatesFolder;

  // Returns the coupon templates folder of the program folder `home`, its
  // name matched without regard to case.
  static std::filesystem::path templatesFolder(const std::filesystem::path& home);

  CCouponData() = default;
  // Copies the coupons only: the style names belong to the step that listed
  // them.
  CCouponData(const CCouponData& other);
  CCouponData& operator=(const CCouponData& other);

  std::vector<CCoupon> coupons;
  // Not stored: filled by loadCouponStyles().
  std::vector<std::string> couponStyles;

  size_t count() const { return coupons.size(); }
  // A copy of coupon `index`; nullopt when `index` is out of range.
  std::optional<CCoupon> couponAt(size_t index) const;

  // Appends `coupon` and returns true, or returns false and adds nothing when
  // a coupon of the same name exists (exact comparison).
  bool addCoupon(const CCoupon& coupon);
  // Makes coupon `index` the given one and returns true. Returns false and
  // changes nothing when `index` is out of range, or when the new name
  // differs from coupon `index`'s and another coupon bears it.
  bool replaceCoupon(size_t index, const CCoupon& coupon);
  // Removes coupon `index`; false when `index` is out of range.
  bool removeCoupon(size_t index);

  // True when the coupon templates folder of `home` holds at least one
  // "*.html" file (any case; folders do not count).
  static bool hasCouponTemplates(const std::filesystem::path& home);
  // Appends to couponStyles the style name of every "*.html" file of the
  // coupon templates folder of `home`, in alphabetical order of the file
  // names without regard to case: the name without ".html", in lower case,
  // with its first character and every one after a space turned to upper
  // case ("blue border.html" gives "Blue Border").
  void loadCouponStyles(const std::filesystem::path& home);
  // The template file of coupon `index`'s style below `home`: "<styleName>.html"
  // in the coupon templates folder, found without regard to case. Nullopt
  // when `index` is out of range or the style name would lead out of the
  // folder.
  std::optional<std::filesystem::path> couponTemplatePath(const std::filesystem::path& home,
                                                          size_t index) const;

  // Schema 1: the coupons as an inline list. A record of another schema
  // reads nothing and stays empty.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_COUPON_DATA_H_
