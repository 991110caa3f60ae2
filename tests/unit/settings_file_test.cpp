#include "mainwnd/settings_file.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/memory/memory_kernel.h"
#include "platform/memory/memory_profile.h"

namespace {

class SettingsFile : public testing::Test {
 protected:
  std::string& File() { return profile.files["C:\\Users\\user\\velmarVPN.ini"]; }

  platform::memory::MemoryKernel kernel;
  platform::memory::MemoryProfile profile;
};

TEST_F(SettingsFile, MissingFileGivesTheDefaults) {
  settings::LoginSettings login = settings::ReadLoginSettings(kernel, profile);
  EXPECT_EQ(login.id, "");
  EXPECT_EQ(login.pwd, "");
  settings::ConnectionSettings conn = settings::ReadConnectionSettings(kernel, profile);
  EXPECT_EQ(conn.type, 1);
  EXPECT_EQ(conn.autotime, "60");
  EXPECT_TRUE(profile.files.empty());
}

TEST_F(SettingsFile, WritesTheFourKeysInOrderAndReplacesThemInPlace) {
  settings::WriteSettings(kernel, profile, {"abc", "900150983cd24fb0d6963f7d28e17f72", "60", 0});
  EXPECT_EQ(File(),
            "[OPTION]\r\nid=abc\r\npwd=900150983cd24fb0d6963f7d28e17f72\r\nautotime=60\r\n"
            "type=0\r\n");
  settings::WriteSettings(kernel, profile, {"kim", "d41d8cd98f00b204e9800998ecf8427e", "abc", -1});
  EXPECT_EQ(File(),
            "[OPTION]\r\nid=kim\r\npwd=d41d8cd98f00b204e9800998ecf8427e\r\nautotime=abc\r\n"
            "type=-1\r\n");
}

TEST_F(SettingsFile, ReadLimitsCutTheValues) {
  std::string id25(25, 'i');
  std::string pwd90(90, 'p');
  std::string autotime250(250, '7');
  settings::WriteSettings(kernel, profile, {id25, pwd90, autotime250, 1});
  settings::LoginSettings login = settings::ReadLoginSettings(kernel, profile);
  EXPECT_EQ(login.id, std::string(19, 'i'));
  EXPECT_EQ(login.pwd, std::string(79, 'p'));
  EXPECT_EQ(settings::ReadConnectionSettings(kernel, profile).autotime, std::string(199, '7'));
}

TEST_F(SettingsFile, TypeAndAutotimeAreReadAsStored) {
  struct Case {
    std::string file;
    int type;
    std::string autotime;
  } cases[] = {
      {"[OPTION]\r\ntype=0\r\n", 0, "60"},
      {"[OPTION]\r\ntype=2\r\nautotime=abc\r\n", 2, "abc"},
      {"[OPTION]\r\ntype=-1\r\nautotime=\r\n", -1, ""},
      {"[option]\r\nTYPE = 0\r\nAutoTime = 60abc \r\n", 0, "60abc"},
      {"[OTHER]\r\ntype=0\r\n", 1, "60"},
  };
  for (const Case& c : cases) {
    File() = c.file;
    settings::ConnectionSettings conn = settings::ReadConnectionSettings(kernel, profile);
    EXPECT_EQ(conn.type, c.type) << c.file;
    EXPECT_EQ(conn.autotime, c.autotime) << c.file;
  }
}

TEST_F(SettingsFile, LivesInTheCurrentDirectoryEvenAtADriveRoot) {
  kernel.current_directory = "C:\\";
  EXPECT_EQ(settings::SettingsPath(kernel), "C:\\\\velmarVPN.ini");
  settings::WriteSettings(kernel, profile, {"a", "b", "60", 1});
  EXPECT_EQ(profile.files.count("C:\\\\velmarVPN.ini"), 1u);

  kernel.current_directory = "D:\\work";
  settings::WriteSettings(kernel, profile, {"z", "b", "60", 1});
  EXPECT_EQ(profile.files.size(), 2u);
  EXPECT_EQ(settings::ReadLoginSettings(kernel, profile).id, "z");
}

TEST_F(SettingsFile, ADirectoryTooLongForItsBufferCountsAsNoFile) {
  settings::WriteSettings(kernel, profile, {"abc", "d", "60", 0});
  kernel.current_directory = "C:\\" + std::string(260, 'd');
  EXPECT_FALSE(settings::SettingsPath(kernel).has_value());
  EXPECT_EQ(settings::ReadLoginSettings(kernel, profile).id, "");
  EXPECT_EQ(settings::ReadConnectionSettings(kernel, profile).type, 1);
  settings::WriteSettings(kernel, profile, {"x", "y", "1", 1});
  EXPECT_EQ(profile.files.size(), 1u);  // nothing written
}

TEST_F(SettingsFile, AFailedWriteIsSilent) {
  profile.read_only_paths.insert("C:\\Users\\user\\velmarVPN.ini");
  settings::WriteSettings(kernel, profile, {"abc", "d", "60", 0});
  EXPECT_EQ(settings::ReadLoginSettings(kernel, profile).id, "");
}

}  // namespace
