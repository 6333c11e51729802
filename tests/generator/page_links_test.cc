#include "generator/page_links.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "generator/image_placer.h"
#include "generator/link_fixture.h"
#include "generator/link_markup.h"
#include "generator/page_content_fields.h"
#include "generator/text_helpers.h"
#include "imaging/font_markup.h"
#include "site/full_page.h"
#include "site/ind_prod_page.h"
#include "site/page_type.h"
#include "site/product_page.h"

namespace quorvex::testing {
namespace {

constexpr char kWarning[] =
    "WARNING: File \"Buttons\\missing.gif\" does not seem to be a valid image.\nNo page links "
    "will be output.";

// A text link inside the site's frames.
std::string framed(const std::string& label) {
  return "<A HREF=\"" + label + ".html\" TARGET=\"main\">" + label + "</A>";
}

size_t occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

class PageLinksTest : public LinkFixture {
 protected:
  std::vector<std::string> labels(const std::string& selection) const {
    std::vector<std::string> result;
    for (const CPage* page : links_.listedPages(selection)) result.push_back(page->label);
    return result;
  }
  std::string request(const std::string& selection, bool vertical, bool www, bool addOnSite = false,
                      const CPage* record = nullptr, std::string* preload = nullptr) {
    return links_.pageLinks({selection, addOnSite, vertical, www, preload, record});
  }

