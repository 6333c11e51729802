#include <gtest/gtest.h>

#include "company/class_table.h"
#include "document/json_form.h"
#include "site/style_template.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readObject;
using testing::writeObject;

// A CTemplateFont in its stored form (record version 1), bold.
ArchiveBytes& font(ArchiveBytes& bytes, int32_t shadow, int32_t height, std::string_view face,
                   int32_t color) {
  return bytes.int32(1).int32(shadow).int32(2).int32(-3).int32(4).logFont(height, 700, face)
      .int32(color);
}

CTemplateFont boldFont(int32_t shadow, int32_t height, const std::string& face, int32_t color) {
  CTemplateFont made;
  made.shadow = shadow;
  made.shadowDepth = 2;
  made.offsetX = -3;
  made.offsetY = 4;
  made.logFont.lfHeight = height;
  made.logFont.lfWeight = 700;
  made.logFont.setFaceName(face);
  made.color = color;
  return made;
}

// The items every schema stores: backImage, the six default images, the four
// colours and the offset.
ArchiveBytes& pageLook(ArchiveBytes& bytes) {
  return bytes.str("Style Templates\\Blue\\Images\\bg.jpg").str("home.gif").str("contact.gif")
      .str("info.gif").str("product.gif").str("thanks.gif").str("order.gif").str("#112233")
      .str("#445566").str("#778899").str("#AABBCC").str("20");
}

void expectPageLook(const CTemplate& style) {
  EXPECT_EQ(style.backImage, "Style Templates\\Blue\\Images\\bg.jpg");
  EXPECT_EQ(style.defaultImage(4000), "home.gif");
  EXPECT_EQ(style.defaultImage(4003), "product.gif");
  EXPECT_EQ(style.defaultImage(4007), "order.gif");
  EXPECT_EQ(style.defaultImage(4011), "");
  EXPECT_EQ(style.back_color, "#112233");
  EXPECT_EQ(style.vlink_color, "#AABBCC");
  EXPECT_EQ(style.offset, "20");
}

ArchiveBytes& styleNames(ArchiveBytes& bytes) { return bytes.count(2).str("Blue").str("Red"); }

Owned<CTemplate> read(const ArchiveBytes& bytes) {
  std::string error;
  size_t consumed = 0;
  Owned<CTemplate> record = readObject<CTemplate>(bytes, &error, &consumed);
  EXPECT_TRUE(record) << error;
  EXPECT_EQ(consumed, bytes.bytes().size());
  return record;
}

// A style with a value of its own in every stored field.
CTemplate customStyle() {
  CTemplate style;
  style.currentName = "Blue";
  style.backImage = "Style Templates\\Blue\\Images\\bg.jpg";
  style.defaultImages = {"home.gif", "contact.gif", "info.gif",
                         "product.gif", "thanks.gif", "order.gif"};
  style.back_color = "#112233";
  style.text_color = "#445566";
  style.link_color = "#778899";
  style.vlink_color = "#AABBCC";
  style.offset = "20";
  style.def_buy_img = "b";
  style.on_buy_img = "B";
  style.def_continue_img = "c";
  style.on_continue_img = "C";
  style.def_submit_img = "s";
  style.on_submit_img = "S";
  style.def_view_img = "v";
  style.on_view_img = "V";
  style.def_delete_img = "d";
  style.def_minus_img = "m";
  style.def_plus_img = "p";
  style.linkImage = "link.gif";
  style.linkPressedImage = "linkon.gif";
  style.buttonLinks = 0;
  style.buy_text = "Add";
  style.continue_text = "Back";
  style.submit_text = "Send";
  style.view_text = "Cart";
  style.plus_text = "more";
  style.minus_text = "less";
  style.delete_text = "drop";
  style.empty_cart_img = "e.gif";
  style.full_cart_img = "f.gif";
  int32_t on = 1;
  for (const CTemplate::DrawTextFlag& draw : CTemplate::drawTextFlags()) style.*draw.flag = on++;
  style.empty_cart_text = "none";
  style.full_cart_text = "some";
  style.linkFont = boldFont(0, 18, "Verdana", 0x0000FF);
  style.pressedLinkFont = boldFont(1, 16, "Tahoma", 0xFF0000);
  style.styleNames = {"Blue", "Red"};
  style.templatePath = "Style Templates\\Blue\\";
  return style;
}

