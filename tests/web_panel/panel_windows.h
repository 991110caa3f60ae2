// Windows for the web panel tests: panels in a window of their own or in the
// main dialog, and what the process shows besides them.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/windows_api.h"

namespace web_panel_test {

// Registers the program's panel class and the common controls the main
// dialog needs, then checks that a window can be made at all: under Wine
// without an X display every CreateWindow fails, and the tests skip.
bool PrepareWindows();

// A hidden top-level window with no caption, destroyed with this object (a
// plain popup: Wine's X11 driver makes destroying a captioned window wait for
// a window manager that a bare Xvfb lacks).
class TopWindow {
 public:
  TopWindow();
  ~TopWindow();
  TopWindow(const TopWindow&) = delete;
  TopWindow& operator=(const TopWindow&) = delete;
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

// A panel window, `width` by `height`, in `parent`.
HWND CreatePanel(HWND parent, int width, int height);

// The main dialog (template 129) with a dialog procedure that does nothing,
// hidden; destroyed with this object unless Destroy() came first.
class MainDialog {
 public:
  MainDialog();
  ~MainDialog() { Destroy(); }
  MainDialog(const MainDialog&) = delete;
  MainDialog& operator=(const MainDialog&) = delete;
  HWND hwnd() const { return hwnd_; }
  HWND banner() const;
  HWND notices() const;
  void Destroy();

 private:
  HWND hwnd_;
};

// The client rectangle of `window` in screen coordinates, and the window
// rectangle of `window`: equal when a child exactly covers its parent's
// client area.
RECT ClientOnScreen(HWND window);
RECT WindowOnScreen(HWND window);

// The visible top-level windows of this process other than `except`, by
// title, for a failure message.
std::vector<std::wstring> OtherVisibleWindows(HWND except);

// Watches the UI thread from another one while it calls into the control: a
// call that has not come back after `timeout_ms` is stuck in a modal loop,
// and every visible window of the process but `except` is then closed, so
// that the call returns and the test can fail instead of hang.
class ModalWatch {
 public:
  ModalWatch(HWND except, DWORD timeout_ms);
  ~ModalWatch() { Finish(); }
  ModalWatch(const ModalWatch&) = delete;
  ModalWatch& operator=(const ModalWatch&) = delete;

  // Stops watching; the titles of the windows it had to close.
  std::vector<std::wstring> Finish();

 private:
  static DWORD WINAPI Watch(void* self);

  HWND except_;
  DWORD timeout_ms_;
  HANDLE done_;
  HANDLE thread_;
  std::vector<std::wstring> closed_;
};

// Titles joined for a failure message, UTF-8.
std::string Describe(const std::vector<std::wstring>& titles);

// Dispatches this thread's messages for `milliseconds`; returns how long it
// took, which stays near `milliseconds` unless a handler blocks.
DWORD PumpFor(DWORD milliseconds);

}  // namespace web_panel_test
