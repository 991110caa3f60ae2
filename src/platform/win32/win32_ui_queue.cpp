#include "platform/win32/win32_ui_queue.h"

#include <memory>

namespace platform::win32 {
namespace {

constexpr char kWindowClass[] = "velmarUiQueue";
// A message of the queue's own window class only, so any private value will do.
constexpr UINT kRunTask = WM_APP + 0x51;

using Task = std::function<void()>;

// The window procedure owns the task from the moment it receives it.
LRESULT CALLBACK QueueWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != kRunTask) return ::DefWindowProcA(window, message, wparam, lparam);
  std::unique_ptr<Task> task(reinterpret_cast<Task*>(lparam));
  if (task && *task) (*task)();
  return 0;
}

HINSTANCE ThisModule() { return ::GetModuleHandleA(nullptr); }

bool RegisterQueueClass() {
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = QueueWindowProc;
  window_class.hInstance = ThisModule();
  window_class.lpszClassName = kWindowClass;
  if (::RegisterClassExA(&window_class) != 0) return true;
  return ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

Win32UiQueue::Win32UiQueue() {
  static const bool registered = RegisterQueueClass();
  if (!registered) return;
  window_ = WindowHandle(::CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                           nullptr, ThisModule(), nullptr));
}

Win32UiQueue::~Win32UiQueue() {
  if (!window_) return;
  // Tasks still queued would be lost with the window: free them unrun.
  MSG pending;
  while (::PeekMessageA(&pending, window_.get(), kRunTask, kRunTask, PM_REMOVE)) {
    delete reinterpret_cast<Task*>(pending.lParam);
  }
}

void Win32UiQueue::Post(std::function<void()> task) {
  if (!window_) return;
  auto owned = std::make_unique<Task>(std::move(task));
  if (::PostMessageA(window_.get(), kRunTask, 0, reinterpret_cast<LPARAM>(owned.get()))) {
    owned.release();  // the window procedure frees it
  }
  // Otherwise the post failed and `owned` frees the task here, unrun.
}

}  // namespace platform::win32
