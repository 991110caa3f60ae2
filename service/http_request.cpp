#include "http_request.h"

namespace velmar::service {

std::optional<size_t> FindHeadEnd(std::string_view received) {
  for (size_t i = 0; i < received.size(); ++i) {
    if (received[i] != '\n') continue;
    if (i + 1 < received.size() && received[i + 1] == '\n') return i + 2;
    if (i + 2 < received.size() && received[i + 1] == '\r' && received[i + 2] == '\n') {
      return i + 3;
    }
  }
  return std::nullopt;
}

std::optional<RequestLine> ParseRequestLine(std::string_view head) {
  std::string_view line = head.substr(0, head.find('\n'));
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const size_t first_blank = line.find(' ');
  const size_t last_blank = line.rfind(' ');
  if (first_blank == std::string_view::npos || first_blank == last_blank) return std::nullopt;
  const std::string_view method = line.substr(0, first_blank);
  const std::string_view target = line.substr(first_blank + 1, last_blank - first_blank - 1);
  const std::string_view version = line.substr(last_blank + 1);
  if (method.empty() || target.empty() || version.substr(0, 5) != "HTTP/") return std::nullopt;
  return RequestLine{std::string(method), std::string(target)};
}

}  // namespace velmar::service
