// CP949 conversions on Linux, through iconv, with the replacement rules of
// the Windows conversions the program relies on.
#pragma once

#include "platform/codepage.h"

namespace platform::memory {

class IconvCodePages final : public CodePages {
 public:
  std::string Utf8ToAnsi(std::string_view utf8) override;
  std::string AnsiToUtf8(std::string_view ansi) override;
};

}  // namespace platform::memory
