#ifndef QUORVEX_PLATFORM_FTP_CLIENT_H_
#define QUORVEX_PLATFORM_FTP_CLIENT_H_

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorvex {

// The narrow file-transfer client the publishing runs need: a session (with
// or without a proxy), connections logged in to one server each, and the
// folder and file operations of a connection. Implementations may be used
// from a worker thread; one object is used by one thread at a time.

// How a server is spoken to.
enum class FtpProtocol {
  kFtp,             // plain FTP
  kFtpExplicitTls,  // FTP upgraded to TLS with AUTH TLS on the same port
  kSftp,            // the SSH file transfer protocol
};

struct FtpServerAddress {
  FtpProtocol protocol = FtpProtocol::kFtp;
  std::string host;
  // 0: the protocol's usual port (21 for FTP, 22 for SFTP).
  int port = 0;
};

// An FTP proxy as the user entered it: host (possibly with a scheme such as
// socks5://) and port (may be empty).
struct FtpProxy {
  std::string host;
  std::string port;
};

// Why a login failed.
enum class FtpLoginFailure {
  kNone,
  // The server refused the user name (its reply to USER).
  kWrongUser,
  // The server refused the password (its reply to PASS, or an SSH server's
  // refusal of the account).
  kWrongPassword,
  // Anything else: unknown host, refused connection, time-out, TLS failure.
  kOther,
};

// How an operation on a connection ended.
enum class FtpReply {
  kDone,
  // The server answered with a refusal (missing file, no permission).
  kRefused,
  // No answer: the connection failed or broke.
  kNoReply,
};

enum class FtpTransferMode { kAscii, kBinary };

// One name in the listing of a server folder.
struct FtpFolderEntry {
  std::string name;
  bool isFolder = false;
  // A file's size in bytes, when the server's listing gives one.
  std::optional<std::uint64_t> size = std::nullopt;

  bool operator==(const FtpFolderEntry&) const = default;
};

// A connection logged in to one server. It keeps a current folder, relative
// to the folder the login started in; names below are relative to it and may
// hold slashes. Destroying the connection closes it.
class FtpConnection {
 public:
  virtual ~FtpConnection() = default;

  // Creates the folder `name` in the current folder.
  virtual FtpReply createFolder(const std::string& name) = 0;

  // Makes `name` (".." for the parent) the current folder; returns false,
  // leaving the current folder as it was, when the server cannot enter it.
  [[nodiscard]] virtual bool changeFolder(const std::string& name) = 0;

  // Stores the local file under `remote`, replacing what is there. ASCII mode
  // sends each line end, CR LF or a bare LF, as one CR LF, which the server
  // stores as its own line end.
  virtual FtpReply putFile(const std::filesystem::path& local, const std::string& remote,
                           FtpTransferMode mode) = 0;

  // Fetches `remote` into the local file, replacing it. A failed fetch leaves
  // no local file behind.
  virtual FtpReply getFile(const std::string& remote, const std::filesystem::path& local,
                           FtpTransferMode mode) = 0;

  // Replaces `*entries` with the names in the folder `name` ("" for the
  // current folder), without "." and "..". A folder that is not there is a
  // refusal.
  virtual FtpReply listFolder(const std::string& name, std::vector<FtpFolderEntry>* entries) = 0;

  virtual FtpReply remove(const std::string& remote) = 0;
  virtual FtpReply rename(const std::string& from, const std::string& to) = 0;

  // Returns the text that describes the last failure: the server's refusal
  // ("550 No such file or directory.") or the reason the connection failed;
  // empty when there is none.
  virtual std::string lastErrorText() const = 0;
};

// The outcome of a login: a connection, or why there is none.
struct FtpLogin {
  std::unique_ptr<FtpConnection> connection;
  FtpLoginFailure failure = FtpLoginFailure::kNone;
  // The client's description of a kOther failure; may be empty.
  std::string errorText;
};

// A session: the settings every connection shares (the proxy).
class FtpSession {
 public:
  virtual ~FtpSession() = default;

  // Connects to `server` and logs in. `passive` chooses passive data
  // connections (the client connects to the server) over active ones.
  virtual FtpLogin connect(const FtpServerAddress& server, const std::string& user,
                           const std::string& password, bool passive) = 0;
};

// Makes sessions; the service the environment hands to the publishing runs.
class FtpClient {
 public:
  virtual ~FtpClient() = default;

  // Opens a session that reaches servers directly (no proxy) or through
  // `proxy`; returns null when no session can be had.
  virtual std::unique_ptr<FtpSession> openSession(const std::optional<FtpProxy>& proxy) = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_FTP_CLIENT_H_
