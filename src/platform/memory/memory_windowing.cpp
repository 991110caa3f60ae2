#include "platform/memory/memory_windowing.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace platform::memory {
namespace {

using ui::WindowRef;

// The art's scale: 9-point 굴림 at 96 DPI, 7 x 12 pixels of average character
// cell, so 1.75 pixels a horizontal and 1.5 a vertical dialog unit, rounded as
// the dialog manager rounds.
int PixelsX(int units) { return (units * 7 + 2) / 4; }
int PixelsY(int units) { return (units * 12 + 4) / 8; }

constexpr std::uint32_t kButtonTypeMask = 0xF;
constexpr std::uint32_t kBsPushButton = 0x0;
constexpr std::uint32_t kBsDefPushButton = 0x1;
constexpr std::uint32_t kBsRadioButton = 0x4;
constexpr std::uint32_t kBsAutoRadioButton = 0x9;
constexpr std::uint32_t kWsTabStop = 0x00010000;
constexpr unsigned kMinimumTimerPeriod = 10;  // USER_TIMER_MINIMUM

bool IsButtonOfType(const MemoryWindow& window, std::initializer_list<std::uint32_t> types) {
  if (window.class_name != "Button") return false;
  const std::uint32_t type = window.style & kButtonTypeMask;
  return std::find(types.begin(), types.end(), type) != types.end();
}

bool IsRadio(const MemoryWindow& window) {
  return IsButtonOfType(window, {kBsRadioButton, kBsAutoRadioButton});
}

std::int32_t ReadInt32(const char* bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes);
  return static_cast<std::int32_t>(std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) |
                                   (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24));
}

// Width and height from a BMP file's header, or nothing.
std::optional<ui::Size> BitmapFileSize(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  char header[26];
  if (!file.read(header, sizeof header) || header[0] != 'B' || header[1] != 'M') {
    return std::nullopt;
  }
  const std::int32_t height = ReadInt32(header + 22);
  return ui::Size{ReadInt32(header + 18), height < 0 ? -height : height};
}

class MemoryBitmap final : public ui::Bitmap {
 public:
  MemoryBitmap(int id, ui::Size size, std::shared_ptr<int> live)
      : id_(id), size_(size), live_(std::move(live)) {
    ++*live_;
  }
  ~MemoryBitmap() override { --*live_; }
  int resource_id() const override { return id_; }
  ui::Size size() const override { return size_; }

 private:
  int id_;
  ui::Size size_;
  std::shared_ptr<int> live_;
};

}  // namespace

MemoryWindowing::MemoryWindowing(ResourceScript script, std::string art_folder,
                                 CodePages& codepages, UiQueue& ui)
    : script_(std::move(script)),
      art_folder_(std::move(art_folder)),
      codepages_(codepages),
      ui_(ui) {}

MemoryWindowing::~MemoryWindowing() = default;

