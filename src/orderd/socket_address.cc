#include "orderd/socket_address.h"

#include <arpa/inet.h>
#include <netinet/in.h>

namespace quorvex {

SocketAddress socketAddressOf(const sockaddr_storage& address) {
  char text[INET6_ADDRSTRLEN] = "";
  SocketAddress result;
  if (address.ss_family == AF_INET) {
    const auto* v4 = reinterpret_cast<const sockaddr_in*>(&address);
    ::inet_ntop(AF_INET, &v4->sin_addr, text, sizeof text);
    result.port = ntohs(v4->sin_port);
  } else if (address.ss_family == AF_INET6) {
    const auto* v6 = reinterpret_cast<const sockaddr_in6*>(&address);
    ::inet_ntop(AF_INET6, &v6->sin6_addr, text, sizeof text);
    result.port = ntohs(v6->sin6_port);
  }
  result.ip = text;
  return result;
}

}  // namespace quorvex
