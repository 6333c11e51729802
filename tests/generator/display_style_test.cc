#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "company/brenquil_doc.h"
#include "generator/display_code.h"
#include "generator/display_style.h"
#include "generator/generation_context.h"
#include "platform/env.h"
#include "platform/scripted_prompter.h"
#include "platform/text_file.h"
#include "platform/worker_status.h"
#include "site/page_data.h"
#include "site/page_type.h"
#include "site/product_page.h"
#include "support/temp_dir.h"

namespace quorvex::testing {
namespace {

constexpr char kDefaultUsed[] =
    "The product display style you have chosen "
    "could not be found--the default will be used.";
constexpr char kNotFormatted[] =
    "ERROR:  Display file not properly formatted! "
    " Products will not display correctly.";

// The code of the product block `statements` of display `display`.
std::string blockCode(int display, const std::string &statements) {
  const std::string opening =
      display == 0 ? "" : "else if (displayNumber == " + std::to_string(display) + ") {";
  return opening + "\n mainWindow.document.write('" + statements + "');\n}";
}

// The link to an item's own page around `linked`, `plain` without one.
std::string pageLink(const std::string &linked, const std::string &plain) {
  return "'); \n\n if (whichItem.page != '') \n mainWindow.document.write('<A "
         "HREF=\"javascript:shop.showIndividualPage(' + whichIndex + ')\">" +
         linked + "</A>');\n else mainWindow.document.write('" + plain +
         "'); \n\n mainWindow.document.write('";
}

// A display style page whose body is `body`.
std::string stylePage(const std::string &body) {
  return "<HTML><HEAD><TITLE>t</TITLE></HEAD>\n<BODY BGCOLOR=\"#FFFFFF\">\n" + body +
         "\n</BODY></HTML>\n";
}

// A product page with every item keyword shown as plain text.
CProductPage plainPage() {
  CProductPage page;
  page.showBuyMe = page.showFeatures = page.linkOnText = 0;
  page.showPartNumber = page.showPrice = page.showImage = page.showDescription = 1;
  page.showAddedDescription = page.showWeight = 1;
  page.linkOnImage = 0;
  return page;
}

// The code of a display style page with `body`, read as from a file.
DisplayCode translate(const std::string &body, const CProductPage &page) {
  return translateDisplayStyle(joinLines(stylePage(body), ""), page);
}

std::string productCode(const std::string &block, const CProductPage &page) {
  return translate("<!--PRODUCT_BEGIN-->" + block + "<!--PRODUCT_END-->", page).displayItem;
}

class DisplayStyleTest : public ::testing::Test {
 protected:
  DisplayStyleTest() : env_(home_.path(), prompter_), doc_(env_) {}

  CProductPage &addProductPage() {
    doc_.m_pPageData->addPages(kProductPagesGroup, 1);
    return *doc_.m_pPageData->productPage();
  }
  // Sets the display fields and returns displayItem.
  std::string run() {
    GenerationContext context(doc_, env_, status_, "test");
    std::string item = setDisplayFields(context);
    for (const char *name : {"globalDisplayBegin", "globalDisplayEnd", "numberDisplays"}) {
      const std::string *value = context.fields.lookup(name);
      fields_[name] = value ? std::optional<std::string>(*value) : std::nullopt;
    }
    return item;
  }

