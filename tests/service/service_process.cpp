#include "service_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <thread>

namespace velmar::service::testing {
namespace {

constexpr std::chrono::seconds kStartTimeout{5};
constexpr std::string_view kListening = "listening on 127.0.0.1:";

struct Spawned {
  pid_t pid = -1;
  int stdout_fd = -1;
  int stderr_fd = -1;
};

Spawned Spawn(const std::vector<std::string>& args) {
  int out[2];
  int err[2];
  if (pipe2(out, O_CLOEXEC) != 0) return {};
  if (pipe2(err, O_CLOEXEC) != 0) {
    close(out[0]);
    close(out[1]);
    return {};
  }
  std::vector<std::string> owned = {VELMAR_SERVICE_BINARY};
  owned.insert(owned.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : owned) argv.push_back(arg.data());
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], STDOUT_FILENO);
    dup2(err[1], STDERR_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(out[1]);
  close(err[1]);
  if (pid < 0) {
    close(out[0]);
    close(err[0]);
    return {};
  }
  return {pid, out[0], err[0]};
}

// Appends what `fd` has until it closes or `deadline` passes; stops early at a line feed
// when `until_line_feed`.
void ReadUntil(int fd, std::chrono::steady_clock::time_point deadline, bool until_line_feed,
               std::string* text) {
  char chunk[4096];
  while (!(until_line_feed && text->find('\n') != std::string::npos)) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return;
    pollfd watched{fd, POLLIN, 0};
    if (poll(&watched, 1, static_cast<int>(left.count())) <= 0) return;
    const ssize_t count = read(fd, chunk, sizeof chunk);
    if (count <= 0) return;
    text->append(chunk, static_cast<size_t>(count));
  }
}

std::optional<int> ExitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return std::nullopt;
}

}  // namespace

std::vector<std::string> DemoArgs(const std::string& today) {
  return {"--seed", VELMAR_DEMO_SEED, "--today", today};
}

std::unique_ptr<ServiceProcess> ServiceProcess::Start(const std::vector<std::string>& args,
                                                      std::string* failure) {
  std::vector<std::string> full = args;
  if (std::find(full.begin(), full.end(), "--port") == full.end()) {
    full.insert(full.end(), {"--port", "0"});
  }
  const Spawned spawned = Spawn(full);
  if (spawned.pid < 0) {
    *failure = "cannot start " VELMAR_SERVICE_BINARY;
    return nullptr;
  }
  std::unique_ptr<ServiceProcess> process(
      new ServiceProcess(spawned.pid, spawned.stdout_fd, spawned.stderr_fd));
  std::string out;
  ReadUntil(process->stdout_fd_, std::chrono::steady_clock::now() + kStartTimeout, true, &out);
  const size_t at = out.find(kListening);
  if (at != std::string::npos && out.back() == '\n') {
    process->port_ = std::atoi(out.c_str() + at + kListening.size());
    return process;
  }
  std::string err;
  ReadUntil(process->stderr_fd_, std::chrono::steady_clock::now(), false, &err);
  *failure = "no listening line; stdout: " + out + " stderr: " + err;
  return nullptr;
}

ServiceProcess::~ServiceProcess() {
  if (!reaped_) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  close(stdout_fd_);
  close(stderr_fd_);
}

std::optional<int> ServiceProcess::WaitForExit(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!reaped_) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      reaped_ = true;
      exit_code_ = ExitCodeOf(status);
    } else if (std::chrono::steady_clock::now() >= deadline) {
      return std::nullopt;
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  return exit_code_;
}

FinishedRun RunToEnd(const std::vector<std::string>& args, std::chrono::milliseconds timeout) {
  FinishedRun run;
  const Spawned spawned = Spawn(args);
  if (spawned.pid < 0) return run;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  ReadUntil(spawned.stdout_fd, deadline, false, &run.out);
  ReadUntil(spawned.stderr_fd, deadline, false, &run.err);
  close(spawned.stdout_fd);
  close(spawned.stderr_fd);
  int status = 0;
  while (waitpid(spawned.pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(spawned.pid, SIGKILL);
      waitpid(spawned.pid, nullptr, 0);
      return run;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  run.exit_code = ExitCodeOf(status);
  return run;
}

}  // namespace velmar::service::testing
