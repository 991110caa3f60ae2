#include "platform/memory/iconv_codepages.h"

#include <iconv.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform::memory {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char kDefaultChar = '?';

// One iconv conversion descriptor, closed when done.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of `in`; nothing when iconv refuses any part of it.
  std::optional<std::string> Convert(std::string_view in) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string input(in);
    char out[16];
    char* in_ptr = input.data();
    std::size_t in_left = input.size();
    char* out_ptr = out;
    std::size_t out_left = sizeof out;
    if (iconv(cd_, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1) ||
        in_left != 0) {
      return std::nullopt;
    }
    return std::string(out, static_cast<std::size_t>(out_ptr - out));
  }

 private:
  iconv_t cd_;
};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Decodes UTF-8; each maximal ill-formed subsequence becomes one U+FFFD.
std::vector<char32_t> DecodeUtf8(std::string_view s) {
  std::vector<char32_t> out;
  std::size_t i = 0;
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  while (i < s.size()) {
    unsigned char b = byte(i);
    if (b < 0x80) {
      out.push_back(b);
      ++i;
      continue;
    }
    std::size_t length = 0;
    char32_t cp = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
      length = 2, cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      length = 3, cp = b & 0x0F;
      if (b == 0xE0) low = 0xA0;
      if (b == 0xED) high = 0x9F;  // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
      length = 4, cp = b & 0x07;
      if (b == 0xF0) low = 0x90;
      if (b == 0xF4) high = 0x8F;
    } else {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    std::size_t k = 1;
    for (; k < length && i + k < s.size(); ++k) {
      unsigned char c = byte(i + k);
      unsigned char lo = k == 1 ? low : 0x80;
      unsigned char hi = k == 1 ? high : 0xBF;
      if (c < lo || c > hi) break;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (k == length) {
      out.push_back(cp);
    } else {
      out.push_back(kReplacement);
    }
    i += k;
  }
  return out;
}

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

}  // namespace

std::string IconvCodePages::Utf8ToAnsi(std::string_view utf8) {
  Converter to_cp949("CP949", "UTF-32LE");
  std::string out;
  for (char32_t cp : DecodeUtf8(utf8)) {
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
      continue;
    }
    char units[4] = {static_cast<char>(cp & 0xFF), static_cast<char>((cp >> 8) & 0xFF),
                     static_cast<char>((cp >> 16) & 0xFF), static_cast<char>(cp >> 24)};
    std::optional<std::string> bytes = to_cp949.Convert(std::string_view(units, 4));
    if (bytes) {
      out += *bytes;
    } else {
      out.push_back(kDefaultChar);
    }
  }
  return out;
}

std::string IconvCodePages::AnsiToUtf8(std::string_view ansi) {
  Converter to_utf8("UTF-8", "CP949");
  std::string out;
  std::size_t i = 0;
  while (i < ansi.size()) {
    auto b = static_cast<unsigned char>(ansi[i]);
    if (b < 0x80) {
      out.push_back(static_cast<char>(b));
      ++i;
      continue;
    }
    std::size_t length = IsLeadByte(b) && i + 1 < ansi.size() ? 2 : 1;
    std::optional<std::string> bytes = to_utf8.Convert(ansi.substr(i, length));
    if (bytes) {
      out += *bytes;
    } else {
      AppendUtf8(out, kReplacement);
    }
    i += length;
  }
  return out;
}

}  // namespace platform::memory
