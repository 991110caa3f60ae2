// The window classes of the dialog layer: a window object bound to a window
// of the backend, and the plain button.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ui/message_map.h"
#include "platform/ui/windowing.h"

namespace ui {

class CWnd : public WindowEvents {
 public:
  explicit CWnd(Windowing& windowing) : windowing_(windowing) {}
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // Binds this object to an existing window, so that its message table sees
  // the window's messages. A window object is bound to one window at most.
  void SubclassWindow(WindowRef window);
  // Ends the binding; the window stays.
  void UnsubclassWindow();
  // A handle on a window whose messages this object does not see.
  void Attach(WindowRef window);
  WindowRef GetSafeHwnd() const { return window_; }
  Windowing& windowing() const { return windowing_; }

  void SetWindowText(const std::string& text);
  std::string GetWindowText() const;
  bool EnableWindow(bool enable = true);  // true when it was disabled
  bool IsWindowEnabled() const;
  void ShowWindow(ShowCommand command);
  bool IsWindowVisible() const;
  void SetFocus();
  void Invalidate(bool erase = true);
  void InvalidateRect(const Rect* area, bool erase = true);
  Rect GetClientRect() const;
  void CenterWindow();
  void ModifyStyle(std::uint32_t remove, std::uint32_t add);
  void ModifyStyleEx(std::uint32_t remove, std::uint32_t add);
  std::uint32_t GetStyle() const;
  void SetIcon(int icon_id, bool big);
  bool PostMessage(unsigned id, std::uintptr_t wparam = 0, std::intptr_t lparam = 0);
  bool SetTimer(std::uintptr_t timer_id, unsigned period_ms);
  bool KillTimer(std::uintptr_t timer_id);
  // Without a caption, the box carries the application's name.
  int MessageBox(const std::string& text, const std::optional<std::string>& caption = {},
                 unsigned flags = kMbOk);
  void DestroyWindow();

  // WindowEvents: the message table of the object's class.
  bool OnWindowMessage(Message& message) override;
  bool OnControlColour(Message&, ColourAnswer&) override { return false; }
  bool PreTranslate(Message&) override { return false; }

  // Owner-drawn controls draw themselves when their dialog is asked to.
  virtual bool DrawItem(const Message& /*draw_item*/) { return false; }

  static const MessageMap& Map();
  virtual const MessageMap& GetMessageMap() const { return Map(); }

 protected:
  // Called when the window is gone: the object is then unbound.
  virtual void OnWindowGone() {}
  // The window the backend made for this object, which it has bound already.
  void AdoptCreatedWindow(WindowRef window);

 private:
  Windowing& windowing_;
  WindowRef window_ = 0;
  bool bound_ = false;
};

class CButton : public CWnd {
 public:
  using CWnd::CWnd;
  bool GetCheck() const;
  void SetCheck(bool checked);
};

}  // namespace ui
