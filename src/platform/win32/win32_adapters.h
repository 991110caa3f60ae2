// The adapters port over the IP Helper's GetAdaptersInfo.
#pragma once

#include "platform/adapters.h"

namespace platform::win32 {

// Safe to call from any thread.
class Win32Adapters final : public Adapters {
 public:
  AdapterList GetAdapters() override;
};

}  // namespace platform::win32
