#include "site/page.h"

#include <string_view>

#include "document/archive.h"
#include "document/color_string.h"
#include "document/field_visitor.h"
#include "site/counted_entries.h"
#include "site/offset_text.h"

namespace quorvex {
namespace {

constexpr std::string_view kFileNameUnsafe = " /\\:*?\"<>|&-";

}  // namespace

std::string CPage::getFileName() const {
  std::string name = label;
  for (char& c : name) {
    if (kFileNameUnsafe.find(c) != std::string_view::npos) c = '_';
  }
  return name + ".html";
}

void CPage::setDefaultTemplateFile(int32_t type) {
  if (const char* file = defaultTemplateFile(type)) templateFile = file;
}

int32_t CPage::getTextColorValue() const { return colorFromHex(textColor); }
int32_t CPage::getBackColorValue() const { return colorFromHex(backColor); }
int32_t CPage::getLinkColorValue() const { return colorFromHex(linkColor); }
int32_t CPage::getVisitedColorValue() const { return colorFromHex(visitedColor); }
void CPage::setTextColor(int32_t color) { textColor = colorToHex(color); }
void CPage::setBackColor(int32_t color) { backColor = colorToHex(color); }
void CPage::setLinkColor(int32_t color) { linkColor = colorToHex(color); }
void CPage::setVisitedColor(int32_t color) { visitedColor = colorToHex(color); }

std::string CPage::getOffsetNumber() const { return offsetNumber(offset); }

bool CPage::isOffsetPercent() const { return isPercentOffset(offset); }

void CPage::setOffset(const std::string& number, bool percent) {
  offset = makeOffset(number, percent);
}

void CPage::clearLinks() {
  linkCount = 0;
  resizeLinkArrays(0);
}

bool CPage::showsLinkTo(const std::string& pageLabel) const {
  return displayedLinks == kAllLinks || displayedLinks.find(pageLabel + "|") != std::string::npos;
}

void CPage::setShowsAllLinks(bool all, const std::vector<std::string>& linkable) {
  if (all) {
    displayedLinks = kAllLinks;
  } else if (displayedLinks == kAllLinks) {
    displayedLinks.clear();
    for (const std::string& linked : linkable) displayedLinks += linked + "|";
  }
}

void CPage::setShowsLinkTo(const std::string& pageLabel, bool shown,
                           const std::vector<std::string>& linkable) {
  if (shown == showsLinkTo(pageLabel)) return;
  setShowsAllLinks(false, linkable);
  const std::string entry = pageLabel + "|";
  // The entry itself, not the end of a longer label ("MyHome|" holds "Home|").
  size_t at = displayedLinks.find(entry);
  while (at != std::string::npos && at > 0 && displayedLinks[at - 1] != '|') {
    at = displayedLinks.find(entry, at + 1);
  }
  if (shown && at == std::string::npos) {
    displayedLinks += entry;
  } else if (!shown && at != std::string::npos) {
    displayedLinks.erase(at, entry.size());
  }
}

bool CPage::copyFrom(const CPage& other) {
  if (typeid(other) != typeid(*this)) return false;
  *this = other;
  return true;
}

std::string CPage::numberedLabel(const std::string& name, int32_t n) {
  return n <= 1 ? name : name + " " + std::to_string(n);
}

CFontData CPage::arialFont(int32_t tenthsOfPoint, int32_t bold) const {
  CFontData font;
  font.set("Arial", getTextColorValue(), tenthsOfPoint, 0, bold, 0, 0);
  return font;
}

void CPage::resizeLinkArrays(size_t size) {
  linkTargets.resize(size);
  linkFonts.resize(size);
  linkPressedFonts.resize(size);
  linkImages.resize(size);
  linkPressedImages.resize(size);
}

void CPage::ioLinks(Archive& ar) {
  ar.io(linkCount);
  ioCountedEntries(
      ar, linkCount, [this](size_t size) { resizeLinkArrays(size); },
      [this, &ar](size_t i) {
        ar.io(linkTargets[i]);
        linkFonts[i].serialize(ar);
        linkPressedFonts[i].serialize(ar);
        ar.io(linkImages[i]);
        ar.io(linkPressedImages[i]);
      });
}

void CPage::ioAppearance(Archive& ar) {
  for (std::string* text :
       {&backColor, &backImage, &offset, &textColor, &linkColor, &visitedColor, &templateFile}) {
    ar.io(*text);
  }
}

void CPage::visitAppearance(FieldVisitor& visitor) {
  visitor.field("backColor", backColor);
  visitor.field("backImage", backImage);
  visitor.field("offset", offset);
  visitor.field("textColor", textColor);
  visitor.field("linkColor", linkColor);
  visitor.field("visitedColor", visitedColor);
  visitor.field("templateFile", templateFile);
}

void CPage::serialize(Archive& ar) {
  const int32_t version = ar.recordVersion(4);
  if (version < 1 || version > 4) return;
  ar.io(label);
  ar.io(pageType);
  if (version >= 2) ar.io(displayedLinks);
  if (version >= 3) ar.io(unstyled);
  if (version >= 4) ioLinks(ar);
}

void CPage::visitFields(FieldVisitor& visitor) {
  visitor.field("label", label);
  visitor.field("pageType", pageType);
  visitor.field("displayedLinks", displayedLinks);
  visitor.field("unstyled", unstyled);
  visitor.countField("linkCount", linkCount);
  visitor.field("linkTargets", linkTargets);
  visitor.field("linkFonts", linkFonts);
  visitor.field("linkPressedFonts", linkPressedFonts);
  visitor.field("linkImages", linkImages);
  visitor.field("linkPressedImages", linkPressedImages);
}

}  // namespace quorvex
