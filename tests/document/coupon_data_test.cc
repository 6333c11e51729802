#include "document/coupon_data.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readObject;
using testing::writeObject;

CCoupon named(std::string name, std::string text = "") {
  CCoupon coupon;
  coupon.couponName = std::move(name);
  coupon.couponText = std::move(text);
  return coupon;
}

std::vector<std::string> namesOf(const CCouponData& data) {
  std::vector<std::string> names;
  for (const CCoupon& coupon : data.coupons) names.push_back(coupon.couponName);
  return names;
}

TEST(CouponData, StoredFormsBySchema) {
  CCouponData data;
  data.addCoupon(named("A"));
  data.couponStyles = {"Not Stored"};
  CCoupon a = named("A");
  const std::string expected =
      ArchiveBytes().newClass("CCouponData", 1).count(1).raw(testing::writeInline(a)).bytes();
  EXPECT_EQ(writeObject(data), expected);

  Owned<CCouponData> back = readObject<CCouponData>(expected);
  ASSERT_TRUE(back);
  EXPECT_EQ(namesOf(*back), (std::vector<std::string>{"A"}));
  EXPECT_TRUE(back->couponStyles.empty());

  // Another schema leaves the record empty and reads none of its bytes.
  const std::string other = ArchiveBytes().newClass("CCouponData", 2).bytes();
  size_t consumed = 0;
  Owned<CCouponData> empty = readObject<CCouponData>(other, nullptr, &consumed);
  ASSERT_TRUE(empty);
  EXPECT_EQ(consumed, other.size());
  EXPECT_EQ(empty->count(), 0u);
}

TEST(CouponData, NamesStayUniqueWithCase) {
  CCouponData data;
  EXPECT_TRUE(data.addCoupon(named("SummerSale", "first")));
  EXPECT_TRUE(data.addCoupon(named("summersale")));
  EXPECT_FALSE(data.addCoupon(named("SummerSale", "second")));
  EXPECT_EQ(namesOf(data), (std::vector<std::string>{"SummerSale", "summersale"}));
  EXPECT_EQ(data.couponAt(0)->couponText, "first");
  EXPECT_FALSE(data.couponAt(2));

  EXPECT_TRUE(data.replaceCoupon(0, named("SummerSale", "kept name")));
  EXPECT_FALSE(data.replaceCoupon(0, named("summersale")));
  EXPECT_TRUE(data.replaceCoupon(1, named("Winter")));
  EXPECT_FALSE(data.replaceCoupon(2, named("Spring")));
  EXPECT_EQ(namesOf(data), (std::vector<std::string>{"SummerSale", "Winter"}));
  EXPECT_EQ(data.couponAt(0)->couponText, "kept name");

  EXPECT_TRUE(data.removeCoupon(0));
  EXPECT_FALSE(data.removeCoupon(1));
  EXPECT_EQ(namesOf(data), (std::vector<std::string>{"Winter"}));
}

TEST(CouponData, AssignmentCopiesCouponsButNotStyles) {
  CCouponData source;
  source.addCoupon(named("A"));
  source.couponStyles = {"Blue Border"};
  CCouponData target;
  target.couponStyles = {"Own"};
  target = source;
  EXPECT_EQ(namesOf(target), (std::vector<std::string>{"A"}));
  EXPECT_EQ(target.couponStyles, (std::vector<std::string>{"Own"}));
  CCouponData copy(source);
  EXPECT_EQ(namesOf(copy), (std::vector<std::string>{"A"}));
  EXPECT_TRUE(copy.couponStyles.empty());
}

class CouponTemplates : public ::testing::Test {
 protected:
  void SetUp() override {
    home_ = std::filesystem::temp_directory_path() /
            ("quorvex-coupons-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(home_);
    std::filesystem::create_directories(home_);
  }
  void TearDown() override { std::filesystem::remove_all(home_); }

  void addFile(const std::string& name) {
    std::filesystem::create_directories(home_ / "Coupon Templates");
    std::ofstream(home_ / "Coupon Templates" / name) << "<html></html>";
  }

  std::filesystem::path home_;
};

TEST_F(CouponTemplates, MissingOrEmptyFolderHasNoTemplates) {
  CCouponData data;
  EXPECT_FALSE(CCouponData::hasCouponTemplates(home_));
  data.loadCouponStyles(home_);
  EXPECT_TRUE(data.couponStyles.empty());

  std::filesystem::create_directories(home_ / "Coupon Templates" / "folder.html");
  addFile("readme.txt");
  addFile(".html");
  EXPECT_FALSE(CCouponData::hasCouponTemplates(home_));
}

TEST_F(CouponTemplates, StyleNamesFromTemplateFiles) {
  addFile("blue border.html");
  addFile("1st offer.html");
  addFile("RED  STAR.HTML");
  addFile("preview.jpg");
  EXPECT_TRUE(CCouponData::hasCouponTemplates(home_));
  CCouponData data;
  data.loadCouponStyles(home_);
  EXPECT_EQ(data.couponStyles,
            (std::vector<std::string>{"1st Offer", "Blue Border", "Red  Star"}));
}

TEST_F(CouponTemplates, TemplatePathOfACouponStyle) {
  addFile("blue border.html");
  CCouponData data;
  CCoupon blue = named("A");
  blue.styleName = "Blue Border";
  CCoupon missing = named("B");
  missing.styleName = "Gone";
  CCoupon escaping = named("C");
  escaping.styleName = "..\\..\\secret";
  data.coupons = {blue, missing, escaping};
  const std::filesystem::path folder = home_ / "Coupon Templates";
  EXPECT_EQ(data.couponTemplatePath(home_, 0), folder / "blue border.html");
  EXPECT_EQ(data.couponTemplatePath(home_, 1), folder / "Gone.html");
  EXPECT_FALSE(data.couponTemplatePath(home_, 2));
  EXPECT_FALSE(data.couponTemplatePath(home_, 3));
}

}  // namespace
}  // namespace quorvex
