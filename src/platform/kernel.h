// Kernel services the program needs from the OS: clock, names, volume,
// current directory, sleeping and the single-instance event.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Local wall-clock time, as the OS reports it (no day of week, no ms).
struct LocalTime {
  unsigned year = 0;
  unsigned month = 0;
  unsigned day = 0;
  unsigned hour = 0;
  unsigned minute = 0;
  unsigned second = 0;
};

enum class EventResult {
  kCreated,        // this process now holds the name
  kAlreadyExists,  // another process holds the name (ERROR_ALREADY_EXISTS)
  kFailed,         // no handle, for any other reason
};

// Buffer sizes of the OS calls; the values that come back never exceed them.
inline constexpr std::size_t kComputerNameBuffer = 16;  // MAX_COMPUTERNAME_LENGTH + 1
inline constexpr std::size_t kModulePathBuffer = 260;   // MAX_PATH
inline constexpr std::size_t kCurrentDirBuffer = 255;   // characters asked for

class Kernel {
 public:
  virtual ~Kernel() = default;

  virtual LocalTime GetLocalTime() = 0;
  // NetBIOS name of the computer (at most 15 bytes); empty if it cannot be read.
  virtual std::string GetComputerName() = 0;
  // Full path of the running executable; empty if it cannot be read.
  virtual std::string GetModuleFileName() = 0;
  // Serial number of the volume whose root is `root` ("C:\"), or nothing.
  virtual std::optional<std::uint32_t> GetVolumeSerial(const std::string& root) = 0;
  // The current directory, or nothing when it does not fit kCurrentDirBuffer
  // characters or cannot be read.
  virtual std::optional<std::string> GetCurrentDirectory() = 0;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
  // Creates the named auto-reset, non-signalled event and keeps its handle
  // open for the life of the process.
  virtual EventResult CreateNamedEvent(const std::string& name) = 0;
  // Toggle state of Caps Lock at this moment.
  virtual bool IsCapsLockOn() = 0;
};

}  // namespace platform
