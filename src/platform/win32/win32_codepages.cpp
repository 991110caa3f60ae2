#include "platform/win32/win32_codepages.h"

#include <climits>
#include <string>

#include "platform/win32/windows_api.h"

namespace platform::win32 {
namespace {

// Each conversion asks for the size first; no input byte gives more than
// this many output units, which bounds what a size query may claim.
constexpr int kMaxUnitsPerByte = 4;

// `text` in the code page `from`, as UTF-16. Empty when it cannot be converted.
std::wstring ToWide(UINT from, std::string_view text) {
  if (text.empty() || text.size() > INT_MAX / kMaxUnitsPerByte) return std::wstring();
  int length = static_cast<int>(text.size());
  int needed = ::MultiByteToWideChar(from, 0, text.data(), length, nullptr, 0);
  if (needed <= 0 || needed > length * kMaxUnitsPerByte) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  int written = ::MultiByteToWideChar(from, 0, text.data(), length, wide.data(), needed);
  wide.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return wide;
}

// UTF-16 `wide` in the code page `to`; a character it lacks becomes the code
// page's default character.
std::string FromWide(UINT to, const std::wstring& wide) {
  if (wide.empty() || wide.size() > INT_MAX / kMaxUnitsPerByte) return std::string();
  int length = static_cast<int>(wide.size());
  int needed = ::WideCharToMultiByte(to, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0 || needed > length * kMaxUnitsPerByte) return std::string();
  std::string out(static_cast<std::size_t>(needed), '\0');
  int written =
      ::WideCharToMultiByte(to, 0, wide.data(), length, out.data(), needed, nullptr, nullptr);
  out.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return out;
}

}  // namespace

std::string Win32CodePages::Utf8ToAnsi(std::string_view utf8) {
  return FromWide(CP_ACP, ToWide(CP_UTF8, utf8));
}

std::string Win32CodePages::AnsiToUtf8(std::string_view ansi) {
  return FromWide(CP_UTF8, ToWide(CP_ACP, ansi));
}

}  // namespace platform::win32
