// Windows as plain structures, for tests: dialogs made from the program's
// resource script, with every state a user could see kept readable (texts,
// enabled and visible flags, checks, list rows, faces drawn, timers armed,
// message boxes shown). Nothing happens by itself: the test sends the user's
// actions and advances a virtual clock. Posted messages go through the UI
// queue given at construction, so they keep their order with worker outcomes.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/memory/resource_script.h"
#include "platform/threads.h"
#include "platform/ui/windowing.h"

namespace platform::memory {

struct MemoryListRow {
  std::vector<std::string> texts;  // by column
  int image = 0;
  unsigned state = 0;
};

struct MemoryList {
  std::vector<ui::ListColumn> columns;
  std::vector<MemoryListRow> rows;
  int selection_mark = -1;
  std::uint32_t extended_style = 0;
  ui::ImageListRef small_images = 0;
};

struct MemoryWindow {
  ui::WindowRef ref = 0;
  ui::WindowRef parent = 0;
  bool is_dialog = false;
  int template_id = 0;  // dialogs
  int control_id = 0;   // controls
  std::string class_name;
  std::string text;  // CP949
  std::uint32_t style = 0;
  std::uint32_t ex_style = 0;
  ui::Rect rect;  // in the parent's client area, pixels at the art's scale
  bool enabled = true;
  bool visible = false;
  bool minimised = false;
  bool checked = false;
  bool destroyed = false;
  bool tracking_leave = false;
  int big_icon = 0;
  int small_icon = 0;
  int centred = 0;  // CenterWindow calls
  std::vector<ui::WindowRef> children;  // controls, in tab order
  std::vector<std::string> system_menu_items;
  std::vector<std::string> navigations;  // web panels: URLs asked for
  int last_face_drawn = 0;               // owner-drawn buttons: bitmap id, 0 none
  std::vector<int> backgrounds_painted;  // dialogs: bitmap ids, one per paint
  MemoryList list;
  ui::WindowEvents* events = nullptr;
  bool modal_running = false;
  int modal_result = 0;
};

struct MemoryMessageBox {
  ui::WindowRef owner = 0;
  std::string text;     // CP949
  std::string caption;  // CP949
  unsigned flags = 0;
};

struct MemoryTimer {
  ui::WindowRef window = 0;
  std::uintptr_t id = 0;
  unsigned period_ms = 0;
  std::uint64_t due_ms = 0;
  std::uint64_t armed_order = 0;
};

struct Invalidation {
  ui::WindowRef window = 0;
  bool whole = true;
  ui::Rect area;
  bool erase = true;
};

class MemoryWindowing : public ui::Windowing {
 public:
  // `script` gives the templates, `art_folder` the folder the script's file
  // names are relative to (bitmap sizes are read from the files).
  MemoryWindowing(ResourceScript script, std::string art_folder, CodePages& codepages,
                  UiQueue& ui);
  ~MemoryWindowing() override;

  // --- what a user sees ---
  const MemoryWindow* Find(ui::WindowRef window) const;
  MemoryWindow* Find(ui::WindowRef window);
  // The live dialog of `template_id` made last, or 0.
  ui::WindowRef DialogOf(int template_id) const;
  ui::WindowRef Control(ui::WindowRef dialog, int control_id) const;
  const MemoryWindow& ControlState(ui::WindowRef dialog, int control_id) const;
  std::vector<MemoryMessageBox> message_boxes;
  std::vector<Invalidation> invalidations;
  std::vector<std::pair<ui::WindowRef, ui::Point>> moves_started;
  std::vector<std::string> browser_urls;
  int restart_registrations = 0;
  // Timers armed now, in the order armed.
  std::vector<MemoryTimer> ArmedTimers() const;
  std::uint64_t now_ms() const { return now_ms_; }
  // Bitmaps and brushes alive now.
  int live_bitmaps() const { return *live_bitmaps_; }
  int bitmaps_loaded() const { return *bitmaps_loaded_; }
  std::size_t live_brushes() const { return brushes_.size(); }
  std::size_t live_image_lists() const { return image_lists_.size(); }

  // --- what the test arranges ---
  // Answers of the message boxes to come, in order; IDOK once they run out.
  std::deque<int> message_box_answers;
  // Called when a dialog runs modally, after its initialisation. It may
  // drive the dialog and end it; a dialog still running when it returns is
  // ended with -1.
  std::function<void(ui::WindowRef dialog)> on_modal;
  // Called after each timer has fired in AdvanceTime (e.g. to run workers).
  std::function<void()> settle;
  std::set<int> missing_bitmaps;
  std::string application_name = "velmarVPN";