  PageLinks links_{context_, buttons_};
};

TEST_F(PageLinksTest, TextLinksListTheSelectedPagesHomeFirst) {
  setPages({{kInfoPageType, "b"},
            {kInfoPageType, "A"},
            {kHomePageType, "Home"},
            {kInfoPageType, "Info"},
            {kInfoPageType, "MyInfo"},
            {kThankYouPageType, "Thank You"},
            {kSpecCategoryPageType, "Tools"}});
  // "ALL" leaves out the order-server pages and the specific-category pages;
  // a row ends with its last link and a line feed.
  EXPECT_EQ(request("ALL", false, false), framed("Home") + " | " + framed("A") + " | " +
                                              framed("Info") + " | " + framed("MyInfo") + " | " +
                                              framed("b") + "\n");
  EXPECT_EQ(request("Home|Info|", true, false),
            framed("Home") + "<BR>\n" + framed("Info") + "<BR>\n");
  // The selection is searched for label + "|" anywhere in it.
  EXPECT_EQ(labels("MyInfo|"), (std::vector<std::string>{"Info", "MyInfo"}));
  EXPECT_EQ(labels("Tools|Thank You|"), (std::vector<std::string>{"Tools"}));
  EXPECT_EQ(labels("Nothing|"), std::vector<std::string>());
}

TEST_F(PageLinksTest, OnlyTheFirstHomePageLeads) {
  setPages({{kHomePageType, "Start"}, {kInfoPageType, "About"}, {kHomePageType, "Again"}});
  EXPECT_EQ(labels("ALL"), (std::vector<std::string>{"Start", "About", "Again"}));
  EXPECT_EQ(labels("Again|About|"), (std::vector<std::string>{"About", "Again"}));
}

TEST_F(PageLinksTest, WwwLinksLeadThroughPagecall) {
  setPages({{kHomePageType, "Home"}, {kInfoPageType, "Our Team"}});
  EXPECT_EQ(request("ALL", false, true, true),
            "<A HREF=\"http://www.acme.example\">Home</A> | "
            "<A HREF=\"http://www.acme.example/Quorvex/pagecall.html?Home.html\">Home</A> | "
            "<A HREF=\"http://www.acme.example/Quorvex/pagecall.html?Our_Team.html\">Our Team</A>"
            "\n");
  EXPECT_EQ(request("ALL", true, false, true),
            "<A HREF=\"../home.html\" TARGET=\"main\">Home</A><BR>\n" + framed("Home") +
                "<BR>\n<A HREF=\"Our_Team.html\" TARGET=\"main\">Our Team</A><BR>\n");
  // An address that ends with "/" gets no second one.
  doc_.m_pContact->url = "http://shop.example/";
  EXPECT_EQ(request("Home|", true, true),
            "<A HREF=\"http://shop.example/pagecall.html?Home.html\">Home</A><BR>\n");
}

TEST_F(PageLinksTest, ButtonLinksRollOverAndPreload) {
  setPages({{kInfoPageType, "Info"}, {kHomePageType, "Home"}});
  useButtons(true);
  const std::string home = checkedName("Home", true);
  const std::string info = checkedName("Info", true);
  std::string preload = "// preload\n";
  EXPECT_EQ(request("ALL", false, false, false, nullptr, &preload),
            "\n<A HREF=\"Home.html\" TARGET=\"main\" onMouseOver=\"shop.flip('" + home + "', '" +
                home + "1')\" onMouseOut=\"shop.flip('" + home + "', '" + home +
                "0')\">\n<IMG NAME=\"" + home +
                "\" SRC=\"Images/Home-link.gif\" ALT=\"Home\" WIDTH=\"100\" HEIGHT=\"20\" "
                "BORDER=0></A>"
                "\n<A HREF=\"Info.html\" TARGET=\"main\" onMouseOver=\"shop.flip('" +
                info + "', '" + info + "1')\" onMouseOut=\"shop.flip('" + info + "', '" + info +
                "0')\">\n<IMG NAME=\"" + info +
                "\" SRC=\"Images/Info-link.gif\" ALT=\"Info\" WIDTH=\"100\" HEIGHT=\"20\" "
                "BORDER=0></A>\n");
  EXPECT_EQ(preload, "// preload\n" + home + "0 = new Image;\n" + home +
                         "0.src = 'Images/Home-link.gif';\n" + home + "1 = new Image;\n" + home +
                         "1.src = 'Images/Home-link-ON.gif';\n" + info + "0 = new Image;\n" + info +
                         "0.src = 'Images/Info-link.gif';\n" + info + "1 = new Image;\n" + info +
                         "1.src = 'Images/Info-link-ON.gif';\n");
  for (const char* name : {"Home-link.gif", "Home-link-ON.gif", "Info-link.gif"}) {
    EXPECT_TRUE(imageWritten(name)) << name;
    EXPECT_TRUE(enteredInBothLists(name)) << name;
  }
  EXPECT_EQ(imageSizeOf("Info-link-ON.gif"), std::make_pair(100, 20));

  // The add-on site's Home button leads back to the existing site; www
  // lists use flip() and no frame target.
  const std::string list = request("Info|", true, true, true);
  EXPECT_EQ(list.substr(0, list.find("<BR>\n") + 5),
            "<A HREF=\"http://www.acme.example\" onMouseOver=\"flip('Home', 'Home1')\" "
            "onMouseOut=\"flip('Home', 'Home0')\"><IMG NAME=\"Home\" SRC=\"Images/home-link.gif\" "
            "ALT=\"Home\" WIDTH=\"100\" HEIGHT=\"20\" BORDER=0></A><BR>\n");
  EXPECT_NE(list.find("\n<A HREF=\"http://www.acme.example/Quorvex/pagecall.html?Info.html\" "
                      "onMouseOver=\"flip('" +
                      info + "', '" + info + "1')\""),
            std::string::npos);
  EXPECT_TRUE(list.ends_with("BORDER=0></A><BR>\n"));
}

TEST_F(PageLinksTest, ButtonsWithoutPressedPictureHaveNoRollOver) {
  setPages({{kHomePageType, "Home"}});
  useButtons(false);
  std::string preload;
  EXPECT_EQ(request("ALL", true, true, false, nullptr, &preload),
            "\n<A HREF=\"http://www.acme.example/pagecall.html?Home.html\">\n<IMG "
            "SRC=\"Images/Home-link.gif\" ALT=\"Home\" WIDTH=\"100\" HEIGHT=\"20\" "
            "BORDER=0></A><BR>\n");
  EXPECT_EQ(preload, "");
  EXPECT_EQ(request("ALL", false, false, true),
            "<A HREF=\"../home.html\" TARGET=\"main\"><IMG SRC=\"Images/home-link.gif\" "
            "ALT=\"Home\" WIDTH=\"100\" HEIGHT=\"20\" BORDER=0></A>\n<A HREF=\"Home.html\" "
            "TARGET=\"main\">\n<IMG SRC=\"Images/Home-link.gif\" ALT=\"Home\" WIDTH=\"100\" "
            "HEIGHT=\"20\" BORDER=0></A>\n");
}

TEST_F(PageLinksTest, AnOffsetOfAllTheWidthBreaksAfterEveryButton) {
  setPages({{kHomePageType, "Home"}, {kInfoPageType, "A"}, {kInfoPageType, "B"}});
  useButtons(false);
  doc_.m_pTemplate->offset = "100%";
  const std::string list = request("ALL", false, false, true);
  EXPECT_EQ(occurrences(list, "BORDER=0></A><BR>\n"), 4u);
  EXPECT_TRUE(list.ends_with("<BR>\n\n"));
}

TEST(LineBudget, FillsTheShareOfTheLineTheOffsetLeaves) {
  // "5%" leaves 760 pixels: six 100-pixel buttons fit with room for another;
  // after the seventh the line breaks and the next starts a new one.
  LineBudget five("5%", false);
  std::vector<std::string> after;
  for (int i = 0; i < 8; ++i) after.push_back(five.after(100));
  EXPECT_EQ(after, (std::vector<std::string>{"", "", "", "", "", "", "<BR>\n", ""}));
  // An offset below 1 counts as 1: 792 pixels take exactly two of 396.
  LineBudget zero("0%", false);
  EXPECT_EQ(zero.after(396), "");
  EXPECT_EQ(zero.after(396), "<BR>\n");
  LineBudget vertical("100%", true);
  EXPECT_EQ(vertical.after(1), "<BR>\n");
}

TEST_F(PageLinksTest, AnUnusablePictureEmptiesTheListAndWarnsOnce) {
  setPages({{kHomePageType, "Home"}, {kInfoPageType, "Info"}});
  doc_.m_pTemplate->buttonLinks = 1;
  doc_.m_pTemplate->linkImage = "Buttons\\missing.gif";
  std::string preload;
  EXPECT_EQ(request("ALL", false, false, false, nullptr, &preload), "");
  EXPECT_EQ(request("ALL", true, true), "");
  EXPECT_EQ(preload, "");
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>{kWarning});
  EXPECT_EQ(buttons_.renderedCount(), 0);
}

TEST_F(PageLinksTest, AnUnusablePressedPictureOnlyDropsTheRollOver) {
  setPages({{kHomePageType, "Home"}});
  useButtons(false);
  doc_.m_pTemplate->linkPressedImage = "Buttons\\missing.gif";
  const std::string list = request("ALL", true, false);
  EXPECT_NE(list.find("<IMG SRC=\"Images/Home-link.gif\""), std::string::npos);
  EXPECT_EQ(list.find("onMouseOver"), std::string::npos);
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>{kWarning});
}

