// A message loop for the UI thread with an end condition and a deadline.
#pragma once

#include <functional>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// Dispatches the calling thread's messages until `done` holds or `timeout_ms`
// have passed; returns whether `done` held. `done` is checked after every
// message. A WM_QUIT ends the loop early and is posted again for the outer loop.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeout_ms);

}  // namespace platform::win32
