#pragma once

namespace velmar::service {

// A pipe that becomes readable once a stop is asked for, by a control request on any thread
// or by SIGINT/SIGTERM. The server polls read_fd() next to its listening socket.
class StopSignal {
 public:
  StopSignal();
  ~StopSignal();
  StopSignal(const StopSignal&) = delete;
  StopSignal& operator=(const StopSignal&) = delete;

  bool ok() const { return read_fd_ >= 0; }
  int read_fd() const { return read_fd_; }

  // Safe from any thread and from a signal handler.
  void Request();

  // Makes SIGINT and SIGTERM call Request() on this object, and keeps SIGPIPE from ending the
  // process when a client goes away mid-answer. At most one StopSignal may be installed.
  void InstallSignalHandlers();

 private:
  int read_fd_ = -1;
  int write_fd_ = -1;
};

}  // namespace velmar::service