TEST_F(PageLinksTest, FinishedListsAreReusedOnlyWhenNothingIsCustomised) {
  setPages({{kHomePageType, "Home"}, {kInfoPageType, "Info"}});
  const std::string first = request("ALL", false, false);
  doc_.m_pPageData->pages[1]->label = "Zed";
  // The same selection in the same table is answered from the cache ...
  EXPECT_EQ(request("ALL", false, false), first);
  CPage plain;
  EXPECT_EQ(request("ALL", false, false, false, &plain), first);
  // ... the other tables and requests gathering preload statements are not.
  EXPECT_NE(request("ALL", true, false).find("Zed"), std::string::npos);
  std::string preload;
  EXPECT_NE(request("ALL", false, false, false, nullptr, &preload).find("Zed"), std::string::npos);
  // A record with customised links gets its own list, which no other
  // request is given.
  useButtons(false);
  CPage record;
  record.label = "Contact";
  customise(record, "Home", 150);
  EXPECT_NE(request("Home|Zed|", true, true, false, &record).find("Contact-Home-link.gif"),
            std::string::npos);
  EXPECT_EQ(request("Home|Zed|", true, true).find("Contact-Home-link.gif"), std::string::npos);
  // An empty list is made again.
  EXPECT_EQ(request("New|", true, true), "");
  setPages({{kInfoPageType, "New"}});
  EXPECT_NE(request("New|", true, true), "");
}

