#include "generator/page_content_fields.h"

#include "company/brenquil_doc.h"
#include "generator/image_placer.h"
#include "generator/page_links.h"
#include "generator/text_helpers.h"
#include "generator/web_address.h"
#include "imaging/font_markup.h"
#include "site/contact_page.h"
#include "site/full_page.h"
#include "site/prod_half_pages.h"
#include "site/spec_category_page.h"

namespace quorvex {

namespace {

constexpr char kNoImage[] = "nada.gif";

// `text` in the FONT markup of `font`, with its line breaks as <BR>.
std::string markedUp(const CFontData& font, const std::string& text) {
  return convertLineBreaks(toHtml(font, text));
}

}  // namespace

PageContentFields::PageContentFields(GenerationContext& context, ImagePlacer& images,
                                     PageLinks& links)
    : context_(context), images_(images), links_(links), contacts_(context) {}

const char* PageContentFields::typeLabel(int32_t pageType) {
  switch (pageType) {
    case kHomePageType:
      return "home";
    case kContactPageType:
      return "contact";
    case kInfoPageType:
      return "info";
    case kIndProdPageType:
      return "individ";
    case kThankYouPageType:
      return "thankyou";
    case kOrderFormPageType:
      return "order";
    case kCouponPageType:
      return "coupon";
    case kDownloadPageType:
      return "download";
    case kArticlesPageType:
      return "article";
    case kNewspaperPageType:
      return "newspaper";
    case kMagazinePageType:
      return "magazine";
    case kSpecCategoryPageType:
      return "speccatgry";
    default:
      return "unknown";
  }
}

bool PageContentFields::isOrderServerPage(int32_t pageType) {
  return pageType == kThankYouPageType || pageType == kOrderFormPageType ||
         pageType == kDownloadPageType;
}

void PageContentFields::setSiteFields() {
  const CBrenquilDoc& doc = context_.doc;
  const CTemplate& style = *doc.m_pTemplate;
  FieldTable& fields = context_.fields;
  fields.set("companyName", doc.m_strCompanyName);
  fields.set("companyURL", absoluteWebAddress(doc.m_pContact->url));
  fields.set("copyright", convertLineBreaks(doc.m_pBusiness->copyrightText));
  const CBusiness& business = *doc.m_pBusiness;
  if (business.logoPath.empty()) {
    images_.setImageField("companyLogo", kNoImage);
  } else {
    images_.setImageField("companyLogo",
                          images_.siteImage(business.logoPath, "logo", business.logoWidth,
                                            business.resizeLogo != 0, FileLists::kBoth));
  }
  setBackground(style.backImage, FileLists::kBoth);
  fields.set("text_color", style.text_color);
  fields.set("back_color", style.back_color);
  fields.set("link_color", style.link_color);
  fields.set("visited_color", style.vlink_color);
  fields.set("offset", scriptEscape(leadingInteger(style.offset) < 1 ? "1" : style.offset));
}

void PageContentFields::setColorsAndOffset(const CPage& page) {
  FieldTable& fields = context_.fields;
  fields.set("text_color", page.textColor);
  fields.set("back_color", page.backColor);
  fields.set("link_color", page.linkColor);
  fields.set("visited_color", page.visitedColor);
  fields.set("offset", scriptEscape(page.offset));
}

void PageContentFields::setBackground(const std::string& backImage, FileLists lists) {
  const std::string name = lastPathComponent(backImage);
  if (name.empty()) return;
  const std::string placed = images_.placeImage(backImage, name);
  context_.enterFile(lists, backImage, context_.folders.imagesFile(placed), placed,
                     context_.folders.imagesRemoteFolder(), 1, 0);
  context_.fields.set("back_img", webImageName(context_.folders.imagesUrl() + name));
}

void PageContentFields::setAdditionalImages(const CFullPage& page, FileLists lists) {
  if (page.imageCount < 3) images_.setImageField("image3", kNoImage);
  if (page.imageCount < 2) images_.setImageField("image2", kNoImage);
  if (page.imageCount < 1) images_.setImageField("image1", kNoImage);
  for (int32_t i = 1; i <= page.imageCount; ++i) {
    const size_t index = static_cast<size_t>(i - 1);
    const std::string field = "image" + std::to_string(i);
    const std::string file = index < page.imageFiles.size() ? page.imageFiles[index] : "";
    if (file.empty() || file == "NoImage") {
      images_.setImageField(field, kNoImage);
      continue;
    }
    const int32_t width = index < page.imageWidths.size() ? page.imageWidths[index] : 0;
    const bool resize = index < page.imageResize.size() && page.imageResize[index] != 0;
    images_.setImageField(field, images_.siteImage(file, field, width, resize, lists));
  }
}

void PageContentFields::setPageImage(const CFullPage& page, FileLists lists) {
  const std::string& image = page.useDefaultImage != 0
                                 ? context_.doc.m_pTemplate->defaultImage(page.pageType)
                                 : page.pageImage;
  if (image.empty() || page.noImage != 0) {
    images_.setImageField("image", kNoImage);
    return;
  }
  images_.setImageField("image",
                        images_.siteImage(image, typeLabel(page.pageType), page.pageImageWidth,
                                          page.resizePageImage != 0, lists));
}

void PageContentFields::setContactLists(CFullPage& page) {
  auto* contactPage = dynamic_cast<CContactPage*>(&page);
  if (!contactPage) return;
  const CContact& contact = *context_.doc.m_pContact;
  CContactChecks& checks = contactPage->contactChecks;
  checks.syncEmails(contact);
  checks.syncAddresses(contact);
  checks.syncPhones(contact);
  context_.fields.set("emails", contacts_.emails(contact, checks.emailChecks));
  context_.fields.set("phoneNumbers", contacts_.phoneNumbers(contact, checks.phoneChecks));
  context_.fields.set("locations", contacts_.locations(contact, checks.addressChecks));
}

void PageContentFields::setLinkLists(const CPage& page, bool inLinkFont) {
  struct LinkField {
    const char* name;
    bool vertical;
    bool www;
  };
  static constexpr LinkField kLinkFields[] = {
      {"hlinks", false, false},
      {"www_hlinks", false, true},
      {"vlinks", true, false},
      {"www_vlinks", true, true},
  };
  LinkListRequest request;
  request.selection = page.displayedLinks;
  request.addOnSite = context_.doc.m_pSiteTemplate->isAddOn();
  request.record = &page;
  for (const LinkField& field : kLinkFields) {
    request.vertical = field.vertical;
    request.www = field.www;
    std::string links = links_.pageLinks(request);
    context_.fields.set(field.name, inLinkFont ? toHtml(page.linkFont, links) : std::move(links));
  }
}

void PageContentFields::setPageFields(CFullPage& page) {
  const FileLists lists =
      isOrderServerPage(page.pageType) ? FileLists::kOrderServer : FileLists::kWeb;
  FieldTable& fields = context_.fields;
  fields.set("header", markedUp(page.headerFont, page.header));
  fields.set("subheader", markedUp(page.subheaderFont, page.subheader));
  setColorsAndOffset(page);
  fields.set("mainText1", markedUp(page.mainText1Font, page.mainText1));
  fields.set("mainText2", markedUp(page.mainText2Font, page.mainText2));
  setBackground(page.backImage, lists);
  setAdditionalImages(page, lists);
  setLinkLists(page, /*inLinkFont=*/true);
  if (const auto* category = dynamic_cast<const CSpecCategoryPage*>(&page)) {
    fields.set("whichCategory", category->whichCategory);
  }
  std::string mainText = markedUp(page.mainTextFont, page.mainText);
  if (page.pageType == kProductPageType && context_.doc.m_pBusiness->makeTermsPage != 0) {
    mainText +=
        "\n<BR>\n<BR>\n<A HREF=\"terms.html\" TARGET=\"main\">View Our Terms and "
        "Conditions</A>\n";
  }
  fields.set("mainText", std::move(mainText));
  setContactLists(page);
  setPageImage(page, lists);
}

void PageContentFields::setSubPageFields(const CProdHalfPages& page) {
  FieldTable& fields = context_.fields;
  fields.set("header", markedUp(page.headerFont, page.header));
  setColorsAndOffset(page);
  fields.set("mainText", markedUp(page.bodyFont, page.bodyText));
  setLinkLists(page, /*inLinkFont=*/true);
  setBackground(page.backImage, FileLists::kWeb);
}

}  // namespace quorvex
