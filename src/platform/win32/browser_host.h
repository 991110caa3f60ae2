// One WebBrowser control hosted in a window of ours, without a framework.
#pragma once

#include <oaidl.h>
#include <ole2.h>

#include <string>

#include "platform/win32/browser_site.h"
#include "platform/win32/com_ref.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {

// The WebBrowser ActiveX control, in place in the client area of `panel`.
// Made, used and closed on the thread that owns the panel, which must be a
// single-threaded apartment (OleSession). When any step of the creation
// fails, the host holds no control and the panel stays as its own class
// paints it; result() tells which step's error it was.
class BrowserHost {
 public:
  explicit BrowserHost(HWND panel);
  ~BrowserHost();  // Close()
  BrowserHost(const BrowserHost&) = delete;
  BrowserHost& operator=(const BrowserHost&) = delete;

  // S_OK while the control is in place; the error of the failing creation
  // step otherwise, E_ABORT once closed.
  HRESULT result() const { return result_; }

  // Sets the control's rectangle to the panel's client area again.
  void FitToPanel();

  // Deactivates and closes the control without saving, then lets go of it
  // and of the site. Safe to call more than once.
  void Close();

  // The control's automation interface, with a reference of the caller's
  // own, so that a call through it stays valid even if the panel is
  // destroyed while the call runs. Empty when there is no control.
  ComRef<IDispatch> Automation() const { return automation_; }

 private:
  HRESULT Create();

  HWND panel_;
  HRESULT result_ = E_ABORT;
  BrowserSite* site_ = nullptr;  // one reference while the host has a control
  ComRef<IOleObject> object_;
  ComRef<IOleInPlaceObject> in_place_;
  ComRef<IDispatch> automation_;
};

// Asks the control behind `automation` to load `url`: IWebBrowser2's
// Navigate, called through IDispatch. Returns what Invoke returned; the
// page loads, or fails to, later and by itself.
HRESULT InvokeNavigate(IDispatch* automation, const std::wstring& url);

}  // namespace platform::win32
