#ifndef QUORVEX_APP_SITE_TYPE_STEP_H_
#define QUORVEX_APP_SITE_TYPE_STEP_H_

#include "app/site_template_choice.h"
#include "app/step_model.h"

namespace quorvex {

struct AppServices;

// "Select Type Of Site": the site template, whose page types the page list
// then follows. The rules of the list, the customising and the deleting are
// the step's SiteTemplateChoice, which the view works through; the step
// notifies its listeners of every change of the choice.
class SiteTypeStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Works on a copy of the document's site template record.
  explicit SiteTypeStep(AppServices& app);

  SiteTemplateChoice& choice() { return choice_; }

  // Lists the templates and selects the document's.
  bool prepare() override;

  // Customize: "Customize Site Template" for the selected template (after
  // the choice's own refusals); a name another template has is refused and
  // the dialog opens again.
  void customize();

  // "Current Site Location": the location dialog of the add-on template on
  // the step's record. Returns true when the user confirmed a location.
  bool setLocation();

  // Requires a selected template; the add-on template first needs its
  // location confirmed, for which the location dialog opens.
  bool accept() override;

  // The document takes the record and its page list follows the template;
  // after a new selection the user may reset the displayed links; the new
  // pages get the style and the home pages the company name.
  void apply() override;

 private:
  AppServices& app_;
  SiteTemplateChoice choice_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_SITE_TYPE_STEP_H_
