#include <gtest/gtest.h>

#include "document/archive_reader.h"
#include "page_bytes.h"
#include "site/page.h"
#include "site/plain_pages.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readInline;
using testing::readObject;
using testing::writeInline;
using testing::writeObject;

CPage pageWithTwoLinks() {
  CPage page;
  page.label = "Global";
  page.displayedLinks = "Home|Contact|";
  page.unstyled = 0;
  page.linkCount = 2;
  page.linkTargets = {"Home", "Contact"};
  page.linkFonts.resize(2);
  page.linkPressedFonts.resize(2);
  page.linkFonts[0].shadowDepth = 2;
  page.linkPressedFonts[1].shadowDepth = 3;
  page.linkImages = {"a.gif", "b.gif"};
  page.linkPressedImages = {"a2.gif", ""};
  return page;
}

TEST(PageStoredForm, VersionFourWithLinks) {
  CPage page = pageWithTwoLinks();
  ArchiveBytes expected;
  expected.newClass("CPage", 4).int32(4).str("Global").int32(0).str("Home|Contact|").int32(0)
      .int32(2);
  testing::linkEntry(expected, "Home", 2, 1, "a.gif", "a2.gif");
  testing::linkEntry(expected, "Contact", 1, 3, "b.gif", "");
  EXPECT_EQ(writeObject(page), expected.bytes());

  std::string error;
  Owned<CPage> back = readObject<CPage>(expected.bytes(), &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(*back, page);
}

TEST(PageStoredForm, OlderVersionsAddOneFieldEach) {
  CPage one;
  one.displayedLinks = "X|";
  one.unstyled = 0;
  EXPECT_EQ(readInline(ArchiveBytes().int32(1).str("Info").int32(4002).bytes(), one), "");
  EXPECT_EQ(one.label, "Info");
  EXPECT_EQ(one.pageType, 4002);
  EXPECT_EQ(one.displayedLinks, "X|");
  EXPECT_EQ(one.unstyled, 0);

  CPage two;
  EXPECT_EQ(readInline(ArchiveBytes().int32(2).str("A").int32(4000).str("Home|").bytes(), two),
            "");
  EXPECT_EQ(two.displayedLinks, "Home|");
  EXPECT_EQ(two.unstyled, 1);

  CPage three = pageWithTwoLinks();
  size_t consumed = 0;
  const std::string v3 = ArchiveBytes().int32(3).str("A").int32(4000).str("ALL").int32(0).bytes();
  EXPECT_EQ(readInline(v3, three, &consumed), "");
  EXPECT_EQ(consumed, v3.size());
  EXPECT_EQ(three.unstyled, 0);
  // Version 3 holds no links: those held before stay.
  EXPECT_EQ(three.linkCount, 2);

  CPage unknown;
  EXPECT_EQ(readInline(ArchiveBytes().int32(5).str("A").bytes(), unknown, &consumed), "");
  EXPECT_EQ(consumed, 4u);
  EXPECT_EQ(unknown, CPage());
}

TEST(PageStoredForm, LinkCountOfZeroOrLessLeavesNoLinks) {
  CPage page = pageWithTwoLinks();
  EXPECT_EQ(readInline(ArchiveBytes().int32(4).str("").int32(0).str("ALL").int32(1).int32(-3)
                           .bytes(),
                       page),
            "");
  EXPECT_EQ(page.linkCount, -3);
  EXPECT_TRUE(page.linkTargets.empty());
  EXPECT_TRUE(page.linkFonts.empty());
  EXPECT_TRUE(page.linkPressedImages.empty());
  // Written back as held, without entries.
  EXPECT_EQ(writeInline(page),
            ArchiveBytes().int32(4).str("").int32(0).str("ALL").int32(1).int32(-3).bytes());
}

TEST(PageStoredForm, DamagedLinkCountFailsWithoutMakingTheLinks) {
  ArchiveBytes bytes;
  bytes.int32(4).str("").int32(0).str("ALL").int32(1).int32(0x7FFFFFFF);
  testing::linkEntry(bytes, "Home", 1, 1, "", "");
  CPage page;
  EXPECT_NE(readInline(bytes.bytes(), page), "");
  EXPECT_EQ(page.linkCount, 0);
  EXPECT_TRUE(page.linkTargets.empty());
}

TEST(PageStoredForm, LinkArraysOutOfStepAreWrittenToTheCount) {
  CPage page = pageWithTwoLinks();
  page.linkImages.pop_back();
  page.linkCount = 3;
  CPage back;
  ASSERT_EQ(readInline(writeInline(page), back), "");
  ASSERT_EQ(back.linkCount, 3);
  EXPECT_EQ(back.linkImages, (std::vector<std::string>{"a.gif", "", ""}));
  EXPECT_EQ(back.linkTargets, (std::vector<std::string>{"Home", "Contact", ""}));
  EXPECT_EQ(back.linkFonts.size(), 3u);
}

TEST(PageFileName, UnsafeCharactersBecomeUnderscores) {
  CPage page;
  page.label = "Thank You 2";
  EXPECT_EQ(page.getFileName(), "Thank_You_2.html");
  page.label = "a/b:c";
  EXPECT_EQ(page.getFileName(), "a_b_c.html");
  page.label = " /\\:*?\"<>|&-x.y";
  EXPECT_EQ(page.getFileName(), "____________x.y.html");
  page.label = "";
  EXPECT_EQ(page.getFileName(), ".html");
}

TEST(PageOffset, NumberAndPercent) {
  CPage page;
  EXPECT_EQ(page.getOffsetNumber(), "0");
  EXPECT_TRUE(page.isOffsetPercent());
  page.offset = "15 % ";
  EXPECT_EQ(page.getOffsetNumber(), "15");
  EXPECT_TRUE(page.isOffsetPercent());
  page.setOffset("40", false);
  EXPECT_EQ(page.offset, "40");
  EXPECT_FALSE(page.isOffsetPercent());
  EXPECT_EQ(page.getOffsetNumber(), "40");
  page.setOffset("5", true);
  EXPECT_EQ(page.offset, "5%");
  page.offset = "";
  EXPECT_FALSE(page.isOffsetPercent());
  EXPECT_EQ(page.getOffsetNumber(), "");
}

TEST(PageColors, StringsAndValues) {
  CPage page;
  EXPECT_EQ(page.getBackColorValue(), 0x00FFFFFF);
  EXPECT_EQ(page.getLinkColorValue(), 0x005C5C5C);
  EXPECT_EQ(page.getVisitedColorValue(), 0x00800080);
  page.setTextColor(0x00FF0A05);
  EXPECT_EQ(page.textColor, "#050aff");
  EXPECT_EQ(page.getTextColorValue(), 0x00FF0A05);
  page.setBackColor(1);
  page.setLinkColor(0x000100);
  page.setVisitedColor(0x010000);
  EXPECT_EQ(page.backColor, "#010000");
  EXPECT_EQ(page.linkColor, "#000100");
  EXPECT_EQ(page.visitedColor, "#000001");
}

TEST(PageTemplateFile, DefaultPerType) {
  CPage page;
  page.setDefaultTemplateFile(4007);
  EXPECT_EQ(page.templateFile, "OrderPage.html");
  page.setDefaultTemplateFile(4005);
  EXPECT_EQ(page.templateFile, "IndividualProdPage.html");
  for (int32_t no_class : {4004, 4008, 4009, 4010, 3999, 4017}) {
    page.setDefaultTemplateFile(no_class);
    EXPECT_EQ(page.templateFile, "IndividualProdPage.html") << no_class;
  }
}

TEST(PageCopy, CopyFromTakesEverythingOfTheSameClassOnly) {
  CHomePage source;
  source.label = "Start";
  source.linkCount = 1;
  source.linkTargets = {"Info"};
  source.linkFonts.resize(1);
  source.linkPressedFonts.resize(1);
  source.linkImages = {"x.gif"};
  source.linkPressedImages = {"y.gif"};
  source.imageFiles = {"one.jpg"};
  source.headerFont.face = "Georgia";

  CHomePage target;
  CPage& as_page = target;
  ASSERT_TRUE(as_page.copyFrom(source));
  EXPECT_EQ(target, source);
  // The copy is deep: changing the source leaves it.
  source.linkFonts[0].shadowDepth = 9;
  EXPECT_EQ(target.linkFonts[0].shadowDepth, 1);

  CInfoPage other;
  EXPECT_FALSE(other.copyFrom(source));
  EXPECT_EQ(other.label, "Info");
  CPage bare;
  EXPECT_FALSE(bare.copyFrom(source));
  EXPECT_TRUE(bare.copyFrom(CPage()));
}

TEST(PageDisplayedLinks, ShowingAndHidingLinks) {
  const std::vector<std::string> linkable = {"Home", "Contact", "MyHome"};
  struct Case {
    const char* before;
    const char* label;
    bool shown;
    const char* after;
  } cases[] = {
      {"ALL", "Contact", false, "Home|MyHome|"},
      {"ALL", "Contact", true, "ALL"},
      {"Home|", "Contact", true, "Home|Contact|"},
      {"MyHome|Home|", "Home", false, "MyHome|"},
      {"MyHome|", "Home", false, "MyHome|"},
      {"ALL", "Unlisted", false, "Home|Contact|MyHome|"},
  };
  for (const Case& c : cases) {
    CPage page;
    page.displayedLinks = c.before;
    page.setShowsLinkTo(c.label, c.shown, linkable);
    EXPECT_EQ(page.displayedLinks, c.after) << c.before << " " << c.label;
  }
  CPage page;
  page.setShowsAllLinks(false, linkable);
  EXPECT_EQ(page.displayedLinks, "Home|Contact|MyHome|");
  EXPECT_FALSE(page.showsLinkTo("Info"));
  page.setShowsAllLinks(true, linkable);
  EXPECT_TRUE(page.showsLinkTo("Info"));
}

}  // namespace
}  // namespace quorvex
