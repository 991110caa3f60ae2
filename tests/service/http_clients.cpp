#include "http_clients.h"

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>

namespace velmar::service::testing {
namespace {

constexpr time_t kReadTimeoutSeconds = 10;

std::string Lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

Fetched Fetch(int port, const std::string& target) {
  httplib::Client client("127.0.0.1", port);
  client.set_url_encode(false);
  client.set_read_timeout(kReadTimeoutSeconds, 0);
  Fetched fetched;
  const httplib::Result result = client.Get(target);
  if (!result) return fetched;
  fetched.received = true;
  fetched.status = result->status;
  fetched.content_type = result->get_header_value("Content-Type");
  fetched.body = result->body;
  return fetched;
}

std::string ExchangeRaw(int port, std::string_view request) {
  std::string received;
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return received;
  timeval timeout{};
  timeout.tv_sec = kReadTimeoutSeconds;
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
      send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
          static_cast<ssize_t>(request.size())) {
    char chunk[64 * 1024];
    ssize_t count;
    while ((count = recv(fd, chunk, sizeof chunk, 0)) > 0) {
      received.append(chunk, static_cast<size_t>(count));
    }
  }
  close(fd);
  return received;
}

std::string GetRequest(std::string_view target) {
  return "GET " + std::string(target) + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
}

std::optional<WireAnswer> ParseWireAnswer(std::string_view bytes) {
  const size_t head_end = bytes.find("\r\n\r\n");
  if (bytes.substr(0, 9) != "HTTP/1.1 " || head_end == std::string_view::npos) {
    return std::nullopt;
  }
  WireAnswer answer;
  answer.head = std::string(bytes.substr(0, head_end + 4));
  answer.status = std::atoi(answer.head.c_str() + 9);
  answer.body = std::string(bytes.substr(head_end + 4));
  const std::string lowered = Lowered(answer.head);
  const size_t length_at = lowered.find("\r\ncontent-length: ");
  if (length_at != std::string::npos) {
    answer.content_length = std::strtoull(lowered.c_str() + length_at + 18, nullptr, 10);
  }
  return answer;
}

}  // namespace velmar::service::testing
