// The window system as the dialog layer sees it: dialogs made from the
// program's templates, their controls, messages, timers, message boxes, list
// views, bitmaps and painting. Two backends: real windows (win32/) and plain
// structures a test can read (memory/).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/constants.h"

namespace ui {

// A window of the backend: a dialog or one of its controls. 0 is no window.
using WindowRef = std::uintptr_t;
using ImageListRef = std::uintptr_t;
using BrushRef = std::uintptr_t;

struct Point {
  int x = 0;
  int y = 0;
};

struct Size {
  int cx = 0;
  int cy = 0;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

// One message for a window, with what the backend has already read out of the
// structures some messages point to. Numbers and flags have the Windows values
// (constants.h).
struct Message {
  WindowRef window = 0;
  unsigned id = 0;
  std::uintptr_t wparam = 0;
  std::intptr_t lparam = 0;

  int control_id = 0;     // WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM
  int code = 0;           // command notification or WM_NOTIFY code
  int item = -1;          // NM_CLICK, NM_DBLCLK: the row hit, -1 for none
  bool header_has_item = false;  // HDN_*: the notification describes an item
  unsigned header_mask = 0;      // HDN_*: that item's mask (HDI_*)
  Point point;            // mouse messages, client coordinates, signed
  unsigned draw_state = 0;  // WM_DRAWITEM: ODS_* flags
  Rect draw_rect;           // WM_DRAWITEM: the item rectangle
  CtlColorKind colour_kind = CtlColorKind::kOther;  // WM_CTLCOLOR*
  // WM_WINDOWPOSCHANGING: the change's SWP_* flags, which a handler may edit.
  std::uint32_t* position_flags = nullptr;

  // The backend's own record of the message (a MSG, a DRAWITEMSTRUCT …), for
  // the calls below that hand it back; nullptr in the memory backend.
  const void* native = nullptr;
  const void* native_item = nullptr;

  std::intptr_t result = 0;
};

// What a control-colour handler answers: the colours to set on the control's
// device context and the brush to paint its background with.
struct ColourAnswer {
  enum class Brush { kDefault, kHollow, kOwn };
  Brush brush = Brush::kDefault;
  BrushRef own_brush = 0;                      // with kOwn
  std::optional<std::uint32_t> text_colour;    // RGB, as COLORREF
  bool transparent = false;                    // SetBkMode(TRANSPARENT)
};

// Receives the messages of one window: a dialog object, or a control the
// dialog layer has bound to an object.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  // True when handled (message.result holds the answer); false lets the
  // window's default handling run.
  virtual bool OnWindowMessage(Message& message) = 0;
  // The control-colour request of one of the window's controls.
  virtual bool OnControlColour(Message& message, ColourAnswer& answer) = 0;
  // Dialogs only: a message on its way to this dialog or one of its controls,
  // before the dialog manager sees it. True when the message is done with.
  virtual bool PreTranslate(Message& message) = 0;
};

// A bitmap resource loaded for drawing. Released when the object goes.
class Bitmap {
 public:
  virtual ~Bitmap() = default;
  virtual int resource_id() const = 0;
  virtual Size size() const = 0;
};

struct ListColumn {
  std::string heading;
  int format = 0;  // LVCFMT_*
  int width = 0;
};

class Windowing {
 public:
  virtual ~Windowing() = default;

  // --- dialogs ---
  // Creates the dialog of `template_id` as a modeless window; `events` gets
  // WM_INITDIALOG during the call. 0 when the template cannot be made.
  virtual WindowRef CreateDialogWindow(int template_id, WindowRef parent,
                                       WindowEvents* events) = 0;
  // Runs the dialog modally: returns the value given to EndModal, or -1 when
  // the dialog could not be made.
  virtual int RunModal(int template_id, WindowRef parent, WindowEvents* events) = 0;
  virtual void EndModal(WindowRef dialog, int result) = 0;
  virtual bool IsModalRunning(WindowRef dialog) = 0;
  virtual void DestroyWindow(WindowRef window) = 0;
  virtual bool IsWindow(WindowRef window) = 0;
  // The control of `dialog` with `control_id`, or 0.
  virtual WindowRef GetDlgItem(WindowRef dialog, int control_id) = 0;
  // Sends the control's messages to `events` first (nullptr to stop).
  virtual void BindControl(WindowRef control, WindowEvents* events) = 0;
  // The dialog manager's handling of a message being pre-translated.
  virtual bool IsDialogMessage(WindowRef dialog, const Message& message) = 0;

