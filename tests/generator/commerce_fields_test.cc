#include "generator/commerce_fields.h"

#include <gtest/gtest.h>

#include "generator/commerce_fixture.h"
#include "site/order_form_page.h"
#include "site/page_type.h"

namespace quorvex::testing {
namespace {

class CommerceFieldsTest : public CommerceFixture {
 protected:
  // The order form pages of the page list, in list order.
  std::vector<COrderFormPage*> orderFormPages() {
    std::vector<COrderFormPage*> found;
    for (Owned<CPage>& page : doc_.m_pPageData->pages) {
      if (page->pageType == kOrderFormPageType) {
        found.push_back(dynamic_cast<COrderFormPage*>(page.get()));
      }
    }
    return found;
  }

  static CExtraOrderField extraField(std::string description, std::string identifier,
                                     std::string maxLength, std::string size) {
    CExtraOrderField field;
    field.description = std::move(description);
    field.identifier = std::move(identifier);
    field.maxLength = std::move(maxLength);
    field.fieldSize = std::move(size);
    return field;
  }

  CommerceFields commerce_{context_};
};

TEST_F(CommerceFieldsTest, TaxStatementsNumberStatesCitiesAndCountriesInOneRun) {
  CTax& tax = *doc_.m_pTax;
  tax.addStateTax({"California", "CA", "0.0725"});
  tax.addStateTax({"New York", "", ""});
  tax.addCityTax({"San Jose", "California", "CA", "0.0100"});
  tax.addCityTax({"Portland", "Maine", "", "8.25%"});
  tax.addCityTax({"O'Fallon", "Missouri (MO)", "M'O", "0.01"});
  tax.addVatTax({"C\xf4te d'Ivoire", "0.180000"});
  commerce_.setTax();
  EXPECT_EQ(field("tax"),
            // A rate keeps its decimals as stored; an empty abbreviation of a
            // state is one space, an empty rate leaves nothing.
            "tax[0] = new taxes('california','ca','stateTax',0.0725);\n"
            "tax[1] = new taxes('new york',' ','stateTax',);\n"
            "tax[2] = new taxes('california','ca','san jose',0.0100);\n"
            // Everything but digits and points leaves a rate.
            "tax[3] = new taxes('maine','','portland',8.25);\n"
            "tax[4] = new taxes('missouri \\(mo\\)','m\\'o','o\\'fallon',0.01);\n"
            // The country keeps its case.
            "tax[5] = new taxes('vat','','C\xf4te d\\'Ivoire',0.180000);\n");
}

TEST_F(CommerceFieldsTest, ExtraOrderFieldsComeFromTheFirstOrderForm) {
  doc_.m_pPageData->addPages(kProductPagesGroup, 1);
  std::vector<COrderFormPage*> orderForms = orderFormPages();
  ASSERT_EQ(orderForms.size(), 2u);
  orderForms[0]->extraFields = {extraField("Gift note", "giftNote", "80", "40"),
                                extraField("Referred <b>by</b>", "referrer", "20", "10")};
  orderForms[1]->extraFields = {extraField("Ignored", "ignored", "1", "1")};
  commerce_.setExtraOrderFields();
  const std::string cellStart = "<tr>\n<td align=\"right\" width=\"25%\"><font" +
                                std::string(20, ' ') + "face=\"Arial\">";
  const std::string inputStart =
      ": </font></td>\n<td width=\"75%\"><font face=\"Arial\"><input" + std::string(20, ' ') +
      "type=\"text\" size=\"";
  EXPECT_EQ(field("extra_order_fields"),
            cellStart + "Gift note" + inputStart +
                "40\" name=\"giftNote\" maxlength=\"80\"></font></td>\n</tr>" + cellStart +
                "Referred <b>by</b>" + inputStart +
                "10\" name=\"referrer\" maxlength=\"20\"></font></td>\n</tr>");
}

TEST_F(CommerceFieldsTest, ExtraOrderFieldsNeedAProductPage) {
  orderFormPages()[0]->extraFields = {extraField("Gift note", "giftNote", "80", "40")};
  std::erase_if(doc_.m_pPageData->pages,
                [](const Owned<CPage>& page) { return page->pageType == kProductPageType; });
  commerce_.setExtraOrderFields();
  EXPECT_EQ(field("extra_order_fields"), "<unset>");
}

TEST_F(CommerceFieldsTest, SalesBlurbsOfEveryRowWithASalesText) {
  auto row = [](std::string part, std::string blurb, int32_t publishState) {
    CExtraItem item;
    item.partNumber = std::move(part);
    item.salesDescription = std::move(blurb);
    item.publishState = publishState;
    return item;
  };
  doc_.m_pExtraFields->rows = {row("O'Neil", "Joe's (best)\r\nhammer", 0), row("P2", "", 0),
                               row("P3", "Not on sale", 1)};
  commerce_.setSalesBlurbs();
  EXPECT_EQ(field("sales_blurbs"),
            "salesblurb['O_Neil'] = 'Joe\\'s \\(best\\)  hammer';\n"
            "salesblurb['P3'] = 'Not on sale';\n");
}

}  // namespace
}  // namespace quorvex::testing
