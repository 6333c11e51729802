#include "orderd/request_stream.h"

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "orderd/socket_address.h"

namespace quorvex {

RequestStream::RequestStream(int socket, std::string_view request, const std::string& remoteIp,
                             int remotePort, std::chrono::milliseconds writeTimeout)
    : socket_(socket),
      unread_(request),
      remoteIp_(remoteIp),
      remotePort_(remotePort),
      writeTimeout_(writeTimeout) {}

bool RequestStream::is_readable() const { return !unread_.empty(); }

bool RequestStream::is_writable() const { return true; }

ssize_t RequestStream::read(char* ptr, size_t size) {
  const size_t count = std::min(size, unread_.size());
  std::memcpy(ptr, unread_.data(), count);
  unread_.remove_prefix(count);
  return static_cast<ssize_t>(count);
}

ssize_t RequestStream::write(const char* ptr, size_t size) {
  size_t written = 0;
  while (written < size) {
    const ssize_t sent =
        ::send(socket_, ptr + written, size - written, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent > 0) {
      written += static_cast<size_t>(sent);
      continue;
    }
    if (sent < 0 && errno == EINTR) continue;
    if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      pollfd room{socket_, POLLOUT, 0};
      const int ready = ::poll(&room, 1, static_cast<int>(writeTimeout_.count()));
      if (ready > 0) continue;
      if (ready < 0 && errno == EINTR) continue;
    }
    return -1;
  }
  return static_cast<ssize_t>(written);
}

void RequestStream::get_remote_ip_and_port(std::string& ip, int& port) const {
  ip = remoteIp_;
  port = remotePort_;
}

void RequestStream::get_local_ip_and_port(std::string& ip, int& port) const {
  sockaddr_storage address{};
  socklen_t size = sizeof address;
  const bool known = ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size) == 0;
  const SocketAddress local = known ? socketAddressOf(address) : SocketAddress{};
  ip = local.ip;
  port = local.port;
}

socket_t RequestStream::socket() const { return socket_; }

}  // namespace quorvex
