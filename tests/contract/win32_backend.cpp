// The Win32 backends, as the program uses them, with real files in a scratch
// directory of the temporary folder.
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "backend.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/win32_platform.h"

namespace contract {
namespace {

// A fresh directory per backend, removed with everything in it at the end.
std::filesystem::path MakeScratchDirectory() {
  static std::atomic<unsigned> made{0};
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() /
      ("velmar-contract-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(made++));
  std::filesystem::create_directories(dir);
  return dir;
}

std::filesystem::path CurrentPath() {
  std::error_code ignored;
  return std::filesystem::current_path(ignored);
}

class Win32Backend final : public Backend {
 public:
  Win32Backend() : scratch_(MakeScratchDirectory()), first_directory_(CurrentPath()) {}
  ~Win32Backend() override {
    std::error_code ignored;
    std::filesystem::current_path(first_directory_, ignored);
    std::filesystem::remove_all(scratch_, ignored);
  }

  platform::Platform& ports() override { return os_.ports(); }

  std::string ScratchDirectory() override { return scratch_.string(); }
  std::optional<std::string> FileBytes(const std::string& path) override {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  void PutFileBytes(const std::string& path, const std::string& bytes) override {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  }
  bool HasFileSystem() const override { return true; }
  std::string EnterDirectoryOfLength(std::size_t length) override {
    std::string parent = scratch_.string();
    if (length < parent.size() + 2) return std::string();
    std::string path = parent + "\\" + std::string(length - parent.size() - 1, 'd');
    std::error_code error;
    std::filesystem::create_directory(path, error);
    if (!error) std::filesystem::current_path(path, error);
    return error ? std::string() : path;
  }

  bool WorkersHaveOwnThreads() const override { return true; }
  bool RunUiUntil(const std::function<bool()>& done, unsigned timeout_ms) override {
    return platform::win32::PumpMessagesUntil(done, timeout_ms);
  }

 private:
  std::filesystem::path scratch_;
  std::filesystem::path first_directory_;  // the test program's, given back at the end
  platform::win32::Win32Platform os_;
};

}  // namespace

std::unique_ptr<Backend> MakeBackend() { return std::make_unique<Win32Backend>(); }

}  // namespace contract
