#ifndef QUORVEX_APP_SITE_TEMPLATE_CHOICE_H_
#define QUORVEX_APP_SITE_TEMPLATE_CHOICE_H_

#include <cstdint>
#include <optional>
#include <string>

#include "app/change_notifier.h"
#include "platform/env.h"
#include "site/site_customization.h"
#include "site/site_template.h"
#include "site/site_template_folder.h"

namespace quorvex {

class CBrenquilDoc;

// The rules and messages of the site type step ("Select Type Of Site") on its
// copy of the document's site template record: listing and selecting
// templates, customising, deleting, accepting, and the follow-up that brings
// the document's pages in line with the chosen template. Every operation
// that changes what the step shows (the selection, the description, the
// list) notifies the listeners when it is done.
class SiteTemplateChoice : public ChangeNotifier {
 public:
  static constexpr const char* kResetLinksQuestion =
      "The new site template you've chosen may contain pages that are not linked to your "
      "site.  You can set the links manually in the \"Page Options\" dialog, or Quorvex can "
      "reset them for you now.  Do you wish to reset the displayed links for your pages back "
      "to the defaults?";

  // Works on a copy of `site`. `env` must outlive this object.
  SiteTemplateChoice(const Env& env, const CSiteTemplate& site);
  SiteTemplateChoice(const SiteTemplateChoice&) = delete;
  SiteTemplateChoice& operator=(const SiteTemplateChoice&) = delete;

  // The step's copy of the record (the location dialog edits it).
  CSiteTemplate& site() { return site_; }
  const CSiteTemplate& site() const { return site_; }

  // On opening: scans the folder and selects the record's template; when
  // that fails, shows "The last site chosen could not be found.\nPlease,
  // select the site you intended to use." and selects the first.
  void open();

  // A selection in the list: selects the template at `index` (-1: nothing
  // selected, which shows "Could not find current site.  Please reselect the
  // site you meant to choose." and selects the first). Choosing another than
  // the add-on template forgets the add-on site's set-up.
  void choose(int32_t index);

  // True while a template is selected.
  bool hasSelection() const { return selected_; }
  // The selected template's description ("Site Description"); its pages are
  // site().pageNames() ("Pages Included").
  const std::string& description() const { return description_; }
  // The "Current Site Location" button is enabled for the add-on template.
  bool canSetLocation() const { return site_.isAddOn(); }

  // Customize: returns the customise dialog's model for the selected
  // template, or nullopt after its message when nothing is selected or it is
  // the add-on template. A permanent template is first copied to a new name
  // (after "The site you have selected cannot be directly edited,\nBut it
  // has been copied to a new site so that you may edit it.") and the copy is
  // customised.
  std::optional<SiteCustomization> beginCustomize();

  // The customise dialog's OK. Returns false after "The name '<name>' is
  // already in use.  Please choose a different Site Name to continue." when
  // the name belongs to another template (the dialog opens again).
  // Otherwise the template's pages become the included pages, it is saved
  // under the name (replacing the old file when renamed), and the list is
  // rescanned and reselected. Returns false, too, when the template file
  // could not be written (its error shown).
  [[nodiscard]] bool finishCustomize(const SiteCustomization& edited);

  // Delete: refuses with a message when nothing is selected or the template
  // is permanent; otherwise asks "Are you sure you want to delete this
  // site?" and on Yes deletes it and selects the default template (or the
  // first).
  void deleteSelected();

  // What OK or Next leads to.
  enum class Acceptance {
    // Nothing selected ("Please select a site."); the step stays open.
    kRefused,
    // The add-on template without a confirmed location: the location dialog
    // (AddOnLocation) comes first; accept again after it.
    kNeedsLocation,
    kAccepted,
  };
  Acceptance accept() const;

  // After OK: the document takes the step's record, its page list follows
  // the template's page types, and when another template was chosen than
  // the one the step opened with, the user is asked kResetLinksQuestion and
  // on Yes the displayed links of every page and individual product page
  // are reset. Finally the new pages get the document's style and each new
  // Home page the company name as header. (Marking the document modified is
  // the caller's.)
  void apply(CBrenquilDoc& doc) const;

 private:
  // Selects `index` and shows its description; true when it exists.
  bool select(int32_t index);

  const Env& env_;
  CSiteTemplate site_;
  SiteTemplateFolder folder_;
  std::string initialName_;
  std::string description_;
  bool selected_ = false;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_SITE_TEMPLATE_CHOICE_H_
