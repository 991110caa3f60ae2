#include "platform/posix/socket_http.h"

#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

namespace platform::posix {
namespace {

constexpr std::size_t kMaxHeaderBytes = 64 * 1024;

struct UrlParts {
  std::string host;
  std::string port = "80";
  std::string target = "/";
};

std::optional<UrlParts> ParseHttpUrl(const std::string& url) {
  constexpr std::string_view kScheme = "http://";
  if (url.compare(0, kScheme.size(), kScheme) != 0) return std::nullopt;
  std::string rest = url.substr(kScheme.size());
  std::size_t slash = rest.find('/');
  std::string authority = rest.substr(0, slash);
  UrlParts parts;
  if (slash != std::string::npos) parts.target = rest.substr(slash);
  std::size_t colon = authority.rfind(':');
  parts.host = authority.substr(0, colon);
  if (colon != std::string::npos) parts.port = authority.substr(colon + 1);
  if (parts.host.empty()) return std::nullopt;
  return parts;
}

// Like the Windows transport, blanks are the only bytes escaped in the target.
std::string EscapeBlanks(const std::string& target) {
  std::string out;
  for (char c : target) {
    if (c == ' ') out += "%20";
    else out.push_back(c);
  }
  return out;
}

int Connect(const UrlParts& parts) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(parts.host.c_str(), parts.port.c_str(), &hints, &found) != 0) return -1;
  int fd = -1;
  for (addrinfo* a = found; a; a = a->ai_next) {
    fd = socket(a->ai_family, a->ai_socktype, a->ai_protocol);
    if (fd < 0) continue;
    if (connect(fd, a->ai_addr, a->ai_addrlen) == 0) break;
    close(fd);
    fd = -1;
  }
  freeaddrinfo(found);
  return fd;
}

bool SendAll(int fd, const std::string& data) {
  std::size_t sent = 0;
  while (sent < data.size()) {
    ssize_t n = send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

std::string LowerCase(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return s;
}

// The body of one response on a connected socket: identity (with or without
// a length) or chunked.
class SocketAnswer final : public HttpAnswer {
 public:
  SocketAnswer(int fd, std::string already_read, std::optional<std::size_t> length, bool chunked)
      : fd_(fd), pending_(std::move(already_read)), remaining_(length), chunked_(chunked) {}
  ~SocketAnswer() override { close(fd_); }

  ReadStatus Read(char* buffer, std::size_t capacity, std::size_t* count) override {
    *count = 0;
    if (chunked_) return ReadChunked(buffer, capacity, count);
    return ReadIdentity(buffer, capacity, count);
  }

 private:
  // Takes bytes from what is buffered, else from the socket; false at EOF.
  bool Fill() {
    if (!pending_.empty()) return true;
    char chunk[4096];
    ssize_t n = recv(fd_, chunk, sizeof chunk, 0);
    if (n <= 0) {
      socket_failed_ = n < 0;
      return false;
    }
    pending_.assign(chunk, static_cast<std::size_t>(n));
    return true;
  }

  std::size_t Take(char* buffer, std::size_t capacity) {
    std::size_t n = std::min(capacity, pending_.size());
    std::memcpy(buffer, pending_.data(), n);
    pending_.erase(0, n);
    return n;
  }

  ReadStatus ReadIdentity(char* buffer, std::size_t capacity, std::size_t* count) {
    if (remaining_ && *remaining_ == 0) return ReadStatus::kEnd;
    if (!Fill()) {
      // A body cut short of its announced length is a dropped connection.
      if (remaining_ || socket_failed_) return ReadStatus::kFailed;
      return ReadStatus::kEnd;
    }
    std::size_t limit = remaining_ ? std::min(capacity, *remaining_) : capacity;
    *count = Take(buffer, limit);
    if (remaining_) *remaining_ -= *count;
    return ReadStatus::kData;
  }

  std::optional<std::string> ReadCrlfLine() {
    std::string line;
    for (;;) {
      if (!Fill()) return std::nullopt;
      std::size_t lf = pending_.find('\n');
      if (lf == std::string::npos) {
        line += pending_;
        pending_.clear();
        if (line.size() > kMaxHeaderBytes) return std::nullopt;
        continue;
      }
      line += pending_.substr(0, lf);
      pending_.erase(0, lf + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return line;
    }
  }

  ReadStatus ReadChunked(char* buffer, std::size_t capacity, std::size_t* count) {
    if (chunks_done_) return ReadStatus::kEnd;
    if (chunk_left_ == 0) {
      if (after_chunk_ && !ReadCrlfLine()) return ReadStatus::kFailed;
      std::optional<std::string> size_line = ReadCrlfLine();
      if (!size_line) return ReadStatus::kFailed;
      chunk_left_ = std::strtoul(size_line->c_str(), nullptr, 16);
      after_chunk_ = true;
      if (chunk_left_ == 0) {
        chunks_done_ = true;
        return ReadStatus::kEnd;
      }
    }
    if (!Fill()) return ReadStatus::kFailed;
    *count = Take(buffer, std::min(capacity, chunk_left_));
    chunk_left_ -= *count;
    return ReadStatus::kData;
  }

  int fd_;
  std::string pending_;
  std::optional<std::size_t> remaining_;
  bool chunked_;
  bool socket_failed_ = false;
  std::size_t chunk_left_ = 0;
  bool after_chunk_ = false;
  bool chunks_done_ = false;
};

class SocketSession final : public HttpSession {
 public:
  std::unique_ptr<HttpAnswer> OpenUrl(const std::string& url) override {
    std::optional<UrlParts> parts = ParseHttpUrl(url);
    if (!parts) return nullptr;
    int fd = Connect(*parts);
    if (fd < 0) return nullptr;
    std::string request = "GET " + EscapeBlanks(parts->target) + " HTTP/1.1\r\nHost: " +
                          parts->host + ":" + parts->port +
                          "\r\nUser-Agent: velmarVPN\r\nConnection: close\r\n\r\n";
    std::string head;
    if (!SendAll(fd, request) || !ReadHead(fd, head)) {
      close(fd);
      return nullptr;
    }
    std::size_t body_start = head.find("\r\n\r\n") + 4;
    std::string rest = head.substr(body_start);
    std::string headers = LowerCase(head.substr(0, body_start));
    std::optional<std::size_t> length;
    std::size_t at = headers.find("\r\ncontent-length:");
    if (at != std::string::npos) {
      length = std::strtoul(headers.c_str() + at + 17, nullptr, 10);
    }
    bool chunked = headers.find("\r\ntransfer-encoding: chunked") != std::string::npos;
    return std::make_unique<SocketAnswer>(fd, std::move(rest), chunked ? std::nullopt : length,
                                          chunked);
  }

 private:
  // Reads up to the end of the headers; false when the peer goes first.
  static bool ReadHead(int fd, std::string& head) {
    char chunk[4096];
    while (head.find("\r\n\r\n") == std::string::npos) {
      if (head.size() > kMaxHeaderBytes) return false;
      ssize_t n = recv(fd, chunk, sizeof chunk, 0);
      if (n <= 0) return false;
      head.append(chunk, static_cast<std::size_t>(n));
    }
    return true;
  }
};

}  // namespace

std::unique_ptr<HttpSession> SocketHttp::OpenSession() { return std::make_unique<SocketSession>(); }

}  // namespace platform::posix