const MemoryWindow* MemoryWindowing::Find(WindowRef window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

MemoryWindow* MemoryWindowing::Find(WindowRef window) {
  const auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

WindowRef MemoryWindowing::DialogOf(int template_id) const {
  WindowRef last = 0;
  for (const auto& [ref, window] : windows_) {
    if (window.is_dialog && !window.destroyed && window.template_id == template_id) last = ref;
  }
  return last;
}

WindowRef MemoryWindowing::Control(WindowRef dialog, int control_id) const {
  const MemoryWindow* owner = Find(dialog);
  if (owner == nullptr) return 0;
  for (WindowRef child : owner->children) {
    if (Find(child)->control_id == control_id) return child;
  }
  return 0;
}

const MemoryWindow& MemoryWindowing::ControlState(WindowRef dialog, int control_id) const {
  const MemoryWindow* control = Find(Control(dialog, control_id));
  if (control == nullptr) {
    throw std::out_of_range("no control " + std::to_string(control_id) + " in the dialog");
  }
  return *control;
}

std::vector<MemoryTimer> MemoryWindowing::ArmedTimers() const {
  std::vector<MemoryTimer> armed;
  for (const auto& [key, timer] : timers_) armed.push_back(timer);
  std::sort(armed.begin(), armed.end(), [](const MemoryTimer& a, const MemoryTimer& b) {
    return a.armed_order < b.armed_order;
  });
  return armed;
}

// --- the user's actions ---

void MemoryWindowing::Type(WindowRef dialog, int control_id, const std::string& text) {
  if (MemoryWindow* control = Find(Control(dialog, control_id))) control->text = text;
}

void MemoryWindowing::Click(WindowRef dialog, int control_id) {
  MemoryWindow* control = Find(Control(dialog, control_id));
  const MemoryWindow* owner = Find(dialog);
  if (control == nullptr || !control->enabled || !control->visible || !owner->enabled) return;
  if (IsButtonOfType(*control, {kBsAutoRadioButton})) {
    for (WindowRef sibling : owner->children) {
      MemoryWindow& other = windows_.at(sibling);
      if (IsRadio(other)) {
        const std::vector<WindowRef> group = RadioGroup(sibling);
        if (std::find(group.begin(), group.end(), control->ref) != group.end()) {
          for (WindowRef member : group) windows_.at(member).checked = member == control->ref;
          break;
        }
      }
    }
  }
  focus_ = control->ref;
  SendCommand(dialog, control_id);
}

void MemoryWindowing::SendCommand(WindowRef window, int command_id) {
  ui::Message message =
      MakeMessage(window, ui::kWmCommand, static_cast<std::uint16_t>(command_id), 0);
  Dispatch(message);
}

std::intptr_t MemoryWindowing::NotifyList(WindowRef dialog, int control_id, int code, int item) {
  ui::Message message = MakeMessage(dialog, ui::kWmNotify, 0, 0);
  message.control_id = control_id;
  message.code = code;
  message.item = item;
  Dispatch(message);
  return message.result;
}

bool MemoryWindowing::TryResizeColumn(WindowRef dialog, int list_id, int column, int width) {
  MemoryList* list = ListOf(Control(dialog, list_id));
  if (list == nullptr || column < 0 || column >= static_cast<int>(list->columns.size())) {
    return false;
  }
  ui::Message message = MakeMessage(dialog, ui::kWmNotify, 0, 0);
  message.control_id = 0;  // the header's id
  message.code = ui::kHdnItemChangingA;
  message.header_has_item = true;
  message.header_mask = ui::kHdiWidth;
  Dispatch(message);
  if (message.result != 0) return false;
  list->columns[static_cast<std::size_t>(column)].width = width;
  return true;
}

void MemoryWindowing::PressKey(WindowRef focus, unsigned virtual_key) {
  const WindowRef root = RootOf(focus);
  MemoryWindow* dialog = Find(root);
  if (dialog == nullptr) return;
  ui::Message message = MakeMessage(focus, ui::kWmKeyDown, virtual_key, 0);
  if (dialog->events != nullptr) {
    dialog->events->PreTranslate(message);
  } else {
    IsDialogMessage(root, message);
  }
}

void MemoryWindowing::Close(WindowRef dialog) { Send(dialog, ui::kWmClose, 0, 0); }

void MemoryWindowing::SysCommand(WindowRef dialog, unsigned command) {
  Send(dialog, ui::kWmSysCommand, command, 0);
}

void MemoryWindowing::LButtonDown(WindowRef window, ui::Point point) {
  ui::Message message = MakeMessage(window, ui::kWmLButtonDown, 0, 0);
  message.point = point;
  Dispatch(message);
}

void MemoryWindowing::MouseMove(WindowRef window, ui::Point point) {
  ui::Message message = MakeMessage(window, ui::kWmMouseMove, 0, 0);
  message.point = point;
  Dispatch(message);
}

void MemoryWindowing::MouseLeave(WindowRef window) {
  MemoryWindow* target = Find(window);
  // The system reports leaving only to a window that asked for it, once.
  if (target == nullptr || !target->tracking_leave) return;
  target->tracking_leave = false;
  Send(window, ui::kWmMouseLeave, 0, 0);
}

void MemoryWindowing::Paint(WindowRef window) { Send(window, ui::kWmPaint, 0, 0); }

int MemoryWindowing::Draw(WindowRef dialog, int control_id, unsigned state) {
  MemoryWindow* control = Find(Control(dialog, control_id));
  if (control == nullptr) return 0;
  control->last_face_drawn = 0;
  ui::Message message = MakeMessage(dialog, ui::kWmDrawItem, static_cast<unsigned>(control_id),
                                    static_cast<std::intptr_t>(control->ref));
  message.control_id = control_id;
  message.draw_state = state;
  message.draw_rect = ui::Rect{0, 0, control->rect.width(), control->rect.height()};
  Dispatch(message);
  return control->last_face_drawn;
}

ui::ColourAnswer MemoryWindowing::ControlColour(WindowRef dialog, int control_id,
                                                ui::CtlColorKind kind, bool* handled) {
  ui::ColourAnswer answer;
  *handled = false;
  MemoryWindow* owner = Find(dialog);
  if (owner == nullptr || owner->events == nullptr) return answer;
  ui::Message message = MakeMessage(dialog, ui::kWmCtlColor, 0, 0);
  message.control_id = control_id;
  message.colour_kind = kind;
  *handled = owner->events->OnControlColour(message, answer);
  return answer;
}

void MemoryWindowing::AdvanceTime(std::uint64_t milliseconds) {
  const std::uint64_t target = now_ms_ + milliseconds;
  for (;;) {
    const MemoryTimer* next = nullptr;
    for (const auto& [key, timer] : timers_) {
      if (timer.due_ms > target) continue;
      if (next == nullptr || timer.due_ms < next->due_ms ||
          (timer.due_ms == next->due_ms && timer.armed_order < next->armed_order)) {
        next = &timer;
      }
    }
    if (next == nullptr) break;
    MemoryTimer& due = timers_.at({next->window, next->id});
    now_ms_ = due.due_ms;
    due.due_ms += due.period_ms;
    const WindowRef window = due.window;
    const std::uintptr_t id = due.id;
    Send(window, ui::kWmTimer, id, 0);
    if (settle) settle();
  }
  now_ms_ = target;
}

std::intptr_t MemoryWindowing::Send(WindowRef window, unsigned id, std::uintptr_t wparam,
                                    std::intptr_t lparam) {
  ui::Message message = MakeMessage(window, id, wparam, lparam);
  Dispatch(message);
  return message.result;
}

ui::Message MemoryWindowing::MakeMessage(WindowRef window, unsigned id, std::uintptr_t wparam,
                                         std::intptr_t lparam) const {
  ui::Message message;
  message.window = window;
  message.id = id;
  message.wparam = wparam;
  message.lparam = lparam;
  if (id == ui::kWmCommand) {
    message.control_id = static_cast<int>(wparam & 0xFFFF);
    message.code = static_cast<int>((wparam >> 16) & 0xFFFF);
  }
  return message;
}

bool MemoryWindowing::Dispatch(ui::Message& message) {
  MemoryWindow* target = Find(message.window);
  if (target == nullptr || target->destroyed) return false;
  const bool handled =
      target->events != nullptr && target->events->OnWindowMessage(message);
  if (!handled) DefaultHandling(message);
  return handled;
}

// What the system's dialog and window procedures do with what the program's
// objects leave to them.
void MemoryWindowing::DefaultHandling(ui::Message& message) {
  const MemoryWindow* target = Find(message.window);
  if (target == nullptr || !target->is_dialog) return;
  if (message.id == ui::kWmClose) {
    SendCommand(message.window, ui::kIdCancel);
  } else if (message.id == ui::kWmSysCommand && (message.wparam & 0xFFF0) == ui::kScClose) {
    Send(message.window, ui::kWmClose, 0, 0);
  }
}

WindowRef MemoryWindowing::RootOf(WindowRef window) const {
  const MemoryWindow* at = Find(window);
  while (at != nullptr && !at->is_dialog) at = Find(at->parent);
  return at != nullptr ? at->ref : 0;
}

MemoryList* MemoryWindowing::ListOf(WindowRef list) {
  MemoryWindow* window = Find(list);
  if (window == nullptr || window->destroyed || window->class_name != "SysListView32") {
    return nullptr;
  }
  return &window->list;
}

void MemoryWindowing::FocusNextTabStop(WindowRef dialog) {
  const MemoryWindow* owner = Find(dialog);
  if (owner == nullptr || owner->children.empty()) return;
  const auto& children = owner->children;
  const auto current = std::find(children.begin(), children.end(), focus_);
  std::size_t start = current == children.end() ? children.size() - 1
                                                : static_cast<std::size_t>(current - children.begin());
  for (std::size_t step = 1; step <= children.size(); ++step) {
    const MemoryWindow& next = windows_.at(children[(start + step) % children.size()]);
    if ((next.style & kWsTabStop) != 0 && next.enabled && next.visible) {
      focus_ = next.ref;
      return;
    }
  }
}

// --- ui::Windowing ---

WindowRef MemoryWindowing::CreateDialogWindow(int template_id, WindowRef parent,
                                              ui::WindowEvents* events) {
  const auto found = script_.dialogs.find(template_id);
  if (found == script_.dialogs.end()) return 0;
  const DialogTemplate& layout = found->second;
  MemoryWindow dialog;
  dialog.ref = next_ref_++;
  dialog.parent = parent;
  dialog.is_dialog = true;
  dialog.template_id = template_id;
  dialog.text = codepages_.Utf8ToAnsi(layout.caption);
  dialog.style = layout.style & ~ui::kWsVisible;
  dialog.ex_style = layout.ex_style;
  dialog.rect = ui::Rect{0, 0, PixelsX(layout.width), PixelsY(layout.height)};
  dialog.events = events;
  for (const ControlTemplate& item : layout.controls) {
    MemoryWindow control;
    control.ref = next_ref_++;
    control.parent = dialog.ref;
    control.control_id = item.id;
    control.class_name = item.class_name;
    control.text = codepages_.Utf8ToAnsi(item.text);
    control.style = item.style;
    control.enabled = (item.style & ui::kWsDisabled) == 0;
    control.visible = (item.style & ui::kWsVisible) != 0;
    control.rect = ui::Rect{PixelsX(item.x), PixelsY(item.y), PixelsX(item.x + item.width),
                            PixelsY(item.y + item.height)};
    dialog.children.push_back(control.ref);
    windows_[control.ref] = std::move(control);
  }
  const WindowRef ref = dialog.ref;
  windows_[ref] = std::move(dialog);

  ui::Message init = MakeMessage(ref, ui::kWmInitDialog, 0, 0);
  const bool handled = events != nullptr && events->OnWindowMessage(init);
  MemoryWindow* made = Find(ref);
  if (made->destroyed) return 0;
  if (!handled || init.result != 0) {
    focus_ = 0;
    FocusNextTabStop(ref);
  }
  if ((layout.style & ui::kWsVisible) != 0) {
    made->visible = true;
    made->style |= ui::kWsVisible;
  }
  return ref;
}

int MemoryWindowing::RunModal(int template_id, WindowRef parent, ui::WindowEvents* events) {
  const WindowRef dialog = CreateDialogWindow(template_id, parent, events);
  if (dialog == 0) return -1;
  MemoryWindow* owner = Find(parent);
  const bool owner_was_enabled = owner != nullptr && owner->enabled;
  if (owner != nullptr) owner->enabled = false;
  Find(dialog)->modal_running = true;
  Show(dialog, ui::ShowCommand::kShow);
  if (on_modal) on_modal(dialog);
  if (IsModalRunning(dialog)) EndModal(dialog, -1);
  const int result = Find(dialog)->modal_result;
  if (MemoryWindow* still_owner = Find(parent)) still_owner->enabled = owner_was_enabled;
  DestroyWindow(dialog);
  return result;
}

void MemoryWindowing::EndModal(WindowRef dialog, int result) {
  MemoryWindow* window = Find(dialog);
  if (window == nullptr || !window->modal_running) return;
  window->modal_running = false;
  window->modal_result = result;
  window->visible = false;
}

bool MemoryWindowing::IsModalRunning(WindowRef dialog) {
  const MemoryWindow* window = Find(dialog);
  return window != nullptr && !window->destroyed && window->modal_running;
}

void MemoryWindowing::DestroyWindow(WindowRef window) {
  MemoryWindow* target = Find(window);
  if (target == nullptr || target->destroyed) return;
  DestroyTree(window);
}

void MemoryWindowing::DestroyTree(WindowRef window) {
  // Owned dialogs go first, as the system destroys owned windows before
  // their owner.
  std::vector<WindowRef> owned;
  for (const auto& [ref, other] : windows_) {
    if (other.is_dialog && !other.destroyed && other.parent == window) owned.push_back(ref);
  }
  for (WindowRef ref : owned) DestroyTree(ref);
  MemoryWindow* target = Find(window);
  if (target == nullptr || target->destroyed) return;
  Send(window, ui::kWmDestroy, 0, 0);
  for (WindowRef child : std::vector<WindowRef>(Find(window)->children)) DestroyTree(child);
  Send(window, ui::kWmNcDestroy, 0, 0);
  target = Find(window);
  target->destroyed = true;
  target->visible = false;
  target->events = nullptr;
  if (target->list.small_images != 0) image_lists_.erase(target->list.small_images);
  for (auto timer = timers_.begin(); timer != timers_.end();) {
    timer = timer->first.first == window ? timers_.erase(timer) : std::next(timer);
  }
  if (focus_ == window) focus_ = 0;
}

bool MemoryWindowing::IsWindow(WindowRef window) {
  const MemoryWindow* target = Find(window);
  return target != nullptr && !target->destroyed;
}

WindowRef MemoryWindowing::GetDlgItem(WindowRef dialog, int control_id) {
  return IsWindow(dialog) ? Control(dialog, control_id) : 0;
}

void MemoryWindowing::BindControl(WindowRef control, ui::WindowEvents* events) {
  if (MemoryWindow* target = Find(control)) target->events = events;
}

// The dialog manager's keys: Enter presses the focused push button, or the
// default command; Escape cancels; Tab moves the focus on.
bool MemoryWindowing::IsDialogMessage(WindowRef dialog, const ui::Message& message) {
  if (message.id != ui::kWmKeyDown || !IsWindow(dialog)) return false;
  switch (message.wparam) {
    case ui::kVkReturn: {
      const MemoryWindow* focused = Find(focus_);
      const bool on_push_button = focused != nullptr && focused->parent == dialog &&
                                  IsButtonOfType(*focused, {kBsPushButton, kBsDefPushButton});
      SendCommand(dialog, on_push_button ? focused->control_id : ui::kIdOk);
      return true;
    }
    case ui::kVkEscape:
      SendCommand(dialog, ui::kIdCancel);
      return true;
    case ui::kVkTab:
      FocusNextTabStop(dialog);
      return true;
    default:
      return false;
  }
}

void MemoryWindowing::SetText(WindowRef window, const std::string& text) {
  if (MemoryWindow* target = Find(window)) target->text = text;
}

std::string MemoryWindowing::GetText(WindowRef window) {
  const MemoryWindow* target = Find(window);
  return target != nullptr ? target->text : std::string();
}

void MemoryWindowing::Enable(WindowRef window, bool enable) {
  if (MemoryWindow* target = Find(window)) target->enabled = enable;
}

bool MemoryWindowing::IsEnabled(WindowRef window) {
  const MemoryWindow* target = Find(window);
  return target != nullptr && target->enabled;
}

void MemoryWindowing::Show(WindowRef window, ui::ShowCommand command) {
  MemoryWindow* target = Find(window);
  if (target == nullptr || target->destroyed) return;
  if (command != ui::ShowCommand::kHide && !target->visible) {
    // The window is asked first, and may keep itself hidden.
    std::uint32_t flags = ui::kSwpShowWindow;
    ui::Message change = MakeMessage(window, ui::kWmWindowPosChanging, 0, 0);
    change.position_flags = &flags;
    Dispatch(change);
    target = Find(window);
    if ((flags & ui::kSwpShowWindow) == 0) return;
  }
  switch (command) {
    case ui::ShowCommand::kHide:
      target->visible = false;
      break;
    case ui::ShowCommand::kShow:
      target->visible = true;
      break;
    case ui::ShowCommand::kMinimise:
      target->visible = true;
      target->minimised = true;
      break;
    case ui::ShowCommand::kRestore:
      target->visible = true;
      target->minimised = false;
      break;
  }
  if (target->visible) {
    target->style |= ui::kWsVisible;
  } else {
    target->style &= ~ui::kWsVisible;
  }
}

bool MemoryWindowing::IsVisible(WindowRef window) {
  const MemoryWindow* target = Find(window);
  return target != nullptr && target->visible;
}

bool MemoryWindowing::IsMinimised(WindowRef window) {
  const MemoryWindow* target = Find(window);
  return target != nullptr && target->minimised;
}

void MemoryWindowing::SetFocus(WindowRef window) {
  if (IsWindow(window)) focus_ = window;
}

void MemoryWindowing::CenterWindow(WindowRef window) {
  if (MemoryWindow* target = Find(window)) ++target->centred;
}

void MemoryWindowing::ModifyStyle(WindowRef window, std::uint32_t remove, std::uint32_t add) {
  if (MemoryWindow* target = Find(window)) target->style = (target->style & ~remove) | add;
}

void MemoryWindowing::ModifyStyleEx(WindowRef window, std::uint32_t remove, std::uint32_t add) {
  if (MemoryWindow* target = Find(window)) target->ex_style = (target->ex_style & ~remove) | add;
}

std::uint32_t MemoryWindowing::GetStyle(WindowRef window) {
  const MemoryWindow* target = Find(window);
  return target != nullptr ? target->style : 0;
}

std::uint32_t MemoryWindowing::GetExStyle(WindowRef window) {
  const MemoryWindow* target = Find(window);
  return target != nullptr ? target->ex_style : 0;
}

ui::Rect MemoryWindowing::GetClientRect(WindowRef window) {
  const MemoryWindow* target = Find(window);
  if (target == nullptr) return {};
  return ui::Rect{0, 0, target->rect.width(), target->rect.height()};
}

ui::Rect MemoryWindowing::GetRectInParent(WindowRef window) {
  const MemoryWindow* target = Find(window);
  return target != nullptr ? target->rect : ui::Rect{};
}

void MemoryWindowing::Resize(WindowRef window, ui::Size size) {
  if (MemoryWindow* target = Find(window)) {
    target->rect.right = target->rect.left + size.cx;
    target->rect.bottom = target->rect.top + size.cy;
  }
}

void MemoryWindowing::Invalidate(WindowRef window, const ui::Rect* area, bool erase) {
  if (!IsWindow(window)) return;
  invalidations.push_back(
      Invalidation{window, area == nullptr, area != nullptr ? *area : ui::Rect{}, erase});
}

void MemoryWindowing::SetIcon(WindowRef window, int icon_id, bool big) {
  MemoryWindow* target = Find(window);
  if (target == nullptr || script_.icon_files.count(icon_id) == 0) return;
  (big ? target->big_icon : target->small_icon) = icon_id;
}

bool MemoryWindowing::GetCheck(WindowRef button) {
  const MemoryWindow* target = Find(button);
  return target != nullptr && target->checked;
}

void MemoryWindowing::SetCheck(WindowRef button, bool checked) {
  if (MemoryWindow* target = Find(button)) target->checked = checked;
}

std::vector<WindowRef> MemoryWindowing::RadioGroup(WindowRef first) {
  std::vector<WindowRef> group;
  const MemoryWindow* start = Find(first);
  const MemoryWindow* owner = start != nullptr ? Find(start->parent) : nullptr;
  if (owner == nullptr) return group;
  const auto& children = owner->children;
  auto at = std::find(children.begin(), children.end(), first);
  for (; at != children.end(); ++at) {
    const MemoryWindow& member = windows_.at(*at);
    if (*at != first && (member.style & ui::kWsGroup) != 0) break;
    if (IsRadio(member)) group.push_back(*at);
  }
  return group;
}

bool MemoryWindowing::PostMessage(WindowRef window, unsigned id, std::uintptr_t wparam,
                                  std::intptr_t lparam) {
  if (!IsWindow(window)) return false;
  std::weak_ptr<char> alive = alive_;
  ui_.Post([this, alive, window, id, wparam, lparam] {
    if (alive.expired() || !IsWindow(window)) return;
    Send(window, id, wparam, lparam);
  });
  return true;
}

bool MemoryWindowing::SetTimer(WindowRef window, std::uintptr_t timer_id, unsigned period_ms) {
  if (!IsWindow(window)) return false;
  const unsigned period = std::max(period_ms, kMinimumTimerPeriod);
  timers_[{window, timer_id}] =
      MemoryTimer{window, timer_id, period, now_ms_ + period, next_armed_order_++};
  return true;
}

bool MemoryWindowing::KillTimer(WindowRef window, std::uintptr_t timer_id) {
  return timers_.erase({window, timer_id}) != 0;
}

int MemoryWindowing::MessageBox(WindowRef owner, const std::string& text,
                                const std::string& caption, unsigned flags) {
  message_boxes.push_back(MemoryMessageBox{owner, text, caption, flags});
  if (message_box_answers.empty()) return ui::kIdOk;
  const int answer = message_box_answers.front();
  message_box_answers.pop_front();
  return answer;
}

std::optional<std::string> MemoryWindowing::LoadString(int string_id) {
  const auto found = script_.strings.find(string_id);
  if (found == script_.strings.end()) return std::nullopt;
  return codepages_.Utf8ToAnsi(found->second);
}

void MemoryWindowing::AppendSystemMenuItem(WindowRef window, unsigned /*command_id*/,
                                           const std::string& text) {
  if (MemoryWindow* target = Find(window)) target->system_menu_items.push_back(text);
}

std::unique_ptr<ui::Bitmap> MemoryWindowing::LoadBitmap(int bitmap_id) {
  const auto file = script_.bitmap_files.find(bitmap_id);
  if (file == script_.bitmap_files.end() || missing_bitmaps.count(bitmap_id) != 0) return nullptr;
  const std::optional<ui::Size> size = BitmapFileSize(art_folder_ + "/" + file->second);
  if (!size) return nullptr;
  ++*bitmaps_loaded_;
  return std::make_unique<MemoryBitmap>(bitmap_id, *size, live_bitmaps_);
}

void MemoryWindowing::PaintBackground(WindowRef window, int bitmap_id) {
  MemoryWindow* target = Find(window);
  if (target == nullptr) return;
  const std::unique_ptr<ui::Bitmap> background = LoadBitmap(bitmap_id);
  if (background) target->backgrounds_painted.push_back(bitmap_id);
}

void MemoryWindowing::DrawFace(const ui::Message& draw_item, const ui::Bitmap& face) {
  if (MemoryWindow* control = Find(static_cast<WindowRef>(draw_item.lparam))) {
    control->last_face_drawn = face.resource_id();
  }
}

void MemoryWindowing::TrackMouseLeave(WindowRef window) {
  if (MemoryWindow* target = Find(window)) target->tracking_leave = true;
}

void MemoryWindowing::StartMoveByCaption(WindowRef window, ui::Point point) {
  moves_started.emplace_back(window, point);
}

ui::BrushRef MemoryWindowing::CreateSolidBrush(std::uint32_t /*colour*/) {
  const ui::BrushRef brush = next_brush_++;
  brushes_.insert(brush);
  return brush;
}

void MemoryWindowing::DeleteBrush(ui::BrushRef brush) { brushes_.erase(brush); }

int MemoryWindowing::ListInsertColumn(WindowRef list, int column, const ui::ListColumn& spec) {
  MemoryList* state = ListOf(list);
  if (state == nullptr || column < 0) return -1;
  const int at = std::min(column, static_cast<int>(state->columns.size()));
  state->columns.insert(state->columns.begin() + at, spec);
  return at;
}

std::uint32_t MemoryWindowing::ListGetExtendedStyle(WindowRef list) {
  const MemoryList* state = ListOf(list);
  return state != nullptr ? state->extended_style : 0;
}

void MemoryWindowing::ListSetExtendedStyle(WindowRef list, std::uint32_t style) {
  if (MemoryList* state = ListOf(list)) state->extended_style = style;
}

void MemoryWindowing::ListSetImageList(WindowRef list, ui::ImageListRef images, int which) {
  MemoryList* state = ListOf(list);
  if (state == nullptr || which != ui::kLvsilSmall) return;
  state->small_images = images;
  const auto found = image_lists_.find(images);
  if (found != image_lists_.end()) found->second.owned_by_list = true;
}

int MemoryWindowing::ListInsertItem(WindowRef list, int index, const std::string& text,
                                    int image) {
  MemoryList* state = ListOf(list);
  if (state == nullptr || index < 0) return -1;
  const int at = std::min(index, static_cast<int>(state->rows.size()));
  state->rows.insert(state->rows.begin() + at, MemoryListRow{{text}, image, 0});
  if (state->selection_mark >= at) ++state->selection_mark;
  return at;
}

bool MemoryWindowing::ListSetItem(WindowRef list, int row, int column, const std::string& text,
                                  int image) {
  if (!ListSetItemText(list, row, column, text)) return false;
  // Only the item itself carries an image; sub-items ignore it.
  if (column == 0) ListOf(list)->rows[static_cast<std::size_t>(row)].image = image;
  return true;
}

bool MemoryWindowing::ListSetItemText(WindowRef list, int row, int column,
                                      const std::string& text) {
  MemoryList* state = ListOf(list);
  if (state == nullptr || row < 0 || row >= static_cast<int>(state->rows.size()) || column < 0 ||
      column >= std::max<int>(1, static_cast<int>(state->columns.size()))) {
    return false;
  }
  auto& texts = state->rows[static_cast<std::size_t>(row)].texts;
  if (texts.size() <= static_cast<std::size_t>(column)) texts.resize(column + 1);
  texts[static_cast<std::size_t>(column)] = text;
  return true;
}

std::string MemoryWindowing::ListGetItemText(WindowRef list, int row, int column) {
  const MemoryList* state = ListOf(list);
  if (state == nullptr || row < 0 || row >= static_cast<int>(state->rows.size()) || column < 0) {
    return {};
  }
  const auto& texts = state->rows[static_cast<std::size_t>(row)].texts;
  return static_cast<std::size_t>(column) < texts.size() ? texts[column] : std::string();
}

bool MemoryWindowing::ListDeleteItem(WindowRef list, int row) {
  MemoryList* state = ListOf(list);
  if (state == nullptr || row < 0 || row >= static_cast<int>(state->rows.size())) return false;
  state->rows.erase(state->rows.begin() + row);
  if (state->selection_mark == row) {
    state->selection_mark = -1;
  } else if (state->selection_mark > row) {
    --state->selection_mark;
  }
  return true;
}

bool MemoryWindowing::ListDeleteAllItems(WindowRef list) {
  MemoryList* state = ListOf(list);
  if (state == nullptr) return false;
  state->rows.clear();
  state->selection_mark = -1;
  return true;
}

int MemoryWindowing::ListGetItemCount(WindowRef list) {
  const MemoryList* state = ListOf(list);
  return state != nullptr ? static_cast<int>(state->rows.size()) : 0;
}

int MemoryWindowing::ListGetSelectionMark(WindowRef list) {
  const MemoryList* state = ListOf(list);
  return state != nullptr ? state->selection_mark : -1;
}

int MemoryWindowing::ListSetSelectionMark(WindowRef list, int row) {
  MemoryList* state = ListOf(list);
  if (state == nullptr) return -1;
  const int previous = state->selection_mark;
  state->selection_mark = row;
  return previous;
}

bool MemoryWindowing::ListSetItemState(WindowRef list, int row, unsigned state,
                                       unsigned mask) {
  MemoryList* list_state = ListOf(list);
  if (list_state == nullptr || row < -1 || row >= static_cast<int>(list_state->rows.size())) {
    return false;
  }
  auto apply = [&](int index) {
    MemoryListRow& target = list_state->rows[static_cast<std::size_t>(index)];
    target.state = (target.state & ~mask) | (state & mask);
  };
  // One row at most is selected in a single-selection list, one focused in
  // any list.
  auto clear_others = [&](unsigned flag) {
    if ((mask & flag) == 0 || (state & flag) == 0 || row < 0) return;
    for (std::size_t other = 0; other < list_state->rows.size(); ++other) {
      if (static_cast<int>(other) != row) list_state->rows[other].state &= ~flag;
    }
  };
  clear_others(ui::kLvisFocused);
  clear_others(ui::kLvisSelected);
  if (row == -1) {
    for (std::size_t index = 0; index < list_state->rows.size(); ++index) {
      apply(static_cast<int>(index));
    }
  } else {
    apply(row);
    if ((mask & state & ui::kLvisSelected) != 0 && list_state->selection_mark == -1) {
      list_state->selection_mark = row;
    }
  }
  return true;
}

unsigned MemoryWindowing::ListGetItemState(WindowRef list, int row, unsigned mask) {
  const MemoryList* state = ListOf(list);
  if (state == nullptr || row < 0 || row >= static_cast<int>(state->rows.size())) return 0;
  return state->rows[static_cast<std::size_t>(row)].state & mask;
}

ui::ImageListRef MemoryWindowing::ImageListCreate(int cx, int cy, unsigned /*flags*/,
                                                  int /*initial*/, int /*grow*/) {
  const ui::ImageListRef images = next_image_list_++;
  image_lists_[images] = ImageList{cx, cy, {}, false};
  return images;
}

int MemoryWindowing::ImageListAddIcon(ui::ImageListRef images, int icon_id) {
  const auto found = image_lists_.find(images);
  if (found == image_lists_.end() || script_.icon_files.count(icon_id) == 0) return -1;
  found->second.icons.push_back(icon_id);
  return static_cast<int>(found->second.icons.size()) - 1;
}

void MemoryWindowing::ImageListDestroy(ui::ImageListRef images) {
  const auto found = image_lists_.find(images);
  if (found != image_lists_.end() && !found->second.owned_by_list) image_lists_.erase(found);
}

void MemoryWindowing::NavigateWebPanel(WindowRef panel, const std::string& url) {
  if (MemoryWindow* target = Find(panel)) target->navigations.push_back(url);
}

}  // namespace platform::memory
