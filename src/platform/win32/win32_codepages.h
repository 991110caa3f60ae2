// The code-page port over MultiByteToWideChar and WideCharToMultiByte, with
// UTF-16 in between.
#pragma once

#include "platform/codepage.h"

namespace platform::win32 {

class Win32CodePages final : public CodePages {
 public:
  std::string Utf8ToAnsi(std::string_view utf8) override;
  std::string AnsiToUtf8(std::string_view ansi) override;
};

}  // namespace platform::win32
