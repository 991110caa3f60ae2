// Creates the program's dialogs from their templates in this executable's
// resources, for tests. The dialog procedure is a stand-in for the program's
// dialog layer: without a skin it does nothing, so a test sees each control
// exactly as the template made it; with a skin it paints the background
// bitmap and each owner-drawn button's normal face, enough for a screenshot.
#pragma once

#include <windows.h>

#include <map>

namespace gallery {

struct Skin {
  int background_id;
  std::map<int, int> faces;  // control id -> normal face bitmap id
  // Labels and radio buttons drawn over the picture: control id -> text
  // colour, CLR_INVALID to keep the system's.
  std::map<int, COLORREF> transparent;
};

// Where window creation stands on this machine. Under Wine a window needs an X
// display: without one, every CreateWindow fails, and the tests skip.
enum class Display { kUsable, kMissing };

// Registers what the main dialog's template needs besides the system
// controls: the list view class and the web panels' own class (here a plain
// child window with a white background, so a screenshot shows where the panels
// lie). Then checks that a top-level window can be created at all. Call once
// before creating any dialog; later calls return the first answer.
Display PrepareWindows();

// One modeless dialog, destroyed with this object. Created hidden unless the
// template says WS_VISIBLE. The skin, if any, must outlive the dialog.
class TemplateDialog {
 public:
  explicit TemplateDialog(int template_id, const Skin* skin = nullptr);
  ~TemplateDialog();
  TemplateDialog(const TemplateDialog&) = delete;
  TemplateDialog& operator=(const TemplateDialog&) = delete;

  HWND hwnd() const { return hwnd_; }
  DWORD creation_error() const { return creation_error_; }

 private:
  HWND hwnd_ = nullptr;
  DWORD creation_error_ = 0;
};

// The dialog of `template_id` without a skin, created on first use and kept
// until the process ends, for tests that only read it. It is never hidden nor
// destroyed: Wine's X11 driver hands a visible window with WS_EX_APPWINDOW or
// a caption to the window manager, and hiding or destroying it then waits
// 2 s for the manager's answer, which never comes under a bare Xvfb.
const TemplateDialog& SharedDialog(int template_id);

// Where `control` lies in `dialog`'s client area, as left, top, width, height.
RECT PlaceInClient(HWND dialog, HWND control);

// Dispatches the messages waiting for this thread, for about `milliseconds`,
// so that painting and the window manager's answers have happened.
void PumpMessages(DWORD milliseconds);

}  // namespace gallery
