#include "platform/curl_ftp_connection.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <system_error>
#include <utility>

#include "platform/curl_error_text.h"
#include "platform/ftp_listing.h"

namespace quorvex {

namespace {

// A list of commands for CURLOPT_POSTQUOTE, freed with the object.
class CommandList {
 public:
  explicit CommandList(const std::vector<std::string>& commands) {
    for (const std::string& command : commands) list_ = curl_slist_append(list_, command.c_str());
  }
  ~CommandList() { curl_slist_free_all(list_); }
  CommandList(const CommandList&) = delete;
  CommandList& operator=(const CommandList&) = delete;
  curl_slist* get() const { return list_; }

 private:
  curl_slist* list_ = nullptr;
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

size_t discard(char*, size_t size, size_t count, void*) { return size * count; }

size_t appendTo(char* data, size_t size, size_t count, void* text) {
  static_cast<std::string*>(text)->append(data, size * count);
  return size * count;
}

// Feeds a local text file to an ASCII upload. libcurl turns every line feed
// into CR LF on the way out, so the CR of a local CR LF is dropped here, or
// the server would store it twice.
class AsciiSource {
 public:
  explicit AsciiSource(std::FILE* file) : file_(file) {}

  static size_t read(char* buffer, size_t size, size_t count, void* self) {
    return static_cast<AsciiSource*>(self)->fill(buffer, size * count);
  }

 private:
  size_t fill(char* buffer, size_t capacity) {
    // One byte stays free for a CR held back from the previous call.
    char chunk[16384];
    size_t wanted = std::min(sizeof chunk, capacity - 1);
    size_t got = std::fread(chunk, 1, wanted, file_);
    if (got == 0 && std::ferror(file_)) return CURL_READFUNC_ABORT;
    size_t out = 0;
    for (size_t i = 0; i < got; ++i) {
      if (held_cr_ && chunk[i] != '\n') buffer[out++] = '\r';
      held_cr_ = chunk[i] == '\r';
      if (!held_cr_) buffer[out++] = chunk[i];
    }
    if (got == 0 && held_cr_) {
      buffer[out++] = '\r';
      held_cr_ = false;
    }
    return out;
  }

