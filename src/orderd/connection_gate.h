#ifndef QUORVEX_ORDERD_CONNECTION_GATE_H_
#define QUORVEX_ORDERD_CONNECTION_GATE_H_

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/status.h"

namespace quorvex {

// The order server's connections. One thread accepts them and holds each,
// without a worker, until it has received a whole request (RequestFrame);
// only then does a worker answer it, so that clients that send slowly
// cannot keep the workers from other clients. A connection must send its
// request within the request time (10 s) or is answered 408; a kept-alive
// connection may wait the keep-alive time for its next request. A client
// address holds at most `perAddress` connections at once; more are answered
// 429 at once. Requests above the limits are answered 413 without being
// read, bad framing 400.
class ConnectionGate {
 public:
  struct Limits {
    // Connections one client address may hold; 0 for no limit (behind a
    // proxy, whose address all connections share).
    size_t perAddress = 16;
    // Connections held in all.
    size_t connections = 4096;
    size_t workers = 32;
    size_t maxHeaderBytes = 16 * 1024;
    size_t maxBodyBytes = 64 * 1024;
    std::chrono::milliseconds requestTime{10'000};
    std::chrono::milliseconds keepAlive{5'000};
    std::chrono::milliseconds writeTimeout{10'000};
  };

  // Answers the one request `stream` holds (its bytes are `request`), on a
  // worker thread; true when the connection may carry another request.
  using Handler = std::function<bool(std::string_view request, httplib::Stream& stream)>;

  ConnectionGate(Limits limits, Handler handler);
  // Closes every connection; call stop() and let run() return first.
  ~ConnectionGate();
  ConnectionGate(const ConnectionGate&) = delete;
  ConnectionGate& operator=(const ConnectionGate&) = delete;

  // Listens on `host` and `port` (0: a free port) and sets `boundPort`.
  [[nodiscard]] Status listen(const std::string& host, int port, int& boundPort);
  // Takes connections until stop(); then waits for the requests being
  // answered. False when waiting for connections failed.
  bool run();
  // Ends run(); safe from any thread.
  void stop();

 private:
  struct Connection;
  using ConnectionPtr = std::unique_ptr<Connection>;

  void acceptAll();
  void receive(ConnectionPtr& connection);
  void hold(ConnectionPtr connection);
  void dispatch(ConnectionPtr connection, size_t requestLength);
  void closeExpired();
  void takeBackReturned();
  void close(ConnectionPtr connection, std::string_view answer = {});
  void work();

  const Limits limits_;
  const Handler handler_;
  int listener_ = -1;
  int epoll_ = -1;
  // Written to wake the accepting thread: a stop, a connection returned.
  int wakeup_ = -1;
  std::atomic<bool> stopping_{false};
  // The connections waiting for their request, by socket; and how many
  // connections each client address holds (waiting or being answered).
  // Only the accepting thread touches them.
  std::unordered_map<int, ConnectionPtr> waiting_;
  std::unordered_map<std::string, size_t> perAddress_;
  size_t held_ = 0;

  // Requests for the workers, and the connections they are done with
  // (null when closed), under queueMutex_.
  std::mutex queueMutex_;
  std::condition_variable queued_;
  std::deque<std::pair<ConnectionPtr, size_t>> requests_;
  std::vector<std::pair<ConnectionPtr, bool>> returned_;
  std::vector<std::thread> workers_;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_CONNECTION_GATE_H_
