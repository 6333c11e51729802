#include <gtest/gtest.h>

#include "company/class_table.h"
#include "document/business.h"
#include "document/contact.h"
#include "document/contact_checks.h"
#include "document/coupon_data.h"
#include "document/extra_order_field.h"
#include "document/json_form.h"
#include "document/shipping.h"
#include "document/tax.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::writeInline;
using testing::writeObject;

// Writes `record` to the JSON form as an object member and reads it back
// into a new record made from the class the JSON names; returns the stored
// bytes of the record read back.
template <class T>
std::string throughJson(const T& record, bool tagged) {
  Owned<T> original = makeOwned<T>(record);
  Json json = fieldsToJson([&](FieldVisitor& v) { v.field("member", original); });
  Owned<T> back;
  Status status = fieldsFromJson(documentClasses(), json, [&](FieldVisitor& v) { v.field("member", back); }, "doc");
  EXPECT_TRUE(status.ok()) << status.message() << "\n" << json.dump();
  if (!back) return "";
  return tagged ? writeObject(*back) : writeInline(*back);
}

template <class T>
void expectSameThroughJson(T record, bool tagged) {
  const std::string bytes = tagged ? writeObject(record) : writeInline(record);
  EXPECT_EQ(throughJson(record, tagged), bytes) << T::kClassName;
}

TEST(CompanyClasses, EveryRecordSurvivesTheJsonForm) {
  CBusiness business;
  business.termsText = "Terms \x80";
  business.logoWidth = 77;
  expectSameThroughJson(business, true);

  CContact contact;
  contact.url = "www.example.com";
  CAddress address;
  address.line1 = "1 Main St";
  address.country = "USA";
  contact.addAddress(address);
  contact.addPhone({"Fax", "1"});
  contact.addEmail({"Sales", "s@x"});
  expectSameThroughJson(contact, true);

  CContactChecks checks;
  checks.syncAddresses(contact);
  checks.emailChecks = {CCheck("Sales", 0)};
  expectSameThroughJson(checks, false);

  CShipping shipping;
  shipping.basedOn = CShipping::kFlatRate;
  shipping.shippingTypes.emplace_back().appendRange({"And Up", "3"});
  expectSameThroughJson(shipping, true);

  CTax tax;
  tax.addCityTax({"Portland", "Oregon", "OR", "0.010000"});
  tax.addVatTax({"France", "0.200000"});
  expectSameThroughJson(tax, true);

  CExtraOrderField field;
  field.identifier = "gift";
  expectSameThroughJson(field, false);

  CCouponData coupons;
  CCoupon coupon;
  coupon.couponName = "Spring";
  coupon.scheduleFormat = CCoupon::kYearRange;
  coupon.endYear = 2007;
  coupons.addCoupon(coupon);
  expectSameThroughJson(coupons, true);
}

}  // namespace
}  // namespace quorvex