TEST(StyleTemplateStoredForm, Schema11WrittenAndReadBack) {
  CTemplate style = customStyle();
  ArchiveBytes bytes;
  bytes.newClass("CTemplate", 11).str("Blue");
  pageLook(bytes).str("b").str("B").str("c").str("C").str("s").str("S").str("v").str("V")
      .str("d").str("m").str("p").str("link.gif").str("linkon.gif").int32(0).str("Add")
      .str("Back").str("Send").str("Cart").str("more").str("less").str("drop").str("e.gif")
      .str("f.gif");
  for (int32_t flag = 1; flag <= 13; ++flag) bytes.int32(flag);
  bytes.str("none").str("some");
  font(bytes, 0, 18, "Verdana", 0x0000FF);
  font(bytes, 1, 16, "Tahoma", 0xFF0000);
  styleNames(bytes);
  EXPECT_EQ(writeObject(style), bytes.bytes());

  Owned<CTemplate> back = read(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(writeObject(*back), bytes.bytes());
  EXPECT_EQ(back->full_cart_drawtext, 13);
  EXPECT_EQ(back->pressedLinkFont, style.pressedLinkFont);
  EXPECT_EQ(back->templatePath, "Style Templates\\LeftImg\\");  // not stored
  EXPECT_EQ(back->restyleAfterOpen, 0);
  EXPECT_EQ(back->styleApplied, 1);
}

TEST(StyleTemplateStoredForm, Schema1GetsTheOldShoppingPictures) {
  ArchiveBytes bytes;
  bytes.newClass("CTemplate", 1);
  styleNames(pageLook(bytes));
  Owned<CTemplate> style = read(bytes);
  ASSERT_TRUE(style);
  expectPageLook(*style);
  EXPECT_EQ(style->styleNames, (std::vector<std::string>{"Blue", "Red"}));
  EXPECT_EQ(style->currentName, "");
  EXPECT_EQ(style->def_buy_img, "Template Images\\Other\\buy-gr.gif");
  EXPECT_EQ(style->on_buy_img, "Template Images\\Other\\buy-gr.gif");
  EXPECT_EQ(style->on_continue_img, "Template Images\\Other\\continue-gr.gif");
  EXPECT_EQ(style->def_submit_img, "Template Images\\Other\\submit-gr.gif");
  EXPECT_EQ(style->on_view_img, "Template Images\\Other\\view-gr.gif");
  EXPECT_EQ(style->def_delete_img, "Template Images\\delete.gif");
  EXPECT_EQ(style->def_minus_img, "Template Images\\minus-gr.gif");
  EXPECT_EQ(style->def_plus_img, "Template Images\\plus-gr.gif");
  EXPECT_EQ(style->linkImage, "Template Images\\button-gray.gif");
  EXPECT_EQ(style->linkPressedImage, "");
  EXPECT_EQ(style->buttonLinks, 0);
  EXPECT_EQ(style->buy_text, "Buy This");
  EXPECT_EQ(style->full_cart_img, "Template Images\\Other\\cartfull.gif");
  EXPECT_EQ(style->linkFont, CTemplateFont());
  EXPECT_EQ(style->restyleAfterOpen, 1);
  EXPECT_EQ(style->styleApplied, 0);
}

TEST(StyleTemplateStoredForm, Schemas2To4ReadTheNormalPicturesOnly) {
  ArchiveBytes bytes;
  bytes.newClass("CTemplate", 4).str("Blue");
  pageLook(bytes).str("b").str("c").str("s").str("v").str("d").str("m").str("p");
  styleNames(bytes);
  Owned<CTemplate> style = read(bytes);
  ASSERT_TRUE(style);
  expectPageLook(*style);
  EXPECT_EQ(style->currentName, "Blue");
  EXPECT_EQ(style->def_buy_img, "b");
  EXPECT_EQ(style->def_view_img, "v");
  EXPECT_EQ(style->def_plus_img, "p");
  EXPECT_EQ(style->on_buy_img, "");  // schema 2 to 7 give the pressed pictures no value
  EXPECT_EQ(style->linkImage, "Template Images\\button-gray.gif");
  EXPECT_EQ(style->buttonLinks, 0);
  EXPECT_EQ(style->restyleAfterOpen, 0);
  EXPECT_EQ(style->styleApplied, 1);

  ArchiveBytes two;
  two.newClass("CTemplate", 2);
  pageLook(two).str("b").str("c").str("s").str("v").str("d").str("m").str("p");
  styleNames(two);
  Owned<CTemplate> second = read(two);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->currentName, "");
  EXPECT_EQ(second->def_minus_img, "m");
  EXPECT_EQ(second->restyleAfterOpen, 1);
  EXPECT_EQ(second->styleApplied, 0);
}

