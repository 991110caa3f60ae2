// OLE on the UI thread, for the ActiveX controls the dialogs host.
#pragma once

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// Made once on the UI thread at start, before any dialog, and kept until the
// last dialog is gone: a control that outlives the session is left without
// its apartment. Destroy it on the thread that made it.
//
// OleInitialize makes the thread a single-threaded apartment, which the
// WebBrowser control needs for in-place activation. When it fails (the
// thread already joined the multithreaded apartment, or the OS refuses) the
// program still runs; its web panels then stay blank.
class OleSession {
 public:
  OleSession();
  ~OleSession();
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

  // What OleInitialize returned: S_OK, S_FALSE when the thread already had
  // OLE (the session still counts once and ends its share), or the error.
  HRESULT result() const { return result_; }
  bool active() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

}  // namespace platform::win32
