#ifndef QUORVEX_SITE_STYLE_TEMPLATE_H_
#define QUORVEX_SITE_STYLE_TEMPLATE_H_

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/record.h"
#include "document/template_font.h"

namespace quorvex {

// The chosen style template with a full copy of its settings: the folder of
// the HTML templates, the page colours, background and left margin, the
// default image of each page kind, the images and texts of the shopping
// buttons, and how page-link buttons are drawn. Also the style names found in
// the "Style Templates" folder.
//
// Fields named like configuration keys (def_buy_img, back_color, ...) carry
// the value of that key. Image paths are relative to the program folder.
class CTemplate : public Record {
  QUORVEX_RECORD(CTemplate)

 public:
  // A flag saying whether a shopping picture gets its text drawn onto it.
  struct DrawTextFlag {
    const char* name;
    int32_t CTemplate::*flag;
  };
  // Returns the thirteen draw-text flags in their stored order.
  static std::span<const DrawTextFlag> drawTextFlags();

  // Set when the record was read from a stored form older than schema 4: the
  // style is then applied to all pages after the document is opened. Not
  // stored.
  int32_t restyleAfterOpen = 0;
  // The style has been applied to the pages (a record read from schema 4 on
  // counts as applied). Not stored.
  int32_t styleApplied = 0;
  // 1: page links are button pictures with drawn text; 0: text links.
  int32_t buttonLinks = 1;
  // The text drawn onto normal and pressed link buttons.
  CTemplateFont linkFont;
  CTemplateFont pressedLinkFont;
  // The background image of the pages.
  std::string backImage;
  // The default page image for the page types 4000, 4001, 4002, 4003, 4006
  // and 4007, in this order (see defaultImage).
  std::array<std::string, 6> defaultImages;
  // The shopping button pictures and their pressed forms.
  std::string def_buy_img;
  std::string def_continue_img;
  std::string def_submit_img;
  std::string def_view_img;
  std::string def_delete_img;
  std::string def_minus_img;
  std::string def_plus_img;
  std::string on_buy_img;
  std::string on_continue_img;
  std::string on_submit_img;
  std::string on_view_img;
  // The default normal and pressed background pictures of page-link buttons.
  std::string linkImage;
  std::string linkPressedImage;
  // The shopping button texts.
  std::string buy_text = "Buy This";
  std::string continue_text = "Continue Shopping";
  std::string submit_text = "Submit Order";
  std::string view_text = "View Cart Contents";
  std::string plus_text = "+";
  std::string minus_text = "-";
  std::string delete_text = "X";
  // The cart pictures and texts.
  std::string empty_cart_img = "Template Images\\Other\\cartempty.gif";
  std::string full_cart_img = "Template Images\\Other\\cartfull.gif";
  std::string empty_cart_text = "Empty";
  std::string full_cart_text = "Full";
  // Draw-text flags (drawTextFlags lists them).
  int32_t buy_drawtext = 0;
  int32_t buyon_drawtext = 0;
  int32_t continue_drawtext = 0;
  int32_t continueon_drawtext = 0;
  int32_t submit_drawtext = 0;
  int32_t submiton_drawtext = 0;
  int32_t view_drawtext = 0;
  int32_t viewon_drawtext = 0;
  int32_t delete_drawtext = 0;
  int32_t minus_drawtext = 0;
  int32_t plus_drawtext = 0;
  int32_t empty_cart_drawtext = 0;
  int32_t full_cart_drawtext = 0;
  // The folder of the style's HTML templates and of its "Images" folder,
  // relative to the program folder unless absolute ("" is the program folder
  // itself). Not stored: set again when the style is loaded.
  std::string templatePath = "Style Templates\\LeftImg\\";
  // The chosen style's position in styleNames (not stored) and its name.
  int32_t currentIndex = 0;
  std::string currentName;
  // Page colours as colour strings, and the left margin (a number, or a
  // percentage with "%").
  std::string back_color = "#FFFFFF";
  std::string text_color = "#000000";
  std::string link_color = "#0000FF";
  std::string vlink_color = "#800080";
  std::string offset = "0%";
  // The styles found in the folder, sorted.
  std::vector<std::string> styleNames;

  // Returns the default page image of a page of `type`, or "" for a type
  // without one.
  const std::string& defaultImage(int32_t type) const;

  // The colours as colour values (0x00BBGGRR); the setters store the colour
  // string of the value.
  int32_t getBackColorValue() const;
  int32_t getTextColorValue() const;
  int32_t getLinkColorValue() const;
  int32_t getVisitedColorValue() const;
  void setBackColor(int32_t color);
  void setTextColor(int32_t color);
  void setLinkColor(int32_t color);
  void setVisitedColor(int32_t color);

  // Returns offset without trailing blanks and without a trailing "%".
  std::string getOffsetNumber() const;
  // True when offset ends in "%" (trailing blanks ignored).
  bool isOffsetPercent() const;
  // Stores `number` followed by "%" when `percent` is set.
  void setOffset(const std::string& number, bool percent);

  // Takes every setting of `other` (what a configuration file describes,
  // templatePath included); keeps this record's currentIndex, currentName,
  // styleNames, restyleAfterOpen and styleApplied.
  void copySettingsFrom(const CTemplate& other);
  // Gives every setting the value it has before a configuration file is
  // read; templatePath becomes "" (the program folder).
  void resetSettings();

  // Schema 11: currentName, backImage, defaultImages, back_color, text_color,
  // link_color, vlink_color, offset, def_buy_img, on_buy_img,
  // def_continue_img, on_continue_img, def_submit_img, on_submit_img,
  // def_view_img, on_view_img, def_delete_img, def_minus_img, def_plus_img,
  // linkImage, linkPressedImage, buttonLinks, the seven button texts,
  // empty_cart_img, full_cart_img, the draw-text flags, empty_cart_text,
  // full_cart_text, linkFont, pressedLinkFont, styleNames. Schemas 1 to 10
  // store part of these in the same order; what they lack is explained in
  // the .cc. Reading sets restyleAfterOpen and styleApplied.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

 private:
  // Gives the fields that the stored form of `schema` lacks the values such
  // a style had.
  void giveOldSchemaValues(uint16_t schema);
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_STYLE_TEMPLATE_H_
