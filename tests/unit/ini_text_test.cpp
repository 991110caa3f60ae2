#include "platform/memory/ini_text.h"

#include <gtest/gtest.h>

namespace {

using platform::memory::IniAssign;
using platform::memory::IniInteger;
using platform::memory::IniLookup;

TEST(IniText, LookupIgnoresCaseBlanksAndOneQuotePair) {
  const char* text = "; note\r\n[Other]\r\nid=no\r\n[ OPTION ]\r\n  Id = \"abc\" \r\npwd=''\r\n";
  EXPECT_EQ(IniLookup(text, "OPTION", "id"), "abc");
  EXPECT_EQ(IniLookup(text, "option", "PWD"), "");
  EXPECT_EQ(IniLookup(text, "OPTION", "type"), std::nullopt);
  EXPECT_EQ(IniLookup(text, "MISSING", "id"), std::nullopt);
  EXPECT_EQ(IniLookup("[OPTION]\nid=\"a'\n", "OPTION", "id"), "\"a'");
}

TEST(IniText, AssignAddsAfterTheSectionsLastKeyAndKeepsTheRest) {
  std::string text = "[A]\r\nx=1\r\n\r\n[OPTION]\r\nid=a\r\n\r\n[B]\r\ny=2\r\n";
  text = IniAssign(text, "OPTION", "pwd", "p");
  EXPECT_EQ(text, "[A]\r\nx=1\r\n\r\n[OPTION]\r\nid=a\r\npwd=p\r\n\r\n[B]\r\ny=2\r\n");
  text = IniAssign(text, "option", "ID", "bb");
  EXPECT_EQ(text, "[A]\r\nx=1\r\n\r\n[OPTION]\r\nid=bb\r\npwd=p\r\n\r\n[B]\r\ny=2\r\n");
  EXPECT_EQ(IniAssign("x", "S", "k", "v"), "x\r\n[S]\r\nk=v\r\n");
  EXPECT_EQ(IniAssign("[S]", "S", "k", "v"), "[S]\r\nk=v\r\n");
}

TEST(IniText, IntegerReading) {
  struct Case {
    const char* text;
    int value;
  } cases[] = {{"0", 0},   {"1", 1},     {"2", 2},       {"-1", -1},  {"+7", 7}, {"12ab", 12},
               {"abc", 0}, {" 5", 5},    {"0x10", 16},   {"-", 0},    {"", 0}};
  for (const Case& c : cases) EXPECT_EQ(IniInteger(c.text), c.value) << c.text;
}

}  // namespace
