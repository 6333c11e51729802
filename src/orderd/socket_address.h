#ifndef QUORVEX_ORDERD_SOCKET_ADDRESS_H_
#define QUORVEX_ORDERD_SOCKET_ADDRESS_H_

#include <sys/socket.h>

#include <string>

namespace quorvex {

// An IPv4 or IPv6 address as text ("127.0.0.1", "::1") and a port.
struct SocketAddress {
  std::string ip;
  int port = 0;
};

// Returns `address` as text; an empty ip for another family.
SocketAddress socketAddressOf(const sockaddr_storage& address);

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_SOCKET_ADDRESS_H_
