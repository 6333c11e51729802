#include "site/full_page.h"

#include "document/archive.h"
#include "document/field_visitor.h"
#include "site/counted_entries.h"

namespace quorvex {
namespace {

// Versions 4 to 7 of the full-page part hold exactly this many images.
constexpr int32_t kFixedImageCount = 5;

}  // namespace

CFullPage::CFullPage() { linkFont = arialFont(80, 0); }

CFullPage::CFullPage(int32_t type, int32_t textBlocks, const FullPageTexts& texts)
    : CFullPage() {
  pageType = type;
  if (const char* name = defaultPageLabel(type)) label = name;
  setDefaultTemplateFile(type);
  textBlockCount = textBlocks;
  header = texts.header;
  subheader = texts.subheader;
  mainText = texts.mainText;
}

void CFullPage::resizeImageArrays(size_t size) {
  imageFiles.resize(size);
  imageResize.resize(size, 1);
  imageWidths.resize(size, 200);
}

void CFullPage::appendImage(const std::string& file) {
  resizeImageArrays(static_cast<size_t>(++imageCount));
  imageFiles.back() = file;
}

void CFullPage::eraseImage(size_t index) {
  if (index >= imageFiles.size()) return;
  imageFiles.erase(imageFiles.begin() + static_cast<std::ptrdiff_t>(index));
  imageResize.erase(imageResize.begin() + static_cast<std::ptrdiff_t>(index));
  imageWidths.erase(imageWidths.begin() + static_cast<std::ptrdiff_t>(index));
  imageCount = static_cast<int32_t>(imageFiles.size());
}

void CFullPage::ioImages(Archive& ar, int32_t version) {
  if (version >= 8) {
    ar.io(imageCount);
  } else {
    imageCount = kFixedImageCount;
  }
  const bool withSettings = version >= 7;
  ioCountedEntries(
      ar, imageCount, [this](size_t size) { resizeImageArrays(size); },
      [this, &ar, withSettings](size_t i) {
        ar.io(imageFiles[i]);
        if (withSettings) {
          ar.io(imageResize[i]);
          ar.io(imageWidths[i]);
        }
      });
}

void CFullPage::ioFonts(Archive& ar, bool withLinkFont) {
  for (CFontData* font : {&headerFont, &subheaderFont, &mainTextFont, &mainText1Font,
                          &mainText2Font}) {
    font->serialize(ar);
  }
  if (withLinkFont) linkFont.serialize(ar);
}

void CFullPage::serialize(Archive& ar) {
  CPage::serialize(ar);
  const int32_t version = ar.recordVersion(10);
  ar.io(header);
  ar.io(subheader);
  ar.io(mainText);
  ar.io(pageImage);
  ar.io(useDefaultImage);
  if (version < 1 || version > 10) return;
  if (version >= 2) {
    ar.io(noImage);
  } else {
    noImage = 0;
  }
  if (version >= 3) {
    ar.io(resizePageImage);
    ar.io(pageImageWidth);
  } else {
    resizePageImage = 0;
    pageImageWidth = 200;
  }
  if (version < 4) return;
  ioAppearance(ar);
  ioImages(ar, version);
  // Version 9 kept the link customisations here instead of in the page part.
  if (version == 9) ioLinks(ar);
  ar.io(mainText1);
  ar.io(mainText2);
  if (version >= 5) ioFonts(ar, version >= 6);
}

void CFullPage::visitFields(FieldVisitor& visitor) {
  CPage::visitFields(visitor);
  visitor.field("header", header);
  visitor.field("subheader", subheader);
  visitor.field("mainText", mainText);
  visitor.field("pageImage", pageImage);
  visitor.field("useDefaultImage", useDefaultImage);
  visitor.field("noImage", noImage);
  visitor.field("resizePageImage", resizePageImage);
  visitor.field("pageImageWidth", pageImageWidth);
  visitAppearance(visitor);
  visitor.countField("imageCount", imageCount);
  visitor.field("imageFiles", imageFiles);
  visitor.field("imageResize", imageResize);
  visitor.field("imageWidths", imageWidths);
  visitor.field("mainText1", mainText1);
  visitor.field("mainText2", mainText2);
  visitor.field("headerFont", headerFont);
  visitor.field("subheaderFont", subheaderFont);
  visitor.field("mainTextFont", mainTextFont);
  visitor.field("mainText1Font", mainText1Font);
  visitor.field("mainText2Font", mainText2Font);
  visitor.field("linkFont", linkFont);
}

}  // namespace quorvex
