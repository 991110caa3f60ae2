// Kernel services with every value set by the test.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "platform/kernel.h"
#include "platform/memory/event_log.h"

namespace platform::memory {

// Names of kernel objects shared by the "processes" of one test: two kernels
// on one namespace behave as two copies on one machine.
struct KernelNamespace {
  std::set<std::string> event_names;
};

class MemoryKernel final : public Kernel {
 public:
  explicit MemoryKernel(EventLog* log = nullptr,
                        std::shared_ptr<KernelNamespace> names = std::make_shared<KernelNamespace>())
      : log_(log), names_(std::move(names)) {}
  ~MemoryKernel() override;

  LocalTime GetLocalTime() override { return now; }
  std::string GetComputerName() override { return computer_name; }
  std::string GetModuleFileName() override { return module_path; }
  std::optional<std::uint32_t> GetVolumeSerial(const std::string& root) override;
  std::optional<std::string> GetCurrentDirectory() override;
  void Sleep(std::uint32_t milliseconds) override;
  EventResult CreateNamedEvent(const std::string& name) override;
  bool IsCapsLockOn() override { return caps_lock; }

  LocalTime now{2014, 3, 5, 9, 7, 2};
  std::string computer_name = "PC1";
  std::string module_path = "C:\\Program Files\\velmarVPN\\velmarVPN.exe";
  std::map<std::string, std::uint32_t> volume_serials = {{"C:\\", 0xA1B2C3}};
  std::string current_directory = "C:\\Users\\user";
  bool caps_lock = false;
  bool event_creation_fails = false;
  std::uint64_t slept_ms = 0;

 private:
  EventLog* log_;
  std::shared_ptr<KernelNamespace> names_;
  std::set<std::string> held_events_;
};

}  // namespace platform::memory
