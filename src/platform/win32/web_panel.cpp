#include "platform/win32/web_panel.h"

#include <climits>

#include "platform/win32/browser_host.h"
#include "res/resource.h"

namespace platform::win32 {
namespace {

constexpr wchar_t kPanelClass[] = L"" VELMAR_WEB_PANEL_CLASS;
// The panel's extra window bytes hold its BrowserHost, owned by the window.
constexpr int kHostSlot = 0;

BrowserHost* StoredHost(HWND panel) {
  return reinterpret_cast<BrowserHost*>(::GetWindowLongPtrW(panel, kHostSlot));
}

LRESULT CALLBACK WebPanelProc(HWND panel, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      // A failed creation is kept too: it answers WebPanelBrowserState, and
      // the window stays, blank.
      ::SetWindowLongPtrW(panel, kHostSlot, reinterpret_cast<LONG_PTR>(new BrowserHost(panel)));
      return 0;
    case WM_SIZE:
      if (BrowserHost* host = StoredHost(panel)) host->FitToPanel();
      return 0;
    case WM_DESTROY:
      // The control's window is a child of the panel, still alive here.
      if (BrowserHost* host = StoredHost(panel)) host->Close();
      break;
    case WM_NCDESTROY:
      delete StoredHost(panel);
      ::SetWindowLongPtrW(panel, kHostSlot, 0);
      break;
    default:
      break;
  }
  return ::DefWindowProcW(panel, message, wparam, lparam);
}

// The host of `panel` when it is a live panel window of this thread; its
// absence is told in `error`.
BrowserHost* HostOf(HWND panel, HRESULT* error) {
  *error = E_HANDLE;
  if (panel == nullptr || !::IsWindow(panel)) return nullptr;
  if (::GetWindowThreadProcessId(panel, nullptr) != ::GetCurrentThreadId()) {
    *error = RPC_E_WRONG_THREAD;
    return nullptr;
  }
  // Only a window of our class has the slot; another class's extra bytes
  // are not a host.
  if (reinterpret_cast<WNDPROC>(::GetClassLongPtrW(panel, GCLP_WNDPROC)) != WebPanelProc) {
    return nullptr;
  }
  BrowserHost* host = StoredHost(panel);
  if (host != nullptr) *error = host->result();
  return host;
}

std::wstring AnsiToWide(const std::string& ansi) {
  if (ansi.empty() || ansi.size() > static_cast<std::size_t>(INT_MAX)) return std::wstring();
  const int length = static_cast<int>(ansi.size());
  const int needed = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
  if (needed <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  const int written = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, wide.data(), needed);
  wide.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return wide;
}

}  // namespace

bool RegisterWebPanelClass(HINSTANCE instance) {
  WNDCLASSEXW panel{};
  panel.cbSize = sizeof panel;
  panel.lpfnWndProc = WebPanelProc;
  panel.cbWndExtra = sizeof(BrowserHost*);
  panel.hInstance = instance;
  panel.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  panel.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  panel.lpszClassName = kPanelClass;
  if (::RegisterClassExW(&panel) != 0) return true;
  if (::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  return ::GetClassInfoExW(instance, kPanelClass, &existing) != 0 &&
         existing.lpfnWndProc == WebPanelProc;
}

HRESULT NavigateWebPanel(HWND panel, const std::string& url_ansi) {
  HRESULT error = E_HANDLE;
  BrowserHost* host = HostOf(panel, &error);
  if (host == nullptr) return error;
  // Our own reference: the control may run the message loop inside the
  // call, and the panel (with its host) may be destroyed meanwhile.
  ComRef<IDispatch> automation = host->Automation();
  if (!automation) return error;
  return InvokeNavigate(automation.get(), AnsiToWide(url_ansi));
}

HRESULT WebPanelBrowserState(HWND panel) {
  HRESULT error = E_HANDLE;
  HostOf(panel, &error);
  return error;
}

}  // namespace platform::win32
