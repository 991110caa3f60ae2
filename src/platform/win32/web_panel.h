// The main dialog's web panels: the window class its template names for
// them, each window of which hosts one WebBrowser control for its lifetime.
#pragma once

#include <string>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// Registers the panel class (VELMAR_WEB_PANEL_CLASS) for `instance`, the
// module whose dialog templates name it. Call on the UI thread before such a
// dialog is created, after the OleSession of that thread. True when the class
// is ours, also when it was registered already; false when it cannot be
// registered or the name is taken by a class of other code.
//
// Each panel window creates its browser when it is created, keeps the
// control fitted to its client area, and closes it when it is destroyed.
// A panel whose browser cannot be created (no OLE on the thread, no browser
// component) stays an empty white window.
bool RegisterWebPanelClass(HINSTANCE instance);

// Asks the browser in `panel` to load `url_ansi`, a URL in the ANSI code page.
// Returns at once, with what the control's Navigate returned; the page loads
// in the background of the thread's message loop. A panel without a browser,
// a destroyed window, a window of another class or of another thread gives
// an error and nothing else. Call on the thread that owns the panel.
HRESULT NavigateWebPanel(HWND panel, const std::string& url_ansi);

// S_OK when `panel` hosts a browser, else the error that left it without one:
// E_HANDLE for a window that is not a live panel, RPC_E_WRONG_THREAD for a
// panel of another thread.
HRESULT WebPanelBrowserState(HWND panel);

}  // namespace platform::win32
