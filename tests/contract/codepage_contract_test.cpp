// The conversions between CP949 and UTF-8, byte for byte, as the ANSI code
// page 949 does them (the Windows tests run with it as the system's).
#include <gtest/gtest.h>

#include <initializer_list>

#include "backend.h"

namespace {

// Bytes written as hexadecimal pairs, blanks between them ignored: "B0 A1".
std::string Bytes(const char* hex) {
  auto value = [](char c) { return c <= '9' ? c - '0' : c - 'A' + 10; };
  std::string out;
  for (const char* p = hex; *p != '\0'; ++p) {
    if (*p == ' ') continue;
    out.push_back(static_cast<char>(value(p[0]) * 16 + value(p[1])));
    ++p;
  }
  return out;
}

std::string Hex(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    if (!out.empty()) out.push_back(' ');
    out.push_back(kDigits[c >> 4]);
    out.push_back(kDigits[c & 0x0F]);
  }
  return out;
}

struct Case {
  const char* in;  // as hexadecimal pairs
  const char* out;
};

class CodePageContract : public testing::Test {
 protected:
  using Conversion = std::string (platform::CodePages::*)(std::string_view);

  void ExpectEach(Conversion convert, std::initializer_list<Case> cases) {
    for (const Case& c : cases) EXPECT_EQ(Hex((codepages_.*convert)(Bytes(c.in))), c.out) << c.in;
  }

  std::unique_ptr<contract::Backend> backend_ = contract::MakeBackend();
  platform::CodePages& codepages_ = backend_->ports().codepages;
};

TEST_F(CodePageContract, AsciiIsKeptBothWays) {
  const std::string ascii = "a-b_c.d ~*&=?%+/\\\t'\"Z09";
  EXPECT_EQ(codepages_.AnsiToUtf8(ascii), ascii);
  EXPECT_EQ(codepages_.Utf8ToAnsi(ascii), ascii);
  EXPECT_EQ(codepages_.AnsiToUtf8(""), "");
  EXPECT_EQ(codepages_.Utf8ToAnsi(""), "");
}

TEST_F(CodePageContract, AnsiToUtf8) {
  ExpectEach(&platform::CodePages::AnsiToUtf8,
             {
                 {"B0 A1", "EA B0 80"},  // the first Hangul syllable
                 {"B0 A1 61 B3 AA", "EA B0 80 61 EB 82 98"},
                 {"A2 E6", "E2 82 AC"},  // the euro sign
                 {"B0 41", "EC BA 9A"},  // from the extended Hangul rows
                 {"A1 A1", "E3 80 80"},  // the ideographic space
                 // Bytes beyond the national standard that the code page maps all the same.
                 {"80", "C2 80"},
                 {"FF", "EF A3 B7"},
                 {"C9 A1", "EE 80 80"},  // user-defined rows, to private use
                 {"FE FE", "EE 82 BB"},
                 // Not CP949: a lead byte without its second byte, or with one that does
                 // not pair with it, becomes '?', and the pair goes as one.
                 {"41 B0", "41 3F"},
                 {"B0 20 41", "3F 41"},
                 {"A2 E8", "3F"},
                 {"C6 53", "3F"},
                 {"B0 B0 A1", "EA B0 99 3F"},
             });
}

TEST_F(CodePageContract, Utf8ToAnsi) {
  ExpectEach(&platform::CodePages::Utf8ToAnsi,
             {
                 {"EA B0 80", "B0 A1"},
                 {"EA B0 80 61 EB 82 98", "B0 A1 61 B3 AA"},
                 {"E2 82 AC", "A2 E6"},
                 {"C2 80", "80"},
                 {"EF A3 B7", "FF"},
                 {"EE 80 80", "C9 A1"},
                 // Characters CP949 lacks: Thai, an emoji (two UTF-16 units, so two '?').
                 {"E0 B8 81", "3F"},
                 {"F0 9F 98 80", "3F 3F"},
                 // Malformed UTF-8: a stray byte, a cut-off sequence, an overlong form.
                 {"FF", "3F"},
                 {"61 FF 7A", "61 3F 7A"},
                 {"80", "3F"},
                 {"C3", "3F"},
                 {"E2 82 41", "3F 41"},
                 {"C0 AF", "3F 3F"},
             });
}

TEST_F(CodePageContract, EveryHangulSyllableGoesThereAndBack) {
  // The 11172 syllables U+AC00..U+D7A3 are all in CP949 (its extended rows).
  for (char32_t cp = 0xAC00; cp <= 0xD7A3; ++cp) {
    std::string utf8 = {static_cast<char>(0xE0 | (cp >> 12)),
                        static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                        static_cast<char>(0x80 | (cp & 0x3F))};
    std::string ansi = codepages_.Utf8ToAnsi(utf8);
    ASSERT_EQ(ansi.size(), 2u) << Hex(utf8);
    ASSERT_EQ(Hex(codepages_.AnsiToUtf8(ansi)), Hex(utf8));
  }
}

}  // namespace
