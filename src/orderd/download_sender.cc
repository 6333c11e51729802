#include "orderd/download_sender.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <string>

namespace quorvex {

namespace {

constexpr std::string_view kPrefix = "GET /download/";
constexpr size_t kChunkBytes = 64 * 1024;

bool writeAll(httplib::Stream& stream, std::string_view bytes) {
  return stream.write(bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

void writePlain(httplib::Stream& stream, const char* status, std::string_view text) {
  writeAll(stream, std::string("HTTP/1.1 ") + status +
                       "\r\nContent-Type: text/plain\r\nConnection: close\r\nContent-Length: " +
                       std::to_string(text.size()) + "\r\n\r\n" + std::string(text));
}

}  // namespace

bool sendDownload(const DownloadVault& downloads, std::string_view request,
                  httplib::Stream& stream) {
  if (!request.starts_with(kPrefix)) return false;
  // The path up to the first blank: VENDOR/TOKEN.
  const std::string_view path = request.substr(kPrefix.size(), request.find(' ', kPrefix.size()) -
                                                                   kPrefix.size());
  const size_t slash = path.find('/');
  const DownloadVault::Grant grant =
      slash == std::string_view::npos
          ? DownloadVault::Grant{}
          : downloads.find(path.substr(0, slash), path.substr(slash + 1),
                           std::chrono::system_clock::now());
  if (grant.httpStatus != 200) {
    if (grant.httpStatus == 410) {
      writePlain(stream, "410 Gone", "This download link has expired.\n");
    } else {
      writePlain(stream, "404 Not Found", "There is no such download.\n");
    }
    return true;
  }
  std::ifstream file(grant.file, std::ios::binary);
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(grant.file, error);
  if (!file || error) {
    std::cerr << grant.file.string() << ": cannot be read\n";
    writePlain(stream, "500 Internal Server Error", "The download cannot be read at the moment.\n");
    return true;
  }
  // The name holds no control character (isSingleFileName()); a quote
  // would end the quoted name early.
  std::string name = grant.file.filename().string();
  std::replace(name.begin(), name.end(), '"', '_');
  if (!writeAll(stream, "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
                        "Content-Disposition: attachment; filename=\"" +
                            name + "\"\r\nConnection: close\r\nContent-Length: " +
                            std::to_string(size) + "\r\n\r\n")) {
    return true;
  }
  char buffer[kChunkBytes];
  for (uintmax_t left = size; left > 0;) {
    file.read(buffer, static_cast<std::streamsize>(std::min<uintmax_t>(left, sizeof buffer)));
    const auto got = static_cast<size_t>(file.gcount());
    if (got == 0 || !writeAll(stream, std::string_view(buffer, got))) break;
    left -= got;
  }
  return true;
}

}  // namespace quorvex
