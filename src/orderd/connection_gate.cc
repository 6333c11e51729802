#include "orderd/connection_gate.h"

#include <netdb.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "orderd/request_framing.h"
#include "orderd/request_stream.h"
#include "orderd/socket_address.h"

namespace quorvex {

using Clock = std::chrono::steady_clock;

namespace {

constexpr int kListenBacklog = 1024;
// How often the held connections are looked at for an expired time.
constexpr int kExpiryCheckMillis = 250;
constexpr size_t kReceiveChunk = 16 * 1024;

std::string plainAnswer(const char* status, const char* text) {
  const std::string body = std::string("{\"accepted\":false,\"error\":\"") + text + "\"}";
  return std::string("HTTP/1.1 ") + status +
         "\r\nContent-Type: application/json\r\nConnection: close\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\n\r\n" + body;
}

const std::string kTooMany = plainAnswer("429 Too Many Requests", "Too many connections.");
const std::string kBusy = plainAnswer("503 Service Unavailable", "The server is busy.");
const std::string kTooSlow = plainAnswer("408 Request Timeout", "The request came too slowly.");
const std::string kTooLarge = plainAnswer("413 Payload Too Large", "The order is too large.");
const std::string kMalformed = plainAnswer("400 Bad Request", "The request is malformed.");

Status systemFailure(const std::string& what) {
  return Status::ioError(what + ": " + std::strerror(errno));
}

}  // namespace

struct ConnectionGate::Connection {
  int socket = -1;
  std::string remoteIp;
  int remotePort = 0;
  // What was received and not yet answered.
  std::string received;
  Clock::time_point deadline;
  // The request time starts with its first byte on a kept-alive connection.
  bool idle = true;
};

ConnectionGate::ConnectionGate(Limits limits, Handler handler)
    : limits_(limits), handler_(std::move(handler)) {}

ConnectionGate::~ConnectionGate() {
  for (auto& [socket, connection] : waiting_) ::close(socket);
  for (auto& [connection, keep] : returned_) ::close(connection->socket);
  for (int fd : {listener_, epoll_, wakeup_}) {
    if (fd >= 0) ::close(fd);
  }
}

Status ConnectionGate::listen(const std::string& host, int port, int& boundPort) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(port);
  if (::getaddrinfo(host.empty() ? nullptr : host.c_str(), service.c_str(), &hints, &found) != 0 ||
      !found) {
    return Status::invalidArgument("Cannot find the address " + host);
  }
  std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> addresses(found, ::freeaddrinfo);
  listener_ = ::socket(found->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (listener_ < 0) return systemFailure("Cannot make a socket");
  const int reuse = 1;
  ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
  if (::bind(listener_, found->ai_addr, found->ai_addrlen) != 0 ||
      ::listen(listener_, kListenBacklog) != 0) {
    return systemFailure("Cannot listen on " + host + ":" + service);
  }
  sockaddr_storage bound{};
  socklen_t size = sizeof bound;
  if (::getsockname(listener_, reinterpret_cast<sockaddr*>(&bound), &size) != 0) {
    return systemFailure("Cannot read the bound address");
  }
  boundPort = socketAddressOf(bound).port;
  epoll_ = ::epoll_create1(EPOLL_CLOEXEC);
  wakeup_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (epoll_ < 0 || wakeup_ < 0) return systemFailure("Cannot wait for connections");
  for (int fd : {listener_, wakeup_}) {
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = fd;
    if (::epoll_ctl(epoll_, EPOLL_CTL_ADD, fd, &event) != 0) {
      return systemFailure("Cannot wait for connections");
    }
  }
  return Status::success();
}

bool ConnectionGate::run() {
  for (size_t i = 0; i < limits_.workers; ++i) workers_.emplace_back([this] { work(); });
  bool failed = false;
  auto nextExpiryCheck = Clock::now();
  epoll_event events[256];
  while (!stopping_) {
    const int count = ::epoll_wait(epoll_, events, static_cast<int>(std::size(events)),
                                   kExpiryCheckMillis);
    if (count < 0 && errno != EINTR) {
      std::cerr << "Waiting for connections failed: " << std::strerror(errno) << "\n";
      failed = true;
      break;
    }
    for (int i = 0; i < count; ++i) {
      const int fd = events[i].data.fd;
      if (fd == listener_) {
        acceptAll();
      } else if (fd == wakeup_) {
        uint64_t ignored = 0;
        (void)!::read(wakeup_, &ignored, sizeof ignored);
      } else if (auto found = waiting_.find(fd); found != waiting_.end()) {
        receive(found->second);
      }
    }
    takeBackReturned();
    // The held connections are looked through now and then, not on every
    // event: under load events come far more often than times run out.
    if (Clock::now() >= nextExpiryCheck) {
      closeExpired();
      nextExpiryCheck = Clock::now() + std::chrono::milliseconds(kExpiryCheckMillis);
    }
  }
  {
    std::lock_guard<std::mutex> lock(queueMutex_);
    stopping_ = true;
  }
  queued_.notify_all();
  for (std::thread& worker : workers_) worker.join();
  return !failed;
}

void ConnectionGate::stop() {
  stopping_ = true;
  const uint64_t one = 1;
  (void)!::write(wakeup_, &one, sizeof one);
}

void ConnectionGate::acceptAll() {
  for (;;) {
    sockaddr_storage peer{};
    socklen_t size = sizeof peer;
    const int socket = ::accept4(listener_, reinterpret_cast<sockaddr*>(&peer), &size,
                                 SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (socket < 0) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      // EAGAIN: all taken. EMFILE and the like: the next round tries again.
      if (errno != EAGAIN && errno != EWOULDBLOCK) {
        std::cerr << "Cannot accept a connection: " << std::strerror(errno) << "\n";
      }
      return;
    }
    auto connection = std::make_unique<Connection>();
    connection->socket = socket;
    const SocketAddress address = socketAddressOf(peer);
    connection->remoteIp = address.ip;
    connection->remotePort = address.port;
    size_t& fromAddress = perAddress_[connection->remoteIp];
    ++fromAddress;
    ++held_;
    if (limits_.perAddress != 0 && fromAddress > limits_.perAddress) {
      close(std::move(connection), kTooMany);
    } else if (held_ > limits_.connections) {
      close(std::move(connection), kBusy);
    } else {
      connection->deadline = Clock::now() + limits_.requestTime;
      connection->idle = false;
      hold(std::move(connection));
    }
  }
}

void ConnectionGate::hold(ConnectionPtr connection) {
  epoll_event event{};
  event.events = EPOLLIN | EPOLLRDHUP;
  event.data.fd = connection->socket;
  if (::epoll_ctl(epoll_, EPOLL_CTL_ADD, connection->socket, &event) != 0) {
    std::cerr << "Cannot wait for a request: " << std::strerror(errno) << "\n";
    return close(std::move(connection));
  }
  const int socket = connection->socket;
  waiting_.emplace(socket, std::move(connection));
}

void ConnectionGate::receive(ConnectionPtr& held) {
  Connection& connection = *held;
  const size_t limit = limits_.maxHeaderBytes + limits_.maxBodyBytes + limits_.maxHeaderBytes;
  bool ended = false;
  while (connection.received.size() < limit) {
    char buffer[kReceiveChunk];
    const ssize_t got = ::recv(connection.socket, buffer, sizeof buffer, 0);
    if (got > 0) {
      if (connection.idle) connection.deadline = Clock::now() + limits_.requestTime;
      connection.idle = false;
      connection.received.append(buffer, static_cast<size_t>(got));
      continue;
    }
    if (got < 0 && errno == EINTR) continue;
    ended = got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
    break;
  }
  const RequestFrame frame =
      frameRequest(connection.received, limits_.maxHeaderBytes, limits_.maxBodyBytes);
  const int socket = connection.socket;
  auto take = [&] {
    ::epoll_ctl(epoll_, EPOLL_CTL_DEL, socket, nullptr);
    ConnectionPtr taken = std::move(held);
    waiting_.erase(socket);
    return taken;
  };
  switch (frame.state) {
    // A client that closed its connection after its request has given up
    // waiting for the answer: its order is not taken.
    case RequestFrame::State::kComplete:
      return ended ? close(take()) : dispatch(take(), frame.length);
    case RequestFrame::State::kTooLarge: return close(take(), kTooLarge);
    case RequestFrame::State::kMalformed: return close(take(), kMalformed);
    case RequestFrame::State::kIncomplete:
      if (connection.received.size() >= limit) return close(take(), kTooLarge);
      if (ended) return close(take());
  }
}

void ConnectionGate::dispatch(ConnectionPtr connection, size_t requestLength) {
  {
    std::lock_guard<std::mutex> lock(queueMutex_);
    requests_.emplace_back(std::move(connection), requestLength);
  }
  queued_.notify_one();
}

void ConnectionGate::work() {
  for (;;) {
    std::unique_lock<std::mutex> lock(queueMutex_);
    queued_.wait(lock, [this] { return stopping_ || !requests_.empty(); });
    if (requests_.empty()) return;
    auto [connection, length] = std::move(requests_.front());
    requests_.pop_front();
    lock.unlock();
    const std::string_view request = std::string_view(connection->received).substr(0, length);
    RequestStream stream(connection->socket, request, connection->remoteIp, connection->remotePort,
                         limits_.writeTimeout);
    const bool keep = handler_(request, stream);
    // Bytes after the request are the start of the next one.
    connection->received.erase(0, length);
    lock.lock();
    returned_.emplace_back(std::move(connection), keep);
    lock.unlock();
    const uint64_t one = 1;
    (void)!::write(wakeup_, &one, sizeof one);
  }
}

void ConnectionGate::takeBackReturned() {
  std::vector<std::pair<ConnectionPtr, bool>> returned;
  {
    std::lock_guard<std::mutex> lock(queueMutex_);
    returned.swap(returned_);
  }
  for (auto& [connection, keep] : returned) {
    if (!keep || stopping_) {
      close(std::move(connection));
      continue;
    }
    connection->deadline = Clock::now() + limits_.keepAlive;
    connection->idle = connection->received.empty();
    const int socket = connection->socket;
    hold(std::move(connection));
    // A request that came with the last one is looked at now.
    if (auto found = waiting_.find(socket); found != waiting_.end() && !found->second->idle) {
      receive(found->second);
    }
  }
}

void ConnectionGate::closeExpired() {
  const auto now = Clock::now();
  std::vector<int> expired;
  for (const auto& [socket, connection] : waiting_) {
    if (connection->deadline <= now) expired.push_back(socket);
  }
  for (int socket : expired) {
    auto found = waiting_.find(socket);
    ::epoll_ctl(epoll_, EPOLL_CTL_DEL, socket, nullptr);
    ConnectionPtr connection = std::move(found->second);
    waiting_.erase(found);
    // An idle kept-alive connection is simply closed.
    const bool idle = connection->idle;
    close(std::move(connection), idle ? std::string_view() : std::string_view(kTooSlow));
  }
}

void ConnectionGate::close(ConnectionPtr connection, std::string_view answer) {
  if (!answer.empty()) {
    (void)!::send(connection->socket, answer.data(), answer.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
  }
  ::close(connection->socket);
  auto count = perAddress_.find(connection->remoteIp);
  if (count != perAddress_.end() && --count->second == 0) perAddress_.erase(count);
  --held_;
}

}  // namespace quorvex
