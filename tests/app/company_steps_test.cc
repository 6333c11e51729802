#include <fstream>

#include "app/address_dialog.h"
#include "app/app_fixture.h"
#include "app/business_step.h"
#include "app/command_ids.h"
#include "app/contact_step.h"
#include "app/keywords_dialog.h"
#include "app/label_value_dialog.h"
#include "app/location_step.h"
#include "app/terms_dialog.h"
#include "site/contact_page.h"

namespace quorvex::testing {
namespace {

class CompanyStepsTest : public AppFixture {
 protected:
  CContactPage& addContactPage() {
    doc_.m_pPageData->addPages(kContactPageType, 1);
    return dynamic_cast<CContactPage&>(*doc_.m_pPageData->pages.back());
  }
};

TEST_F(CompanyStepsTest, LocationRequiresAUsableCompanyName) {
  LocationStep step(app_);
  const std::string forbidden =
      "Sorry, Company Name may not include any of these characters:\n\\/:*?\"<>|#%";
  const std::pair<std::string, std::string> cases[] = {
      {"", "I'm sorry, you MUST specify a company name to continue."},
      {"   ", "I'm sorry, you MUST specify a company name to continue."},
      {"A#B", forbidden},
      {"A/B", forbidden},
      {"50% Off", forbidden},
  };
  for (const auto& [name, message] : cases) {
    prompter_.clear();
    step.companyName = name;
    EXPECT_FALSE(step.accept()) << name;
    EXPECT_EQ(prompter_.texts(), std::vector<std::string>{message}) << name;
  }
  prompter_.clear();
  step.companyName = "A&B Co";
  EXPECT_TRUE(step.accept());
  EXPECT_TRUE(prompter_.texts().empty());
}

TEST_F(CompanyStepsTest, LocationAddressesNeedAFirstLineAndASelectionToRemove) {
  LocationStep step(app_);
  int changes = 0;
  step.subscribe([&changes] { ++changes; });
  frontEnd_.queueDialogs({press(DialogResult::kOk), edit<AddressDialog>([](AddressDialog& d) {
                            d.address.line1 = "1 Main St";
                            d.address.city = "Springfield";
                          })});
  step.addAddress();
  EXPECT_EQ(prompter_.texts(),
            std::vector<std::string>{"I'm sorry, but you fill in the first line of the Address "
                                     "field."});
  EXPECT_TRUE(step.contact.addresses.empty()) << "the refused dialog was cancelled";
  step.addAddress();
  ASSERT_EQ(step.contact.addresses.size(), 1u);
  EXPECT_EQ(step.contact.addresses[0].city, "Springfield");
  EXPECT_EQ(step.selectedAddress, 0u);

  step.selectedAddress.reset();
  prompter_.clear();
  step.removeAddress();
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>{"Please, select an address to remove."});
  step.selectedAddress = 0;
  step.removeAddress();
  EXPECT_TRUE(step.contact.addresses.empty());
  EXPECT_EQ(changes, 2) << "one change for the added and one for the removed address";
}

TEST_F(CompanyStepsTest, LocationOkNamesTheCompanyAndFollowsTheAddresses) {
  CContactPage& page = addContactPage();
  doc_.m_pContact->addresses.resize(2);
  doc_.m_pContact->addresses[0].line1 = "Depot";
  doc_.m_pContact->addresses[1].line1 = "Depot";
  doc_.m_pContact->url = "acme.example";

  frontEnd_.queueDialogs({edit<LocationStep>([](LocationStep& step) {
    EXPECT_EQ(step.url, "http://acme.example");
    step.companyName = "  Acme  ";
    step.url = "http://https://acme.example/http://shop";
    step.contact.addresses[0].line1 = "Office";
  })});
  dispatcher_.run(kCmdLocation);
  EXPECT_EQ(doc_.m_strCompanyName, "Acme");
  EXPECT_EQ(doc_.m_pExtraFields->companyName, "Acme");
  EXPECT_EQ(doc_.m_pContact->url, "https://acme.example/shop");
  EXPECT_EQ(lifecycle_.title(), "Acme");
  EXPECT_EQ(lifecycle_.path(), home() / "Acme.qvx");
  // Two addresses named Depot shared one check; it stays while one is left.
  ASSERT_EQ(page.contactChecks.addressChecks.size(), 2u);
  EXPECT_EQ(page.contactChecks.addressChecks[0].label, "Office");
  EXPECT_EQ(page.contactChecks.addressChecks[1].label, "Depot");
}

TEST_F(CompanyStepsTest, ContactListsNeedSelectionsAndTheirChecksFollowOnOk) {
  CContactPage& page = addContactPage();
  doc_.m_pContact->emails = {{"Sales", "sales@acme.example"}, {"Support", "help@acme.example"}};
  page.contactChecks.syncEmails(*doc_.m_pContact);
  page.contactChecks.emailChecks[0].checked = 0;

  ContactStep step(app_);
  int changes = 0;
  step.subscribe([&changes] { ++changes; });
  EXPECT_EQ(ContactStep::entryText(step.contact.emails[0]), "Sales: sales@acme.example");
  step.editEmail();
  step.deleteEmail();
  step.editPhone();
  step.deletePhone();
  EXPECT_EQ(prompter_.texts(),
            (std::vector<std::string>{
                "Please, select the email address you would like to edit.",
                "Please, select the email address you would like to remove from this list.",
                "Please, select the phone number you would like to edit.",
                "Please, select the phone number you would like to remove from this list."}));

  frontEnd_.queueDialogs({edit<LabelValueDialog>([](LabelValueDialog& d) {
                            EXPECT_EQ(d.title(), "Add Phone");
                            d.entry = {"Fax", "555-0101"};
                          }),
                          edit<LabelValueDialog>([](LabelValueDialog& d) {
                            EXPECT_EQ(d.entry.label, "Support");
                            d.entry.value = "support@acme.example";
                          })});
  step.addPhone();
  step.selectedEmail = 1;
  step.editEmail();
  EXPECT_EQ(step.contact.emails[1].value, "support@acme.example");
  step.selectedEmail = 0;
  step.deleteEmail();
  EXPECT_EQ(changes, 3) << "the refusals changed nothing";
  step.apply();

  // Deleting Sales dropped its check; re-adding it later makes a shown one.
  ASSERT_EQ(page.contactChecks.emailChecks.size(), 1u);
  EXPECT_EQ(page.contactChecks.emailChecks[0].label, "Support");
  ASSERT_EQ(page.contactChecks.phoneChecks.size(), 1u);
  EXPECT_EQ(page.contactChecks.phoneChecks[0].checked, 1);
  ContactStep again(app_);
  frontEnd_.queueDialogs({edit<LabelValueDialog>([](LabelValueDialog& d) {
    d.entry = {"Sales", "sales@acme.example"};
  })});
  again.addEmail();
  again.apply();
  ASSERT_EQ(page.contactChecks.emailChecks.size(), 2u);
  EXPECT_EQ(page.contactChecks.emailChecks[1].checked, 1);
}

TEST_F(CompanyStepsTest, BusinessKeywordsTermsAndLogo) {
  BusinessStep step(app_);
  int changes = 0;
  step.subscribe([&changes] { ++changes; });
  frontEnd_.queueDialogs({edit<KeywordsDialog>([](KeywordsDialog& d) {
    d.description = "Best \"tools\"";
    d.keywords = "<tools>";
    EXPECT_FALSE(d.accept());
    d.description = "Best tools";
    EXPECT_FALSE(d.accept());
    d.keywords = "tools, hardware";
  })});
  step.editKeywords();
  EXPECT_EQ(
      prompter_.texts(),
      (std::vector<std::string>{"Sorry, Description may not include any of these characters:\n\"<>",
                                "Sorry, Keywords may not include any of these characters:\n\"<>"}));
  EXPECT_EQ(step.business.keywords, "tools, hardware");

  frontEnd_.queueDialogs({edit<TermsDialog>([](TermsDialog& d) { d.text = "No refunds."; })});
  step.editTerms();
  EXPECT_EQ(step.business.termsText, "No refunds.");
  EXPECT_EQ(step.business.makeTermsPage, 1);

  // A file that cannot be read is refused and the file dialog opens again.
  const std::filesystem::path logo = writeHomeFile("Art/logo.gif", "GIF89a");
  app_.lastImageFolder = home() / "Pictures";
  prompter_.clear();
  frontEnd_.queueFiles({home() / "Art" / "missing.gif", logo});
  step.browseLogo();
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>{"I'm sorry, that file does not exist."});
  ASSERT_EQ(frontEnd_.fileRequests.size(), 2u);
  EXPECT_EQ(frontEnd_.fileRequests[0].title, "Company Logo...");
  EXPECT_EQ(frontEnd_.fileRequests[0].folder, home() / "Pictures");
  EXPECT_EQ(step.business.logoPath, logo.string());
  step.business.logoPath = "Art\\LOGO.gif";
  EXPECT_EQ(step.logoFile(), logo) << "relative to the program folder, any case";
  step.business.logoPath = logo.string();
  EXPECT_EQ(app_.lastImageFolder, home() / "Art");
  frontEnd_.queueFiles({std::nullopt});
  step.browseLogo();
  EXPECT_EQ(frontEnd_.fileRequests.back().folder, home() / "Art") << "the logo's own folder";
  EXPECT_EQ(changes, 3) << "keywords, terms and logo; not the cancelled choice";

  EXPECT_EQ(BusinessStep::previewCaption(120), "Image shown here is 120 pixels");
  EXPECT_EQ(BusinessStep::previewCaption(std::nullopt), "No Image");
  doc_.m_pBusiness->reserved = 7;
  step.apply();
  EXPECT_EQ(doc_.m_pBusiness->reserved, 7);
  EXPECT_EQ(doc_.m_pBusiness->termsText, "No refunds.");
}

}  // namespace
}  // namespace quorvex::testing
