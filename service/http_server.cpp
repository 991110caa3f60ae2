#include "http_server.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <utility>

#include "http_request.h"

namespace velmar::service {
namespace {

constexpr int kPollIntervalMs = 1000;
constexpr int kIoTimeoutSeconds = 10;
constexpr size_t kMaxDrainBytes = 64 * 1024;

void SetTimeout(int fd, int option, int seconds) {
  timeval timeout{};
  timeout.tv_sec = seconds;
  setsockopt(fd, SOL_SOCKET, option, &timeout, sizeof timeout);
}

bool SendAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(sent));
  }
  return true;
}

// Reads until the request head is complete. Nothing when the client went away, fell silent or
// sent more head than kMaxHeadBytes (then `too_long` is set).
std::optional<std::string> ReadHead(int fd, bool* too_long) {
  std::string received;
  char chunk[4096];
  while (!FindHeadEnd(received)) {
    if (received.size() >= HttpServer::kMaxHeadBytes) {
      *too_long = true;
      return std::nullopt;
    }
    const ssize_t count = recv(fd, chunk, sizeof chunk, 0);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return std::nullopt;
    received.append(chunk, static_cast<size_t>(count));
  }
  return received;
}

// Ends our side and reads what the client still sends until it closes, so that the close
// does not turn into a reset that could destroy the answer before the client has read it.
void FinishConnection(int fd) {
  shutdown(fd, SHUT_WR);
  SetTimeout(fd, SO_RCVTIMEO, 1);
  char chunk[4096];
  size_t drained = 0;
  while (drained < kMaxDrainBytes) {
    const ssize_t count = recv(fd, chunk, sizeof chunk, 0);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return;
    drained += static_cast<size_t>(count);
  }
}

void Send(int fd, const Reply& reply) {
  if (reply.delivery == Reply::Delivery::kNothing) return;
  if (SendAll(fd, FormatHead(reply))) SendAll(fd, reply.body);
}

}  // namespace

HttpServer::HttpServer(Handler handler) : handler_(std::move(handler)) {}

HttpServer::~HttpServer() { StopAll(); }

void HttpServer::Serve(int listen_fd, StopSignal& stop) {
  while (true) {
    pollfd watched[] = {{listen_fd, POLLIN, 0}, {stop.read_fd(), POLLIN, 0}};
    const int ready = poll(watched, 2, kPollIntervalMs);
    JoinFinished();
    if (ready < 0 && errno != EINTR) break;
    if (watched[1].revents != 0) break;
    if (ready <= 0 || (watched[0].revents & POLLIN) == 0) continue;
    const int fd = accept4(listen_fd, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd >= 0) Start(fd, stop);
  }
  StopAll();
}

void HttpServer::Start(int fd, StopSignal& stop) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (connections_.size() >= kMaxConnections) {
    close(fd);
    return;
  }
  const auto connection = connections_.emplace(connections_.end());
  connection->fd = fd;
  connection->thread = std::thread([this, connection, &stop] { RunConnection(connection, stop); });
}

void HttpServer::RunConnection(std::list<Connection>::iterator connection, StopSignal& stop) {
  int fd;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    fd = connection->fd;
  }
  Answer(fd, stop);
  FinishConnection(fd);
  std::lock_guard<std::mutex> lock(mutex_);
  close(fd);
  connection->fd = -1;
  connection->finished = true;
}

void HttpServer::Answer(int fd, StopSignal& stop) {
  SetTimeout(fd, SO_RCVTIMEO, kIoTimeoutSeconds);
  SetTimeout(fd, SO_SNDTIMEO, kIoTimeoutSeconds);
  bool too_long = false;
  const std::optional<std::string> head = ReadHead(fd, &too_long);
  if (!head) {
    if (too_long) Send(fd, ErrorPage(400));
    return;
  }
  const std::optional<RequestLine> line = ParseRequestLine(*head);
  if (!line) {
    Send(fd, ErrorPage(400));
    return;
  }
  const Reply reply = handler_(line->method, line->target);
  if (reply.delay.count() > 0 && !WaitUnlessStopping(reply.delay)) return;
  Send(fd, reply);
  if (reply.stop_server_after) stop.Request();
}

bool HttpServer::WaitUnlessStopping(std::chrono::milliseconds delay) {
  std::unique_lock<std::mutex> lock(mutex_);
  return !stopping_changed_.wait_for(lock, delay, [this] { return stopping_; });
}

void HttpServer::JoinFinished() {
  std::list<Connection> finished;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = connections_.begin(); it != connections_.end();) {
      const auto next = std::next(it);
      if (it->finished) finished.splice(finished.end(), connections_, it);
      it = next;
    }
  }
  for (Connection& connection : finished) connection.thread.join();
}

void HttpServer::StopAll() {
  std::list<Connection> all;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    for (Connection& connection : connections_) {
      if (connection.fd >= 0) shutdown(connection.fd, SHUT_RDWR);
    }
    all.splice(all.end(), connections_);
  }
  stopping_changed_.notify_all();
  for (Connection& connection : all) connection.thread.join();
}

}  // namespace velmar::service
