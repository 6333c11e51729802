#include "screenshots/steps_one_shots.h"

#include <QApplication>
#include <QListWidget>
#include <QTimer>

#include "app/address_dialog.h"
#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/customize_site_dialog.h"
#include "app/extra_field_dialog.h"
#include "app/extra_fields_dialog.h"
#include "app/keywords_dialog.h"
#include "app/label_value_dialog.h"
#include "app/site_location_dialog.h"
#include "app/style_step.h"
#include "company/brenquil_doc.h"
#include "app/terms_dialog.h"
#include "platform/env.h"
#include "site/site_template.h"
#include "ui/address_view.h"
#include "ui/customize_site_view.h"
#include "ui/extra_field_view.h"
#include "ui/extra_fields_view.h"
#include "ui/keywords_view.h"
#include "ui/label_value_view.h"
#include "ui/main_window.h"
#include "ui/site_location_view.h"
#include "ui/style_attributes_view.h"
#include "ui/terms_view.h"

namespace quorvex::ui {

void captureStepsOne(MainWindow& window, AppServices& app,
                     const std::function<void(const QString&, const QString&)>& expectShown,
                     const std::function<void(QWidget&, const QString&)>& capture) {
  for (const auto& [command, title] : {std::pair{kCmdLocation, "Location Information"},
                                       std::pair{kCmdContact, "Contact Information"},
                                       std::pair{kCmdBusiness, "Business Information"},
                                       std::pair{kCmdSiteType, "Select Type Of Site"},
                                       std::pair{kCmdStyle, "Choose A Style For Site"},
                                       std::pair{kCmdPageLayout, "Choose Page Layout"}}) {
    expectShown(title, title);
    window.runCommand(command);
  }
  const auto noHelp = [] {};
  const Env& env = app.env;

  // The page layout again, showing the product page's editor.
  QTimer::singleShot(300, [&capture] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) return;
    auto* pages = dialog->findChild<QListWidget*>();
    const QList<QListWidgetItem*> product = pages->findItems("Product", Qt::MatchExactly);
    if (!product.isEmpty()) pages->setCurrentItem(product.front());
    dialog->resize(900, 900);
    capture(*dialog, "Choose Page Layout - Product Page");
  });
  window.runCommand(kCmdPageLayout);

  AddressDialog address(env.prompter());
  address.address.line1 = "1200 Pearl Street";
  address.address.city = "Boulder";
  AddressView addressView(address, noHelp, &window);
  capture(addressView, "Add Address");

  LabelValueDialog email("Add Email", CLabelValue("Orders", "orders@acme-outdoor.example"));
  LabelValueView emailView(email, noHelp, &window);
  capture(emailView, "Add Email");
  LabelValueDialog phone("Add Phone", CLabelValue());
  LabelValueView phoneView(phone, noHelp, &window);
  capture(phoneView, "Add Phone");

  KeywordsDialog keywords(env.prompter(), "Tents, packs and trail gear.", "camping, hiking");
  KeywordsView keywordsView(keywords, noHelp, &window);
  capture(keywordsView, "Keywords For Search Engines");
  TermsDialog terms("Orders ship within two working days.");
  TermsView termsView(terms, noHelp, &window);
  capture(termsView, "Terms and Conditions");

  CustomizeSiteDialog customize(
      SiteCustomization("Trail Shop", {"Home Page", "Quorvex Pages", "Contact Page"}),
      env.prompter());
  CustomizeSiteView customizeView(customize, noHelp, &window);
  capture(customizeView, "Customize Site Template");
  CSiteTemplate addOn;
  SiteLocationDialog location(addOn, window, env.prompter());
  location.location.indexPath = "/home/jane/www/index.html";
  SiteLocationView locationView(location, noHelp, &window);
  capture(locationView, "Current Site Location");

  StyleAttributesDialog attributes(*app.doc.m_pTemplate, app);
  StyleAttributesView attributesView(attributes, noHelp, &window);
  capture(attributesView, "New Style Attributes");

  CExtraOrderField giftNote;
  giftNote.description = "Gift note";
  giftNote.identifier = "giftnote";
  giftNote.maxLength = "200";
  giftNote.fieldSize = "40";
  ExtraFieldsDialog extraFields(window, env.prompter(), {giftNote});
  ExtraFieldsView extraFieldsView(extraFields, noHelp, &window);
  capture(extraFieldsView, "Order Form Extra Fields");
  ExtraFieldDialog extraField(env.prompter(), giftNote);
  ExtraFieldView extraFieldView(extraField, noHelp, &window);
  capture(extraFieldView, "Add-Edit Extra Field");
}

}  // namespace quorvex::ui
