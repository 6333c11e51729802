// The company steps' dialogs, driven through their widgets from the menus.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/document_lifecycle.h"
#include "support/sample_company.h"
#include "ui/sample_app_fixture.h"
#include "ui/widget_actions.h"

namespace quorvex::testing {
namespace {

class CompanyStepViewsTest : public SampleAppFixture {};

TEST_F(CompanyStepViewsTest, LocationNamesTheCompanyAndEditsItsAddresses) {
  // Cancel keeps the document as it was.
  driver_.on("Location Information",
             inOrder({[](QWidget& w) { typeInto(w, "Company Na&me:", "Other"); }, cancel}));
  run(kCmdLocation);
  EXPECT_EQ(doc().m_strCompanyName, kSampleCompany);
  EXPECT_FALSE(app_->lifecycle().modified());

  const size_t addresses = doc().m_pContact->addresses.size();
  driver_.on("Location Information",
             inOrder({[](QWidget& w) {
                        typeInto(w, "Company Na&me:", "Acme/Gear");
                        click(w, "&Close");
                      },
                      [](QWidget& w) {
                        typeInto(w, "Company Na&me:", "  Acme Gear ");
                        typeInto(w, "Company &URL:", "http://www.acmegear.example");
                        click(w, "A&dd Address...");
                      },
                      [](QWidget& w) {
                        typeInto(w, "C&ity:", "Springfield");
                        click(w, "&Close");
                      }}));
  driver_.on("Add Address", inOrder({[](QWidget& w) { click(w, "OK"); },
                                     [](QWidget& w) {
                                       typeInto(w, "&Address:", "Warehouse");
                                       typeInto(w, "C&ity:", "Shelbyville");
                                       click(w, "OK");
                                     }}));
  run(kCmdLocation);
  EXPECT_EQ(driver_.messages,
            (std::vector<std::string>{
                "Sorry, Company Name may not include any of these characters:\n\\/:*?\"<>|#%",
                "I'm sorry, but you fill in the first line of the Address field."}));
  EXPECT_EQ(doc().m_strCompanyName, "Acme Gear");
  EXPECT_EQ(doc().m_pContact->url, "www.acmegear.example");
  ASSERT_EQ(doc().m_pContact->addresses.size(), addresses + 1);
  EXPECT_EQ(doc().m_pContact->addresses.back().line1, "Warehouse");
  EXPECT_EQ(doc().m_pContact->addresses.back().city, "Springfield") << "the new one is selected";
  EXPECT_TRUE(app_->lifecycle().modified());
}

TEST_F(CompanyStepViewsTest, ContactEditsTheEmailAndPhoneLists) {
  const CContact before = *doc().m_pContact;
  driver_.on("Contact Information",
             inOrder({[](QWidget& w) { click(w, "Add Ph&one..."); }, cancel}));
  driver_.on("Add Phone", [](QWidget& w) {
    typeInto(w, "&Label:", "Mobile");
    typeInto(w, "&Number:", "555");
    click(w, "OK");
  });
  run(kCmdContact);
  EXPECT_EQ(doc().m_pContact->phones.size(), before.phones.size()) << "cancelled";

  driver_.on("Contact Information",
             inOrder({[](QWidget& w) { click(w, "&Delete Email"); },
                      [](QWidget& w) {
                        selectIn(w, "Email Addresses", "Questions: help@acme-outdoor.example");
                        click(w, "&Edit Email...");
                      },
                      [](QWidget& w) {
                        selectIn(w, "Phone/Fax Numbers", "Shop: +1 303 555 0142");
                        click(w, "De&lete Phone");
                      },
                      [](QWidget& w) {
                        EXPECT_EQ(entriesOf(w, "Phone/Fax Numbers"),
                                  std::vector<std::string>{"Fax: +1 303 555 0143"});
                        click(w, "&Close");
                      }}));
  driver_.on("Add Email", [](QWidget& w) {
    typeInto(w, "&Email Address:", "questions@acme.example");
    click(w, "OK");
  });
  run(kCmdContact);
  EXPECT_EQ(driver_.messages,
            std::vector<std::string>{
                "Please, select the email address you would like to remove from this list."});
  const CContact& after = *doc().m_pContact;
  ASSERT_EQ(after.emails.size(), before.emails.size());
  EXPECT_EQ(after.emails[1].label, before.emails[1].label);
  EXPECT_EQ(after.emails[1].value, "questions@acme.example");
  ASSERT_EQ(after.phones.size(), before.phones.size() - 1);
  EXPECT_EQ(after.phones[0].label, "Fax");
}

TEST_F(CompanyStepViewsTest, BusinessTakesItsTextsSymbolAndLogo) {
  const CBusiness before = *doc().m_pBusiness;
  driver_.on("Business Information",
             inOrder({[](QWidget& w) { typeInto(w, "Enter &Symbol:", "EUR"); }, cancel}));
  run(kCmdBusiness);
  EXPECT_EQ(doc().m_pBusiness->currencySymbol, before.currencySymbol);

  const std::filesystem::path picture = home() / "Sample" / "Pictures" / "candle.png";
  QString caption;
  driver_.on("Business Information",
             inOrder({[](QWidget& w) { click(w, "Add &Keywords..."); },
                      [](QWidget& w) { click(w, "&Text..."); },
                      [](QWidget& w) {
                        typeInto(w, "Enter &Symbol:", "\u20ac");
                        click(w, "&Browse...");
                      },
                      [&caption](QWidget& w) {
                        for (QLabel* label : w.findChildren<QLabel*>()) {
                          if (label->text().startsWith("Image shown")) caption = label->text();
                        }
                        click(w, "&Close");
                      }}));
  driver_.on("Keywords For Search Engines",
             inOrder({[](QWidget& w) {
                        typeInto(w, "&Description:", "Tents and \"tarps\"");
                        click(w, "OK");
                      },
                      [](QWidget& w) {
                        typeInto(w, "&Description:", "Tents and tarps");
                        typeInto(w, "&Keywords:", "tents, tarps");
                        click(w, "OK");
                      }}));
  driver_.on("Terms and Conditions", [](QWidget& w) {
    typeInto(w, "&Terms and conditions of your shop:", "No refunds.");
    click(w, "OK");
  });
  driver_.on("QFileDialog", [&picture](QWidget& dialog) { chooseFile(dialog, picture); });
  run(kCmdBusiness);
  EXPECT_EQ(driver_.messages,
            std::vector<std::string>{
                "Sorry, Description may not include any of these characters:\n\"<>"});
  const CBusiness& after = *doc().m_pBusiness;
  EXPECT_EQ(after.description, "Tents and tarps");
  EXPECT_EQ(after.keywords, "tents, tarps");
  EXPECT_EQ(after.termsText, "No refunds.");
  EXPECT_EQ(after.currencySymbol, "\x80") << "the euro sign in Windows-1252";
  EXPECT_EQ(after.logoPath, picture.string());
  EXPECT_EQ(caption.toStdString(), "Image shown here is 120 pixels") << "the output width";
}

}  // namespace
}  // namespace quorvex::testing
