#ifndef QUORVEX_ORDERD_REQUEST_STREAM_H_
#define QUORVEX_ORDERD_REQUEST_STREAM_H_

#include <httplib.h>

#include <chrono>
#include <string>
#include <string_view>

namespace quorvex {

// One request of a connection for the HTTP library to answer: reads come
// from the request's bytes, already received whole (ConnectionGate), so
// that no worker waits for a slow client; writes go to the connection's
// socket, each waiting at most the write timeout for room to send.
class RequestStream : public httplib::Stream {
 public:
  // `request` and `remoteIp` must outlive the stream; `socket` stays open
  // (the gate closes it).
  RequestStream(int socket, std::string_view request, const std::string& remoteIp, int remotePort,
                std::chrono::milliseconds writeTimeout);

  bool is_readable() const override;
  bool is_writable() const override;
  ssize_t read(char* ptr, size_t size) override;
  ssize_t write(const char* ptr, size_t size) override;
  void get_remote_ip_and_port(std::string& ip, int& port) const override;
  void get_local_ip_and_port(std::string& ip, int& port) const override;
  socket_t socket() const override;

 private:
  const int socket_;
  std::string_view unread_;
  const std::string& remoteIp_;
  const int remotePort_;
  const std::chrono::milliseconds writeTimeout_;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_REQUEST_STREAM_H_
