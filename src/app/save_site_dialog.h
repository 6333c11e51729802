#ifndef QUORVEX_APP_SAVE_SITE_DIALOG_H_
#define QUORVEX_APP_SAVE_SITE_DIALOG_H_

#include "app/dialog_model.h"

namespace quorvex {

// "Save Web Site Locally": whether to go on to publishing or to build the
// site locally only, and whether to view it afterwards. Its "&Finish" ends
// it with OK, "<< &Previous" with Previous, "&Close" with Cancel.
class SaveSiteDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  SaveSiteDialog();

  // "&Build Your Site and Proceed to Publish to the Internet" when set,
  // "Build Your Site and Save &Locally Only" (the choice it opens with)
  // otherwise.
  bool publish = false;
  // "&View Your Site Upon Saving", checked when it opens.
  bool viewSite = true;

  // The view check box applies only to a local build.
  bool viewSiteEnabled() const { return !publish; }
};

}  // namespace quorvex

#endif  // QUORVEX_APP_SAVE_SITE_DIALOG_H_
