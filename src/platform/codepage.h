// Conversions between the ANSI code page (CP949) and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class CodePages {
 public:
  virtual ~CodePages() = default;
  // UTF-8 to CP949. A character CP949 lacks becomes '?'; a malformed UTF-8
  // sequence becomes U+FFFD first, and so '?' as well.
  virtual std::string Utf8ToAnsi(std::string_view utf8) = 0;
  // CP949 to UTF-8. A byte sequence that is not valid CP949 becomes U+FFFD.
  virtual std::string AnsiToUtf8(std::string_view ansi) = 0;
};

}  // namespace platform