  std::FILE* file_;
  bool held_cr_ = false;
};

// Opens `path` for reading when it is a regular file; returns 0, or the
// error number that says why not.
int openRegularFile(const std::filesystem::path& path, FilePtr& file, curl_off_t& size) {
  file.reset(std::fopen(path.c_str(), "rb"));
  if (file == nullptr) return errno;
  struct stat info {};
  if (::fstat(::fileno(file.get()), &info) != 0) return errno;
  if (!S_ISREG(info.st_mode)) return EISDIR;
  size = static_cast<curl_off_t>(info.st_size);
  return 0;
}

// An argument of an SFTP command, quoted for libcurl's command parser.
std::string sftpQuoted(const std::string& path) {
  std::string quoted = "\"";
  for (char c : path) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

// The outcomes that are the server's answer, not a failed connection.
bool isRefusal(CURLcode code) {
  switch (code) {
    case CURLE_QUOTE_ERROR:
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_UPLOAD_FAILED:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_REMOTE_DISK_FULL:
    case CURLE_REMOTE_FILE_EXISTS:
      return true;
    default:
      return false;
  }
}

}  // namespace

CurlFtpConnection::CurlFtpConnection(CURL* curl, const FtpServerAddress& server, std::string user,
                                     std::string password, bool passive,
                                     std::optional<FtpProxy> proxy, const CurlFtpOptions& options)
    : curl_(curl),
      server_(server),
      user_(std::move(user)),
      password_(std::move(password)),
      passive_(passive),
      proxy_(std::move(proxy)),
      options_(options) {}

CurlFtpConnection::~CurlFtpConnection() { curl_easy_cleanup(curl_); }

FtpLogin CurlFtpConnection::open(const FtpServerAddress& server, const std::string& user,
                                 const std::string& password, bool passive,
                                 const std::optional<FtpProxy>& proxy,
                                 const CurlFtpOptions& options) {
  FtpLogin login;
  CURL* curl = curl_easy_init();
  if (curl == nullptr) {
    login.failure = FtpLoginFailure::kOther;
    return login;
  }
  std::unique_ptr<CurlFtpConnection> connection(
      new CurlFtpConnection(curl, server, user, password, passive, proxy, options));
  connection->startRequest();
  curl_easy_setopt(curl, CURLOPT_URL, connection->urlOf({}, true).c_str());
  curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
  CURLcode code = connection->perform();
  if (code == CURLE_OK) {
    login.connection = std::move(connection);
  } else if (code == CURLE_LOGIN_DENIED) {
    login.failure = connection->last_command_ == "USER" ? FtpLoginFailure::kWrongUser
                                                        : FtpLoginFailure::kWrongPassword;
  } else {
    login.failure = FtpLoginFailure::kOther;
    login.errorText = connection->error_text_;
  }
  return login;
}

void CurlFtpConnection::startRequest() {
  curl_easy_reset(curl_);
  curl_easy_setopt(curl_, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl_, CURLOPT_USERNAME, user_.c_str());
  curl_easy_setopt(curl_, CURLOPT_PASSWORD, password_.c_str());
  curl_easy_setopt(curl_, CURLOPT_PATH_AS_IS, 1L);
  curl_easy_setopt(curl_, CURLOPT_CONNECTTIMEOUT, options_.timeoutSeconds);
  curl_easy_setopt(curl_, CURLOPT_SERVER_RESPONSE_TIMEOUT, options_.timeoutSeconds);
  curl_easy_setopt(curl_, CURLOPT_ACCEPTTIMEOUT_MS, options_.timeoutSeconds * 1000);
  // A transfer that moves nothing for the whole time-out has failed.
  curl_easy_setopt(curl_, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl_, CURLOPT_LOW_SPEED_TIME, options_.timeoutSeconds);
  // The debug callback sees the commands and replies (it is only called in
  // verbose mode; it prints nothing).
  curl_easy_setopt(curl_, CURLOPT_VERBOSE, 1L);
  curl_easy_setopt(curl_, CURLOPT_DEBUGFUNCTION, &CurlFtpConnection::onDebug);
  curl_easy_setopt(curl_, CURLOPT_DEBUGDATA, this);
  switch (server_.protocol) {
    case FtpProtocol::kFtpExplicitTls:
      curl_easy_setopt(curl_, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
      if (!options_.caFile.empty()) curl_easy_setopt(curl_, CURLOPT_CAINFO, options_.caFile.c_str());
      [[fallthrough]];
    case FtpProtocol::kFtp:
      if (!passive_) curl_easy_setopt(curl_, CURLOPT_FTPPORT, "-");
      break;
    case FtpProtocol::kSftp: {
      curl_easy_setopt(curl_, CURLOPT_SSH_AUTH_TYPES,
                       static_cast<long>(CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD));
      std::string known_hosts = options_.knownHostsFile;
      if (known_hosts.empty()) {
        const char* home = std::getenv("HOME");
        known_hosts = std::string(home != nullptr ? home : ".") + "/.ssh/known_hosts";
      }
      curl_easy_setopt(curl_, CURLOPT_SSH_KNOWNHOSTS, known_hosts.c_str());
      break;
    }
  }
  if (proxy_) {
    std::string proxy = proxy_->host;
    if (proxy.find("://") == std::string::npos) proxy = "http://" + proxy;
    if (!proxy_->port.empty()) proxy += ":" + proxy_->port;
    curl_easy_setopt(curl_, CURLOPT_PROXY, proxy.c_str());
    // FTP goes through an HTTP proxy as a tunnel, data connections included.
    curl_easy_setopt(curl_, CURLOPT_HTTPPROXYTUNNEL, 1L);
  }
}

CURLcode CurlFtpConnection::perform() {
  last_command_.clear();
  last_reply_.clear();
  CURLcode code = curl_easy_perform(curl_);
  if (code == CURLE_OK) {
    error_text_.clear();
  } else if (isRefusal(code) && (last_reply_.starts_with('4') || last_reply_.starts_with('5'))) {
    error_text_ = last_reply_;
  } else {
    error_text_ = curlErrorInWords(code);
  }
  return code;
}

FtpReply CurlFtpConnection::replyOf(CURLcode code) const {
  if (code == CURLE_OK) return FtpReply::kDone;
  return isRefusal(code) ? FtpReply::kRefused : FtpReply::kNoReply;
}

int CurlFtpConnection::onDebug(CURL*, curl_infotype type, char* data, size_t size, void* self) {
  auto* connection = static_cast<CurlFtpConnection*>(self);
  std::string text(data, size);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  if (type == CURLINFO_HEADER_OUT) {
    connection->last_command_ = text.substr(0, text.find(' '));
  } else if (type == CURLINFO_HEADER_IN && !text.empty()) {
    size_t last_line = text.rfind('\n');
    connection->last_reply_ = last_line == std::string::npos ? text : text.substr(last_line + 1);
  }
  return 0;
}

std::string CurlFtpConnection::urlOf(const std::vector<std::string>& path, bool folder) const {
  std::string url = server_.protocol == FtpProtocol::kSftp ? "sftp://" : "ftp://";
  const bool ipv6 = server_.host.find(':') != std::string::npos;
  url += ipv6 ? "[" + server_.host + "]" : server_.host;
  if (server_.port != 0) url += ":" + std::to_string(server_.port);
  url += server_.protocol == FtpProtocol::kSftp ? "/~/" : "/";
  for (size_t i = 0; i < path.size(); ++i) {
    char* escaped = curl_easy_escape(curl_, path[i].c_str(), static_cast<int>(path[i].size()));
    if (escaped != nullptr) url += escaped;
    curl_free(escaped);
    if (i + 1 < path.size() || folder) url += "/";
  }
  return url;
}

std::vector<std::string> CurlFtpConnection::pathOf(const std::string& name) const {
  std::vector<std::string> path = folder_;
  size_t start = 0;
  while (start <= name.size()) {
    size_t slash = name.find('/', start);
    if (slash == std::string::npos) slash = name.size();
    std::string part = name.substr(start, slash - start);
    if (part == "..") {
      if (!path.empty() && path.back() != "..") {
        path.pop_back();
      } else {
        path.push_back(part);
      }
    } else if (!part.empty() && part != ".") {
      path.push_back(part);
    }
    start = slash + 1;
  }
  return path;
}

std::string CurlFtpConnection::sftpPathOf(const std::string& name) const {
  std::string joined;
  for (const std::string& part : pathOf(name)) joined += (joined.empty() ? "" : "/") + part;
  return joined.empty() ? "." : joined;
}

bool CurlFtpConnection::acceptName(const std::string& name) {
  if (!name.empty() && name.find_first_of(std::string("\r\n\0", 3)) == std::string::npos) {
    return true;
  }
  error_text_ = "The name \"" + name + "\" cannot be sent to the server.";
  return false;
}

FtpReply CurlFtpConnection::runCommands(const std::vector<std::string>& commands) {
  CommandList list(commands);
  startRequest();
  curl_easy_setopt(curl_, CURLOPT_URL, urlOf(folder_, true).c_str());
  curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
  curl_easy_setopt(curl_, CURLOPT_POSTQUOTE, list.get());
  return replyOf(perform());
}

FtpReply CurlFtpConnection::createFolder(const std::string& name) {
  if (!acceptName(name)) return FtpReply::kRefused;
  if (server_.protocol == FtpProtocol::kSftp) {
    return runCommands({"mkdir " + sftpQuoted(sftpPathOf(name))});
  }
  return runCommands({"MKD " + name});
}

bool CurlFtpConnection::changeFolder(const std::string& name) {
  if (!acceptName(name)) return false;
  std::vector<std::string> path = pathOf(name);
  startRequest();
  curl_easy_setopt(curl_, CURLOPT_URL, urlOf(path, true).c_str());
  if (server_.protocol == FtpProtocol::kSftp) {
    // An SFTP request without a body does not look at the folder: list it.
    curl_easy_setopt(curl_, CURLOPT_DIRLISTONLY, 1L);
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &discard);
  } else {
    curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
  }
  if (perform() != CURLE_OK) return false;
  folder_ = std::move(path);
  return true;
}

FtpReply CurlFtpConnection::putFile(const std::filesystem::path& local, const std::string& remote,
                                    FtpTransferMode mode) {
  if (!acceptName(remote)) return FtpReply::kRefused;
  FilePtr file;
  curl_off_t size = 0;
  if (int error = openRegularFile(local, file, size); error != 0) {
    error_text_ = std::strerror(error);
    return FtpReply::kRefused;
  }
  startRequest();
  curl_easy_setopt(curl_, CURLOPT_URL, urlOf(pathOf(remote), false).c_str());
  curl_easy_setopt(curl_, CURLOPT_UPLOAD, 1L);
  AsciiSource text(file.get());
  if (mode == FtpTransferMode::kAscii) {
    curl_easy_setopt(curl_, CURLOPT_TRANSFERTEXT, 1L);
    curl_easy_setopt(curl_, CURLOPT_READFUNCTION, &AsciiSource::read);
    curl_easy_setopt(curl_, CURLOPT_READDATA, &text);
  } else {
    curl_easy_setopt(curl_, CURLOPT_READDATA, file.get());
    curl_easy_setopt(curl_, CURLOPT_INFILESIZE_LARGE, size);
  }
  return replyOf(perform());
}

FtpReply CurlFtpConnection::getFile(const std::string& remote, const std::filesystem::path& local,
                                    FtpTransferMode mode) {
  if (!acceptName(remote)) return FtpReply::kRefused;
  FilePtr file(std::fopen(local.c_str(), "wb"));
  if (file == nullptr) {
    error_text_ = std::strerror(errno);
    return FtpReply::kRefused;
  }
  startRequest();
  curl_easy_setopt(curl_, CURLOPT_URL, urlOf(pathOf(remote), false).c_str());
  curl_easy_setopt(curl_, CURLOPT_WRITEDATA, file.get());
  curl_easy_setopt(curl_, CURLOPT_TRANSFERTEXT, mode == FtpTransferMode::kAscii ? 1L : 0L);
  CURLcode code = perform();
  const bool written = std::fflush(file.get()) == 0;
  file.reset();
  if (code == CURLE_OK && !written) {
    error_text_ = std::strerror(errno);
    code = CURLE_WRITE_ERROR;
  }
  if (code != CURLE_OK) {
    std::error_code ignored;
    std::filesystem::remove(local, ignored);
  }
  return replyOf(code);
}

CURLcode CurlFtpConnection::fetchListing(const std::vector<std::string>& path,
                                         const char* command, std::string* text) {
  text->clear();
  startRequest();
  curl_easy_setopt(curl_, CURLOPT_URL, urlOf(path, true).c_str());
  curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &appendTo);
  curl_easy_setopt(curl_, CURLOPT_WRITEDATA, text);
  if (command != nullptr) curl_easy_setopt(curl_, CURLOPT_CUSTOMREQUEST, command);
  return perform();
}

FtpReply CurlFtpConnection::listFolder(const std::string& name,
                                       std::vector<FtpFolderEntry>* entries) {
  if (!name.empty() && !acceptName(name)) return FtpReply::kRefused;
  const std::vector<std::string> path = pathOf(name);
  std::string text;
  if (server_.protocol == FtpProtocol::kSftp) {
    // libcurl lists an SFTP folder in the long form of ls.
    const CURLcode code = fetchListing(path, nullptr, &text);
    if (code == CURLE_OK) *entries = parseUnixListing(text);
    return replyOf(code);
  }
  CURLcode code = fetchListing(path, "MLSD", &text);
  if (code == CURLE_OK) {
    *entries = parseMachineListing(text);
    return FtpReply::kDone;
  }
  // A server that does not know MLSD says so with a 50x reply to it; LIST
  // has no fixed form, but nearly every server answers it like ls.
  if (last_command_ != "MLSD" || !last_reply_.starts_with("50")) return replyOf(code);
  code = fetchListing(path, nullptr, &text);
  if (code == CURLE_OK) *entries = parseUnixListing(text);
  return replyOf(code);
}

FtpReply CurlFtpConnection::remove(const std::string& remote) {
  if (!acceptName(remote)) return FtpReply::kRefused;
  if (server_.protocol == FtpProtocol::kSftp) {
    return runCommands({"rm " + sftpQuoted(sftpPathOf(remote))});
  }
  return runCommands({"DELE " + remote});
}

FtpReply CurlFtpConnection::rename(const std::string& from, const std::string& to) {
  if (!acceptName(from) || !acceptName(to)) return FtpReply::kRefused;
  if (server_.protocol == FtpProtocol::kSftp) {
    return runCommands(
        {"rename " + sftpQuoted(sftpPathOf(from)) + " " + sftpQuoted(sftpPathOf(to))});
  }
  return runCommands({"RNFR " + from, "RNTO " + to});
}

std::string CurlFtpConnection::lastErrorText() const { return error_text_; }

}  // namespace quorvex
