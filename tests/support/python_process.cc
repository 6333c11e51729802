#include "support/python_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

extern char** environ;

namespace quorvex::testing {

namespace {

constexpr char kPython[] = "/usr/bin/python3";

}  // namespace

PythonProcess::PythonProcess(const std::string& script, const std::vector<std::string>& args) {
  int input[2];
  int output[2];
  if (::pipe2(input, O_CLOEXEC) != 0) return;
  if (::pipe2(output, O_CLOEXEC) != 0) {
    ::close(input[0]);
    ::close(input[1]);
    return;
  }
  std::string path = (std::filesystem::path(QUORVEX_TEST_SUPPORT_DIR) / script).string();
  std::vector<std::string> words = {kPython, path};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  if (::posix_spawn(&pid_, kPython, &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  ::close(input[0]);
  ::close(output[1]);
  to_child_ = input[1];
  from_child_ = output[0];
}

PythonProcess::~PythonProcess() {
  if (to_child_ >= 0) ::close(to_child_);
  if (pid_ > 0) {
    int status = 0;
    for (int i = 0; i < 50 && ::waitpid(pid_, &status, WNOHANG) == 0; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      if (i == 49) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status, 0);
      }
    }
  }
  if (from_child_ >= 0) ::close(from_child_);
}

std::string PythonProcess::readLine() {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (pending_.find('\n') == std::string::npos) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd ready{from_child_, POLLIN, 0};
    if (left.count() <= 0 || ::poll(&ready, 1, static_cast<int>(left.count())) <= 0) return "";
    char buffer[256];
    ssize_t got = ::read(from_child_, buffer, sizeof buffer);
    if (got <= 0) return "";
    pending_.append(buffer, static_cast<size_t>(got));
  }
  size_t end = pending_.find('\n');
  std::string line = pending_.substr(0, end);
  pending_.erase(0, end + 1);
  return line;
}

void PythonProcess::writeLine(const std::string& line) {
  std::string text = line + "\n";
  const char* data = text.data();
  size_t left = text.size();
  while (left > 0) {
    ssize_t written = ::write(to_child_, data, left);
    if (written <= 0) return;
    data += written;
    left -= static_cast<size_t>(written);
  }
}

}  // namespace quorvex::testing
