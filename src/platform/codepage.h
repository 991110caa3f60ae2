// Conversions between the ANSI code page (CP949) and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class CodePages {
 public:
  virtual ~CodePages() = default;
  // UTF-8 to CP949. A character CP949 lacks becomes '?' (one per UTF-16 unit,
  // so a character beyond U+FFFF gives "??"); a malformed UTF-8 sequence
  // becomes U+FFFD first, and so '?' as well. Windows substitutes a similar
  // character for some that CP949 lacks (best fit, e.g. an accented letter
  // for its plain one); the Linux backend gives '?' for those.
  virtual std::string Utf8ToAnsi(std::string_view utf8) = 0;
  // CP949 to UTF-8. A lead byte takes the byte after it along (unless that is
  // a NUL or the end); a pair or byte that is not CP949 becomes '?'. The two
  // user-defined rows and the bytes 0x80 and 0xFF map as Windows maps them.
  virtual std::string AnsiToUtf8(std::string_view ansi) = 0;
};

}  // namespace platform
