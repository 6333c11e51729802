#include "site/style_template.h"

#include "document/archive.h"
#include "document/color_string.h"
#include "document/field_visitor.h"
#include "site/offset_text.h"
#include "site/page_type.h"

namespace quorvex {

namespace {

constexpr CTemplate::DrawTextFlag kDrawTextFlags[] = {
    {"buy_drawtext", &CTemplate::buy_drawtext},
    {"buyon_drawtext", &CTemplate::buyon_drawtext},
    {"continue_drawtext", &CTemplate::continue_drawtext},
    {"continueon_drawtext", &CTemplate::continueon_drawtext},
    {"submit_drawtext", &CTemplate::submit_drawtext},
    {"submiton_drawtext", &CTemplate::submiton_drawtext},
    {"view_drawtext", &CTemplate::view_drawtext},
    {"viewon_drawtext", &CTemplate::viewon_drawtext},
    {"delete_drawtext", &CTemplate::delete_drawtext},
    {"minus_drawtext", &CTemplate::minus_drawtext},
    {"plus_drawtext", &CTemplate::plus_drawtext},
    {"empty_cart_drawtext", &CTemplate::empty_cart_drawtext},
    {"full_cart_drawtext", &CTemplate::full_cart_drawtext},
};

// The page types with a default image, in the order of defaultImages.
constexpr int32_t kTypesWithDefaultImage[] = {kHomePageType,     kContactPageType,
                                              kInfoPageType,     kProductPageType,
                                              kThankYouPageType, kOrderFormPageType};

// The shopping pictures that styles stored before the pictures could be
// chosen were built with.
constexpr const char* kOldBuyImage = "Template Images\\Other\\buy-gr.gif";
constexpr const char* kOldContinueImage = "Template Images\\Other\\continue-gr.gif";
constexpr const char* kOldSubmitImage = "Template Images\\Other\\submit-gr.gif";
constexpr const char* kOldViewImage = "Template Images\\Other\\view-gr.gif";
constexpr const char* kOldLinkImage = "Template Images\\button-gray.gif";

}  // namespace

std::span<const CTemplate::DrawTextFlag> CTemplate::drawTextFlags() { return kDrawTextFlags; }

const std::string& CTemplate::defaultImage(int32_t type) const {
  static const std::string kNone;
  for (size_t i = 0; i < defaultImages.size(); ++i) {
    if (kTypesWithDefaultImage[i] == type) return defaultImages[i];
  }
  return kNone;
}

int32_t CTemplate::getBackColorValue() const { return colorFromHex(back_color); }
int32_t CTemplate::getTextColorValue() const { return colorFromHex(text_color); }
int32_t CTemplate::getLinkColorValue() const { return colorFromHex(link_color); }
int32_t CTemplate::getVisitedColorValue() const { return colorFromHex(vlink_color); }
void CTemplate::setBackColor(int32_t color) { back_color = colorToHex(color); }
void CTemplate::setTextColor(int32_t color) { text_color = colorToHex(color); }
void CTemplate::setLinkColor(int32_t color) { link_color = colorToHex(color); }
void CTemplate::setVisitedColor(int32_t color) { vlink_color = colorToHex(color); }

std::string CTemplate::getOffsetNumber() const { return offsetNumber(offset); }
bool CTemplate::isOffsetPercent() const { return isPercentOffset(offset); }
void CTemplate::setOffset(const std::string& number, bool percent) {
  offset = makeOffset(number, percent);
}

void CTemplate::copySettingsFrom(const CTemplate& other) {
  CTemplate settings = other;
  settings.restyleAfterOpen = restyleAfterOpen;
  settings.styleApplied = styleApplied;
  settings.currentIndex = currentIndex;
  settings.currentName = std::move(currentName);
  settings.styleNames = std::move(styleNames);
  *this = std::move(settings);
}

void CTemplate::resetSettings() {
  copySettingsFrom(CTemplate());
  templatePath.clear();
}

// Each schema added fields to the one before; all are read in the order of
// schema 11:
//   1: backImage, defaultImages, the four colours, offset, styleNames;
//   2: adds def_buy_img, def_continue_img, def_submit_img, def_view_img,
//      def_delete_img, def_minus_img, def_plus_img;
//   3: adds currentName;   4: nothing new (marks the style as applied);
//   5: adds linkImage, buttonLinks and linkFont;   6: adds linkPressedImage;
//   7: adds pressedLinkFont;   8: adds the four pressed on_..._img;
//   9: adds the seven button texts and empty_cart_img;   10: adds
//      full_cart_img;   11: adds the draw-text flags and the cart texts.
void CTemplate::serialize(Archive& ar) {
  const uint16_t schema = ar.schema();
  if (schema >= 3) ar.io(currentName);
  ar.io(backImage);
  for (std::string& image : defaultImages) ar.io(image);
  ar.io(back_color);
  ar.io(text_color);
  ar.io(link_color);
  ar.io(vlink_color);
  ar.io(offset);
  if (schema >= 2) {
    for (auto [normal, pressed] : {std::pair{&def_buy_img, &on_buy_img},
                                   std::pair{&def_continue_img, &on_continue_img},
                                   std::pair{&def_submit_img, &on_submit_img},
                                   std::pair{&def_view_img, &on_view_img}}) {
      ar.io(*normal);
      if (schema >= 8) ar.io(*pressed);
    }
    ar.io(def_delete_img);
    ar.io(def_minus_img);
    ar.io(def_plus_img);
  }
  if (schema >= 5) ar.io(linkImage);
  if (schema >= 6) ar.io(linkPressedImage);
  if (schema >= 5) ar.io(buttonLinks);
  if (schema >= 9) {
    for (std::string* text : {&buy_text, &continue_text, &submit_text, &view_text, &plus_text,
                              &minus_text, &delete_text, &empty_cart_img}) {
      ar.io(*text);
    }
  }
  if (schema >= 10) ar.io(full_cart_img);
  if (schema >= 11) {
    for (const DrawTextFlag& draw : kDrawTextFlags) ar.io(this->*draw.flag);
    ar.io(empty_cart_text);
    ar.io(full_cart_text);
  }
  if (schema >= 5) linkFont.serialize(ar);
  if (schema >= 7) pressedLinkFont.serialize(ar);
  ar.ioStringList(styleNames);
  if (ar.isLoading()) giveOldSchemaValues(schema);
}

void CTemplate::giveOldSchemaValues(uint16_t schema) {
  restyleAfterOpen = schema < 4 ? 1 : 0;
  styleApplied = schema < 4 ? 0 : 1;
  if (schema < 2) {
    def_buy_img = on_buy_img = kOldBuyImage;
    def_continue_img = on_continue_img = kOldContinueImage;
    def_submit_img = on_submit_img = kOldSubmitImage;
    def_view_img = on_view_img = kOldViewImage;
    def_delete_img = "Template Images\\delete.gif";
    def_minus_img = "Template Images\\minus-gr.gif";
    def_plus_img = "Template Images\\plus-gr.gif";
  }
  if (schema < 5) {
    linkImage = kOldLinkImage;
    buttonLinks = 0;
  }
  if (schema < 6) linkPressedImage.clear();
  if (schema < 9) {
    const CTemplate fresh;
    buy_text = fresh.buy_text;
    continue_text = fresh.continue_text;
    submit_text = fresh.submit_text;
    view_text = fresh.view_text;
    plus_text = fresh.plus_text;
    minus_text = fresh.minus_text;
    delete_text = fresh.delete_text;
    empty_cart_img = fresh.empty_cart_img;
    full_cart_img = fresh.full_cart_img;
  }
}

void CTemplate::visitFields(FieldVisitor& visitor) {
  visitor.field("currentName", currentName);
  visitor.field("backImage", backImage);
  visitor.field("defaultImages", defaultImages);
  visitor.field("back_color", back_color);
  visitor.field("text_color", text_color);
  visitor.field("link_color", link_color);
  visitor.field("vlink_color", vlink_color);
  visitor.field("offset", offset);
  visitor.field("def_buy_img", def_buy_img);
  visitor.field("on_buy_img", on_buy_img);
  visitor.field("def_continue_img", def_continue_img);
  visitor.field("on_continue_img", on_continue_img);
  visitor.field("def_submit_img", def_submit_img);
  visitor.field("on_submit_img", on_submit_img);
  visitor.field("def_view_img", def_view_img);
  visitor.field("on_view_img", on_view_img);
  visitor.field("def_delete_img", def_delete_img);
  visitor.field("def_minus_img", def_minus_img);
  visitor.field("def_plus_img", def_plus_img);
  visitor.field("linkImage", linkImage);
  visitor.field("linkPressedImage", linkPressedImage);
  visitor.field("buttonLinks", buttonLinks);
  visitor.field("buy_text", buy_text);
  visitor.field("continue_text", continue_text);
  visitor.field("submit_text", submit_text);
  visitor.field("view_text", view_text);
  visitor.field("plus_text", plus_text);
  visitor.field("minus_text", minus_text);
  visitor.field("delete_text", delete_text);
  visitor.field("empty_cart_img", empty_cart_img);
  visitor.field("full_cart_img", full_cart_img);
  for (const DrawTextFlag& draw : kDrawTextFlags) visitor.field(draw.name, this->*draw.flag);
  visitor.field("empty_cart_text", empty_cart_text);
  visitor.field("full_cart_text", full_cart_text);
  visitor.field("linkFont", linkFont);
  visitor.field("pressedLinkFont", pressedLinkFont);
  visitor.field("styleNames", styleNames);
}

}  // namespace quorvex
