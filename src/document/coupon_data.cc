#include "document/coupon_data.h"

#include <algorithm>
#include <string_view>
#include <system_error>
#include <utility>

#include "document/archive.h"
#include "document/field_visitor.h"
#include "document/indexed_list.h"
#include "platform/paths.h"
#include "platform/strings.h"

namespace quorvex {
namespace {

constexpr std::string_view kTemplateExtension = ".html";

bool isTemplateName(std::string_view name) {
  return name.size() > kTemplateExtension.size() &&
         equalsIgnoreCase(name.substr(name.size() - kTemplateExtension.size()), kTemplateExtension);
}

// The names of the template files of the coupon templates folder, in
// alphabetical order without regard to case; empty when the folder is missing
// or cannot be read.
std::vector<std::string> templateFileNames(const std::filesystem::path& home) {
  std::vector<std::string> names;
  std::error_code error;
  std::filesystem::directory_iterator entries(CCouponData::templatesFolder(home), error);
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    std::string name = entries->path().filename().string();
    std::error_code kindError;
    if (isTemplateName(name) && !entries->is_directory(kindError)) names.push_back(name);
  }
  std::ranges::sort(names, [](const std::string& a, const std::string& b) {
    return std::pair(toLowerAscii(a), a) < std::pair(toLowerAscii(b), b);
  });
  return names;
}

std::string styleNameOf(std::string_view fileName) {
  std::string name = toLowerAscii(fileName.substr(0, fileName.size() - kTemplateExtension.size()));
  for (size_t i = 0; i < name.size(); ++i) {
    const bool startsWord = i == 0 || name[i - 1] == ' ';
    if (startsWord && name[i] >= 'a' && name[i] <= 'z') {
      name[i] = static_cast<char>(name[i] - 'a' + 'A');
    }
  }
  return name;
}

}  // namespace

std::filesystem::path CCouponData::templatesFolder(const std::filesystem::path& home) {
  return findCaseInsensitive(home, kTemplatesFolder).value_or(home / kTemplatesFolder);
}

CCouponData::CCouponData(const CCouponData& other) : Record(other), coupons(other.coupons) {}

CCouponData& CCouponData::operator=(const CCouponData& other) {
  coupons = other.coupons;
  return *this;
}

std::optional<CCoupon> CCouponData::couponAt(size_t index) const {
  if (index >= coupons.size()) return std::nullopt;
  return coupons[index];
}

bool CCouponData::addCoupon(const CCoupon& coupon) {
  auto sameName = [&coupon](const CCoupon& other) { return other.couponName == coupon.couponName; };
  if (std::ranges::any_of(coupons, sameName)) return false;
  coupons.push_back(coupon);
  return true;
}

bool CCouponData::replaceCoupon(size_t index, const CCoupon& coupon) {
  if (index >= coupons.size()) return false;
  auto sameName = [&coupon](const CCoupon& other) { return other.couponName == coupon.couponName; };
  if (coupons[index].couponName != coupon.couponName && std::ranges::any_of(coupons, sameName)) {
    return false;
  }
  coupons[index] = coupon;
  return true;
}

bool CCouponData::removeCoupon(size_t index) { return removeAt(coupons, index); }

bool CCouponData::hasCouponTemplates(const std::filesystem::path& home) {
  return !templateFileNames(home).empty();
}

void CCouponData::loadCouponStyles(const std::filesystem::path& home) {
  for (const std::string& fileName : templateFileNames(home)) {
    couponStyles.push_back(styleNameOf(fileName));
  }
}

std::optional<std::filesystem::path> CCouponData::couponTemplatePath(
    const std::filesystem::path& home, size_t index) const {
  if (index >= coupons.size()) return std::nullopt;
  const std::filesystem::path folder = CCouponData::templatesFolder(home);
  const std::string fileName = coupons[index].styleName + std::string(kTemplateExtension);
  std::optional<std::filesystem::path> path = joinInside(folder, fileName);
  if (!path) return std::nullopt;
  return findCaseInsensitive(folder, fileName).value_or(*path);
}

void CCouponData::serialize(Archive& ar) {
  if (ar.schema() != 1) return;
  ar.ioInlineList(coupons);
}

void CCouponData::visitFields(FieldVisitor& visitor) { visitor.field("coupons", coupons); }

}  // namespace quorvex
