#include "platform/win32/win32_platform.h"

#include "platform/win32/app_name.h"

namespace platform::win32 {

Win32Platform::Win32Platform() : http_(AppNameFromModulePath(kernel_.GetModuleFileName())) {}

}  // namespace platform::win32
