// What the program relies on from the kernel port, whatever the backend.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "backend.h"

namespace {

class KernelContract : public testing::Test {
 protected:
  std::unique_ptr<contract::Backend> backend_ = contract::MakeBackend();
  platform::Kernel& kernel_ = backend_->ports().kernel;
};

// A name no other run of the tests holds, even one running at the same time.
std::string UniqueEventName() {
  std::random_device entropy;
  auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return "Global\\velmar-contract-" + std::to_string(entropy()) + "-" + std::to_string(ticks);
}

TEST_F(KernelContract, NamedEventIsCreatedOnceThenFoundHeld) {
  std::string name = UniqueEventName();
  EXPECT_EQ(kernel_.CreateNamedEvent(name), platform::EventResult::kCreated);
  EXPECT_EQ(kernel_.CreateNamedEvent(name), platform::EventResult::kAlreadyExists);
  EXPECT_EQ(kernel_.CreateNamedEvent(name + "-other"), platform::EventResult::kCreated);
}

TEST_F(KernelContract, ComputerNameFitsItsBuffer) {
  std::string name = kernel_.GetComputerName();
  EXPECT_FALSE(name.empty());
  EXPECT_LT(name.size(), platform::kComputerNameBuffer);
  EXPECT_EQ(name.find('\0'), std::string::npos);
}

TEST_F(KernelContract, LocalTimeIsACalendarTime) {
  platform::LocalTime now = kernel_.GetLocalTime();
  EXPECT_GE(now.year, 2000u);
  EXPECT_LE(now.year, 2200u);
  EXPECT_GE(now.month, 1u);
  EXPECT_LE(now.month, 12u);
  EXPECT_GE(now.day, 1u);
  EXPECT_LE(now.day, 31u);
  EXPECT_LE(now.hour, 23u);
  EXPECT_LE(now.minute, 59u);
  EXPECT_LE(now.second, 59u);
}

TEST_F(KernelContract, CurrentDirectoryIsAnAbsolutePathThatFits) {
  std::optional<std::string> dir = kernel_.GetCurrentDirectory();
  ASSERT_TRUE(dir.has_value());
  EXPECT_LT(dir->size(), platform::kCurrentDirBuffer);
  ASSERT_GE(dir->size(), 3u);
  EXPECT_EQ(dir->substr(1, 2), ":\\") << *dir;
  // No trailing separator, except for a drive root.
  if (dir->size() > 3) {
    EXPECT_NE(dir->back(), '\\') << *dir;
  }
}

TEST_F(KernelContract, CurrentDirectoryUpTo254CharactersOnly) {
  struct Case {
    std::size_t length;
    bool fits;
  } cases[] = {{200, true}, {254, true}, {255, false}, {256, false}};
  for (const Case& c : cases) {
    std::string entered = backend_->EnterDirectoryOfLength(c.length);
    ASSERT_EQ(entered.size(), c.length) << "the OS refused the directory";
    std::optional<std::string> dir = kernel_.GetCurrentDirectory();
    if (c.fits) {
      EXPECT_EQ(dir, entered) << c.length;
    } else {
      EXPECT_FALSE(dir.has_value()) << c.length;
    }
  }
}

TEST_F(KernelContract, ModuleFileNameIsTheExecutablesFullPath) {
  std::string path = kernel_.GetModuleFileName();
  ASSERT_GT(path.size(), 4u);
  EXPECT_LT(path.size(), platform::kModulePathBuffer);
  std::string extension = path.substr(path.size() - 4);
  for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  EXPECT_EQ(extension, ".exe") << path;
  EXPECT_NE(path.find('\\'), std::string::npos) << path;
}

TEST_F(KernelContract, VolumeSerialOnlyForAVolumeThatExists) {
  EXPECT_TRUE(kernel_.GetVolumeSerial("C:\\").has_value());
  EXPECT_FALSE(kernel_.GetVolumeSerial("Q:\\").has_value());
}

}  // namespace
