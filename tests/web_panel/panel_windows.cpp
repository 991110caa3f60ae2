#include "panel_windows.h"

#include <commctrl.h>

#include "platform/win32/message_pump.h"
#include "platform/win32/web_panel.h"
#include "res/resource.h"

namespace web_panel_test {
namespace {

INT_PTR CALLBACK InertDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

bool ProbeWindows() {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
  if (!platform::win32::RegisterWebPanelClass(::GetModuleHandleW(nullptr))) return false;
  TopWindow probe;
  return probe.hwnd() != nullptr;
}

struct Search {
  HWND except;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  if (process == ::GetCurrentProcessId() && window != search->except && ::IsWindowVisible(window)) {
    search->found.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> VisibleWindows(HWND except) {
  Search search{except, {}};
  ::EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring TitleOf(HWND window) {
  wchar_t title[256] = L"";
  ::GetWindowTextW(window, title, 256);
  wchar_t class_name[128] = L"";
  ::GetClassNameW(window, class_name, 128);
  return std::wstring(L"\"") + title + L"\" (" + class_name + L")";
}

}  // namespace

bool PrepareWindows() {
  static const bool usable = ProbeWindows();
  return usable;
}

TopWindow::TopWindow()
    : hwnd_(::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr)) {}

TopWindow::~TopWindow() {
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

HWND CreatePanel(HWND parent, int width, int height) {
  return ::CreateWindowExW(0, L"" VELMAR_WEB_PANEL_CLASS, L"", WS_CHILD | WS_VISIBLE, 0, 0, width,
                           height, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

MainDialog::MainDialog()
    : hwnd_(::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN), nullptr,
                                 InertDialogProc, 0)) {}

HWND MainDialog::banner() const { return ::GetDlgItem(hwnd_, IDC_MAIN_BANNER); }
HWND MainDialog::notices() const { return ::GetDlgItem(hwnd_, IDC_MAIN_NOTICES); }

void MainDialog::Destroy() {
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

RECT ClientOnScreen(HWND window) {
  RECT rect{};
  ::GetClientRect(window, &rect);
  ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT WindowOnScreen(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

std::vector<std::wstring> OtherVisibleWindows(HWND except) {
  std::vector<std::wstring> titles;
  for (HWND window : VisibleWindows(except)) titles.push_back(TitleOf(window));
  return titles;
}

ModalWatch::ModalWatch(HWND except, DWORD timeout_ms)
    : except_(except),
      timeout_ms_(timeout_ms),
      done_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      thread_(::CreateThread(nullptr, 0, Watch, this, 0, nullptr)) {}

std::vector<std::wstring> ModalWatch::Finish() {
  if (thread_ != nullptr) {
    ::SetEvent(done_);
    ::WaitForSingleObject(thread_, INFINITE);
    ::CloseHandle(thread_);
    ::CloseHandle(done_);
    thread_ = nullptr;
  }
  return closed_;
}

DWORD WINAPI ModalWatch::Watch(void* self) {
  auto* watch = static_cast<ModalWatch*>(self);
  // Every timeout that passes without the call returning closes what is on
  // screen once more, until the UI thread is free again.
  while (::WaitForSingleObject(watch->done_, watch->timeout_ms_) == WAIT_TIMEOUT) {
    for (HWND window : VisibleWindows(watch->except_)) {
      watch->closed_.push_back(TitleOf(window));
      ::PostMessageW(window, WM_CLOSE, 0, 0);
    }
  }
  return 0;
}

std::string Describe(const std::vector<std::wstring>& titles) {
  std::string text;
  for (const std::wstring& title : titles) {
    const int size =
        ::WideCharToMultiByte(CP_UTF8, 0, title.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    if (size > 0) {
      ::WideCharToMultiByte(CP_UTF8, 0, title.c_str(), -1, utf8.data(), size, nullptr, nullptr);
      utf8.pop_back();  // the terminator
    }
    text += (text.empty() ? "" : ", ") + utf8;
  }
  return text.empty() ? "none" : text;
}

DWORD PumpFor(DWORD milliseconds) {
  const ULONGLONG start = ::GetTickCount64();
  platform::win32::PumpMessagesUntil([] { return false; }, milliseconds);
  return static_cast<DWORD>(::GetTickCount64() - start);
}

}  // namespace web_panel_test
