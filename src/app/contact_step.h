#ifndef QUORVEX_APP_CONTACT_STEP_H_
#define QUORVEX_APP_CONTACT_STEP_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/step_model.h"
#include "document/contact.h"

namespace quorvex {

struct AppServices;

// "Contact Information": the e-mail addresses and the phone and fax numbers.
class ContactStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Copies the contact record.
  explicit ContactStep(AppServices& app);

  CContact contact;
  std::optional<size_t> selectedEmail;
  std::optional<size_t> selectedPhone;

  // Returns how the lists show an entry: its label, ": " and its value.
  static std::string entryText(const CLabelValue& entry);

  // Add opens "Add Email" / "Add Phone" and appends the entry on OK. Edit
  // opens the same dialog on the selected entry and replaces it on OK;
  // Delete removes the selected entry. Edit and Delete ask for a selection
  // when there is none. Each notifies the listeners when it changed a list.
  void addEmail();
  void editEmail();
  void deleteEmail();
  void addPhone();
  void editPhone();
  void deletePhone();

  // Stores the contact record back; the phone and e-mail checks of every
  // contact page follow the lists.
  void apply() override;

 private:
  // The dialog title and the messages of one of the two lists.
  struct ListTexts {
    const char* dialogTitle;
    const char* selectToEdit;
    const char* selectToRemove;
  };
  static const ListTexts kEmailTexts;
  static const ListTexts kPhoneTexts;

  void add(std::vector<CLabelValue>& list, const ListTexts& texts);
  void edit(std::vector<CLabelValue>& list, std::optional<size_t>& selected,
            const ListTexts& texts);
  void remove(std::vector<CLabelValue>& list, std::optional<size_t>& selected,
              const ListTexts& texts);

  AppServices& app_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_CONTACT_STEP_H_
