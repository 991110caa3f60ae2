// What the settings file relies on from the profile port: defaults, cuts,
// integers, and the exact bytes of the file it leaves behind.
#include <gtest/gtest.h>

#include <cstdint>

#include "backend.h"

namespace {

constexpr char kSection[] = "OPTION";

class ProfileContract : public testing::Test {
 protected:
  std::string PathOf(const std::string& name) { return backend_->ScratchDirectory() + "\\" + name; }

  // The writes of one save of the settings, in the program's order.
  void Save(const char* id, const char* pwd, const char* autotime, const char* type) {
    profile_.WriteString(kSection, "id", id, path_);
    profile_.WriteString(kSection, "pwd", pwd, path_);
    profile_.WriteString(kSection, "autotime", autotime, path_);
    profile_.WriteString(kSection, "type", type, path_);
  }

  std::unique_ptr<contract::Backend> backend_ = contract::MakeBackend();
  platform::Profile& profile_ = backend_->ports().profile;
  std::string path_ = PathOf("velmarVPN.ini");
};

TEST_F(ProfileContract, FallbackWhenTheFileSectionOrKeyIsMissing) {
  EXPECT_EQ(profile_.GetString(kSection, "autotime", "60", 200, path_), "60");
  EXPECT_EQ(profile_.GetInt(kSection, "type", 1, path_), 1);
  EXPECT_FALSE(backend_->FileBytes(path_).has_value()) << "a read must not create the file";

  backend_->PutFileBytes(path_, "[OTHER]\r\nautotime=5\r\ntype=0\r\n");
  EXPECT_EQ(profile_.GetString(kSection, "autotime", "60", 200, path_), "60");
  EXPECT_EQ(profile_.GetInt(kSection, "type", 1, path_), 1);

  backend_->PutFileBytes(path_, "[OPTION]\r\nid=demo\r\n");
  EXPECT_EQ(profile_.GetString(kSection, "autotime", "60", 200, path_), "60");
  EXPECT_EQ(profile_.GetInt(kSection, "type", 1, path_), 1);
  // A fallback loses its trailing blanks, never its leading ones.
  EXPECT_EQ(profile_.GetString(kSection, "autotime", "  60  ", 200, path_), "  60");
}

TEST_F(ProfileContract, ValueAndFallbackAreCutToTheBufferLessOne) {
  backend_->PutFileBytes(path_, "[OPTION]\r\nid=abcdefghijklmnopqrstuvwxy\r\n");
  struct Case {
    std::size_t buffer;
    const char* value;
    const char* fallback;
  } cases[] = {
      {20, "abcdefghijklmnopqrs", "0123456789012345678"},
      {26, "abcdefghijklmnopqrstuvwxy", "0123456789012345678901234"},
      {80, "abcdefghijklmnopqrstuvwxy", "01234567890123456789012345678"},
      {2, "a", "0"},
      {1, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(profile_.GetString(kSection, "id", "x", c.buffer, path_), c.value) << c.buffer;
    EXPECT_EQ(profile_.GetString(kSection, "pwd", "01234567890123456789012345678", c.buffer, path_),
              c.fallback)
        << c.buffer;
  }
}

TEST_F(ProfileContract, ReadingFindsKeysTheWayTheOsDoes) {
  backend_->PutFileBytes(path_,
                         "; written by hand\r\n"
                         "[Other]\r\nid=no\r\n"
                         "[ option ]\r\n"
                         "  ID = \"abc\" \r\n"
                         "pwd=\r\n"
                         "empty=\"\"\r\n"
                         "single='x'\r\n"
                         "unmatched=\"a'\r\n"
                         "inner=a=b;c\r\n"
                         "blanks=  \" keep \"  \r\n"
                         "lf=only\n"
                         "noequals\r\n"
                         ";autotime=10\r\n");
  struct Case {
    const char* key;
    const char* value;
  } cases[] = {
      {"id", "abc"},         {"pwd", ""},        {"empty", ""},        {"single", "x"},
      {"unmatched", "\"a'"}, {"inner", "a=b;c"}, {"blanks", " keep "}, {"lf", "only"},
      {"noequals", "-"},     {"autotime", "-"},  {"type", "-"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(profile_.GetString(kSection, c.key, "-", 200, path_), c.value) << c.key;
  }
}

TEST_F(ProfileContract, IntegersTheWayTheOsReadsThem) {
  struct Case {
    const char* text;  // nullptr: the key is absent
    int value;
  } cases[] = {
      {nullptr, 7},
      {"", 7},
      {"\"\"", 7},
      {"0", 0},
      {"1", 1},
      {"2", 2},
      {"-1", -1},
      {"+3", 3},
      {"abc", 0},
      {"12ab", 12},
      {"-", 0},
      {"- 5", 0},
      {"+-5", 0},
      {"  4  ", 4},
      {"\"3\"", 3},
      {"0x10", 16},
      {"0X10", 0},
      {"0xg", 0},
      {"0x", 0},
      {"010", 10},
      {"0o17", 15},
      {"0b101", 5},
      {"4294967295", -1},
      {"-2147483648", INT32_MIN},
      {"99999999999", 1215752191},
  };
  for (const Case& c : cases) {
    std::string text = "[OPTION]\r\n";
    if (c.text) text += std::string("type=") + c.text + "\r\n";
    backend_->PutFileBytes(path_, text);
    EXPECT_EQ(profile_.GetInt(kSection, "type", 7, path_), c.value)
        << (c.text ? c.text : "(absent)");
  }
}

TEST_F(ProfileContract, FirstSaveWritesTheSectionAndKeysInOrder) {
  EXPECT_TRUE(profile_.WriteString(kSection, "id", "demo", path_));
  EXPECT_EQ(backend_->FileBytes(path_), "[OPTION]\r\nid=demo\r\n");
  Save("demo", "6e9bece1914809fb8493146417e722f6", "60", "1");
  EXPECT_EQ(backend_->FileBytes(path_),
            "[OPTION]\r\nid=demo\r\npwd=6e9bece1914809fb8493146417e722f6\r\nautotime=60\r\n"
            "type=1\r\n");

  // A later save replaces values where they are, in the order they were made.
  Save("kim", "04694a7dad8de40d98953ef47bc63754", "", "-1");
  EXPECT_EQ(backend_->FileBytes(path_),
            "[OPTION]\r\nid=kim\r\npwd=04694a7dad8de40d98953ef47bc63754\r\nautotime=\r\n"
            "type=-1\r\n");
  EXPECT_EQ(profile_.GetString(kSection, "autotime", "60", 200, path_), "");
  EXPECT_EQ(profile_.GetInt(kSection, "type", 1, path_), -1);
}

TEST_F(ProfileContract, WritingIntoAFileThatHasOtherContent) {
  struct Case {
    const char* before;
    const char* section;
    const char* key;
    const char* after;
  } cases[] = {
      // A new key goes after the last key of its section.
      {"[OPTION]\r\nid=a\r\n[B]\r\ny=2\r\n", "OPTION", "pwd",
       "[OPTION]\r\nid=a\r\npwd=v\r\n[B]\r\ny=2\r\n"},
      // A new section goes at the end.
      {"[B]\r\ny=2\r\n", "OPTION", "id", "[B]\r\ny=2\r\n[OPTION]\r\nid=v\r\n"},
      // Names match without regard to case; the file keeps its own spelling.
      {"[option]\r\nID=a\r\npwd=b\r\n", "OPTION", "id", "[option]\r\nID=v\r\npwd=b\r\n"},
      // Comments and lines of other programs stay.
      {"; note\r\n[OPTION]\r\nid=a\r\n", "OPTION", "pwd",
       "; note\r\n[OPTION]\r\nid=a\r\npwd=v\r\n"},
      // A last line without its line end gets one before what is added.
      {"[OPTION]\r\nid=a", "OPTION", "pwd", "[OPTION]\r\nid=a\r\npwd=v\r\n"},
      {"x", "S", "k", "x\r\n[S]\r\nk=v\r\n"},
      // Only the first of two equal keys is the key.
      {"[OPTION]\r\nid=a\r\nid=b\r\n", "OPTION", "id", "[OPTION]\r\nid=v\r\nid=b\r\n"},
  };
  for (const Case& c : cases) {
    backend_->PutFileBytes(path_, c.before);
    profile_.WriteString(c.section, c.key, "v", path_);
    EXPECT_EQ(backend_->FileBytes(path_), c.after) << c.before;
  }
}

// A drive root as the current directory gives a path with a doubled separator.
TEST_F(ProfileContract, DoubledSeparatorNamesTheSameFile) {
  std::string doubled = backend_->ScratchDirectory() + "\\\\velmarVPN.ini";
  profile_.WriteString(kSection, "id", "demo", doubled);
  EXPECT_EQ(profile_.GetString(kSection, "id", "", 20, doubled), "demo");
  if (!backend_->HasFileSystem()) return;
  EXPECT_EQ(backend_->FileBytes(path_), "[OPTION]\r\nid=demo\r\n");
  EXPECT_EQ(profile_.GetString(kSection, "id", "", 20, path_), "demo");
}

TEST_F(ProfileContract, TwoPathsKeepTwoFiles) {
  std::string other = PathOf("velmarVPN2.ini");
  profile_.WriteString(kSection, "id", "first", path_);
  profile_.WriteString(kSection, "id", "second", other);
  EXPECT_EQ(profile_.GetString(kSection, "id", "", 20, path_), "first");
  EXPECT_EQ(profile_.GetString(kSection, "id", "", 20, other), "second");
}

}  // namespace
