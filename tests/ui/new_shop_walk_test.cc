// A new company taken through the sixteen steps in the desktop program, as
// its owner would: each step's dialog is filled through its widgets and left
// with "Next >>", until the shop is built, saved and published to a web
// server and an order server on loopback.

#include <QAction>
#include <QDialog>
#include <QListWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/document_lifecycle.h"
#include "company/brenquil_doc.h"
#include "platform/home.h"
#include "publish/order_catalogue.h"
#include "support/ftp_server.h"
#include "support/temp_dir.h"
#include "ui/desktop_app.h"
#include "ui/main_window.h"
#include "ui/modal_driver.h"
#include "ui/widget_actions.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;
using Action = ModalDriver::Action;
using Texts = std::vector<std::string>;

constexpr char kCompany[] = "Trail Gear";
constexpr char kVendor[] = "trailco";

void next(QWidget& step) { click(step, "&Next >>"); }

// Ticks the first entry of the check list in `window`.
void tickFirstEntry(QWidget& window) {
  window.findChild<QListWidget*>()->item(0)->setCheckState(Qt::Checked);
}

class NewShopWalkTest : public ::testing::Test {
 protected:
  NewShopWalkTest()
      : ftp_(serverRoot_.path(),
             {{"web", "webpass", "web"}, {kVendor, "orderpw1", kVendor}}) {
    ::setenv("QUORVEX_ORDER_SERVER", ftp_.host().c_str(), 1);
    EXPECT_TRUE(seedHome(home_.path(), installedDataDir()).ok());
    // Not the first start: no sample offer.
    config_.write("Quorvex.ini", "[Settings]\nFirst Run=0\n");
  }
  ~NewShopWalkTest() override { ::unsetenv("QUORVEX_ORDER_SERVER"); }

  // Plays `actions` in the step titled `title` and notes the visit.
  void step(const QString& title, std::vector<Action> actions) {
    Action first = std::move(actions.front());
    actions.front() = [this, title, first](QWidget& window) {
      visited_.push_back(title.toStdString());
      first(window);
    };
    driver_.on(title, inOrder(std::move(actions)));
  }
  void dialog(const QString& title, std::vector<Action> actions) {
    driver_.on(title, inOrder(std::move(actions)));
  }

  // Location, contact and business information.
  void describeTheCompany() {
    step("Location Information", {[](QWidget& w) {
           typeInto(w, "Company Na&me:", kCompany);
           typeInto(w, "Company &URL:", "www.trailgear.example");
           typeInto(w, "&Address:", "1 Summit Road");
           typeInto(w, "C&ity:", "Boulder");
           typeInto(w, "&State/Province:", "CO");
           typeInto(w, "&Zip/Postal:", "80302");
           next(w);
         }});
    step("Contact Information", {[](QWidget& w) { click(w, "Add Ph&one..."); }, next});
    dialog("Add Phone", {[](QWidget& w) {
             typeInto(w, "&Label:", "Shop");
             typeInto(w, "&Number:", "303 555 0100");
             click(w, "OK");
           }});
    step("Business Information", {[](QWidget& w) {
           typeInto(w, "Copy&right Text:", "Trail Gear 2026");
           next(w);
         }});
  }

  // A site with product and coupon pages, its style and its pages.
  void chooseTheSite() {
    step("Select Type Of Site", {[](QWidget& w) {
           selectIn(w, "&Type of Site:", "Complete commercial web site");
           next(w);
         }});
    step("Choose A Style For Site", {[](QWidget& w) {
           selectIn(w, "&Styles:", "Harbour");
           next(w);
         }});
    step("Choose Page Layout", {next});
  }

  // No list yet: a new one, with two products typed into the grid.
  void createTheProducts() {
    dialog("No Product List Found", {[](QWidget& w) { click(w, "C&reate New Product List"); }});
    dialog("Create Price List", {[](QWidget& w) { click(w, "&Add Item"); },
                                 [](QWidget& w) { click(w, "&Add Item"); },
                                 [](QWidget& w) { click(w, "OK"); }});
    const auto item = [](QString part, QString description, QString price, QString category) {
      return [=](QWidget& w) {
        typeInto(w, "&Part Number:", part);
        typeInto(w, "&Description:", description);
        typeInto(w, "P&rice:", price);
        typeInto(w, "&Weight:", "2");
        typeInto(w, "&Category:", category);
        click(w, "OK");
      };
    };
    dialog("Price List Item", {item("TENT-2P", "Two-person tent", "249.00", "Tents"),
                               item("STOVE-1", "Camp stove", "59.50", "Cooking")});
    step("Create Or Import Product List", {next});
  }

