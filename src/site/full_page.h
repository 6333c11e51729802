#ifndef QUORVEX_SITE_FULL_PAGE_H_
#define QUORVEX_SITE_FULL_PAGE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "document/font_data.h"
#include "site/page.h"

namespace quorvex {

// The texts a new page of a kind starts with.
struct FullPageTexts {
  const char* header;
  const char* subheader;
  const char* mainText;
};

// A page with a header, a subheader, up to three text blocks, a page image
// and additional images: the base of every page of the page list and of the
// individual product pages. Never stored as an object of its own: each page
// class stores this part after the page part and before its own.
class CFullPage : public CPage {
  QUORVEX_PAGE(CFullPage)

 public:
  // Fonts of the texts; a new page has Arial 22 pt bold, 16 pt bold and
  // 12 pt (three times) in the page's text colour.
  CFontData headerFont = arialFont(220, 1);
  CFontData subheaderFont = arialFont(160, 1);
  CFontData mainTextFont = arialFont(120, 0);
  CFontData mainText2Font = arialFont(120, 0);
  CFontData mainText1Font = arialFont(120, 0);
  // How many text blocks the page kind offers: 1 = mainText, 2 adds
  // mainText1, 3 adds mainText2. Set by the page class; not stored.
  int32_t textBlockCount = 1;
  // The additional images $[image1], $[image2], ...: imageCount entries in
  // each array: the file ("NoImage" or empty for none), whether to resize it
  // (flag) and the output width in pixels. Reading and writing keep the
  // arrays in step with imageCount.
  int32_t imageCount = 1;
  std::vector<std::string> imageFiles{""};
  std::vector<int32_t> imageResize{1};
  std::vector<int32_t> imageWidths{200};
  std::string mainText2;
  std::string mainText1;
  std::string header;
  std::string subheader;
  std::string mainText;
  // The page's own image, used unless useDefaultImage (the style's default
  // image for the page type) or noImage is set; never both are set.
  std::string pageImage;
  int32_t useDefaultImage = 1;
  int32_t noImage = 0;
  // Resize the page image to this width when it is wider (flag).
  int32_t pageImageWidth = 200;
  int32_t resizePageImage = 1;

  // A bare full page without a type of its own.
  CFullPage();

  // Adds an additional image showing `file`, resized to 200 pixels wide.
  void appendImage(const std::string& file);
  // Removes additional image `index`; an index past the last does nothing.
  void eraseImage(size_t index);

  // The full-page part, record version 10: header, subheader, mainText,
  // pageImage, useDefaultImage, noImage, resizePageImage, pageImageWidth, the
  // seven appearance strings, imageCount and per image its file, resize flag
  // and width, mainText1, mainText2, then the fonts headerFont,
  // subheaderFont, mainTextFont, mainText1Font, mainText2Font, linkFont.
  // Older versions 1 to 9 are read as they were stored; another version
  // reads only the five fields that every version starts with.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CFullPage&) const = default;

 protected:
  // A new page of `type` (default label and template file of the type) with
  // `textBlocks` text blocks and the given texts.
  CFullPage(int32_t type, int32_t textBlocks, const FullPageTexts& texts);

 private:
  void resizeImageArrays(size_t size);
  // The additional images as full-page part `version` (4 or later) holds
  // them.
  void ioImages(Archive& ar, int32_t version);
  // The text fonts, and linkFont when `withLinkFont` is set.
  void ioFonts(Archive& ar, bool withLinkFont);
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_FULL_PAGE_H_
