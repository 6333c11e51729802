#include "ui/advanced_server_preferences_view.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/advanced_server_preferences_dialog.h"
#include "ui/field_binding.h"

namespace quorvex::ui {

namespace {

// A group box titled `title` with the check box `option` (bound to `flag`)
// above `form`.
QGroupBox* optionGroup(const QString& title, const QString& option, int32_t& flag,
                       QFormLayout* form) {
  auto* box = new QCheckBox(option);
  bind(*box, flag);
  auto* group = new QGroupBox(title);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(box);
  layout->addLayout(form);
  return group;
}

// A number field showing `number` within `range`.
QSpinBox* numberField(int32_t& number, const CFtp::IntRange& range) {
  auto* box = new QSpinBox;
  box->setRange(range.min, range.max);
  bind(*box, number);
  return box;
}

}  // namespace

AdvancedServerPreferencesView::AdvancedServerPreferencesView(
    AdvancedServerPreferencesDialog& model, std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent) {
  CFtp& record = model.record;
  auto* site = new QFormLayout;
  addTextRow(*site, "Base &HREF:", record.baseHref);
  addTextRow(*site, "FTP &Directory:", record.ftpFolder);
  site->addRow("&Quality Level:", numberField(record.jpegQuality, CFtp::kJpegQualityRange));
  site->addRow("E&xpiration Time (In Days):",
               numberField(record.downloadExpiryDays, CFtp::kDownloadExpiryDaysRange));
  auto* cookies = new QCheckBox("Use &JavaScript Cookies");
  bind(*cookies, record.useCookies);
  site->addRow(cookies);

  auto* pgp = new QFormLayout;
  addTextRow(*pgp, "PGP ID:", record.pgpId);
  auto* notification = new QFormLayout;
  addTextRow(*notification, "To Address:", record.notifyTo);
  addTextRow(*notification, "From Address:", record.notifyFrom);
  auto* proxy = new QFormLayout;
  addTextRow(*proxy, "Hostname:", record.proxyHost);
  addTextRow(*proxy, "FTP Port:", record.proxyPort);
  auto* iCheck = new QFormLayout;
  addTextRow(*iCheck, "i-Check ID:", record.iCheckId);

  auto* groups = new QGridLayout;
  auto* siteGroup = new QGroupBox("Web Site");
  siteGroup->setLayout(site);
  groups->addWidget(siteGroup, 0, 0);
  groups->addWidget(optionGroup("PGP", "Use &PGP Encryption", record.usePgp, pgp), 0, 1);
  groups->addWidget(optionGroup("Order Notification", "&Send Additional Order Notification E-mail",
                                record.sendExtraNotification, notification),
                    1, 0);
  groups->addWidget(optionGroup("FTP Proxy", "Use &FTP Proxy Server", record.useProxy, proxy), 1,
                    1);
  groups->addWidget(
      optionGroup("i-Check", "Allow &i-Check Payments", record.allowICheck, iCheck), 2, 0);
  body()->addLayout(groups);
}

}  // namespace quorvex::ui
