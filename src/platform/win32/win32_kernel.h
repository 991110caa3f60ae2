// The kernel port over the ANSI Win32 calls.
#pragma once

#include <mutex>
#include <vector>

#include "platform/kernel.h"
#include "platform/win32/owned_handle.h"

namespace platform::win32 {

// Safe to call from any thread.
class Win32Kernel final : public Kernel {
 public:
  LocalTime GetLocalTime() override;
  std::string GetComputerName() override;
  std::string GetModuleFileName() override;
  std::optional<std::uint32_t> GetVolumeSerial(const std::string& root) override;
  std::optional<std::string> GetCurrentDirectory() override;
  void Sleep(std::uint32_t milliseconds) override;
  EventResult CreateNamedEvent(const std::string& name) override;
  bool IsCapsLockOn() override;

 private:
  // Created events stay open until the process ends: holding the name is
  // what tells a second copy of the program that this one runs.
  std::mutex events_mutex_;
  std::vector<KernelHandle> held_events_;
};

}  // namespace platform::win32
