#include "platform/win32/win32_platform.h"

#include "platform/win32/app_name.h"
#include "platform/win32/web_panel.h"

namespace platform::win32 {

Win32Platform::Win32Platform()
    : web_panels_registered_(RegisterWebPanelClass(::GetModuleHandleW(nullptr))),
      http_(AppNameFromModulePath(kernel_.GetModuleFileName())) {}

}  // namespace platform::win32