  // A feature for the tent, which also gets a page of its own.
  void enhanceTheProducts() {
    step("Enhance Product Descriptions", {[](QWidget& w) { click(w, "F&eature Definitions"); },
                                          [](QWidget& w) {
                                            selectLine(w, 0);
                                            click(w, "P&roduct Features");
                                          },
                                          [](QWidget& w) {
                                            // The grid was drawn again: select anew.
                                            selectLine(w, 0);
                                            click(w, "&Link");
                                          },
                                          next});
    dialog("Product Features", {[](QWidget& w) { click(w, "&Add..."); },
                                [](QWidget& w) { click(w, "OK"); }});
    const auto addValue = [](QString value) {
      return [value](QWidget& w) {
        typeInto(w, "&Value:", value);
        click(w, "&Add");
      };
    };
    dialog("Add/Edit Product Feature", {[](QWidget& w) { typeInto(w, "Feature &Name:", "Colour"); },
                                        addValue("Green"), addValue("Orange"),
                                        [](QWidget& w) { click(w, "OK"); }});
    dialog("Product Feature Flags", {[](QWidget& w) {
             tickFirstEntry(w);
             click(w, "OK");
           }});
    dialog("Product Link", {[](QWidget& w) {
             click(w, "&Individual Product Page");
             click(w, "OK");
           }});
    step("Individual Product Pages", {next});
  }

  void addACoupon() {
    step("Coupon Manager", {[](QWidget& w) { click(w, "&Add..."); }, next});
    dialog("Coupon Data And Schedule", {[](QWidget& w) {
             typeInto(w, "&Name:", "SPRING10");
             typeInto(w, "&Header:", "Spring sale");
             typeInto(w, "Coupon &Text:", "Ten percent off tents");
             click(w, "OK");
           }});
  }

  // Colorado's tax, a ground shipping table and the payment methods.
  void setTheOrderTerms() {
    step("Tax Settings", {[](QWidget& w) {
           selectInTree(w, "States/Provinces");
           click(w, "&Add");
         },
                          next});
    dialog("Tax Rate", {[](QWidget& w) {
             typeInto(w, "&State/Province:", "Colorado");
             typeInto(w, "&Abbreviation:", "CO");
             typeInto(w, "&Rate:", "2.9");
             click(w, "OK");
           }});
    step("Set Shipping", {[](QWidget& w) {
           choose(w, "Shipping &Based On:", "Weight");
           click(w, "&Add");
         },
                          next});
    dialog("Shipping Type", {[](QWidget& w) {
             typeInto(w, "Shipping &Label:", "Ground");
             w.findChild<QTableWidget*>()->setCurrentCell(0, 0);
             click(w, "&Insert Charge");
           },
                             [](QWidget& w) { click(w, "OK"); }});
    dialog("Edit Shipping Charge", {[](QWidget& w) {
             typeInto(w, "&Up To:", "10");
             typeInto(w, "&Charge:", "7.95");
             click(w, "OK");
           }});
    step("Order And Payment Settings", {[](QWidget& w) { click(w, "Edit &Methods"); }, next});
    dialog("Payment Methods", {[](QWidget& w) {
             typeInto(w, "&Method:", "Trail Voucher");
             click(w, "&Add");
           },
                               [](QWidget& w) { click(w, "OK"); }});
  }

  // The servers, the document's file, the build and the upload.
  void publishTheShop() {
    step("Server Preferences", {[this](QWidget& w) {
           typeInto(w, "FTP &Hostname:", QString::fromStdString(ftp_.host()));
           typeInto(w, "&Username:", "web");
           typeInto(w, "&Password:", "webpass");
           typeInto(w, "Retype Pass&word:", "webpass");
           typeInto(w, "Quorvex &ID:", kVendor);
           typeInto(w, "Pa&ssword:", "orderpw1");
           typeInto(w, "Retype Passw&ord:", "orderpw1");
           typeInto(w, "Order &Email:", "orders@trailgear.example");
           next(w);
         }});
    driver_.on("QFileDialog", [this](QWidget& w) { chooseFile(w, document()); });
    step("Save Web Site Locally", {[](QWidget& w) {
           click(w, "&Build Your Site and Proceed to Publish to the Internet");
           click(w, "&Finish");
         }});
    driver_.on("Publish Web Site To Internet", [this](QWidget& w) {
      if (!pressedGo_) {
        visited_.push_back("Publish Web Site To Internet");
        pressedGo_ = true;
        click(w, "&GO");
      } else if (hasLabel(w, "Finished") || hasLabel(w, "Error")) {
        click(w, "Close");
        published_ = true;
      }
    });
  }

