// Real windows: dialogs from the executable's templates, driven through the
// dialog manager, with the program's objects behind their messages.
#pragma once

#include <map>
#include <memory>

#include "platform/ui/windowing.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {

// Lives on the UI thread, which runs every window made through it.
class Win32Windowing final : public ui::Windowing {
 public:
  Win32Windowing();
  ~Win32Windowing() override;
  Win32Windowing(const Win32Windowing&) = delete;
  Win32Windowing& operator=(const Win32Windowing&) = delete;

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
  ui::WindowRef GetFocus() override;
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
  std::string ApplicationName() override;
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
  void OpenInBrowser(const std::string& url) override;
  void RegisterApplicationRestart() override;

  struct DialogRecord;
  struct ControlRecord;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT id, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK ControlProc(HWND window, UINT id, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR subclass_id, DWORD_PTR data);
  HWND MakeDialog(int template_id, ui::WindowRef parent, std::unique_ptr<DialogRecord> record);
  // Hands one message of the modal loop to the dialog it is for.
  void Route(MSG& message);
  DialogRecord* RecordOf(HWND dialog) const;

  HINSTANCE module_;
  std::unique_ptr<DialogRecord> pending_;  // of the dialog being made
  std::map<HWND, std::unique_ptr<DialogRecord>> dialogs_;
  std::map<HWND, std::unique_ptr<ControlRecord>> controls_;
  std::map<ui::ImageListRef, bool> image_lists_;  // true: a list view owns it
};

}  // namespace platform::win32
