#ifndef QUORVEX_APP_APP_SERVICES_H_
#define QUORVEX_APP_APP_SERVICES_H_

#include <filesystem>

namespace quorvex {

class CBrenquilDoc;
class Clock;
class DocumentLifecycle;
class Env;
class FrontEnd;

// What the commands and the step dialogs of the application work with: the
// open document and its lifecycle, the platform services and the front end.
// Every reference must outlive the users of this object.
struct AppServices {
  CBrenquilDoc& doc;
  DocumentLifecycle& lifecycle;
  const Env& env;
  FrontEnd& frontEnd;
  const Clock& clock;
  // The folder in which the user last picked an image, in any step; where an
  // image dialog starts when the current picture names no folder.
  std::filesystem::path lastImageFolder;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_APP_SERVICES_H_
