#ifndef QUORVEX_APP_CUSTOMIZE_SITE_DIALOG_H_
#define QUORVEX_APP_CUSTOMIZE_SITE_DIALOG_H_

#include <cstdint>

#include "app/dialog_model.h"
#include "site/site_customization.h"

namespace quorvex {

class Prompter;

// "Customize Site Template": the name and the included pages of the site
// template being customised.
class CustomizeSiteDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Edits a copy of `start`. `prompter` must outlive the dialog.
  CustomizeSiteDialog(SiteCustomization start, Prompter& prompter);

  SiteCustomization customization;

  // Add and Remove of the page lists: SiteCustomization::add() and remove()
  // with the dialog's prompter; each notifies the listeners when it is done.
  void addPage(int32_t index);
  void removePage(int32_t index);

  // The checks of SiteCustomization::accept().
  bool accept() override;

 private:
  Prompter& prompter_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_CUSTOMIZE_SITE_DIALOG_H_