TEST_F(PageLinksTest, PreloadCoversCustomisedButtonsAnywhere) {
  useButtons(true);
  customise(*doc_.m_pGlobalPage, "Contact", 150);
  CProductPage& product = *doc_.m_pPageData->productPage();
  customise(product.searchPage, "Home", 120);
  auto individual = makeOwned<CIndProdPage>();
  individual->setLabel("A1");
  individual->displayedLinks = "Home|Product|";
  customise(*individual, "Product", 130);
  customise(*individual, "Contact", 140);
  doc_.m_pIndProdData->productPages.push_back(individual);
  std::string preload;
  ASSERT_NE(request("ALL", false, false, false, nullptr, &preload), "");
  const std::string& url = context_.folders.imagesUrl();
  for (const auto& [record, target, file] : {std::tuple{"Global", "Contact", "Contact"},
                                             {"search", "Home", "Home"},
                                             {"A1", "Product", "Product"}}) {
    const std::string base = std::string(record) + "-" + file + "-link";
    EXPECT_NE(preload.find(preloadStatements(checkedName(std::string(record) + target, true),
                                             base + ".gif", base + "-ON.gif", url)),
              std::string::npos)
        << record;
  }
  // A customised link the record does not show needs no pictures.
  EXPECT_EQ(preload.find("A1-Contact"), std::string::npos);
  EXPECT_FALSE(imageWritten("A1-Contact-link.gif"));
}

TEST_F(PageLinksTest, EachButtonIsDrawnOncePerRun) {
  useButtons(true);
  CPage& contact = *doc_.m_pPageData->pages[1];
  ASSERT_EQ(contact.label, "Contact");
  customise(contact, "Home", 150);
  ImagePlacer images(context_);
  PageContentFields fields(context_, images, links_);
  std::string preload;
  request("ALL", false, false, false, nullptr, &preload);
  for (int pass = 0; pass < 2; ++pass) {
    for (const Owned<CPage>& page : doc_.m_pPageData->pages) {
      fields.setPageFields(dynamic_cast<CFullPage&>(*page));
    }
    CProductPage& product = *doc_.m_pPageData->productPage();
    fields.setSubPageFields(product.searchPage);
    fields.setSubPageFields(product.categoryPage);
  }
  // Home, Contact and Product, each normal and pressed, and the contact
  // page's own Home button and its pressed form.
  EXPECT_EQ(buttons_.renderedCount(), 8);
  int pictures = 0;
  for (const auto& entry : std::filesystem::directory_iterator(site() / "Images")) {
    if (entry.path().string().find("-link") != std::string::npos) ++pictures;
  }
  EXPECT_EQ(pictures, 8);
  EXPECT_NE(context_.fields.lookup("hlinks")->find("Product-link.gif"), std::string::npos);
}

TEST_F(PageLinksTest, EveryPageGetsItsOwnLinkFields) {
  CPage& contact = *doc_.m_pPageData->pages[1];
  contact.displayedLinks = "Home|";
  contact.linkFont.face = "Verdana";
  CProductPage& product = *doc_.m_pPageData->productPage();
  product.searchPage.displayedLinks = "Contact|";
  ImagePlacer images(context_);
  PageContentFields fields(context_, images, links_);
  auto field = [this](const char* name) { return *context_.fields.lookup(name); };

  fields.setPageFields(dynamic_cast<CFullPage&>(contact));
  const CFontData& font = contact.linkFont;
  const std::string www = "<A HREF=\"http://www.acme.example/pagecall.html?Home.html\">Home</A>";
  EXPECT_EQ(field("hlinks"), toHtml(font, framed("Home") + "\n"));
  EXPECT_EQ(field("www_hlinks"), toHtml(font, www + "\n"));
  EXPECT_EQ(field("vlinks"), toHtml(font, framed("Home") + "<BR>\n"));
  EXPECT_EQ(field("www_vlinks"), toHtml(font, www + "<BR>\n"));

  fields.setSubPageFields(product.searchPage);
  EXPECT_EQ(field("vlinks"), toHtml(product.searchPage.linkFont, framed("Contact") + "<BR>\n"));
}

}  // namespace
}  // namespace quorvex::testing
