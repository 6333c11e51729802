#ifndef QUORVEX_GENERATOR_ADD_ON_SITE_H_
#define QUORVEX_GENERATOR_ADD_ON_SITE_H_

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace quorvex {

class CSiteTemplate;
class Prompter;

// What the dialog "Incorporating Quorvex" shows and returns: the full path of
// the existing site's index page and the name under which that page is kept
// once the shop's index page takes its place ("Rename to").
struct IndexLocation {
  std::string indexPath;
  std::string keptName;
};

// The dialog "Incorporating Quorvex", through which the save-site run of an
// add-on site asks where the existing site is. Called on the worker thread;
// implementations hand the question to the front end and wait.
class IndexLocationDialog {
 public:
  virtual ~IndexLocationDialog() = default;

  // Shows the dialog filled with `current`; returns what the user entered,
  // or nullopt for Cancel.
  virtual std::optional<IndexLocation> ask(const IndexLocation& current) = 0;
};

// Sets up the site of the add-on template ("Just add commerce to my site"),
// which adds the shop to a site the user already has: confirms where the
// existing index page is (asking through the dialog until the page exists
// and the name it is kept under is free), keeps copies of it, and backs it up
// when it was installed before but is not recognised as one of ours.
//
// Paths in the site template record are stored forms; relative ones are
// relative to the program folder.
class AddOnSiteSetup {
 public:
  // `dialog` may be null (no front end to ask: a needed question counts as
  // cancelled). `hasIndexMarker` tells whether the existing index page holds
  // the line that marks our pages. All must outlive the set-up.
  AddOnSiteSetup(std::filesystem::path home, CSiteTemplate& site, Prompter& prompter,
                 IndexLocationDialog* dialog, std::function<bool()> hasIndexMarker);

  // Runs the set-up. A stored location is used only when its index name and
  // kept name are single file names of its folder (asked for again
  // otherwise). Returns false when the user cancelled the dialog, or when the
  // index page could not be kept under its kept name (then it must not be
  // replaced; the user is told); on success the record holds the confirmed
  // location with indexInstalled and locationConfirmed set.
  bool run();

 private:
  std::filesystem::path native(const std::string& stored) const;
  // Asks for the location until it is usable; false for Cancel.
  bool confirmLocation();
  // Backs the index page up as index<N>.old and tells the user.
  void backUpUnknownIndex();

  std::filesystem::path home_;
  CSiteTemplate& site_;
  Prompter& prompter_;
  IndexLocationDialog* dialog_;
  std::function<bool()> hasIndexMarker_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_ADD_ON_SITE_H_
