#include "platform/win32/win32_kernel.h"

#include "platform/win32/fixed_text.h"

namespace platform::win32 {
namespace {

// The volume and file-system names are asked for, as the call requires, but never used.
constexpr DWORD kVolumeNameBuffer = 256;

}  // namespace

LocalTime Win32Kernel::GetLocalTime() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::string Win32Kernel::GetComputerName() {
  char name[kComputerNameBuffer] = {};
  DWORD size = sizeof name;
  if (!::GetComputerNameA(name, &size)) return std::string();
  return Terminated(name);
}

std::string Win32Kernel::GetModuleFileName() {
  char path[kModulePathBuffer] = {};
  DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
  // A full buffer means the path was cut: no usable path at all.
  if (length == 0 || length >= sizeof path) return std::string();
  return std::string(path, length);
}

std::optional<std::uint32_t> Win32Kernel::GetVolumeSerial(const std::string& root) {
  char volume_name[kVolumeNameBuffer] = {};
  char file_system[kVolumeNameBuffer] = {};
  DWORD serial = 0;
  if (!::GetVolumeInformationA(root.c_str(), volume_name, sizeof volume_name, &serial, nullptr,
                               nullptr, file_system, sizeof file_system)) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(serial);
}

std::optional<std::string> Win32Kernel::GetCurrentDirectory() {
  // One byte more than asked for, so the terminator always fits.
  char path[kCurrentDirBuffer + 1] = {};
  DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(kCurrentDirBuffer), path);
  // 0 is a failure; kCurrentDirBuffer or more is the size the path would
  // need, terminator included: it did not fit.
  if (length == 0 || length >= kCurrentDirBuffer) return std::nullopt;
  return std::string(path, length);
}

void Win32Kernel::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

EventResult Win32Kernel::CreateNamedEvent(const std::string& name) {
  HANDLE event = ::CreateEventA(nullptr, FALSE, FALSE, name.c_str());
  DWORD error = ::GetLastError();  // read at once: it tells a new event from an existing one
  if (event == nullptr) return EventResult::kFailed;
  {
    std::lock_guard<std::mutex> lock(events_mutex_);
    held_events_.emplace_back(event);
  }
  return error == ERROR_ALREADY_EXISTS ? EventResult::kAlreadyExists : EventResult::kCreated;
}

bool Win32Kernel::IsCapsLockOn() { return (::GetKeyState(VK_CAPITAL) & 1) != 0; }

}  // namespace platform::win32
