#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <list>
#include <mutex>
#include <string_view>
#include <thread>

#include "http_reply.h"
#include "stop_signal.h"

namespace velmar::service {

// A small HTTP/1.x server: one GET per connection, each connection on a thread of its own,
// every answer sent with "Connection: close". It is written on plain sockets, not on an HTTP
// library, because the faults need what a library does not offer: the raw request target as
// sent, closing without an answer, and a body shorter than the length announced.
class HttpServer {
 public:
  // Called on a connection thread, possibly on several at once.
  using Handler = std::function<Reply(std::string_view method, std::string_view target)>;

  explicit HttpServer(Handler handler);
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  // Accepts on `listen_fd` until `stop` is requested, then cuts every open connection and
  // returns once their threads have ended. A reply that asks for it requests `stop` itself.
  void Serve(int listen_fd, StopSignal& stop);

  static constexpr size_t kMaxHeadBytes = 64 * 1024;
  static constexpr size_t kMaxConnections = 64;

 private:
  struct Connection {
    int fd = -1;
    bool finished = false;
    std::thread thread;
  };

  void Start(int fd, StopSignal& stop);
  void RunConnection(std::list<Connection>::iterator connection, StopSignal& stop);
  void Answer(int fd, StopSignal& stop);
  // False when the server began to stop during the wait.
  bool WaitUnlessStopping(std::chrono::milliseconds delay);
  void JoinFinished();
  void StopAll();

  const Handler handler_;
  std::mutex mutex_;
  std::condition_variable stopping_changed_;
  bool stopping_ = false;
  std::list<Connection> connections_;  // guarded by mutex_, fds included
};

}  // namespace velmar::service
