// Message tables: which handler of a window class takes which command,
// notification or message. Each class keeps one static table that names the
// table of its base class, so a lookup walks from the class to its bases.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "platform/ui/windowing.h"

namespace ui {

class CWnd;

struct MessageEntry {
  unsigned message = 0;
  int control_id = 0;  // WM_COMMAND and WM_NOTIFY only
  int code = 0;        // WM_COMMAND and WM_NOTIFY only
  // True when the message is done with; false lets the default handling run
  // after the handler.
  std::function<bool(CWnd&, Message&)> handler;

  bool Matches(const Message& message) const;
};

class MessageMap {
 public:
  MessageMap(const MessageMap* base, std::vector<MessageEntry> entries)
      : base_(base), entries_(std::move(entries)) {}

  const MessageEntry* Find(const Message& message) const;

 private:
  const MessageMap* base_;
  std::vector<MessageEntry> entries_;
};

// Table entries for the handlers of class T, with the handler shapes the
// dialogs use. Each entry casts the window back to T.
template <class T>
struct On {
  // WM_COMMAND with `id` (a button click, a menu item or a posted command).
  static MessageEntry Command(int id, void (T::*handler)()) {
    return {kWmCommand, id, 0, [handler](CWnd& window, Message&) {
              (static_cast<T&>(window).*handler)();
              return true;
            }};
  }
  // WM_NOTIFY with `code` from control `id`; the handler sets message.result.
  static MessageEntry Notify(int code, int id, void (T::*handler)(Message&)) {
    return {kWmNotify, id, code, [handler](CWnd& window, Message& message) {
              (static_cast<T&>(window).*handler)(message);
              return true;
            }};
  }
  static MessageEntry Timer(void (T::*handler)(std::uintptr_t)) {
    return {kWmTimer, 0, 0, [handler](CWnd& window, Message& message) {
              (static_cast<T&>(window).*handler)(message.wparam);
              return true;
            }};
  }
  static MessageEntry Paint(void (T::*handler)()) {
    return {kWmPaint, 0, 0, [handler](CWnd& window, Message&) {
              (static_cast<T&>(window).*handler)();
              return true;
            }};
  }
  // The default handling of the press runs after the handler.
  static MessageEntry LButtonDown(void (T::*handler)(unsigned, Point)) {
    return {kWmLButtonDown, 0, 0, [handler](CWnd& window, Message& message) {
              (static_cast<T&>(window).*handler)(static_cast<unsigned>(message.wparam),
                                                  message.point);
              return false;
            }};
  }
  // The default handling of the move runs after the handler.
  static MessageEntry MouseMove(void (T::*handler)(unsigned, Point)) {
    return {kWmMouseMove, 0, 0, [handler](CWnd& window, Message& message) {
              (static_cast<T&>(window).*handler)(static_cast<unsigned>(message.wparam),
                                                  message.point);
              return false;
            }};
  }
  // The handler returns true when it has taken the command; the others go
  // to the default handling.
  static MessageEntry SysCommand(bool (T::*handler)(unsigned, std::intptr_t)) {
    return {kWmSysCommand, 0, 0, [handler](CWnd& window, Message& message) {
              return (static_cast<T&>(window).*handler)(static_cast<unsigned>(message.wparam),
                                                         message.lparam);
            }};
  }
  // Any message by number, answered with the handler's result.
  static MessageEntry Raw(unsigned id,
                              std::intptr_t (T::*handler)(std::uintptr_t, std::intptr_t)) {
    return {id, 0, 0, [handler](CWnd& window, Message& message) {
              message.result =
                  (static_cast<T&>(window).*handler)(message.wparam, message.lparam);
              return true;
            }};
  }
  // WM_WINDOWPOSCHANGING: the handler may edit the change's SWP_* flags; the
  // default handling then carries out what is left of the change.
  static MessageEntry WindowPosChanging(void (T::*handler)(std::uint32_t& flags)) {
    return {kWmWindowPosChanging, 0, 0, [handler](CWnd& window, Message& message) {
              if (message.position_flags != nullptr) {
                (static_cast<T&>(window).*handler)(*message.position_flags);
              }
              return false;
            }};
  }
  // A message by number whose handler takes no arguments and wants the
  // default handling afterwards (WM_DESTROY and the like).
  static MessageEntry Notice(unsigned id, void (T::*handler)()) {
    return {id, 0, 0, [handler](CWnd& window, Message&) {
              (static_cast<T&>(window).*handler)();
              return false;
            }};
  }
};

}  // namespace ui
