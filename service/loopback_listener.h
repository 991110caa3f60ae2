#pragma once

#include <string>

namespace velmar::service {

// A socket listening on 127.0.0.1 only. Port 0 takes any free port; port() tells which.
class LoopbackListener {
 public:
  LoopbackListener() = default;
  ~LoopbackListener();
  LoopbackListener(const LoopbackListener&) = delete;
  LoopbackListener& operator=(const LoopbackListener&) = delete;

  // False, with `error` set, when the port cannot be bound (for instance, it is taken).
  bool Open(int port, std::string* error);

  int fd() const { return fd_; }
  int port() const { return port_; }

 private:
  int fd_ = -1;
  int port_ = 0;
};

}  // namespace velmar::service