  // --- the user's actions ---
  // Types into a control: its text becomes `text` (CP949).
  void Type(ui::WindowRef dialog, int control_id, const std::string& text);
  // A click on a button: nothing when it is disabled or hidden; an automatic
  // radio button becomes the checked one of its group; then BN_CLICKED.
  void Click(ui::WindowRef dialog, int control_id);
  // WM_COMMAND as a menu or accelerator would send it.
  void SendCommand(ui::WindowRef window, int command_id);
  // WM_NOTIFY from a list view: NM_CLICK, NM_DBLCLK with the row hit.
  std::intptr_t NotifyList(ui::WindowRef dialog, int control_id, int code, int item);
  // A header item change of the list's columns, as the list forwards it;
  // true when the change went through (the dialog did not refuse it).
  bool TryResizeColumn(ui::WindowRef dialog, int list_id, int column, int width);
  // A key pressed while `focus` has the focus, through the owning dialog's
  // pre-translation and the dialog manager.
  void PressKey(ui::WindowRef focus, unsigned virtual_key);
  void Close(ui::WindowRef dialog);  // WM_CLOSE
  void SysCommand(ui::WindowRef dialog, unsigned command);
  void LButtonDown(ui::WindowRef window, ui::Point point);
  void MouseMove(ui::WindowRef window, ui::Point point);
  void MouseLeave(ui::WindowRef window);
  // WM_PAINT of the window.
  void Paint(ui::WindowRef window);
  // WM_DRAWITEM of an owner-drawn control, with ODS_* `state`; the face
  // drawn is the control's last_face_drawn, 0 when nothing was drawn.
  int Draw(ui::WindowRef dialog, int control_id, unsigned state);
  // WM_CTLCOLOR* of a control; `handled` tells whether the dialog answered.
  ui::ColourAnswer ControlColour(ui::WindowRef dialog, int control_id, ui::CtlColorKind kind,
                                 bool* handled);
  // Moves the virtual clock on, firing the timers that fall due in order.
  void AdvanceTime(std::uint64_t milliseconds);
  // Delivers a message at once, as SendMessage would.
  std::intptr_t Send(ui::WindowRef window, unsigned id, std::uintptr_t wparam,
                     std::intptr_t lparam);

