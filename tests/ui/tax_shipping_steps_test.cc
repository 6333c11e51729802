#include <QListWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/document_lifecycle.h"
#include "company/brenquil_doc.h"
#include "ui/sample_app_fixture.h"
#include "ui/widget_actions.h"

namespace quorvex::testing {
namespace {

using Messages = std::vector<std::string>;

bool treeShows(QWidget& window, const QString& text) {
  return !window.findChild<QTreeWidget*>()
              ->findItems(text, Qt::MatchExactly | Qt::MatchRecursive)
              .isEmpty();
}

using TaxSettingsTest = SampleAppFixture;

TEST_F(TaxSettingsTest, ARefusedRateKeepsTheDialogOpenOkStoresAndCancelKeepsNothing) {
  const size_t states = doc().m_pTax->stateTaxCount();
  const size_t vats = doc().m_pTax->vatTaxCount();
  bool shown = false;
  driver_.on("Tax Settings",
             inOrder({[](QWidget& w) {
                       selectInTree(w, "States/Provinces");
                       click(w, "&Add");
                     },
                     [&](QWidget& w) {
                       shown = treeShows(w, "Texas - 0.082500");
                       click(w, "&Close");
                     }}));
  driver_.on("Tax Rate", inOrder({[](QWidget& w) {
                                   typeInto(w, "&State/Province:", "Texas");
                                   typeInto(w, "&Rate:", "100");
                                   click(w, "OK");
                                 },
                                 [](QWidget& w) {
                                   EXPECT_EQ(w.focusWidget(), qobject_cast<QWidget*>(fieldNamed(w, "&Rate:")));
                                   typeInto(w, "&Rate:", "8.25%");
                                   click(w, "OK");
                                 }}));
  run(kCmdTax);
  EXPECT_EQ(driver_.messages, Messages{"'100' is not a valid tax rate.  Please re-enter it."});
  EXPECT_TRUE(shown);
  ASSERT_EQ(doc().m_pTax->stateTaxCount(), states + 1);
  EXPECT_EQ(doc().m_pTax->stateTaxAt(states)->state, "Texas");
  EXPECT_EQ(doc().m_pTax->stateTaxAt(states)->rate, "0.082500");
  EXPECT_TRUE(app_->lifecycle().modified());

  // A value-added tax chosen in "Add rate for:" and taken, then Cancel.
  driver_.messages.clear();
  driver_.on("Tax Settings", inOrder({[](QWidget& w) { click(w, "&Add"); },
                                     [&](QWidget& w) {
                                       shown = treeShows(w, "Germany - 0.190000");
                                       cancel(w);
                                     }}));
  driver_.on("Tax Rate", inOrder({[](QWidget& w) {
                                   choose(w, "Add rate for:", "V.A.T.");
                                   EXPECT_FALSE(qobject_cast<QWidget*>(fieldNamed(w, "&State/Province:"))->isEnabled());
                                   typeInto(w, "C&ountry:", "Germany");
                                   typeInto(w, "&Rate:", "19");
                                   click(w, "OK");
                                 }}));
  run(kCmdTax);
  EXPECT_TRUE(driver_.messages.empty());
  EXPECT_TRUE(shown);
  EXPECT_EQ(doc().m_pTax->vatTaxCount(), vats);
  EXPECT_EQ(doc().m_pTax->stateTaxCount(), states + 1);
}

using SetShippingTest = SampleAppFixture;

TEST_F(SetShippingTest, ATypeWithItsChargeTableReachesTheDocumentAndCancelKeepsNothing) {
  const size_t types = doc().m_pShipping->shippingTypes.size();
  QStringList rowLabels;
  driver_.on("Set Shipping", inOrder({[](QWidget& w) {
                                       choose(w, "Shipping &Based On:", "Weight");
                                       typeInto(w, "&Handling Charge:", "2.50");
                                       click(w, "&Add");
                                     },
                                     [](QWidget& w) { click(w, "&Add"); },
                                     [](QWidget& w) { click(w, "&Close"); }}));
  driver_.on("Shipping Type",
             inOrder({[](QWidget& w) {
                       typeInto(w, "Shipping &Label:", "Freight");
                       w.findChild<QTableWidget*>()->setCurrentCell(0, 0);
                       click(w, "&Insert Charge");
                     },
                     [&](QWidget& w) {
                       auto* table = w.findChild<QTableWidget*>();
                       for (int row = 0; row < table->rowCount(); ++row) {
                         rowLabels << table->item(row, 0)->text();
                       }
                       click(w, "OK");
                     },
                     // The second type's label is taken already: refused,
                     // and the dialog opens again.
                     [](QWidget& w) {
                       typeInto(w, "Shipping &Label:", "FREIGHT");
                       click(w, "OK");
                     },
                     [](QWidget& w) { click(w, "Cancel"); }}));
  driver_.on("Edit Shipping Charge", inOrder({[](QWidget& w) {
                                               typeInto(w, "&Up To:", "10");
                                               click(w, "OK");
                                             },
                                             [](QWidget& w) {
                                               typeInto(w, "&Charge:", "5");
                                               click(w, "OK");
                                             }}));
  run(kCmdShipping);
  EXPECT_EQ(driver_.messages,
            (Messages{"Please, enter a charge.",
                      "A 'FREIGHT' shipping label already exists.  Please choose a new name or "
                      "edit that shipping label instead."}));
  EXPECT_EQ(rowLabels, (QStringList{"Up To 10", "Above 10"}));
  const CShipping& shipping = *doc().m_pShipping;
  EXPECT_EQ(shipping.basedOn, 1);
  EXPECT_EQ(shipping.handlingCharge, "2.50");
  ASSERT_EQ(shipping.shippingTypes.size(), types + 1);
  const CShippingType& freight = shipping.shippingTypes.back();
  EXPECT_EQ(freight.label, "Freight");
  EXPECT_EQ(freight.upperLimits, (std::vector<std::string>{"10", "And Up"}));
  EXPECT_EQ(freight.charges, (std::vector<std::string>{"5", "0"}));

  // Deleting a type (Yes to the question) and then Cancel keeps it.
  driver_.messages.clear();
  driver_.on("Set Shipping", inOrder({[](QWidget& w) {
                                       w.findChild<QListWidget*>()->setCurrentRow(0);
                                       click(w, "&Delete");
                                     },
                                     [](QWidget& w) { cancel(w); }}));
  run(kCmdShipping);
  EXPECT_EQ(driver_.messages, Messages{"Are you sure you want to delete this shipping type?"});
  EXPECT_EQ(doc().m_pShipping->shippingTypes.size(), types + 1);
}

}  // namespace
}  // namespace quorvex::testing
