#ifndef QUORVEX_GENERATOR_COUPON_FIELDS_H_
#define QUORVEX_GENERATOR_COUPON_FIELDS_H_

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace quorvex {

class CCoupon;
class GenerationContext;

// The coupons of the site: the shop's coupon list and, on the way, one page
// per coupon made from the coupon's template in "Coupon Templates", with the
// pictures that template lists.
//
// Names taken from the document (the coupon's style) or from a template's
// picture list never lead out of the folder they are meant for: a name that
// is absolute or holds a ".." component is refused with "FILE ERROR: ".
//
// The context must outlive the object. Not thread-safe.
class CouponFields {
 public:
  explicit CouponFields(GenerationContext& context) : context_(context) {}

  // Only when the page list has a coupon page (progress "Loading
  // coupons..."): sets `couponList` to one statement per coupon i,
  // "couponList[i] = new coupons('<name>','<header>','<P>',<validity>);\n"
  // (name and header script-escaped, validity by couponValidity()), where P
  // is the checked name with prefix of the coupon's name + ".html"
  // (text_helpers.h).
  //
  // For each coupon, its template "Coupon Templates/<style>.html" is read
  // whole, expanded with `couponName` = the name and `couponHeader`,
  // `couponDescript`, `couponExpiration` = the header, description and
  // expiration texts with their line breaks converted, written into the
  // site folder as P and entered in the web file list. A template that
  // cannot be read shows "FILE ERROR: " and gives an empty page.
  //
  // The pictures named one per line in the template's list (the template
  // path with the extension ".cfg"; a missing or unreadable list names
  // none) are copied, overwriting, from "Coupon Templates/Images/" into the
  // images folder under their cleaned names (cleanFileName) and entered in
  // the web file list under the name as listed; a picture that cannot be
  // copied shows "FILE ERROR: ".
  void setCouponList();

 private:
  // Writes the page of coupon `index` as `pageName`; returns the template
  // it was made from, or nullopt when the style names no file inside the
  // coupon templates folder.
  std::optional<std::filesystem::path> writeCouponPage(size_t index, const std::string& pageName);
  void setCouponPageFields(const CCoupon& coupon);
  // Copies the pictures listed beside `templatePath`.
  void copyListedImages(const std::filesystem::path& templatePath);
  // Copies the listed picture `name` from `imagesSource`.
  void copyListedImage(const std::filesystem::path& imagesSource, const std::string& name);

  GenerationContext& context_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_COUPON_FIELDS_H_
