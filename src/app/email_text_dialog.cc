#include "app/email_text_dialog.h"

#include <utility>

#include "document/extra_order_field.h"
#include "platform/env.h"
#include "platform/prompter.h"

namespace quorvex {

using Text = COrderNotifyData::Text;

EmailTextDialog::EmailTextDialog(std::string title, std::string helpTopic,
                                 const COrderNotifyData& texts,
                                 const std::vector<std::pair<std::string, Text>>& tabs,
                                 const std::vector<CExtraOrderField>& extraFields,
                                 const Env& env)
    : DialogModel(std::move(title), std::move(helpTopic)), env_(env) {
  for (const auto& [tabName, which] : tabs) pages.push_back({tabName, which, texts.text(which)});
  for (const NotifyField& field : notifyFields()) {
    listNames_.emplace_back(field.listName);
    bracketed_.push_back(bracketedField(field.name));
  }
  for (const CExtraOrderField& field : extraFields) {
    listNames_.push_back(field.identifier);
    bracketed_.push_back(bracketedField(field.identifier));
  }
}

std::unique_ptr<EmailTextDialog> EmailTextDialog::merchantNotification(
    const COrderNotifyData& texts, const std::vector<CExtraOrderField>& extraFields,
    const Env& env) {
  return std::unique_ptr<EmailTextDialog>(
      new EmailTextDialog("Merchant Notification Email", "OrderNotificationEmail.html", texts,
                          {{"Merchant Notification", Text::kMerchantNotification}},
                          extraFields, env));
}

std::unique_ptr<EmailTextDialog> EmailTextDialog::customerConfirmation(
    const COrderNotifyData& texts, const std::vector<CExtraOrderField>& extraFields,
    const Env& env) {
  return std::unique_ptr<EmailTextDialog>(
      new EmailTextDialog("Customer Confirmation Email", "ReturnConfirmationEmail.html", texts,
                          {{"Normal Items", Text::kNormalConfirmation},
                           {"Downloaded Items", Text::kDownloadConfirmation},
                           {"Normal and Downloaded Items", Text::kMixedConfirmation}},
                          extraFields, env));
}

void EmailTextDialog::useDefaultText() {
  Page& page = pages.at(shownPage);
  page.text = COrderNotifyData::defaultText(page.which, env_);
  notifyChanged();
}

std::optional<std::string> EmailTextDialog::fieldToInsert() const {
  if (!selectedField || *selectedField >= bracketed_.size()) {
    env_.prompter().showMessage("Please, select a field to insert into the email.");
    return std::nullopt;
  }
  return bracketed_[*selectedField];
}

void EmailTextDialog::storeInto(COrderNotifyData& texts) const {
  for (const Page& page : pages) texts.text(page.which) = page.text;
}

}  // namespace quorvex
