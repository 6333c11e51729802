#include "generator/coupon_fields.h"

#include "company/brenquil_doc.h"
#include "generator/coupon_validity.h"
#include "generator/file_copy.h"
#include "generator/file_error.h"
#include "generator/generation_context.h"
#include "generator/text_helpers.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

constexpr char kImagesFolder[] = "Images";
constexpr char kImageListExtension[] = ".cfg";

// `name` in `folder`: the entry matched without regard to case when there is
// one, the plain join otherwise; nullopt when the name would lead out of the
// folder.
std::optional<fs::path> entryInside(const fs::path& folder, std::string_view name) {
  std::optional<fs::path> joined = joinInside(folder, name);
  if (!joined) return std::nullopt;
  return findCaseInsensitive(joined->parent_path(), joined->filename().string()).value_or(*joined);
}

bool isBlank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

void CouponFields::setCouponPageFields(const CCoupon& coupon) {
  FieldTable& fields = context_.fields;
  fields.set("couponName", coupon.couponName);
  fields.set("couponHeader", convertLineBreaks(coupon.couponHeader));
  fields.set("couponDescript", convertLineBreaks(coupon.couponText));
  fields.set("couponExpiration", convertLineBreaks(coupon.couponExpiration));
}

std::optional<fs::path> CouponFields::writeCouponPage(size_t index, const std::string& pageName) {
  const CCouponData& coupons = *context_.doc.m_pCouponData;
  const CCoupon& coupon = coupons.coupons[index];
  const SiteFolders& folders = context_.folders;
  std::optional<fs::path> templatePath = coupons.couponTemplatePath(folders.home(), index);
  std::string text;
  std::string source;
  if (!templatePath) {
    source = std::string(CCouponData::kTemplatesFolder) + "\\" + coupon.styleName + ".html";
    showFileError(context_.prompter(), std::make_error_code(std::errc::invalid_argument), source);
  } else {
    source = folders.stored(*templatePath);
    FileLines read = readFileLines(*templatePath, "\n");
    if (read.error) {
      showFileError(context_.prompter(), read.error, *templatePath);
    } else {
      text = std::move(read.text);
    }
  }
  setCouponPageFields(coupon);
  context_.writeExpandedPage(text, source, pageName, pageName, FileLists::kWeb);
  return templatePath;
}

void CouponFields::copyListedImage(const fs::path& imagesSource, const std::string& name) {
  const SiteFolders& folders = context_.folders;
  const std::string placedName = cleanFileName(name);
  std::optional<fs::path> source = entryInside(imagesSource, name);
  std::optional<fs::path> target =
      joinInside(folders.native(folders.imagesFolder()), placedName);
  if (!source || !target) {
    showFileError(context_.prompter(), std::make_error_code(std::errc::invalid_argument),
                  imagesSource / name);
    return;
  }
  if (std::error_code error = copyFile(*source, *target, true)) {
    showFileError(context_.prompter(), error, *source);
    return;
  }
  context_.enterFile(FileLists::kWeb, folders.stored(*source), folders.imagesFile(placedName), name,
                     folders.imagesRemoteFolder(), 1, 0);
}

void CouponFields::copyListedImages(const fs::path& templatePath) {
  fs::path listPath = templatePath;
  listPath.replace_extension(kImageListExtension);
  std::optional<fs::path> found =
      findCaseInsensitive(listPath.parent_path(), listPath.filename().string());
  if (!found) return;
  const FileLines list = readFileLines(*found, "\n");
  if (list.error) return;
  const fs::path templates = CCouponData::templatesFolder(context_.folders.home());
  const fs::path imagesSource =
      findCaseInsensitive(templates, kImagesFolder).value_or(templates / kImagesFolder);
  size_t start = 0;
  for (size_t end; (end = list.text.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string name = list.text.substr(start, end - start);
    if (!isBlank(name)) copyListedImage(imagesSource, name);
  }
}

void CouponFields::setCouponList() {
  if (!context_.doc.m_pPageData->hasCouponPage()) return;
  context_.setProgress("Loading coupons...");
  const std::vector<CCoupon>& coupons = context_.doc.m_pCouponData->coupons;
  std::string statements;
  for (size_t i = 0; i < coupons.size(); ++i) {
    const CCoupon& coupon = coupons[i];
    const std::string pageName = checkedName(coupon.couponName, true) + ".html";
    statements += "couponList[" + std::to_string(i) + "] = new coupons('" +
                  scriptEscape(coupon.couponName) + "','" + scriptEscape(coupon.couponHeader) +
                  "','" + pageName + "',";
    std::optional<fs::path> templatePath = writeCouponPage(i, pageName);
    statements += couponValidity(coupon) + ");\n";
    if (templatePath) copyListedImages(*templatePath);
  }
  context_.fields.set("couponList", std::move(statements));
}

}  // namespace quorvex