TEST(StyleTemplateStoredForm, Schemas5To8AddLinkButtonsAndPressedPictures) {
  ArchiveBytes five;
  five.newClass("CTemplate", 5).str("Blue");
  pageLook(five).str("b").str("c").str("s").str("v").str("d").str("m").str("p")
      .str("link.gif").int32(1);
  font(five, 0, 18, "Verdana", 0x0000FF);
  styleNames(five);
  Owned<CTemplate> fifth = read(five);
  ASSERT_TRUE(fifth);
  EXPECT_EQ(fifth->linkImage, "link.gif");
  EXPECT_EQ(fifth->linkPressedImage, "");
  EXPECT_EQ(fifth->buttonLinks, 1);
  EXPECT_EQ(fifth->linkFont, boldFont(0, 18, "Verdana", 0x0000FF));
  EXPECT_EQ(fifth->pressedLinkFont, CTemplateFont());

  ArchiveBytes eight;
  eight.newClass("CTemplate", 8).str("Blue");
  pageLook(eight).str("b").str("B").str("c").str("C").str("s").str("S").str("v").str("V")
      .str("d").str("m").str("p").str("link.gif").str("linkon.gif").int32(1);
  font(eight, 0, 18, "Verdana", 0x0000FF);
  font(eight, 1, 16, "Tahoma", 0xFF0000);
  styleNames(eight);
  Owned<CTemplate> eighth = read(eight);
  ASSERT_TRUE(eighth);
  expectPageLook(*eighth);
  EXPECT_EQ(eighth->on_buy_img, "B");
  EXPECT_EQ(eighth->on_view_img, "V");
  EXPECT_EQ(eighth->def_plus_img, "p");
  EXPECT_EQ(eighth->linkPressedImage, "linkon.gif");
  EXPECT_EQ(eighth->pressedLinkFont, boldFont(1, 16, "Tahoma", 0xFF0000));
  EXPECT_EQ(eighth->view_text, "View Cart Contents");
  EXPECT_EQ(eighth->styleNames, (std::vector<std::string>{"Blue", "Red"}));
}

TEST(StyleTemplateStoredForm, Schemas9And10AddTextsAndCartPictures) {
  auto upToTexts = [](uint16_t schema) {
    ArchiveBytes bytes;
    bytes.newClass("CTemplate", schema).str("Blue");
    pageLook(bytes).str("b").str("B").str("c").str("C").str("s").str("S").str("v").str("V")
        .str("d").str("m").str("p").str("link.gif").str("linkon.gif").int32(1).str("Add")
        .str("Back").str("Send").str("Cart").str("more").str("less").str("drop").str("e.gif");
    return bytes;
  };
  ArchiveBytes nine = upToTexts(9);
  font(nine, 0, 18, "Verdana", 0);
  font(nine, 1, 16, "Tahoma", 0);
  styleNames(nine);
  Owned<CTemplate> ninth = read(nine);
  ASSERT_TRUE(ninth);
  EXPECT_EQ(ninth->buy_text, "Add");
  EXPECT_EQ(ninth->delete_text, "drop");
  EXPECT_EQ(ninth->empty_cart_img, "e.gif");
  EXPECT_EQ(ninth->full_cart_img, "Template Images\\Other\\cartfull.gif");
  EXPECT_EQ(ninth->empty_cart_text, "Empty");

  ArchiveBytes ten = upToTexts(10);
  ten.str("f.gif");
  font(ten, 0, 18, "Verdana", 0);
  font(ten, 1, 16, "Tahoma", 0);
  styleNames(ten);
  Owned<CTemplate> tenth = read(ten);
  ASSERT_TRUE(tenth);
  EXPECT_EQ(tenth->full_cart_img, "f.gif");
  EXPECT_EQ(tenth->buy_drawtext, 0);
  EXPECT_EQ(tenth->full_cart_text, "Full");
}

TEST(StyleTemplate, JsonFormHoldsEveryStoredField) {
  CTemplate style = customStyle();
  const Json json = fieldsToJson([&](FieldVisitor& v) { style.visitFields(v); });
  EXPECT_TRUE(json.contains("viewon_drawtext"));
  EXPECT_FALSE(json.contains("templatePath"));
  CTemplate back;
  ASSERT_TRUE(fieldsFromJson(documentClasses(), json, [&](FieldVisitor& v) { back.visitFields(v); }, "style").ok());
  EXPECT_EQ(writeObject(back), writeObject(style));
}

}  // namespace
}  // namespace quorvex
