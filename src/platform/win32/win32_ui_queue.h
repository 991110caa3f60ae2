// Tasks handed to the UI thread through its message queue.
#pragma once

#include "platform/threads.h"
#include "platform/win32/owned_handle.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {

// Construct and destroy it on the UI thread, which must pump messages
// (PumpMessagesUntil, or the dialogs' own loops) for tasks to run. Post may be
// called from any thread while the queue exists.
class Win32UiQueue final : public UiQueue {
 public:
  Win32UiQueue();
  ~Win32UiQueue() override;
  Win32UiQueue(const Win32UiQueue&) = delete;
  Win32UiQueue& operator=(const Win32UiQueue&) = delete;

  void Post(std::function<void()> task) override;

  // False when the queue's window could not be made: Post then drops tasks.
  bool ready() const { return static_cast<bool>(window_); }

 private:
  WindowHandle window_;  // message-only, owned by the UI thread
};

}  // namespace platform::win32
