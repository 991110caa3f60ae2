// Worker threads of the program: each runs detached, and nothing waits for it.
#pragma once

#include "platform/threads.h"

namespace platform::win32 {

class Win32Threads final : public Threads {
 public:
  void Start(std::function<void()> work) override;
};

}  // namespace platform::win32