  fs::path document() const { return home_.path() / (std::string(kCompany) + ".qvx"); }
  std::string published(const std::string& name) const {
    return readFile(serverRoot_.path() / "web" / name);
  }

  TempDir home_;
  TempDir config_;
  TempDir serverRoot_;
  FtpServer ftp_;
  ModalDriver driver_;
  Texts visited_;
  bool pressedGo_ = false;
  bool published_ = false;
};

TEST_F(NewShopWalkTest, ANewCompanyWalksEveryStepToAPublishedShop) {
  ui::DesktopApp app(home_.path(), config_.path() / "Quorvex.ini");
  ASSERT_TRUE(app.start(std::nullopt));
  describeTheCompany();
  chooseTheSite();
  createTheProducts();
  enhanceTheProducts();
  addACoupon();
  setTheOrderTerms();
  publishTheShop();
  app.window().actionFor(kCmdLocation)->trigger();
  ASSERT_TRUE(waitUntil([&] { return published_; }, 60000))
      << "stopped after " << (visited_.empty() ? "nothing" : visited_.back());
  ASSERT_TRUE(waitUntil([&] { return !app.lifecycle().modified(); }));

  EXPECT_EQ(visited_, (Texts{"Location Information", "Contact Information",
                             "Business Information", "Select Type Of Site",
                             "Choose A Style For Site", "Choose Page Layout",
                             "Create Or Import Product List", "Enhance Product Descriptions",
                             "Individual Product Pages", "Coupon Manager", "Tax Settings",
                             "Set Shipping", "Order And Payment Settings", "Server Preferences",
                             "Save Web Site Locally", "Publish Web Site To Internet"}));
  // The site template's question, answered Yes; nothing refused.
  EXPECT_EQ(driver_.messages.size(), 1u) << ::testing::PrintToString(driver_.messages);
  // The web server holds the shop with the products, the tax and the
  // shipping charge, the tent's own page and the coupon's page.
  const std::string shop = published("shop.html");
  for (const char* expected : {"TENT-2P", "Camp stove", "0.029", "Ground", "7.95"}) {
    EXPECT_NE(shop.find(expected), std::string::npos) << expected;
  }
  EXPECT_TRUE(fs::exists(serverRoot_.path() / "web" / "TENT_2P.html"));
  EXPECT_TRUE(fs::exists(serverRoot_.path() / "web" / "SPSPRING10.html"));

  // The order server received the catalogue it prices the orders by.
  OrderCatalogue catalogue;
  ASSERT_TRUE(OrderCatalogue::fromJson(
                  readFile(serverRoot_.path() / kVendor / kOrderCatalogueFileName), catalogue)
                  .ok());
  ASSERT_EQ(catalogue.products.size(), 2u);
  EXPECT_EQ(catalogue.products[0].partNumber, "TENT-2P");
  EXPECT_EQ(catalogue.products[0].price, 24900);
  ASSERT_EQ(catalogue.products[0].features.size(), 1u);
  EXPECT_EQ(catalogue.products[0].features[0].options, (Texts{"Green", "Orange"}));
  EXPECT_TRUE(catalogue.products[1].features.empty());
  // The rate under the state's name and its abbreviation.
  ASSERT_EQ(catalogue.taxes.size(), 2u);
  EXPECT_EQ(catalogue.taxes[1].region, "Colorado");
  EXPECT_DOUBLE_EQ(catalogue.taxes[1].rate, 0.029);
  ASSERT_EQ(catalogue.shippingTypes.size(), 1u);
  // The charge up to 10 and the table's last line, for anything above.
  EXPECT_EQ(catalogue.shippingTypes[0].charges, (std::vector<Cents>{795, 0}));
  EXPECT_EQ(catalogue.paymentMethods.back(), "Trail Voucher");

  // Saved: the document reads back with the company and its coupon.
  CBrenquilDoc reread(app.env());
  ASSERT_TRUE(reread.open(document()).ok());
  EXPECT_EQ(reread.m_strCompanyName, kCompany);
  EXPECT_EQ(reread.m_pCouponData->count(), 1);
}

}  // namespace
}  // namespace quorvex::testing