  // --- ui::Windowing ---
  ui::WindowRef CreateDialogWindow(int template_id, ui::WindowRef parent,
                                   ui::WindowEvents* events) override;
  int RunModal(int template_id, ui::WindowRef parent, ui::WindowEvents* events) override;
  void EndModal(ui::WindowRef dialog, int result) override;
  bool IsModalRunning(ui::WindowRef dialog) override;
  void DestroyWindow(ui::WindowRef window) override;
  bool IsWindow(ui::WindowRef window) override;
  ui::WindowRef GetDlgItem(ui::WindowRef dialog, int control_id) override;
  void BindControl(ui::WindowRef control, ui::WindowEvents* events) override;
  bool IsDialogMessage(ui::WindowRef dialog, const ui::Message& message) override;
  void SetText(ui::WindowRef window, const std::string& text) override;
  std::string GetText(ui::WindowRef window) override;
  void Enable(ui::WindowRef window, bool enable) override;
  bool IsEnabled(ui::WindowRef window) override;
  void Show(ui::WindowRef window, ui::ShowCommand command) override;
  bool IsVisible(ui::WindowRef window) override;
  bool IsMinimised(ui::WindowRef window) override;
  void SetFocus(ui::WindowRef window) override;
  ui::WindowRef GetFocus() override { return focus_; }
  void CenterWindow(ui::WindowRef window) override;
  void ModifyStyle(ui::WindowRef window, std::uint32_t remove, std::uint32_t add) override;
  void ModifyStyleEx(ui::WindowRef window, std::uint32_t remove, std::uint32_t add) override;
  std::uint32_t GetStyle(ui::WindowRef window) override;
  std::uint32_t GetExStyle(ui::WindowRef window) override;
  ui::Rect GetClientRect(ui::WindowRef window) override;
  ui::Rect GetRectInParent(ui::WindowRef window) override;
  void Resize(ui::WindowRef window, ui::Size size) override;
  void Invalidate(ui::WindowRef window, const ui::Rect* area, bool erase) override;
  void SetIcon(ui::WindowRef window, int icon_id, bool big) override;
  bool GetCheck(ui::WindowRef button) override;
  void SetCheck(ui::WindowRef button, bool checked) override;
  std::vector<ui::WindowRef> RadioGroup(ui::WindowRef first) override;
  bool PostMessage(ui::WindowRef window, unsigned id, std::uintptr_t wparam,
                   std::intptr_t lparam) override;
  bool SetTimer(ui::WindowRef window, std::uintptr_t timer_id, unsigned period_ms) override;
  bool KillTimer(ui::WindowRef window, std::uintptr_t timer_id) override;
  int MessageBox(ui::WindowRef owner, const std::string& text, const std::string& caption,
                 unsigned flags) override;
  std::string ApplicationName() override { return application_name; }
  std::optional<std::string> LoadString(int string_id) override;
  void AppendSystemMenuItem(ui::WindowRef window, unsigned command_id,
                            const std::string& text) override;
  std::unique_ptr<ui::Bitmap> LoadBitmap(int bitmap_id) override;
  void PaintBackground(ui::WindowRef window, int bitmap_id) override;
  void DrawFace(const ui::Message& draw_item, const ui::Bitmap& face) override;
  void TrackMouseLeave(ui::WindowRef window) override;
  void StartMoveByCaption(ui::WindowRef window, ui::Point point) override;
  ui::BrushRef CreateSolidBrush(std::uint32_t colour) override;
  void DeleteBrush(ui::BrushRef brush) override;
  int ListInsertColumn(ui::WindowRef list, int column, const ui::ListColumn& spec) override;
  std::uint32_t ListGetExtendedStyle(ui::WindowRef list) override;
  void ListSetExtendedStyle(ui::WindowRef list, std::uint32_t style) override;
  void ListSetImageList(ui::WindowRef list, ui::ImageListRef images, int which) override;
  int ListInsertItem(ui::WindowRef list, int index, const std::string& text, int image) override;
  bool ListSetItem(ui::WindowRef list, int row, int column, const std::string& text,
                   int image) override;
  bool ListSetItemText(ui::WindowRef list, int row, int column,
                       const std::string& text) override;
  std::string ListGetItemText(ui::WindowRef list, int row, int column) override;
  bool ListDeleteItem(ui::WindowRef list, int row) override;
  bool ListDeleteAllItems(ui::WindowRef list) override;
  int ListGetItemCount(ui::WindowRef list) override;
  int ListGetSelectionMark(ui::WindowRef list) override;
  int ListSetSelectionMark(ui::WindowRef list, int row) override;
  bool ListSetItemState(ui::WindowRef list, int row, unsigned state, unsigned mask) override;
  unsigned ListGetItemState(ui::WindowRef list, int row, unsigned mask) override;
  ui::ImageListRef ImageListCreate(int cx, int cy, unsigned flags, int initial,
                                   int grow) override;
  int ImageListAddIcon(ui::ImageListRef images, int icon_id) override;
  void ImageListDestroy(ui::ImageListRef images) override;
  void NavigateWebPanel(ui::WindowRef panel, const std::string& url) override;
  void OpenInBrowser(const std::string& url) override { browser_urls.push_back(url); }
  void RegisterApplicationRestart() override { ++restart_registrations; }

 private:
  struct ImageList {
    int cx = 0, cy = 0;
    std::vector<int> icons;
    bool owned_by_list = false;
  };

  // Sends `message` to the window's object, then its default handling.
  bool Dispatch(ui::Message& message);
  void DefaultHandling(ui::Message& message);
  ui::Message MakeMessage(ui::WindowRef window, unsigned id, std::uintptr_t wparam,
                          std::intptr_t lparam) const;
  ui::WindowRef RootOf(ui::WindowRef window) const;
  MemoryList* ListOf(ui::WindowRef list);
  void DestroyTree(ui::WindowRef window);
  void FocusNextTabStop(ui::WindowRef dialog);

  ResourceScript script_;
  std::string art_folder_;
  CodePages& codepages_;
  UiQueue& ui_;
  std::map<ui::WindowRef, MemoryWindow> windows_;
  ui::WindowRef next_ref_ = 0x100;
  ui::WindowRef focus_ = 0;
  std::map<std::pair<ui::WindowRef, std::uintptr_t>, MemoryTimer> timers_;
  std::uint64_t now_ms_ = 0;
  std::uint64_t next_armed_order_ = 0;
  std::shared_ptr<int> live_bitmaps_ = std::make_shared<int>(0);
  std::shared_ptr<int> bitmaps_loaded_ = std::make_shared<int>(0);
  std::set<ui::BrushRef> brushes_;
  ui::BrushRef next_brush_ = 1;
  std::map<ui::ImageListRef, ImageList> image_lists_;
  ui::ImageListRef next_image_list_ = 1;
  // Cleared when the windowing goes, so that posted messages still queued
  // are dropped.
  std::shared_ptr<char> alive_ = std::make_shared<char>(0);
};

}  // namespace platform::memory
