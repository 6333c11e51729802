#include <gtest/gtest.h>

#include <climits>

#include "site/style_config_file.h"
#include "site/style_template.h"

namespace quorvex {
namespace {

// A style with a distinct value in every setting.
CTemplate everySetting() {
  CTemplate style;
  style.backImage = "Style Templates\\Sea\\Images\\bg.gif";
  style.defaultImages = {"home.gif", "contact.gif", "info.gif",
                         "product.gif", "thanks.gif", "order.gif"};
  style.def_buy_img = "buy.gif";
  style.on_buy_img = "buy-on.gif";
  style.def_continue_img = "continue.gif";
  style.on_continue_img = "continue-on.gif";
  style.def_submit_img = "submit.gif";
  style.on_submit_img = "submit-on.gif";
  style.def_view_img = "view.gif";
  style.on_view_img = "view-on.gif";
  style.def_delete_img = "delete.gif";
  style.def_minus_img = "minus.gif";
  style.def_plus_img = "plus.gif";
  style.linkImage = "link.gif";
  style.linkPressedImage = "link-on.gif";
  style.back_color = "#A1B2C3";
  style.text_color = "#010203";
  style.link_color = "#0A0B0C";
  style.vlink_color = "#DDEEFF";
  style.offset = "12%";
  style.templatePath = "Style Templates\\Sea\\";
  style.buy_text = "Add";
  style.continue_text = "Go on";
  style.submit_text = "Send";
  style.view_text = "Cart";
  style.plus_text = "More";
  style.minus_text = "Less";
  style.delete_text = "Drop";
  style.empty_cart_img = "empty.gif";
  style.full_cart_img = "full.gif";
  style.empty_cart_text = "Nothing";
  style.full_cart_text = "Items";
  int32_t on = 0;
  for (const CTemplate::DrawTextFlag& draw : CTemplate::drawTextFlags()) {
    style.*draw.flag = on;
    on = 1 - on;
  }
  style.buttonLinks = 0;
  for (CTemplateFont* font : {&style.linkFont, &style.pressedLinkFont}) {
    const int32_t base = font == &style.linkFont ? 0 : 100;
    font->color = 0x123456 + base;
    font->shadow = 0;
    font->shadowDepth = 3 + base;
    font->offsetX = -2 - base;
    font->offsetY = 5 + base;
    font->logFont.lfHeight = -13 - base;
    font->logFont.lfWidth = 6 + base;
    font->logFont.lfEscapement = 7 + base;
    font->logFont.lfOrientation = 8 + base;
    font->logFont.lfWeight = 700 + base;
    font->logFont.lfItalic = 1;
    font->logFont.lfUnderline = 2;
    font->logFont.lfStrikeOut = 3;
    font->logFont.lfCharSet = 204;
    font->logFont.lfOutPrecision = 4;
    font->logFont.lfClipPrecision = 5;
    font->logFont.lfQuality = 255;
    font->logFont.lfPitchAndFamily = 34;
    font->logFont.setFaceName(base == 0 ? "Verdana" : "Trebuchet MS");
  }
  return style;
}

constexpr const char* kEverySettingText =
    "back_image=Style Templates\\Sea\\Images\\bg.gif\r\n"
    "def_home_img=home.gif\r\ndef_contact_img=contact.gif\r\ndef_info_img=info.gif\r\n"
    "def_product_img=product.gif\r\ndef_thankyou_img=thanks.gif\r\ndef_order_img=order.gif\r\n"
    "def_buy_img=buy.gif\r\non_buy_img=buy-on.gif\r\n"
    "def_continue_img=continue.gif\r\non_continue_img=continue-on.gif\r\n"
    "def_submit_img=submit.gif\r\non_submit_img=submit-on.gif\r\n"
    "def_view_img=view.gif\r\non_view_img=view-on.gif\r\n"
    "def_delete_img=delete.gif\r\ndef_minus_img=minus.gif\r\ndef_plus_img=plus.gif\r\n"
    "def_link_img=link.gif\r\ndef_mouseover_img=link-on.gif\r\n"
    "back_color=#A1B2C3\r\ntext_color=#010203\r\nlink_color=#0A0B0C\r\nvlink_color=#DDEEFF\r\n"
    "offset=12%\r\ntemplate_path=Style Templates\\Sea\\\r\n"
    "buy_text=Add\r\ncontinue_text=Go on\r\nsubmit_text=Send\r\nview_text=Cart\r\n"
    "plus_text=More\r\nminus_text=Less\r\ndelete_text=Drop\r\n"
    "empty_cart_img=empty.gif\r\nfull_cart_img=full.gif\r\n"
    "empty_cart_text=Nothing\r\nfull_cart_text=Items\r\n"
    "buy_drawtext=no\r\nbuyon_drawtext=yes\r\ncontinue_drawtext=no\r\n"
    "continueon_drawtext=yes\r\nsubmit_drawtext=no\r\nsubmiton_drawtext=yes\r\n"
    "view_drawtext=no\r\nviewon_drawtext=yes\r\ndelete_drawtext=no\r\nminus_drawtext=yes\r\n"
    "plus_drawtext=no\r\nempty_cart_drawtext=yes\r\nfull_cart_drawtext=no\r\n"
    "pagelink_on=0\r\npagelink_fontcolors=1193046\r\npagelink_shadow=0\r\n"
    "pagelink_shadowdist=3\r\npagelink_horizoffset=-2\r\npagelink_vertoffset=5\r\n"
    "pagelink_height=-13\r\npagelink_width=6\r\npagelink_escapement=7\r\n"
    "pagelink_orientation=8\r\npagelink_weight=700\r\npagelink_italic=1\r\n"
    "pagelink_underline=2\r\npagelink_strikeout=3\r\npagelink_charset=204\r\n"
    "pagelink_outprecision=4\r\npagelink_clipprecision=5\r\npagelink_quality=255\r\n"
    "pagelink_pitchandfamily=34\r\npagelink_facename=Verdana\r\n"
    "pressedlink_on=0\r\npressedlink_fontcolors=1193146\r\npressedlink_shadow=0\r\n"
    "pressedlink_shadowdist=103\r\npressedlink_horizoffset=-102\r\npressedlink_vertoffset=105\r\n"
    "pressedlink_height=-113\r\npressedlink_width=106\r\npressedlink_escapement=107\r\n"
    "pressedlink_orientation=108\r\npressedlink_weight=800\r\npressedlink_italic=1\r\n"
    "pressedlink_underline=2\r\npressedlink_strikeout=3\r\npressedlink_charset=204\r\n"
    "pressedlink_outprecision=4\r\npressedlink_clipprecision=5\r\npressedlink_quality=255\r\n"
    "pressedlink_pitchandfamily=34\r\npressedlink_facename=Trebuchet MS\r\n";

TEST(StyleConfigFile, EverySettingIsWrittenInOrderAndReadBack) {
  const CTemplate style = everySetting();
  EXPECT_EQ(writeStyleConfig(style), kEverySettingText);

  CTemplate back;
  back.resetSettings();
  readStyleConfig(kEverySettingText, back);
  EXPECT_EQ(writeStyleConfig(back), kEverySettingText);
  EXPECT_EQ(back.linkFont, style.linkFont);
  EXPECT_EQ(back.pressedLinkFont, style.pressedLinkFont);
  EXPECT_EQ(back.defaultImage(4006), "thanks.gif");
  EXPECT_EQ(back.minus_drawtext, 1);
}

TEST(StyleConfigFile, ColoursAreNormalisedOrReplacedByTheirDefault) {
  CTemplate style;
  readStyleConfig("  Back_Color =  ff00ff \n"
                  "TEXT_COLOR=#12G456\n"
                  "link_color=red\n"
                  "vlink_color=#abcdef12\n",
                  style);
  EXPECT_EQ(style.back_color, "#FF00FF");
  EXPECT_EQ(style.text_color, "#000000");
  EXPECT_EQ(style.link_color, "#0000FF");
  EXPECT_EQ(style.vlink_color, "#ABCDEF12");
  readStyleConfig("back_color=12345\ntext_color=abcdef9\nlink_color=#\nvlink_color=\n", style);
  EXPECT_EQ(style.back_color, "#FFFFFF");
  EXPECT_EQ(style.text_color, "ABCDEF9");
  EXPECT_EQ(style.link_color, "#0000FF");
  EXPECT_EQ(style.vlink_color, "#800080");
}

TEST(StyleConfigFile, ValuesAreReadByTheirKind) {
  CTemplate style;
  style.buy_text = "kept";
  readStyleConfig("no equals sign here\n"
                  "offset=\n"
                  "unknown_key=1\n"
                  "buy_drawtext=Yes\n"
                  "buyon_drawtext=yes\n"
                  "view_text = first \n"
                  "VIEW_TEXT=  Show Cart\t\n"
                  "pagelink_on=0\n"
                  "pressedlink_on=1\n"
                  "pagelink_height=12px\n"
                  "pagelink_width=wide\n"
                  "pagelink_weight=99999999999\n"
                  "pagelink_escapement=-99999999999\n"
                  "pagelink_italic=300\n"
                  "pagelink_facename=A face name that is far longer than thirty-one\n"
                  "pressedlink_facename=Key=Value Sans\n",
                  style);
  EXPECT_EQ(style.buy_text, "kept");
  EXPECT_EQ(style.offset, "");
  EXPECT_EQ(style.getOffsetNumber(), "");
  EXPECT_FALSE(style.isOffsetPercent());
  EXPECT_EQ(style.buy_drawtext, 0);
  EXPECT_EQ(style.buyon_drawtext, 1);
  EXPECT_EQ(style.view_text, "Show Cart");
  EXPECT_EQ(style.buttonLinks, 0);
  EXPECT_EQ(style.linkFont.logFont.lfHeight, 12);
  EXPECT_EQ(style.linkFont.logFont.lfWidth, 0);
  EXPECT_EQ(style.linkFont.logFont.lfWeight, INT32_MAX);
  EXPECT_EQ(style.linkFont.logFont.lfEscapement, INT32_MIN);
  EXPECT_EQ(style.linkFont.logFont.lfItalic, 300 % 256);
  EXPECT_EQ(style.linkFont.logFont.faceName(), "A face name that is far longer ");
  EXPECT_EQ(style.pressedLinkFont.logFont.faceName(), "Key=Value Sans");
}

}  // namespace
}  // namespace quorvex
