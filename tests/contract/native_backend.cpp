// The Linux backends: memory kernel, profile, code pages and scheduler, and
// HTTP over POSIX sockets.
#include <chrono>
#include <thread>

#include "backend.h"
#include "native_os.h"

namespace contract {
namespace {

class NativeBackend final : public Backend {
 public:
  platform::Platform& ports() override { return native_.os; }

  std::string ScratchDirectory() override { return "C:\\contract"; }
  std::optional<std::string> FileBytes(const std::string& path) override {
    auto file = native_.profile.files.find(path);
    if (file == native_.profile.files.end()) return std::nullopt;
    return file->second;
  }
  void PutFileBytes(const std::string& path, const std::string& bytes) override {
    native_.profile.files[path] = bytes;
  }
  bool HasFileSystem() const override { return false; }
  std::string EnterDirectoryOfLength(std::size_t length) override {
    std::string root = "C:\\";
    native_.kernel.current_directory = root + std::string(length - root.size(), 'd');
    return native_.kernel.current_directory;
  }

  bool WorkersHaveOwnThreads() const override { return false; }
  bool RunUiUntil(const std::function<bool()>& done, unsigned timeout_ms) override {
    // Tasks may still come from threads of the test's own, so keep pumping.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
      native_.scheduler.RunUntilIdle();
      if (done()) return true;
      if (std::chrono::steady_clock::now() >= deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }

 private:
  test::NativeOs native_;
};

}  // namespace

std::unique_ptr<Backend> MakeBackend() { return std::make_unique<NativeBackend>(); }

}  // namespace contract
