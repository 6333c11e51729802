// Publishes a site of 2,000 files to a local FTP server (the test server,
// tests/support/ftp_server.py, on 127.0.0.1) in full, then again after one
// file changed, and prints both times.
//   publish_bench [FILES [CONNECTIONS]]
// CONNECTIONS is the most connections the run opens to the server (default
// that of UploadSettings).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

#include "app/publish_model.h"
#include "platform/curl_ftp_client.h"
#include "platform/env.h"
#include "platform/ini_settings_store.h"
#include "platform/scripted_prompter.h"
#include "publish/file_list.h"

namespace fs = std::filesystem;
using namespace quorvex;

namespace {

fs::path makeTempDir() {
  std::string pattern = (fs::temp_directory_path() / "quorvex-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) std::abort();
  return pattern;
}

void writeFile(const fs::path& file, const std::string& content) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << content;
}

// A site like a shop's: pages of a few kilobytes and pictures of some ten.
CFileList makeSite(const fs::path& home, int files) {
  std::mt19937 random(7);
  CFileList list;
  for (int i = 0; i < files; ++i) {
    const bool picture = i % 5 == 0;
    std::string name = "file" + std::to_string(i) + (picture ? ".gif" : ".html");
    std::string folder = picture ? "Images" : (i % 7 == 0 ? "softgoods" : "");
    std::string content(picture ? 8000 + random() % 16000 : 2000 + random() % 4000, 'x');
    for (char& c : content) c = static_cast<char>(picture ? random() : 'a' + random() % 26);
    std::string local = "Shop\\" + (folder.empty() ? "" : folder + "\\") + name;
    writeFile(home / "Shop" / folder / name, content);
    list.addFile(home, "Templates\\" + name, local, name, folder, 1, picture ? 1 : 0, 0);
  }
  return list;
}

// Presses "&GO" and polls every 10 ms, as the front ends do; returns the
// seconds until the run has ended.
double timeGo(PublishModel& model) {
  auto start = std::chrono::steady_clock::now();
  model.go();
  while (model.timerActive()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    model.poll();
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int files = argc > 1 ? std::atoi(argv[1]) : 2000;
  fs::path home = makeTempDir();
  fs::path root = makeTempDir();
  fs::path port_file = root / "port";
  fs::path script = fs::path(QUORVEX_TEST_SUPPORT_DIR) / "ftp_server.py";
  std::string command = "/usr/bin/python3 \"" + script.string() + "\" \"" + root.string() +
                        "\" web:secret:web --port-file \"" + port_file.string() + "\" >/dev/null";
  // The server ends when its standard input (this pipe) closes.
  std::FILE* server = ::popen(command.c_str(), "w");
  for (int i = 0; i < 200 && !fs::exists(port_file); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  int port = 0;
  std::ifstream(port_file) >> port;
  if (server == nullptr || port == 0) {
    std::fprintf(stderr, "publish_bench: the FTP server did not start\n");
    return 1;
  }

  ScriptedPrompter prompter;
  IniSettingsStore settings_store(home / "settings.ini");
  CurlFtpClient client;
  Env env(home, prompter, &settings_store, &client);
  CFileList web = makeSite(home, files);
  CFileList order;
  UploadSettings settings;
  settings.host = "127.0.0.1:" + std::to_string(port);
  settings.user = "web";
  settings.password = "secret";
  if (argc > 2) settings.connectionsPerServer = std::atoi(argv[2]);

  PublishModel model(settings, web, order, env);
  const double full = timeGo(model);
  const std::string full_status = model.statusText();
  writeFile(home / "Shop" / "file1.html", "changed");
  const double incremental = timeGo(model);
  const std::string incremental_status = model.statusText();

  std::printf("publish %d files, full:        %.2f s (%s, %d connections)\n", files, full,
              full_status.c_str(), settings.connectionsPerServer);
  std::printf("publish %d files, one changed: %.3f s (%s)\n", files, incremental,
              incremental_status.c_str());
  ::pclose(server);
  fs::remove_all(home);
  fs::remove_all(root);
  return full_status == "Finished" && incremental_status == "Finished" ? 0 : 1;
}
