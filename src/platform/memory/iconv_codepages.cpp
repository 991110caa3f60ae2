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

// What Windows' code page 949 maps beyond the national standard that iconv
// knows: two single bytes, and the two user-defined rows, whose 94 cells each
// go to the private use area in order.
struct ExtraSingleByte {
  unsigned char byte;
  char32_t cp;
};
constexpr ExtraSingleByte kExtraSingleBytes[] = {{0x80, 0x0080}, {0xFF, 0xF8F7}};

struct UserDefinedRow {
  unsigned char lead;
  char32_t first_cp;
};
constexpr UserDefinedRow kUserDefinedRows[] = {{0xC9, 0xE000}, {0xFE, 0xE05E}};
constexpr unsigned char kUserCellFirst = 0xA1;
constexpr unsigned char kUserCellLast = 0xFE;

std::optional<char32_t> ExtraSingleToCodePoint(unsigned char byte) {
  for (const ExtraSingleByte& extra : kExtraSingleBytes) {
    if (extra.byte == byte) return extra.cp;
  }
  return std::nullopt;
}

std::optional<char32_t> UserDefinedToCodePoint(unsigned char lead, unsigned char trail) {
  if (trail < kUserCellFirst || trail > kUserCellLast) return std::nullopt;
  for (const UserDefinedRow& row : kUserDefinedRows) {
    if (row.lead == lead) return row.first_cp + (trail - kUserCellFirst);
  }
  return std::nullopt;
}

// The CP949 bytes of a code point from the two tables above, or nothing.
std::optional<std::string> ExtraCodePointToAnsi(char32_t cp) {
  for (const ExtraSingleByte& extra : kExtraSingleBytes) {
    if (extra.cp == cp) return std::string(1, static_cast<char>(extra.byte));
  }
  constexpr char32_t kCells = kUserCellLast - kUserCellFirst + 1;
  for (const UserDefinedRow& row : kUserDefinedRows) {
    if (cp >= row.first_cp && cp < row.first_cp + kCells) {
      return std::string{static_cast<char>(row.lead),
                         static_cast<char>(kUserCellFirst + (cp - row.first_cp))};
    }
  }
  return std::nullopt;
}

}  // namespace

std::string IconvCodePages::Utf8ToAnsi(std::string_view utf8) {
  Converter to_cp949("CP949", "UTF-32LE");
  std::string out;
  for (char32_t cp : DecodeUtf8(utf8)) {
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
      continue;
    }
    if (std::optional<std::string> extra = ExtraCodePointToAnsi(cp)) {
      out += *extra;
      continue;
    }
    if (cp > 0xFFFF) {
      // Two UTF-16 units on Windows, neither in the code page: one '?' each.
      out.append(2, kDefaultChar);
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
    // A lead byte takes the next byte with it, whatever it is, unless the
    // text ends there or at a NUL.
    bool pair = IsLeadByte(b) && i + 1 < ansi.size() && ansi[i + 1] != '\0';
    std::size_t length = pair ? 2 : 1;
    std::optional<char32_t> extra =
        pair ? UserDefinedToCodePoint(b, static_cast<unsigned char>(ansi[i + 1]))
             : ExtraSingleToCodePoint(b);
    if (extra) {
      AppendUtf8(out, *extra);
    } else if (std::optional<std::string> bytes = to_utf8.Convert(ansi.substr(i, length))) {
      out += *bytes;
    } else {
      out.push_back(kDefaultChar);  // not CP949: the code page's default character
    }
    i += length;
  }
  return out;
}

}  // namespace platform::memory
