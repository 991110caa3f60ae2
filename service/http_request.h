#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmar::service {

struct RequestLine {
  std::string method;
  std::string target;  // raw bytes, as sent
};

// Where the request head in `received` ends ("\r\n\r\n", or a bare "\n\n"): the offset just past
// its blank line, or nothing while the head is incomplete.
std::optional<size_t> FindHeadEnd(std::string_view received);

// Reads the first line of a request head. The client may send blanks and 8-bit bytes in the
// target unencoded, so the target is everything between the first and the last blank of the
// line. Nothing when the line is not "<method> <target> HTTP/<version>".
std::optional<RequestLine> ParseRequestLine(std::string_view head);

}  // namespace velmar::service
