#ifndef QUORVEX_SITE_ADD_ON_LOCATION_H_
#define QUORVEX_SITE_ADD_ON_LOCATION_H_

#include <string>

namespace quorvex {

class CSiteTemplate;
class Prompter;

// The rules of the dialog "Current Site Location" of the add-on template: the
// full path of the existing site's index page and the name under which that
// page is to be kept once the shop's index page takes its place.
class AddOnLocation {
 public:
  // Starts with the record's location (existingSiteFolder +
  // existingIndexName, when a folder is set) and kept name (oldIndexName).
  explicit AddOnLocation(const CSiteTemplate& site);

  std::string indexPath;
  std::string keptName;

  // The dialog's OK. Splits indexPath at its last "\" (failing that its last
  // "/") into folder and index name, then refuses, with its message:
  // - a kept name that exists in the folder already, unless the index is
  //   installed and neither the kept name nor the index path changed;
  // - an index page that cannot be opened.
  // On success stores folder, index name and kept name in `site`, sets
  // locationConfirmed and clears indexInstalled when any of them changed.
  bool accept(CSiteTemplate& site, Prompter& prompter) const;
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_ADD_ON_LOCATION_H_