  // --- any window ---
  virtual void SetText(WindowRef window, const std::string& text) = 0;
  virtual std::string GetText(WindowRef window) = 0;
  virtual void Enable(WindowRef window, bool enable) = 0;
  virtual bool IsEnabled(WindowRef window) = 0;
  virtual void Show(WindowRef window, ShowCommand command) = 0;
  virtual bool IsVisible(WindowRef window) = 0;
  virtual bool IsMinimised(WindowRef window) = 0;
  virtual void SetFocus(WindowRef window) = 0;
  virtual WindowRef GetFocus() = 0;
  virtual void CenterWindow(WindowRef window) = 0;
  virtual void ModifyStyle(WindowRef window, std::uint32_t remove, std::uint32_t add) = 0;
  virtual void ModifyStyleEx(WindowRef window, std::uint32_t remove, std::uint32_t add) = 0;
  virtual std::uint32_t GetStyle(WindowRef window) = 0;
  virtual std::uint32_t GetExStyle(WindowRef window) = 0;
  virtual Rect GetClientRect(WindowRef window) = 0;
  // The window's rectangle in its parent's client coordinates.
  virtual Rect GetRectInParent(WindowRef window) = 0;
  // Resizes without moving, without repainting.
  virtual void Resize(WindowRef window, Size size) = 0;
  virtual void Invalidate(WindowRef window, const Rect* area, bool erase) = 0;
  virtual void SetIcon(WindowRef window, int icon_id, bool big) = 0;
  virtual bool GetCheck(WindowRef button) = 0;
  virtual void SetCheck(WindowRef button, bool checked) = 0;
  // The radio buttons of the group that starts at `first`, in tab order.
  virtual std::vector<WindowRef> RadioGroup(WindowRef first) = 0;

  // --- messages, timers, boxes ---
  virtual bool PostMessage(WindowRef window, unsigned id, std::uintptr_t wparam,
                           std::intptr_t lparam) = 0;
  virtual bool SetTimer(WindowRef window, std::uintptr_t timer_id, unsigned period_ms) = 0;
  virtual bool KillTimer(WindowRef window, std::uintptr_t timer_id) = 0;
  virtual int MessageBox(WindowRef owner, const std::string& text, const std::string& caption,
                         unsigned flags) = 0;
  // The executable's file name without its extension.
  virtual std::string ApplicationName() = 0;
  virtual std::optional<std::string> LoadString(int string_id) = 0;
  // Appends a separator and the item `command_id` with `text` to the window's
  // system menu.
  virtual void AppendSystemMenuItem(WindowRef window, unsigned command_id,
                                    const std::string& text) = 0;

  // --- skinned drawing ---
  virtual std::unique_ptr<Bitmap> LoadBitmap(int bitmap_id) = 0;
  // Inside WM_PAINT of `window`: paints the whole client area from the
  // top-left part of the bitmap, loaded for this paint and released after it.
  virtual void PaintBackground(WindowRef window, int bitmap_id) = 0;
  // Inside WM_DRAWITEM: copies the item rectangle's size of `face` from its
  // top-left corner to the item's top-left corner.
  virtual void DrawFace(const Message& draw_item, const Bitmap& face) = 0;
  // Asks for WM_MOUSELEAVE when the pointer leaves `window`.
  virtual void TrackMouseLeave(WindowRef window) = 0;
  // Hands the window to the system's move loop as though its caption had
  // been pressed at `point`.
  virtual void StartMoveByCaption(WindowRef window, Point point) = 0;
  virtual BrushRef CreateSolidBrush(std::uint32_t colour) = 0;
  virtual void DeleteBrush(BrushRef brush) = 0;

  // --- list views ---
  virtual int ListInsertColumn(WindowRef list, int column, const ListColumn& spec) = 0;
  virtual std::uint32_t ListGetExtendedStyle(WindowRef list) = 0;
  virtual void ListSetExtendedStyle(WindowRef list, std::uint32_t style) = 0;
  virtual void ListSetImageList(WindowRef list, ImageListRef images, int which) = 0;
  virtual int ListInsertItem(WindowRef list, int index, const std::string& text, int image) = 0;
  virtual bool ListSetItem(WindowRef list, int row, int column, const std::string& text,
                           int image) = 0;
  virtual bool ListSetItemText(WindowRef list, int row, int column, const std::string& text) = 0;
  virtual std::string ListGetItemText(WindowRef list, int row, int column) = 0;
  virtual bool ListDeleteItem(WindowRef list, int row) = 0;
  virtual bool ListDeleteAllItems(WindowRef list) = 0;
  virtual int ListGetItemCount(WindowRef list) = 0;
  virtual int ListGetSelectionMark(WindowRef list) = 0;
  virtual int ListSetSelectionMark(WindowRef list, int row) = 0;
  virtual bool ListSetItemState(WindowRef list, int row, unsigned state, unsigned mask) = 0;
  virtual unsigned ListGetItemState(WindowRef list, int row, unsigned mask) = 0;

  // --- image lists ---
  virtual ImageListRef ImageListCreate(int cx, int cy, unsigned flags, int initial,
                                       int grow) = 0;
  virtual int ImageListAddIcon(ImageListRef images, int icon_id) = 0;
  // Frees the list unless a list view has taken it over.
  virtual void ImageListDestroy(ImageListRef images) = 0;

  // --- web panels and the browser ---
  virtual void NavigateWebPanel(WindowRef panel, const std::string& url) = 0;
  // Opens `url` in the user's browser (the shell's "open"); not checked.
  virtual void OpenInBrowser(const std::string& url) = 0;

  // --- the application ---
  // Asks the system to restart the program after an update or a crash.
  virtual void RegisterApplicationRestart() = 0;
};

}  // namespace ui
