#ifndef QUORVEX_APP_LOCATION_STEP_H_
#define QUORVEX_APP_LOCATION_STEP_H_

#include <cstddef>
#include <optional>
#include <string>

#include "app/step_model.h"
#include "document/contact.h"

namespace quorvex {

struct AppServices;

// "Location Information": the company name, the web address and the postal
// addresses. OK names (or renames) the company.
class LocationStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Copies the company name, the contact record and the web address with
  // "http://" in front, as the dialog shows it.
  explicit LocationStep(AppServices& app);

  std::string companyName;
  std::string url;
  CContact contact;
  // The address shown in the address fields; the view edits it in place.
  std::optional<size_t> selectedAddress;

  // Opens "Add Address"; on OK the new address is appended and selected.
  // Both operations notify the listeners when they changed the list.
  void addAddress();
  // Removes the selected address; asks for a selection when there is none.
  void removeAddress();

  // Requires a company name free of the forbidden characters.
  bool accept() override;

  // The trimmed name becomes the company name, the contact record is stored
  // back with the web address freed of every "http://", the address checks
  // of every contact page follow the addresses, and the company is renamed.
  void apply() override;

 private:
  AppServices& app_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_LOCATION_STEP_H_
