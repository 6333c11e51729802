#ifndef QUORVEX_PUBLISH_ORDER_NOTIFY_DATA_H_
#define QUORVEX_PUBLISH_ORDER_NOTIFY_DATA_H_

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/record.h"

namespace quorvex {

class Env;

// A field the order server fills into the e-mail texts: written in a text as
// its name in square brackets ("[FNAME]"), listed in the dialogs by its list
// name ("Billing First Name").
struct NotifyField {
  const char* name;
  const char* listName;
};

// Returns the fixed fields in the order the e-mail dialogs list them.
std::span<const NotifyField> notifyFields();

// Returns `name` in square brackets, as a field is written into a text (fixed
// fields and extra order-form fields alike).
std::string bracketedField(std::string_view name);

// The texts of the e-mails the order server sends for every order (the
// merchant notification and the customer confirmations for orders of normal
// items, of downloaded items and of both), and the payment methods offered on
// the order page.
//
// A record made without an environment has the default payment methods and
// empty texts; the default texts come from files of the "Template Common"
// folder and are loaded with loadDefaultTexts (a new document) or
// loadMissingDefaultTexts (after reading a stored record).
class COrderNotifyData : public Record {
  QUORVEX_RECORD(COrderNotifyData)

 public:
  // The four texts, for the operations that treat them alike.
  enum class Text { kNormalConfirmation, kDownloadConfirmation, kMixedConfirmation,
                    kMerchantNotification };
  static constexpr size_t kTextCount = 4;

  // The payment methods the order page offers.
  std::vector<std::string> paymentMethods = {"Visa", "MasterCard", "Discover",
                                             "American Express"};
  // Sent to the customer for an order of normal items only. Published as
  // confirm1.txt; its default is confirm1.txt.
  std::string normalConfirmation;
  // Sent to the merchant for every order. Published as order.txt; its
  // default is order.txt.
  std::string merchantNotification;
  // Sent to the customer for an order of downloaded items only. Published as
  // confirm2.txt; its default is confirm3.txt.
  std::string downloadConfirmation;
  // Sent to the customer for an order of both kinds. Published as
  // confirm3.txt; its default is confirm2.txt.
  std::string mixedConfirmation;

  // Returns the member that holds `which`.
  std::string& text(Text which);
  const std::string& text(Text which) const;

  // Returns the name under which the save-site run publishes `which` to the
  // order server, which mails it: confirm1.txt, confirm2.txt, confirm3.txt
  // or order.txt.
  static const char* publishedName(Text which);

  // Returns the default of `which`: the content of its file in the
  // "Template Common" folder of env.home(), each line followed by "\r\n".
  // A missing file gives "" without a message; a read error shows
  // "FILE ERROR: " + the system's description through env.prompter() and
  // gives what was read before it. Serves the dialogs' "Use Default Text".
  static std::string defaultText(Text which, const Env& env);

  // Sets all four texts to their defaults (a new document).
  void loadDefaultTexts(const Env& env);

  // Sets to their defaults exactly the texts that the stored form last read
  // into this record did not contain (an older schema), then forgets them.
  // Does nothing for a record that was not read or was read whole.
  void loadMissingDefaultTexts(const Env& env);

  // Schema 3: paymentMethods, normalConfirmation, merchantNotification,
  // downloadConfirmation, mixedConfirmation. Schema 2 stores the first three,
  // schema 1 the first two, with the field names of its time converted to
  // bracketed fields on reading.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  // Compares the stored fields.
  bool operator==(const COrderNotifyData& other) const;

 private:
  // Texts the last read stored form did not contain (not stored).
  std::array<bool, kTextCount> textNotRead_{};
};

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_ORDER_NOTIFY_DATA_H_
