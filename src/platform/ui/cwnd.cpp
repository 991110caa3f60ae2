#include "platform/ui/cwnd.h"

namespace ui {

bool MessageEntry::Matches(const Message& message) const {
  if (message.id != this->message) return false;
  if (message.id == kWmCommand || message.id == kWmNotify) {
    return message.control_id == control_id && message.code == code;
  }
  return true;
}

const MessageEntry* MessageMap::Find(const Message& message) const {
  for (const MessageMap* map = this; map != nullptr; map = map->base_) {
    for (const MessageEntry& entry : map->entries_) {
      if (entry.Matches(message)) return &entry;
    }
  }
  return nullptr;
}

CWnd::~CWnd() { UnsubclassWindow(); }

void CWnd::SubclassWindow(WindowRef window) {
  UnsubclassWindow();
  window_ = window;
  if (window_ == 0) return;
  windowing_.BindControl(window_, this);
  bound_ = true;
}

void CWnd::UnsubclassWindow() {
  if (bound_ && windowing_.IsWindow(window_)) windowing_.BindControl(window_, nullptr);
  window_ = 0;
  bound_ = false;
}

void CWnd::Attach(WindowRef window) {
  UnsubclassWindow();
  window_ = window;
}

void CWnd::AdoptCreatedWindow(WindowRef window) {
  window_ = window;
  bound_ = true;
}

void CWnd::SetWindowText(const std::string& text) { windowing_.SetText(window_, text); }
std::string CWnd::GetWindowText() const { return windowing_.GetText(window_); }

bool CWnd::EnableWindow(bool enable) {
  const bool was_disabled = !windowing_.IsEnabled(window_);
  windowing_.Enable(window_, enable);
  return was_disabled;
}

bool CWnd::IsWindowEnabled() const { return windowing_.IsEnabled(window_); }
void CWnd::ShowWindow(ShowCommand command) { windowing_.Show(window_, command); }
bool CWnd::IsWindowVisible() const { return windowing_.IsVisible(window_); }
void CWnd::SetFocus() { windowing_.SetFocus(window_); }
void CWnd::Invalidate(bool erase) { windowing_.Invalidate(window_, nullptr, erase); }

void CWnd::InvalidateRect(const Rect* area, bool erase) {
  windowing_.Invalidate(window_, area, erase);
}

Rect CWnd::GetClientRect() const { return windowing_.GetClientRect(window_); }
void CWnd::CenterWindow() { windowing_.CenterWindow(window_); }

void CWnd::ModifyStyle(std::uint32_t remove, std::uint32_t add) {
  windowing_.ModifyStyle(window_, remove, add);
}

void CWnd::ModifyStyleEx(std::uint32_t remove, std::uint32_t add) {
  windowing_.ModifyStyleEx(window_, remove, add);
}

std::uint32_t CWnd::GetStyle() const { return windowing_.GetStyle(window_); }
void CWnd::SetIcon(int icon_id, bool big) { windowing_.SetIcon(window_, icon_id, big); }

bool CWnd::PostMessage(unsigned id, std::uintptr_t wparam, std::intptr_t lparam) {
  return windowing_.PostMessage(window_, id, wparam, lparam);
}

bool CWnd::SetTimer(std::uintptr_t timer_id, unsigned period_ms) {
  return windowing_.SetTimer(window_, timer_id, period_ms);
}

bool CWnd::KillTimer(std::uintptr_t timer_id) { return windowing_.KillTimer(window_, timer_id); }

int CWnd::MessageBox(const std::string& text, const std::optional<std::string>& caption,
                     unsigned flags) {
  return windowing_.MessageBox(window_, text,
                               caption ? *caption : windowing_.ApplicationName(), flags);
}

void CWnd::DestroyWindow() {
  if (window_ != 0) windowing_.DestroyWindow(window_);
}

bool CWnd::OnWindowMessage(Message& message) {
  if (message.id == kWmNcDestroy) {
    window_ = 0;
    bound_ = false;
    OnWindowGone();
    return false;
  }
  const MessageEntry* entry = GetMessageMap().Find(message);
  return entry != nullptr && entry->handler(*this, message);
}

const MessageMap& CWnd::Map() {
  static const MessageMap map(nullptr, {});
  return map;
}

bool CButton::GetCheck() const { return windowing().GetCheck(GetSafeHwnd()); }
void CButton::SetCheck(bool checked) { windowing().SetCheck(GetSafeHwnd(), checked); }

}  // namespace ui
