// The Linux backends: memory kernel, profile, code pages and scheduler, and
// HTTP over POSIX sockets.
#include <chrono>
#include <thread>

#include "backend.h"
#include "platform/memory/iconv_codepages.h"
#include "platform/memory/memory_kernel.h"
#include "platform/memory/memory_profile.h"
#include "platform/memory/memory_scheduler.h"
#include "platform/posix/socket_http.h"

namespace contract {
namespace {

class NativeBackend final : public Backend {
 public:
  platform::Platform& ports() override { return ports_; }

  std::string ScratchDirectory() override { return "C:\\contract"; }
  std::optional<std::string> FileBytes(const std::string& path) override {
    auto file = profile_.files.find(path);
    if (file == profile_.files.end()) return std::nullopt;
    return file->second;
  }
  void PutFileBytes(const std::string& path, const std::string& bytes) override {
    profile_.files[path] = bytes;
  }
  bool HasFileSystem() const override { return false; }
  std::string EnterDirectoryOfLength(std::size_t length) override {
    std::string root = "C:\\";
    kernel_.current_directory = root + std::string(length - root.size(), 'd');
    return kernel_.current_directory;
  }

  bool WorkersHaveOwnThreads() const override { return false; }
  bool RunUiUntil(const std::function<bool()>& done, unsigned timeout_ms) override {
    // Tasks may still come from threads of the test's own, so keep pumping.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
      scheduler_.RunUntilIdle();
      if (done()) return true;
      if (std::chrono::steady_clock::now() >= deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }

 private:
  platform::memory::MemoryKernel kernel_;
  platform::posix::SocketHttp http_;
  platform::memory::MemoryProfile profile_;
  platform::memory::IconvCodePages codepages_;
  platform::memory::MemoryScheduler scheduler_;
  platform::Platform ports_{kernel_, http_, profile_, codepages_, scheduler_, scheduler_};
};

}  // namespace

std::unique_ptr<Backend> MakeBackend() { return std::make_unique<NativeBackend>(); }

}  // namespace contract
