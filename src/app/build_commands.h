#ifndef QUORVEX_APP_BUILD_COMMANDS_H_
#define QUORVEX_APP_BUILD_COMMANDS_H_

namespace quorvex {

struct AppServices;

// "Save Web Site Locally" and "Publish Web Site To Internet": the checks
// that the document can be built, the build choice, and the save-site and
// upload runs behind their dialogs.
class BuildCommands {
 public:
  // `app` must outlive the commands.
  explicit BuildCommands(AppServices& app);

  // Save Web Site Locally: after the checks, the build choice; building
  // locally runs the save-site run and saves the document after a success,
  // choosing to publish posts Publish Web Site To Internet instead.
  void saveSiteLocally();

  // Publish Web Site To Internet: after the checks, the save-site run
  // without viewing, a save, and the publish dialog in the site's folder;
  // the document is saved again when it closes.
  void publish();

 private:
  // The checks both commands make first, in order: a company name, then (the
  // document saved) pages, then a product database for a product page. On
  // a failure, shows its message, posts the step that supplies what is
  // missing and returns false.
  bool checkBuildable();

  AppServices& app_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_BUILD_COMMANDS_H_
