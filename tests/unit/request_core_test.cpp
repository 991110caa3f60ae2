#include "api/request_core.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_os.h"

namespace {

TEST(RequestTimestamp, RunsTheFieldsTogetherWithoutLeadingZeros) {
  EXPECT_EQ(api::RequestTimestamp({2014, 3, 5, 9, 7, 2}), "201435972");
  EXPECT_EQ(api::RequestTimestamp({2014, 12, 31, 23, 59, 59}), "20141231235959");
  EXPECT_EQ(api::RequestTimestamp({2026, 1, 1, 0, 0, 0}), "202611000");
}

TEST(UrlEncode, KeepsOnlyLettersDigitsAndDashUnderscoreDot) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"", ""},
      {"a-b_c.d", "a-b_c.d"},
      {"AZaz09", "AZaz09"},
      {" ", "+"},
      {"\t\n\v\f\r", "+++++"},
      {"~*", "%7E%2A"},
      {"a&b=c", "a%26b%3Dc"},
      {"%#?/+", "%25%23%3F%2F%2B"},
      {"\xEA\xB0\x80", "%EA%B0%80"},
      {std::string("\0\x7F\xFF", 3), "%00%7F%FF"},
  };
  for (const Case& c : cases) EXPECT_EQ(api::UrlEncode(c.in), c.out) << c.in;
}

TEST(Utf8Converter, TurnsAHangulSyllableIntoItsUtf8ThenPercentForm) {
  test::MemoryOs m;
  std::string utf8 = api::AnsiToUtf8(m.codepages, "\xB0\xA1");
  EXPECT_EQ(utf8, "\xEA\xB0\x80");
  EXPECT_EQ(api::UrlEncode(utf8), "%EA%B0%80");
  EXPECT_EQ(api::AnsiToUtf8(m.codepages, ""), "");
  // The conversion stops at the first NUL, like the C-string call it stands for.
  EXPECT_EQ(api::AnsiToUtf8(m.codepages, std::string("a\0b", 3)), "a");
}

TEST(BuildUrl, EncodesEveryValueSoNoneCanAddAKey) {
  std::string url = api::BuildUrl("svc.example:8080", "api_x.php",
                                  {{"id", "a&pwd=x"}, {"nn", "PC 1#"}, {"rnd", "201435972"}},
                                  "&ver=V1.0");
  EXPECT_EQ(url,
            "http://svc.example:8080/client/static/api_x.php?id=a%26pwd%3Dx&nn=PC+1%23"
            "&rnd=201435972&ver=V1.0");
}

TEST(FindSeparator, StepsOverDoubleByteCharacters) {
  EXPECT_EQ(api::FindSeparator("ab#KVELT#c"), 2u);
  EXPECT_EQ(api::FindSeparator("abc"), std::string::npos);
  EXPECT_EQ(api::FindSeparator(""), std::string::npos);
  // A lead byte swallows the byte after it, even a '#': the separator that
  // starts there is not a separator.
  EXPECT_EQ(api::FindSeparator("\xB0#KVELT#x"), std::string::npos);
  EXPECT_EQ(api::FindSeparator("\xB0\xA1#KVELT#x"), 2u);
  EXPECT_EQ(api::FindSeparator("a#KVELT#b#KVELT#c", 2), 9u);
}

TEST(PerformRequest, WaitsASecondBeforeTheOpenAndCleansUpAfterTheAnswer) {
  test::MemoryOs m;
  m.Answer("TRUE\n");
  std::vector<std::string> lines;
  api::Transport t = api::PerformRequest(m.os, "http://h/x", [&](platform::LineSource& src) {
    std::string line;
    while (src.ReadLine(line) == platform::LineStatus::kLine) lines.push_back(line);
  });
  EXPECT_EQ(t, api::Transport::kAnswered);
  EXPECT_EQ(lines, std::vector<std::string>{"TRUE"});
  EXPECT_EQ(m.log.entries, (std::vector<std::string>{"session", "sleep 1000", "open http://h/x",
                                                     "release answer", "close session",
                                                     "delete cache http://h/x"}));
}

TEST(PerformRequest, CleansUpOnTheFailurePathsToo) {
  test::MemoryOs m;
  m.Unreachable();
  bool read = false;
  auto reader = [&](platform::LineSource&) { read = true; };
  EXPECT_EQ(api::PerformRequest(m.os, "http://h/a", reader), api::Transport::kUnreachable);
  EXPECT_EQ(m.log.entries, (std::vector<std::string>{"session", "sleep 1000", "open http://h/a",
                                                     "close session", "delete cache http://h/a"}));

  m.log.entries.clear();
  m.http.session_fails = true;
  EXPECT_EQ(api::PerformRequest(m.os, "http://h/b", reader), api::Transport::kUnreachable);
  EXPECT_EQ(m.log.entries, (std::vector<std::string>{"session", "delete cache http://h/b"}));
  EXPECT_FALSE(read);
  EXPECT_EQ(m.http.sessions_opened, m.http.sessions_closed);
  EXPECT_EQ(m.http.answers_open, 0);
}

TEST(PerformRequest, WithoutAReaderTheAnswerIsNotRead) {
  test::MemoryOs m;
  m.Answer("TRUE\n");
  EXPECT_EQ(api::PerformRequest(m.os, "http://h/l", nullptr), api::Transport::kAnswered);
  EXPECT_EQ(m.http.answers_open, 0);
  EXPECT_EQ(m.http.deleted_cache_entries, std::vector<std::string>{"http://h/l"});
}

}  // namespace
