#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextCursor>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "company/brenquil_doc.h"
#include "ui/sales_log_viewer.h"
#include "ui/sample_app_fixture.h"
#include "ui/widget_actions.h"

namespace quorvex::testing {
namespace {

using Texts = std::vector<std::string>;

class OrderCouponStepsTest : public SampleAppFixture {};

// The text editor shown in `window` (the current tab's, when it has tabs).
QPlainTextEdit* shownEditor(QWidget& window) {
  if (auto* tabs = window.findChild<QTabWidget*>()) {
    return qobject_cast<QPlainTextEdit*>(tabs->currentWidget());
  }
  return window.findChild<QPlainTextEdit*>();
}

TEST_F(OrderCouponStepsTest, OrderTextsGetFieldsAndDefaultsAndPaymentMethodsAreListed) {
  driver_.on("Order And Payment Settings",
             inOrder({[](QWidget& w) { click(w, "&Edit Text"); },
                      [](QWidget& w) { click(w, "E&dit Text"); },
                      [](QWidget& w) { click(w, "Edit &Methods"); },
                      [](QWidget& w) { click(w, "&Close"); }}));
  driver_.on("Merchant Notification Email",
             inOrder({[](QWidget& w) {
                        QPlainTextEdit* editor = shownEditor(w);
                        editor->setPlainText("Dear \nThanks");
                        QTextCursor cursor = editor->textCursor();
                        cursor.setPosition(2);
                        cursor.setPosition(5, QTextCursor::KeepAnchor);
                        editor->setTextCursor(cursor);
                        click(w, "&Insert Field");
                      },
                      [](QWidget& w) {
                        selectIn(w, "&Fields:", "Billing First Name");
                        click(w, "&Insert Field");
                      },
                      [](QWidget& w) { click(w, "OK"); }}));
  driver_.on("Customer Confirmation Email", inOrder({[](QWidget& w) {
               w.findChild<QTabWidget*>()->setCurrentIndex(1);
               shownEditor(w)->setPlainText("changed");
               click(w, "&Use Default Text");
               click(w, "OK");
             }}));
  const QString methods = "&Payment methods your order page offers:";
  driver_.on("Payment Methods", inOrder({[](QWidget& w) {
                                            typeInto(w, "&Method:", " visa ");
                                            click(w, "&Add");
                                          },
                                          [](QWidget& w) {
                                            typeInto(w, "&Method:", " COD ");
                                            click(w, "&Add");
                                          },
                                          [&](QWidget& w) {
                                            selectIn(w, methods, "Discover");
                                            click(w, "&Remove");
                                          },
                                          [](QWidget& w) { click(w, "OK"); }}));
  run(kCmdOrderPayment);
  EXPECT_EQ(driver_.messages, (Texts{"Please, select a field to insert into the email.",
                                     "This payment method is already listed."}));
  const COrderNotifyData& texts = *doc().m_pOrderNotifyData;
  // The field goes in at the start of the selection, which stays in the text.
  EXPECT_EQ(texts.merchantNotification, "De[FNAME]ar \r\nThanks");
  const std::string defaultDownload = COrderNotifyData::defaultText(
      COrderNotifyData::Text::kDownloadConfirmation, app_->env());
  EXPECT_FALSE(defaultDownload.empty());
  EXPECT_EQ(texts.downloadConfirmation, defaultDownload);
  EXPECT_EQ(texts.paymentMethods, (Texts{"Visa", "MasterCard", "American Express", "COD"}));

  // Cancel stores nothing of what the sub-dialogs took.
  driver_.on("Order And Payment Settings",
             inOrder({[](QWidget& w) { click(w, "Edit &Methods"); },
                      [](QWidget& w) { cancel(w); }}));
  driver_.on("Payment Methods", inOrder({[&](QWidget& w) {
                                            selectIn(w, methods, "COD");
                                            click(w, "&Remove");
                                          },
                                          [](QWidget& w) { click(w, "OK"); }}));
  run(kCmdOrderPayment);
  EXPECT_EQ(doc().m_pOrderNotifyData->paymentMethods,
            (Texts{"Visa", "MasterCard", "American Express", "COD"}));
}

// The Begin and End year edits of the coupon dialog, shown or not.
std::vector<QLineEdit*> yearEdits(QWidget& window) {
  std::vector<QLineEdit*> years;
  for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
    if (edit->maxLength() == 4) years.push_back(edit);
  }
  return years;
}

void typeYears(QWidget& window, const QString& begin, const QString& end) {
  const std::vector<QLineEdit*> years = yearEdits(window);
  ASSERT_EQ(years.size(), 2u);
  years[0]->setText(begin);
  emit years[0]->textEdited(begin);
  years[1]->setText(end);
  emit years[1]->textEdited(end);
}

TEST_F(OrderCouponStepsTest, CouponsAreCheckedInTheirDialogAndAddedToTheGrid) {
  const size_t before = doc().m_pCouponData->count();
  bool yearsHiddenWhenMonthly = false;
  bool previewShown = false;
  int gridRows = 0;
  driver_.on("Coupon Manager", inOrder({[](QWidget& w) { click(w, "&Edit..."); },
                                        [](QWidget& w) { click(w, "&Add..."); },
                                        [&](QWidget& w) {
                                          gridRows = w.findChild<QTableWidget*>()->rowCount();
                                          click(w, "&Close");
                                        }}));
  driver_.on("Coupon Data And Schedule",
             inOrder({[&](QWidget& w) {
                        yearsHiddenWhenMonthly = yearEdits(w)[0]->isHidden();
                        for (QLabel* label : w.findChildren<QLabel*>()) {
                          if (!label->pixmap().isNull()) previewShown = true;
                        }
                        typeInto(w, "&Name:", "Summer Sale");
                        click(w, "OK");
                      },
                      [](QWidget& w) {
                        typeInto(w, "&Name:", " SummerSale ");
                        click(w, "Year Range");
                        typeYears(w, "2006", "2005");
                        click(w, "OK");
                      },
                      [](QWidget& w) {
                        EXPECT_FALSE(yearEdits(w)[0]->isHidden());
                        typeYears(w, "2006", "2007");
                        click(w, "OK");
                      }}));
  run(kCmdCouponManager);
  EXPECT_EQ(driver_.messages,
            (Texts{"Please, select a coupon to edit.",
                   "Sorry, Coupon Name may not include spaces or any of these characters:\n "
                   "\\/:*?\"<>|#%",
                   "Sorry, the beginning date must not be after the end date."}));
  EXPECT_TRUE(yearsHiddenWhenMonthly);
  EXPECT_TRUE(previewShown);
  const CCouponData& coupons = *doc().m_pCouponData;
  ASSERT_EQ(coupons.count(), before + 1);
  EXPECT_EQ(gridRows, static_cast<int>(before + 1));
  const CCoupon& added = coupons.coupons.back();
  EXPECT_EQ(added.couponName, "SummerSale");
  EXPECT_EQ(added.scheduleFormat, CCoupon::kYearRange);
  EXPECT_EQ(added.beginYear, 2006);
  EXPECT_EQ(added.endYear, 2007);

  // Cancel keeps a removed coupon.
  driver_.on("Coupon Manager", inOrder({[](QWidget& w) {
                                          w.findChild<QTableWidget*>()->setCurrentCell(0, 1);
                                          click(w, "&Remove");
                                        },
                                        [](QWidget& w) { cancel(w); }}));
  run(kCmdCouponManager);
  EXPECT_EQ(doc().m_pCouponData->count(), before + 1);
}

TEST_F(OrderCouponStepsTest, IndividualPageTextsAreStoredOnOkOnly) {
  const std::string header = doc().m_pIndProdData->pageAt(0).header;
  driver_.on("Individual Product Pages", inOrder({[](QWidget& w) {
               typeInto(w, "&Header:", "Changed");
               cancel(w);
             }}));
  run(kCmdIndividualPages);
  EXPECT_EQ(doc().m_pIndProdData->pageAt(0).header, header);

  driver_.on("Individual Product Pages", inOrder({[](QWidget& w) {
               EXPECT_EQ(entriesOf(w, "&Pages:"), (Texts{"TENT-2P", "STOVE-GAS"}));
               typeInto(w, "&Header:", "Ridgeline Two-Person Tent");
               click(w, "&Close");
             }}));
  run(kCmdIndividualPages);
  ASSERT_EQ(doc().m_pIndProdData->count(), 2u);
  EXPECT_EQ(doc().m_pIndProdData->pageAt(0).header, "Ridgeline Two-Person Tent");
}

TEST_F(OrderCouponStepsTest, SalesLogColumnsSortWhenTheirHeaderIsClicked) {
  const std::filesystem::path site = home() / "Shop";
  std::filesystem::create_directories(site);
  std::ofstream(site / "header.csv") << "1002,Tom,100.00\n1001,Ann,9.50\n1003,Bea,19.95\n";
  ui::SalesLogViewer viewer(site, nullptr);
  viewer.show();
  auto* table = viewer.findChild<QTableWidget*>();
  ASSERT_NE(table, nullptr);
  const auto column = [table](int c) {
    Texts cells;
    for (int r = 0; r < table->rowCount(); ++r) {
      cells.push_back(table->item(r, c)->text().toStdString());
    }
    return cells;
  };
  EXPECT_EQ(column(0), (Texts{"1002", "1001", "1003"})) << "the file's order at first";
  QHeaderView* header = table->horizontalHeader();
  const auto clickHeader = [header](int c) {
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(c) + 4, header->height() / 2));
  };
  clickHeader(2);
  EXPECT_EQ(column(2), (Texts{"9.50", "19.95", "100.00"}));
  clickHeader(2);
  EXPECT_EQ(column(2), (Texts{"100.00", "19.95", "9.50"}));
  clickHeader(1);
  EXPECT_EQ(column(1), (Texts{"Ann", "Bea", "Tom"}));
}

}  // namespace
}  // namespace quorvex::testing
