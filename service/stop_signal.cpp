#include "stop_signal.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace velmar::service {
namespace {

// A signal handler can reach nothing but globals; this is the write end of the installed pipe.
volatile sig_atomic_t g_stop_write_fd = -1;

void WriteWakeByte(int fd) {
  const char byte = 1;
  // Non-blocking: when the pipe is full a stop is already pending, so a lost byte is harmless.
  const ssize_t written = write(fd, &byte, 1);
  (void)written;
}

extern "C" void OnStopSignal(int) {
  const int saved_errno = errno;
  if (g_stop_write_fd >= 0) WriteWakeByte(g_stop_write_fd);
  errno = saved_errno;
}

}  // namespace

StopSignal::StopSignal() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  read_fd_ = fds[0];
  write_fd_ = fds[1];
}

StopSignal::~StopSignal() {
  if (g_stop_write_fd == write_fd_) g_stop_write_fd = -1;
  if (read_fd_ >= 0) close(read_fd_);
  if (write_fd_ >= 0) close(write_fd_);
}

void StopSignal::Request() {
  if (write_fd_ >= 0) WriteWakeByte(write_fd_);
}

void StopSignal::InstallSignalHandlers() {
  g_stop_write_fd = write_fd_;
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  signal(SIGPIPE, SIG_IGN);
}

}  // namespace velmar::service
