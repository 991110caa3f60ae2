#pragma once

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmar::service::testing {

// Arguments for the demo seed on a fixed day, so expiry states do not depend on the clock.
std::vector<std::string> DemoArgs(const std::string& today = "2024-05-01");

// A velmar-service process started for one test. It is killed, if still running, when the
// object goes.
class ServiceProcess {
 public:
  // Starts the service with `args` (plus "--port 0" unless a port is among them) and waits
  // for its "listening" line. Null when it did not come within a few seconds; `failure` then
  // says what the service wrote.
  static std::unique_ptr<ServiceProcess> Start(const std::vector<std::string>& args,
                                               std::string* failure);
  ~ServiceProcess();

  int port() const { return port_; }
  pid_t pid() const { return pid_; }

  // The exit code once the process has ended by itself, or nothing if it is still running
  // after `timeout` or was ended by a signal.
  std::optional<int> WaitForExit(std::chrono::milliseconds timeout);

 private:
  ServiceProcess(pid_t pid, int stdout_fd, int stderr_fd)
      : pid_(pid), stdout_fd_(stdout_fd), stderr_fd_(stderr_fd) {}

  pid_t pid_;
  int stdout_fd_;
  int stderr_fd_;
  int port_ = 0;
  bool reaped_ = false;
  std::optional<int> exit_code_;
};

// How a run of the service that was expected to end by itself went.
struct FinishedRun {
  std::optional<int> exit_code;  // nothing when it had not ended within the timeout
  std::string out;
  std::string err;
};

FinishedRun RunToEnd(const std::vector<std::string>& args, std::chrono::milliseconds timeout);

}  // namespace velmar::service::testing
