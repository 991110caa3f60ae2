#include "platform/win32/message_pump.h"

namespace platform::win32 {

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeout_ms) {
  const ULONGLONG deadline = ::GetTickCount64() + timeout_ms;
  for (;;) {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        ::PostQuitMessage(static_cast<int>(message.wParam));
        return done();
      }
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
      if (done()) return true;
    }
    if (done()) return true;
    ULONGLONG now = ::GetTickCount64();
    if (now >= deadline) return false;
    // Sleeps until a message arrives (posted, sent or input) or the time is up.
    ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now), QS_ALLINPUT,
                                  MWMO_INPUTAVAILABLE);
  }
}

}  // namespace platform::win32