  TempDir home_;
  ScriptedPrompter prompter_;
  Env env_;
  CBrenquilDoc doc_;
  WorkerStatus status_;
  std::map<std::string, std::optional<std::string>> fields_;
};

TEST_F(DisplayStyleTest, WithoutProductPageOnlyTheCountIsSet) {
  EXPECT_EQ(run(), "}");
  EXPECT_EQ(fields_["numberDisplays"], "0");
  EXPECT_EQ(fields_["globalDisplayBegin"], std::nullopt);
  EXPECT_EQ(fields_["globalDisplayEnd"], std::nullopt);
  EXPECT_TRUE(prompter_.texts().empty());
}

TEST_F(DisplayStyleTest, HeadAndProductBlockGiveTheDocumentedShape) {
  CProductPage &page = addProductPage();
  page.showPrice = 1;
  page.linkOnPrice = 0;
  home_.write("Display Styles/Display Default.html",
              stylePage("<!--HEAD_BEGIN--><TABLE><!--HEAD_END-->\n"
                        "<!--PRODUCT_BEGIN--><TR><TD>Price</TD></TR><!--PRODUCT_END-->"));
  EXPECT_EQ(run(),
            "\n mainWindow.document.write('<TR><TD>' + currency + whichItem.pri + "
            "'</TD></TR>');\n}");
  EXPECT_EQ(fields_["globalDisplayBegin"], "document.write('<TABLE>');");
  EXPECT_EQ(fields_["globalDisplayEnd"], "");
  EXPECT_EQ(fields_["numberDisplays"], "1");
  EXPECT_TRUE(prompter_.texts().empty());
}

TEST_F(DisplayStyleTest, FallsBackToTemplateCommonAndTheDefault) {
  CProductPage &page = addProductPage();
  page.layoutFile = "Styles\\Mine.html";
  home_.write("Template Common/Styles/Mine.html",
              stylePage("<!--PRODUCT_BEGIN-->mi\r\nne<!--PRODUCT_END-->"));
  home_.write("Template Common/Display Default.html",
              stylePage("<!--PRODUCT_BEGIN-->default<!--PRODUCT_END-->"));
  EXPECT_EQ(run(), blockCode(0, "mine"));
  EXPECT_TRUE(prompter_.texts().empty());

  page.layoutFile = "Display Styles\\Gone.html";
  EXPECT_EQ(run(), blockCode(0, "default"));
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>{kDefaultUsed});
}

TEST_F(DisplayStyleTest, WithoutAnyStyleFileTheCodeIsEmpty) {
  addProductPage();
  EXPECT_EQ(run(), "}");
  EXPECT_EQ(fields_["numberDisplays"], "1");
  EXPECT_EQ(fields_["globalDisplayBegin"], "");
  EXPECT_EQ(prompter_.texts(), (std::vector<std::string>{"There has been an error processing the "
                                                         "product display style. Your products "
                                                         "may not display correctly.  Please check "
                                                         "your Display Styles and Template "
                                                         "Common directory for the \"Display "
                                                         "Default.html\" file.  If you cannot find "
                                                         "this file, you may need to reinstall.",
                                                         kNotFormatted}));
}

TEST_F(DisplayStyleTest, LowerCaseMarkersYieldNoBlocks) {
  addProductPage();
  home_.write("Display Styles/Display Default.html",
              stylePage("<!--head_begin-->h<!--head_end--><!--product_begin-->"
                        "p<!--product_end-->"));
  EXPECT_EQ(run(), "}");
  EXPECT_EQ(fields_["globalDisplayBegin"], "");
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>{kNotFormatted});
}

TEST(DisplayCodeTest, NumberedBlocksUpToTheFirstGap) {
  const DisplayCode code = translate(
      "<!--PRODUCT_BEGIN-->a<!--PRODUCT_END--><!--PRODUCT2_BEGIN-->b<"
      "!--PRODUCT2_END-->"
      "<!--PRODUCT4_BEGIN-->d<!--PRODUCT4_END-->",
      plainPage());
  EXPECT_EQ(code.numberDisplays, 2);
  EXPECT_EQ(code.displayItem, blockCode(0, "a") + blockCode(1, "b"));

  // Further blocks are found anywhere in the text, in any order; their
  // number in the prefix counts from 0 for the first block.
  const DisplayCode three = translate(
      "<!--PRODUCT3_BEGIN-->c<!--PRODUCT3_END--><!--PRODUCT2_BEGIN-->b"
      "<!--PRODUCT2_END--><!--PRODUCT_BEGIN-->a<!--PRODUCT_END-->",
      plainPage());
  EXPECT_EQ(three.numberDisplays, 3);
  EXPECT_EQ(three.displayItem, blockCode(0, "a") + blockCode(1, "b") + blockCode(2, "c"));

  // An end marker before its begin marker gives an empty block.
  const DisplayCode reversed = translate(
      "<!--PRODUCT_BEGIN-->a<!--PRODUCT_END--><!--PRODUCT2_END-->b<!-"
      "-PRODUCT2_BEGIN-->",
      plainPage());
  EXPECT_EQ(reversed.numberDisplays, 2);
  EXPECT_EQ(reversed.displayItem, blockCode(0, "a") + "}");
}

TEST(DisplayCodeTest, OverlappingBlocksStopWhenTheyExceedTheText) {
  // Every further block spans the whole rest of the text.
  std::string begins;
  std::string ends;
  for (int n = 2; n <= 40; ++n) {
    begins += "<!--PRODUCT" + std::to_string(n) + "_BEGIN-->";
    ends += "<!--PRODUCT" + std::to_string(n) + "_END-->";
  }
  const DisplayCode code =
      translate("<!--PRODUCT_BEGIN-->a<!--PRODUCT_END-->" + begins + std::string(100, 'x') + ends,
                plainPage());
  // The second block takes more than half of the text, the third as much.
  EXPECT_EQ(code.numberDisplays, 2);
  EXPECT_EQ(code.displayItem.find("displayNumber == 2"), std::string::npos);
}

