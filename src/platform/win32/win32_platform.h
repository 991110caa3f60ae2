// The real backends of every port, one of each, for the Windows program.
#pragma once

#include "platform/platform.h"
#include "platform/win32/ole_session.h"
#include "platform/win32/win32_adapters.h"
#include "platform/win32/win32_codepages.h"
#include "platform/win32/win32_kernel.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_ras.h"
#include "platform/win32/win32_threads.h"
#include "platform/win32/win32_ui_queue.h"
#include "platform/win32/win32_windowing.h"
#include "platform/win32/wininet_http.h"

namespace platform::win32 {

// Made on the UI thread, once, and kept for the life of the program: the UI
// queue is bound to the thread that makes it, and workers may still post to it
// until the process ends. It also starts OLE on that thread and registers the
// web panels' window class for the executable, so that every dialog made
// while it exists gets working web panels; it must outlive those dialogs.
class Win32Platform {
 public:
  Win32Platform();
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  Platform& ports() { return ports_; }

  const OleSession& ole() const { return ole_; }
  // False when the panel class could not be registered: a dialog whose
  // template names it cannot be created then.
  bool web_panels_registered() const { return web_panels_registered_; }

 private:
  OleSession ole_;  // first made, last gone
  bool web_panels_registered_;
  Win32Kernel kernel_;
  WinInetHttp http_;
  Win32Profile profile_;
  Win32CodePages codepages_;
  Win32Threads threads_;
  Win32UiQueue ui_;
  Win32Ras ras_;
  Win32Adapters adapters_;
  Win32Windowing windowing_;
  Platform ports_{kernel_,  http_, profile_, codepages_, threads_,
                  ui_,      ras_,  adapters_, windowing_};
};

}  // namespace platform::win32
