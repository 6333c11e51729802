#ifndef QUORVEX_PUBLISH_SERVER_COMPARISON_H_
#define QUORVEX_PUBLISH_SERVER_COMPARISON_H_

#include <string>
#include <vector>

#include "platform/env.h"
#include "platform/status.h"
#include "publish/file_list.h"
#include "publish/upload_settings.h"

namespace quorvex {

// What the servers hold, set beside what the published-file lists record of
// them. Files are named as CFileEntry::remotePath gives them.
struct ServerComparison {
  // Unchanged since their last upload, but not on the server.
  std::vector<std::string> missing;
  // Unchanged since their last upload, but on the server with a size the
  // upload of the local file would not leave there.
  std::vector<std::string> differing;
  // Dropped from the site and waiting to be deleted, but already gone.
  std::vector<std::string> alreadyGone;
};

// Logs in to the order server and to the web server of `settings` as an
// upload run does and lists the folders where the run puts the files of
// `orderServerFiles` and `webFiles`, to fill `*comparison`. Changes nothing
// on either server. A list that has no file in use and none to delete is
// not looked at. Fails, with the message an upload run would show, when a
// host is no server address, a server cannot be reached or refuses the
// login, or a listing gets no answer.
Status compareWithServers(const UploadSettings& settings, const CFileList& webFiles,
                          const CFileList& orderServerFiles, const Env& env,
                          ServerComparison* comparison);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_SERVER_COMPARISON_H_
