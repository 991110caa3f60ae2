#include "platform/win32/win32_threads.h"

#include <thread>

namespace platform::win32 {

void Win32Threads::Start(std::function<void()> work) {
  // Detached: a request still running when the program ends is abandoned,
  // which is why `work` owns everything it uses.
  std::thread(std::move(work)).detach();
}

}  // namespace platform::win32
