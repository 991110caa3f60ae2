// The RAS port over RASAPI32's ANSI calls, with the Windows 7 records.
#pragma once

#include "platform/ras.h"

namespace platform::win32 {

// Safe to call from any thread. The dial notifier is process-wide (the OS's
// notifier of type 0 carries no context): the last Dial of any Win32Ras
// names the notifier that every dial's steps reach, until that Win32Ras goes.
class Win32Ras final : public Ras {
 public:
  Win32Ras() = default;
  ~Win32Ras() override;
  Win32Ras(const Win32Ras&) = delete;
  Win32Ras& operator=(const Win32Ras&) = delete;

  RasDeviceList EnumerateDevices() override;
  RasCode ValidateEntryName(const std::string& phonebook, const std::string& entry_name) override;
  RasCode SetEntryProperties(const std::string& phonebook, const std::string& entry_name,
                             const RasEntry& entry) override;
  RasDialStart Dial(const RasDialParams& params, RasDialNotifier notifier) override;
  RasConnectionList EnumerateConnections() override;
  RasCode HangUp(RasConnHandle connection) override;
  std::optional<std::string> GetErrorString(RasCode code) override;
};

}  // namespace platform::win32
