#ifndef QUORVEX_APP_EMAIL_TEXT_DIALOG_H_
#define QUORVEX_APP_EMAIL_TEXT_DIALOG_H_

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/dialog_model.h"
#include "publish/order_notify_data.h"

namespace quorvex {

class CExtraOrderField;
class Env;

// "Merchant Notification Email" and "Customer Confirmation Email": one or
// more e-mail texts of the order server, shown one at a time, with the
// fields the order server fills in and "&Use Default Text".
class EmailTextDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // One text the dialog edits, under the name of its tab.
  struct Page {
    std::string tabName;
    COrderNotifyData::Text which;
    std::string text;
  };

  // The merchant notification of `texts` (one page), or the three customer
  // confirmations (tabs "Normal Items", "Downloaded Items", "Normal and
  // Downloaded Items"). The field list holds the fixed fields, then the
  // identifiers of `extraFields`. `env` must outlive the dialog.
  static std::unique_ptr<EmailTextDialog> merchantNotification(
      const COrderNotifyData& texts, const std::vector<CExtraOrderField>& extraFields,
      const Env& env);
  static std::unique_ptr<EmailTextDialog> customerConfirmation(
      const COrderNotifyData& texts, const std::vector<CExtraOrderField>& extraFields,
      const Env& env);

  std::vector<Page> pages;
  // The page shown; the first when the dialog opens.
  size_t shownPage = 0;
  // The entry chosen in the field list.
  std::optional<size_t> selectedField;

  // The field list: the fixed fields by their list names, then the extra
  // order-form fields by their identifiers.
  const std::vector<std::string>& fieldListNames() const { return listNames_; }

  // "&Use Default Text": the shown text becomes its default.
  void useDefaultText();

  // "&Insert Field": the chosen field in square brackets, for the front end
  // to insert at the start of the selection; nullopt, after the message,
  // when no field is chosen.
  std::optional<std::string> fieldToInsert() const;

  // Writes the edited texts into `texts`.
  void storeInto(COrderNotifyData& texts) const;

 private:
  EmailTextDialog(std::string title, std::string helpTopic, const COrderNotifyData& texts,
                  const std::vector<std::pair<std::string, COrderNotifyData::Text>>& tabs,
                  const std::vector<CExtraOrderField>& extraFields, const Env& env);

  const Env& env_;
  std::vector<std::string> listNames_;
  // The bracketed field of each entry of listNames_.
  std::vector<std::string> bracketed_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_EMAIL_TEXT_DIALOG_H_
