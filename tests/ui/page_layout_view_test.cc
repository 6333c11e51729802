// The page layout step's dialog and the order form's extra fields, driven
// through their widgets from the menus.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/document_lifecycle.h"
#include "site/full_page.h"
#include "site/order_form_page.h"
#include "site/page_data.h"
#include "ui/sample_app_fixture.h"
#include "ui/widget_actions.h"

namespace quorvex::testing {
namespace {

class PageLayoutViewTest : public SampleAppFixture {
 protected:
  CFullPage& page(size_t index) { return dynamic_cast<CFullPage&>(doc().m_pPageData->at(index)); }
  size_t indexOf(int32_t type) {
    for (size_t index = 0; index < doc().m_pPageData->count(); ++index) {
      if (doc().m_pPageData->at(index).getType() == type) return index;
    }
    throw std::runtime_error("no page of the type");
  }
  // Answers the file dialogs with the sample's candle picture, which it returns.
  std::filesystem::path answerFileDialogs() {
    const std::filesystem::path picture = home() / "Sample" / "Pictures" / "candle.png";
    driver_.on("QFileDialog", [picture](QWidget& dialog) { chooseFile(dialog, picture); });
    return picture;
  }
};

TEST_F(PageLayoutViewTest, EditsLabelsTextsPicturesAndExtraFields) {
  const std::string header = page(0).header;
  driver_.on("Choose Page Layout",
             inOrder({[](QWidget& w) { typeInto(w, "Hea&der:", "Changed"); }, cancel}));
  run(kCmdPageLayout);
  EXPECT_EQ(page(0).header, header);
  EXPECT_FALSE(app_->lifecycle().modified());

  const std::filesystem::path picture = answerFileDialogs();
  bool thumbnailShown = false;
  QString refusedLabel;
  driver_.on("Choose Page Layout",
             inOrder({[](QWidget& w) { typeInto(w, "Page &Label:", "Shop"); },
                      [&refusedLabel](QWidget& w) {
                        refusedLabel = w.findChildren<QLineEdit*>().front()->text();
                        typeInto(w, "Page &Label:", "Info");
                        selectIn(w, "Page&s:", "Contact");
                      },
                      [](QWidget& w) {
                        typeInto(w, "Page &Label:", "Welcome");
                        typeInto(w, "Hea&der:", "Hello there");
                        click(w, "&Browse...");
                      },
                      [&thumbnailShown](QWidget& w) {
                        for (QLabel* label : w.findChildren<QLabel*>()) {
                          if (!label->pixmap().isNull()) thumbnailShown = true;
                        }
                        selectIn(w, "Page&s:", "Order Form");
                      },
                      [](QWidget& w) { click(w, "Extra &Fields..."); },
                      [](QWidget& w) { click(w, "&Close"); }}));
  driver_.on("Order Form Extra Fields",
             inOrder({[](QWidget& w) { click(w, "&Add..."); },
                      [](QWidget& w) {
                        EXPECT_EQ(entriesOf(w, "Extra &fields the order form asks for:"),
                                  std::vector<std::string>{"Gift note (giftnote)"});
                        click(w, "OK");
                      }}));
  driver_.on("Add/Edit Extra Field", inOrder({[](QWidget& w) {
                                                typeInto(w, "&Description:", "Gift note");
                                                typeInto(w, "&Identifier:", "fname");
                                                typeInto(w, "&Maximum Length:", "200");
                                                typeInto(w, "Field &Size:", "40");
                                                click(w, "OK");
                                              },
                                              [](QWidget& w) {
                                                typeInto(w, "&Identifier:", "giftnote");
                                                click(w, "OK");
                                              }}));
  run(kCmdPageLayout);
  ASSERT_EQ(driver_.messages.size(), 3u);
  EXPECT_NE(driver_.messages[0].find("reserved labels"), std::string::npos);
  EXPECT_EQ(driver_.messages[1],
            "Sorry, the Page Label \"Info\" is being used by another page.\nPlease, choose "
            "another label before continuing.");
  EXPECT_EQ(driver_.messages[2],
            "Sorry, the identifier you entered is already in use.\nPlease, enter a different "
            "identifier.");
  EXPECT_EQ(refusedLabel.toStdString(), "Home") << "a refused label leaves the page's own";
  EXPECT_TRUE(thumbnailShown);
  EXPECT_EQ(page(0).getLabel(), "Welcome");
  EXPECT_EQ(page(0).header, "Hello there");
  EXPECT_EQ(page(0).pageImage, picture.string());
  EXPECT_EQ(page(0).useDefaultImage, 0);
  const auto& orderForm =
      dynamic_cast<COrderFormPage&>(doc().m_pPageData->at(indexOf(kOrderFormPageType)));
  ASSERT_EQ(orderForm.extraFields.size(), 1u);
  EXPECT_EQ(orderForm.extraFields[0].identifier, "giftnote");
  EXPECT_TRUE(app_->lifecycle().modified());
}

TEST_F(PageLayoutViewTest, ChoosesTheShownLinksAndMorePictures) {
  const std::filesystem::path picture = answerFileDialogs();
  const size_t pictures = page(0).imageFiles.size();
  driver_.on("Choose Page Layout",
             inOrder({[](QWidget& w) {
                        QListWidget* links = listNamed(w, "Sho&w links to:");
                        links->item(0)->setCheckState(Qt::Unchecked);
                        links->findItems("Contact", Qt::MatchExactly).front()->setCheckState(
                            Qt::Unchecked);
                        click(w, "Add...");
                      },
                      [](QWidget& w) { click(w, "&Close"); }}));
  run(kCmdPageLayout);
  EXPECT_FALSE(page(0).showsLinkTo("Contact"));
  EXPECT_TRUE(page(0).showsLinkTo("Info"));
  EXPECT_FALSE(page(0).showsLinkTo(page(indexOf(kOrderFormPageType)).getLabel()))
      << "a page no link list shows is not named";
  ASSERT_EQ(page(0).imageFiles.size(), pictures + 1);
  EXPECT_EQ(page(0).imageFiles.back(), picture.string());
}

}  // namespace
}  // namespace quorvex::testing