TEST(DisplayCodeTest, ProductKeywords) {
  CProductPage page = plainPage();
  const std::string image =
      "<IMG SRC=\"' + whichItem.image + '\" "
      "ALT=\"Product Image\" BORDER=\"0\">";
  // Keywords are replaced inside words, and line breaks vanish.
  EXPECT_EQ(productCode("Images\n<B>partNumber\n</B>", page),
            blockCode(0, image + "s<B>' + whichItem.prodNum + '</B>"));
  EXPECT_EQ(productCode("Offset Description Salespitch Weight", page),
            blockCode(0,
                      "' + mainWindow.offset + ' ' + whichItem.desc + ' ' + "
                      "whichItem.salesblurb + ' ' + whichItem.weight + '"));
  // Hidden items and buttons vanish.
  page.showPrice = page.showImage = 0;
  EXPECT_EQ(productCode("[BuyButton|Features|MoreInfoLink|Price|Image]", page),
            blockCode(0, "[||||]"));
  // A linked item: a link when the item has a page, the plain value if not.
  page.showPrice = page.linkOnPrice = 1;
  const std::string price = "' + currency + whichItem.pri + '";
  EXPECT_EQ(productCode("Price", page), blockCode(0, pageLink(price, price)));
  // The link text is inserted before Price is replaced.
  page.linkOnPrice = 0;
  page.linkOnText = 1;
  page.linkText = "Price list";
  EXPECT_EQ(productCode("MoreInfoLink", page), blockCode(0, pageLink(price + " list", " ")));
}

TEST(DisplayCodeTest, HeadAndFootBlocks) {
  CProductPage page = plainPage();
  page.previousLinkText = "Back NextProducts";
  page.nextLinkText = "On";
  const DisplayCode code = translate(
      "<!--FOOT_BEGIN-->PreviousProducts|ItemsSoFar<!--FOOT_END-->"
      "<!--PRODUCT_BEGIN-->p<!--PRODUCT_END-->"
      "<!--HEAD_BEGIN-->Offset PortableCart<!--HEAD_END-->",
      page);
  const std::string next =
      "'); \n\n if (rangeEnd >= stoppingPoint) \ndocument.write('<A "
      "HREF=\"javascript:shop.show(\\'' + showCategory + '\\',' + "
      "stoppingPoint + ',' + "
      "howManySoFar + ')\">On</A>'); \ndocument.writeln('";
  EXPECT_EQ(code.globalDisplayEnd,
            "document.write(''); \n\n if (howManySoFar > shop.itemsPerPageNum) "
            "{\ndocument.writeln('<A HREF=\"javascript:shop.show(\\'' + "
            "showCategory + '\\',' + "
            "backStop + ',' + backHowMany + ')\">Back " +
                next + "</A>');}\ndocument.writeln('|' + itemsSoFar + '');");
  // The portable cart interrupts the head's statement with its own code.
  EXPECT_TRUE(code.globalDisplayBegin.starts_with(
      "document.write('' + offset + ' ');\n if (shop.usePortaCart) { \n document.write('</FORM>"))
      << code.globalDisplayBegin;
  EXPECT_TRUE(code.globalDisplayBegin.ends_with("shop.portaCart();\n } \n document.write('');"));
  EXPECT_EQ(code.displayItem, blockCode(0, "p"));

  // An incomplete head block leaves the foot block alone, and the reverse.
  const DisplayCode noHead = translate("<!--HEAD_BEGIN-->h<!--FOOT_BEGIN-->f<!--FOOT_END-->", page);
  EXPECT_EQ(noHead.globalDisplayBegin, "");
  EXPECT_EQ(noHead.globalDisplayEnd, "document.write('f');");
  const DisplayCode noFoot =
      translate("<!--HEAD_BEGIN-->h<!--HEAD_END--><!--FOOT_END-->f<!--FOOT_BEGIN-->", page);
  EXPECT_EQ(noFoot.globalDisplayBegin, "document.write('h');");
  EXPECT_EQ(noFoot.globalDisplayEnd, "");
}

TEST(DisplayCodeTest, PageFrameIsDropped) {
  const CProductPage page = plainPage();
  // Markers before the body tag and after its end are not seen.
  EXPECT_FALSE(translateDisplayStyle("<!--PRODUCT_BEGIN-->x<!--PRODUCT_END--><body>", page)
                   .hasFirstProductBlock);
  EXPECT_FALSE(translateDisplayStyle("<BODY></BODY><!--PRODUCT_BEGIN-->x<!--PRODUCT_END-->", page)
                   .hasFirstProductBlock);
  // Without a body tag the text through the first ">" goes; without a
  // closing body tag the text is kept to its end.
  EXPECT_EQ(translateDisplayStyle("<!--PRODUCT_BEGIN-->x<!--PRODUCT_END-->", page).displayItem,
            "}");
  EXPECT_EQ(translateDisplayStyle("<Body a=1>\n<!--PRODUCT_BEGIN-->x<!--PRODUCT_END-->", page)
                .displayItem,
            blockCode(0, "x"));
}

}  // namespace
}  // namespace quorvex::testing
