#include "platform/win32/win32_windowing.h"

#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "platform/win32/app_name.h"
#include "platform/win32/web_panel.h"

namespace platform::win32 {

// The dialog layer's numbers are the system's.
static_assert(ui::kWmPaint == WM_PAINT && ui::kWmCommand == WM_COMMAND &&
              ui::kWmNotify == WM_NOTIFY && ui::kWmTimer == WM_TIMER &&
              ui::kWmInitDialog == WM_INITDIALOG && ui::kWmDrawItem == WM_DRAWITEM &&
              ui::kWmSysCommand == WM_SYSCOMMAND && ui::kWmKeyDown == WM_KEYDOWN &&
              ui::kWmLButtonDown == WM_LBUTTONDOWN && ui::kWmMouseMove == WM_MOUSEMOVE &&
              ui::kWmMouseLeave == WM_MOUSELEAVE && ui::kWmClose == WM_CLOSE &&
              ui::kWmDestroy == WM_DESTROY && ui::kWmNcDestroy == WM_NCDESTROY &&
              ui::kWmUser == WM_USER && ui::kWmWindowPosChanging == WM_WINDOWPOSCHANGING &&
              ui::kSwpShowWindow == SWP_SHOWWINDOW);
static_assert(ui::kVkReturn == VK_RETURN && ui::kVkEscape == VK_ESCAPE && ui::kVkTab == VK_TAB);
static_assert(ui::kIdOk == IDOK && ui::kIdCancel == IDCANCEL && ui::kIdYes == IDYES &&
              ui::kIdNo == IDNO && ui::kMbOk == MB_OK && ui::kMbYesNo == MB_YESNO &&
              ui::kMbIconExclamation == MB_ICONEXCLAMATION);
static_assert(static_cast<int>(ui::ShowCommand::kHide) == SW_HIDE &&
              static_cast<int>(ui::ShowCommand::kShow) == SW_SHOW &&
              static_cast<int>(ui::ShowCommand::kMinimise) == SW_MINIMIZE &&
              static_cast<int>(ui::ShowCommand::kRestore) == SW_RESTORE);
static_assert(ui::kWsGroup == WS_GROUP && ui::kWsVisible == WS_VISIBLE &&
              ui::kWsDisabled == WS_DISABLED && ui::kWsExToolWindow == WS_EX_TOOLWINDOW &&
              ui::kWsExAppWindow == WS_EX_APPWINDOW && ui::kScClose == SC_CLOSE);
static_assert(ui::kOdsSelected == ODS_SELECTED && ui::kOdsDisabled == ODS_DISABLED &&
              ui::kOdsFocus == ODS_FOCUS);
static_assert(ui::kNmClick == static_cast<int>(NM_CLICK) &&
              ui::kNmDblClk == static_cast<int>(NM_DBLCLK) &&
              ui::kHdnItemChangingA == static_cast<int>(HDN_ITEMCHANGINGA) &&
              ui::kHdiWidth == HDI_WIDTH);
static_assert(ui::kLvsNoColumnHeader == LVS_NOCOLUMNHEADER &&
              ui::kLvsExFullRowSelect == LVS_EX_FULLROWSELECT && ui::kLvcfmtLeft == LVCFMT_LEFT &&
              ui::kLvcfmtRight == LVCFMT_RIGHT && ui::kLvcfmtCenter == LVCFMT_CENTER &&
              ui::kLvisFocused == LVIS_FOCUSED && ui::kLvisSelected == LVIS_SELECTED &&
              ui::kLvsilSmall == LVSIL_SMALL && ui::kIlcMask == ILC_MASK &&
              ui::kIlcColorDdb == ILC_COLORDDB);

namespace {

using ui::WindowRef;

HWND H(WindowRef window) { return reinterpret_cast<HWND>(window); }
WindowRef Ref(HWND window) { return reinterpret_cast<WindowRef>(window); }
HIMAGELIST Images(ui::ImageListRef images) { return reinterpret_cast<HIMAGELIST>(images); }

// The pointer's position from a mouse message: signed, so that a point left
// of or above the window stays negative.
ui::Point PointOf(LPARAM lparam) {
  return ui::Point{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

// A text read from the OS is cut at this many bytes; the program's own texts
// are far shorter.
constexpr int kTextLimit = 64 * 1024;

ui::CtlColorKind ColourKindOf(UINT id) {
  switch (id) {
    case WM_CTLCOLOREDIT:
      return ui::CtlColorKind::kEdit;
    case WM_CTLCOLORSTATIC:
      return ui::CtlColorKind::kStatic;
    case WM_CTLCOLORBTN:
      return ui::CtlColorKind::kButton;
    case WM_CTLCOLORDLG:
      return ui::CtlColorKind::kDialog;
    default:
      return ui::CtlColorKind::kOther;
  }
}

bool IsColourRequest(UINT id) { return id >= WM_CTLCOLORMSGBOX && id <= WM_CTLCOLORSTATIC; }

// Reads what the message points to while it is valid.
ui::Message Translate(HWND window, UINT id, WPARAM wparam, LPARAM lparam) {
  ui::Message message;
  message.window = Ref(window);
  message.id = id;
  message.wparam = wparam;
  message.lparam = lparam;
  switch (id) {
    case WM_COMMAND:
      message.control_id = LOWORD(wparam);
      message.code = HIWORD(wparam);
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header == nullptr) break;
      message.control_id = static_cast<int>(header->idFrom);
      message.code = static_cast<int>(header->code);
      if (message.code == static_cast<int>(NM_CLICK) ||
          message.code == static_cast<int>(NM_DBLCLK)) {
        message.item = reinterpret_cast<const NMITEMACTIVATE*>(lparam)->iItem;
      } else if (message.code == static_cast<int>(HDN_ITEMCHANGINGA) ||
                 message.code == static_cast<int>(HDN_ITEMCHANGINGW)) {
        const HDITEMA* item = reinterpret_cast<const NMHEADERA*>(lparam)->pitem;
        message.header_has_item = item != nullptr;
        message.header_mask = item != nullptr ? item->mask : 0;
      }
      break;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      message.control_id = static_cast<int>(item->CtlID);
      message.draw_state = item->itemState;
      message.draw_rect = ui::Rect{item->rcItem.left, item->rcItem.top, item->rcItem.right,
                                   item->rcItem.bottom};
      message.native_item = item;
      break;
    }
    case WM_WINDOWPOSCHANGING:
      static_assert(sizeof(UINT) == sizeof(std::uint32_t));
      message.position_flags =
          reinterpret_cast<std::uint32_t*>(&reinterpret_cast<WINDOWPOS*>(lparam)->flags);
      break;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
      message.point = PointOf(lparam);
      break;
    default:
      break;
  }
  return message;
}

class Win32Bitmap final : public ui::Bitmap {
 public:
  Win32Bitmap(int id, HBITMAP bitmap) : id_(id), bitmap_(bitmap) {
    BITMAP info{};
    if (::GetObjectA(bitmap_, sizeof info, &info) != 0) size_ = ui::Size{info.bmWidth, info.bmHeight};
  }
  ~Win32Bitmap() override { ::DeleteObject(bitmap_); }
  int resource_id() const override { return id_; }
  ui::Size size() const override { return size_; }
  HBITMAP handle() const { return bitmap_; }

 private:
  int id_;
  HBITMAP bitmap_;
  ui::Size size_;
};

// Copies `size` of `bitmap` from its corner to (x, y) of `target`, through a
// memory context that is released again.
void Blit(HDC target, HBITMAP bitmap, int x, int y, ui::Size size) {
  HDC memory = ::CreateCompatibleDC(target);
  if (memory == nullptr) return;
  HGDIOBJ previous = ::SelectObject(memory, bitmap);
  if (previous != nullptr && previous != HGDI_ERROR) {
    ::BitBlt(target, x, y, size.cx, size.cy, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, previous);
  }
  ::DeleteDC(memory);
}

bool IsRadioButton(HWND window) {
  char class_name[16] = {};
  ::GetClassNameA(window, class_name, sizeof class_name);
  const LONG type = ::GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
  return ::lstrcmpiA(class_name, "Button") == 0 &&
         (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

}  // namespace

// What a dialog made here carries: the object behind it and, while it runs
// modally, the state of that run.
struct Win32Windowing::DialogRecord {
  Win32Windowing* owner = nullptr;
  ui::WindowEvents* events = nullptr;
  bool modal = false;
  bool ended = false;
  int result = -1;
  bool owner_disabled = false;  // the modal run disabled its owner
};

struct Win32Windowing::ControlRecord {
  Win32Windowing* owner = nullptr;
  ui::WindowEvents* events = nullptr;
};

Win32Windowing::Win32Windowing() : module_(::GetModuleHandleA(nullptr)) {}

Win32Windowing::~Win32Windowing() {
  for (auto& [window, record] : controls_) {
    ::RemoveWindowSubclass(window, ControlProc, 0);
  }
  for (auto& [window, record] : dialogs_) {
    ::SetWindowLongPtrA(window, DWLP_USER, 0);
  }
}

Win32Windowing::DialogRecord* Win32Windowing::RecordOf(HWND dialog) const {
  const auto found = dialogs_.find(dialog);
  return found == dialogs_.end() ? nullptr : found->second.get();
}

INT_PTR CALLBACK Win32Windowing::DialogProc(HWND window, UINT id, WPARAM wparam, LPARAM lparam) {
  if (id == WM_INITDIALOG) {
    auto* record = reinterpret_cast<DialogRecord*>(lparam);
    ::SetWindowLongPtrA(window, DWLP_USER, lparam);
    // From here the table owns the record, so that the dialog is known to
    // everything its initialisation calls.
    record->owner->dialogs_[window] = std::move(record->owner->pending_);
    ui::Message message = Translate(window, id, wparam, lparam);
    const bool handled = record->events != nullptr && record->events->OnWindowMessage(message);
    return handled ? message.result : TRUE;
  }
  auto* record = reinterpret_cast<DialogRecord*>(::GetWindowLongPtrA(window, DWLP_USER));
  if (record == nullptr) return FALSE;

  if (IsColourRequest(id)) {
    if (record->events == nullptr) return FALSE;
    ui::Message message = Translate(window, id, wparam, lparam);
    message.control_id = ::GetDlgCtrlID(reinterpret_cast<HWND>(lparam));
    message.colour_kind = ColourKindOf(id);
    ui::ColourAnswer answer;
    if (!record->events->OnControlColour(message, answer) ||
        answer.brush == ui::ColourAnswer::Brush::kDefault) {
      return FALSE;
    }
    HDC context = reinterpret_cast<HDC>(wparam);
    if (answer.text_colour) ::SetTextColor(context, *answer.text_colour);
    if (answer.transparent) ::SetBkMode(context, TRANSPARENT);
    HGDIOBJ brush = answer.brush == ui::ColourAnswer::Brush::kHollow
                        ? ::GetStockObject(NULL_BRUSH)
                        : reinterpret_cast<HGDIOBJ>(answer.own_brush);
    return reinterpret_cast<INT_PTR>(brush);
  }

  ui::Message message = Translate(window, id, wparam, lparam);
  const bool handled = record->events != nullptr && record->events->OnWindowMessage(message);
  if (id == WM_NCDESTROY) {
    ::SetWindowLongPtrA(window, DWLP_USER, 0);
    record->owner->dialogs_.erase(window);  // frees the record
    return FALSE;
  }
  if (!handled) return FALSE;
  switch (id) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_QUERYDRAGICON:
      return static_cast<INT_PTR>(message.result);
    default:
      // Any other answer goes through the dialog's message result.
      ::SetWindowLongPtrA(window, DWLP_MSGRESULT, message.result);
      return TRUE;
  }
}

LRESULT CALLBACK Win32Windowing::ControlProc(HWND window, UINT id, WPARAM wparam, LPARAM lparam,
                                             UINT_PTR /*subclass_id*/, DWORD_PTR data) {
  auto* record = reinterpret_cast<ControlRecord*>(data);
  if (record == nullptr) return ::DefSubclassProc(window, id, wparam, lparam);
  if (id == WM_NCDESTROY) {
    ui::Message message = Translate(window, id, wparam, lparam);
    if (record->events != nullptr) record->events->OnWindowMessage(message);
    ::RemoveWindowSubclass(window, ControlProc, 0);
    record->owner->controls_.erase(window);  // frees the record
    return ::DefSubclassProc(window, id, wparam, lparam);
  }
  if (record->events != nullptr) {
    ui::Message message = Translate(window, id, wparam, lparam);
    if (record->events->OnWindowMessage(message)) return message.result;
  }
  return ::DefSubclassProc(window, id, wparam, lparam);
}

HWND Win32Windowing::MakeDialog(int template_id, WindowRef parent,
                                std::unique_ptr<DialogRecord> record) {
  record->owner = this;
  DialogRecord* made = record.get();
  pending_ = std::move(record);  // WM_INITDIALOG moves it into the table
  HWND window = ::CreateDialogParamA(module_, MAKEINTRESOURCEA(template_id), H(parent),
                                     DialogProc, reinterpret_cast<LPARAM>(made));
  if (pending_.get() == made) pending_.reset();  // no WM_INITDIALOG came
  return window;
}

WindowRef Win32Windowing::CreateDialogWindow(int template_id, WindowRef parent,
                                             ui::WindowEvents* events) {
  auto record = std::make_unique<DialogRecord>();
  record->events = events;
  return Ref(MakeDialog(template_id, parent, std::move(record)));
}

int Win32Windowing::RunModal(int template_id, WindowRef parent, ui::WindowEvents* events) {
  auto made = std::make_unique<DialogRecord>();
  made->events = events;
  made->modal = true;
  HWND dialog = MakeDialog(template_id, parent, std::move(made));
  if (dialog == nullptr) return -1;
  DialogRecord* record = RecordOf(dialog);
  HWND owner = H(parent);
  if (owner != nullptr && ::IsWindowEnabled(owner)) {
    ::EnableWindow(owner, FALSE);
    record->owner_disabled = true;
  }
  ::ShowWindow(dialog, SW_SHOW);
  int result = -1;
  for (;;) {
    record = RecordOf(dialog);
    if (record == nullptr) break;  // destroyed from within the run
    if (record->ended) {
      result = record->result;
      break;
    }
    MSG message;
    const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      ::PostQuitMessage(static_cast<int>(message.wParam));  // for the loop outside
      break;
    }
    Route(message);
  }
  if (record != nullptr && record->owner_disabled && ::IsWindow(owner)) {
    ::EnableWindow(owner, TRUE);
  }
  if (::IsWindow(dialog)) ::DestroyWindow(dialog);
  return result;
}

void Win32Windowing::Route(MSG& message) {
  HWND root = message.hwnd != nullptr ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  DialogRecord* record = root != nullptr ? RecordOf(root) : nullptr;
  if (record != nullptr && record->events != nullptr) {
    ui::Message translated = Translate(message.hwnd, message.message, message.wParam,
                                       message.lParam);
    translated.native = &message;
    if (record->events->PreTranslate(translated)) return;
  }
  ::TranslateMessage(&message);
  ::DispatchMessageA(&message);
}

void Win32Windowing::EndModal(WindowRef dialog, int result) {
  DialogRecord* record = RecordOf(H(dialog));
  if (record == nullptr || !record->modal || record->ended) return;
  record->ended = true;
  record->result = result;
  // The owner first, so that it takes the activation when the dialog hides.
  HWND owner = ::GetWindow(H(dialog), GW_OWNER);
  if (record->owner_disabled && owner != nullptr) {
    ::EnableWindow(owner, TRUE);
    record->owner_disabled = false;
  }
  ::ShowWindow(H(dialog), SW_HIDE);
  ::PostMessageA(H(dialog), WM_NULL, 0, 0);  // wakes the run's loop
}

bool Win32Windowing::IsModalRunning(WindowRef dialog) {
  const DialogRecord* record = RecordOf(H(dialog));
  return record != nullptr && record->modal && !record->ended;
}

void Win32Windowing::DestroyWindow(WindowRef window) {
  if (::IsWindow(H(window))) ::DestroyWindow(H(window));
}

bool Win32Windowing::IsWindow(WindowRef window) {
  return window != 0 && ::IsWindow(H(window)) != FALSE;
}

WindowRef Win32Windowing::GetDlgItem(WindowRef dialog, int control_id) {
  return dialog != 0 ? Ref(::GetDlgItem(H(dialog), control_id)) : 0;
}

void Win32Windowing::BindControl(WindowRef control, ui::WindowEvents* events) {
  HWND window = H(control);
  if (DialogRecord* dialog = RecordOf(window)) {
    dialog->events = events;
    return;
  }
  const auto found = controls_.find(window);
  if (events == nullptr) {
    if (found == controls_.end()) return;
    ::RemoveWindowSubclass(window, ControlProc, 0);
    controls_.erase(found);
    return;
  }
  if (found != controls_.end()) {
    found->second->events = events;
    return;
  }
  auto record = std::make_unique<ControlRecord>();
  record->owner = this;
  record->events = events;
  if (::SetWindowSubclass(window, ControlProc, 0, reinterpret_cast<DWORD_PTR>(record.get()))) {
    controls_[window] = std::move(record);
  }
}

bool Win32Windowing::IsDialogMessage(WindowRef dialog, const ui::Message& message) {
  if (message.native == nullptr || dialog == 0) return false;
  return ::IsDialogMessageA(H(dialog), const_cast<MSG*>(static_cast<const MSG*>(message.native))) !=
         FALSE;
}

void Win32Windowing::SetText(WindowRef window, const std::string& text) {
  if (window != 0) ::SetWindowTextA(H(window), text.c_str());
}

std::string Win32Windowing::GetText(WindowRef window) {
  if (window == 0) return {};
  const int length = std::min(::GetWindowTextLengthA(H(window)), kTextLimit);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(H(window), buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<std::size_t>(std::max(copied, 0)));
}

void Win32Windowing::Enable(WindowRef window, bool enable) {
  if (window != 0) ::EnableWindow(H(window), enable ? TRUE : FALSE);
}

bool Win32Windowing::IsEnabled(WindowRef window) {
  return window != 0 && ::IsWindowEnabled(H(window)) != FALSE;
}

void Win32Windowing::Show(WindowRef window, ui::ShowCommand command) {
  if (window != 0) ::ShowWindow(H(window), static_cast<int>(command));
}

bool Win32Windowing::IsVisible(WindowRef window) {
  return window != 0 && ::IsWindowVisible(H(window)) != FALSE;
}

bool Win32Windowing::IsMinimised(WindowRef window) {
  return window != 0 && ::IsIconic(H(window)) != FALSE;
}

void Win32Windowing::SetFocus(WindowRef window) {
  if (window != 0) ::SetFocus(H(window));
}

WindowRef Win32Windowing::GetFocus() { return Ref(::GetFocus()); }

// Over the owner while the owner is on view, else in the middle of the work
// area; kept inside the work area.
void Win32Windowing::CenterWindow(WindowRef window) {
  HWND target = H(window);
  if (target == nullptr) return;
  RECT area{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  RECT around = area;
  HWND owner = ::GetWindow(target, GW_OWNER);
  if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
    ::GetWindowRect(owner, &around);
  }
  RECT self{};
  ::GetWindowRect(target, &self);
  const int width = self.right - self.left;
  const int height = self.bottom - self.top;
  int left = (around.left + around.right - width) / 2;
  int top = (around.top + around.bottom - height) / 2;
  left = std::max<int>(area.left, std::min<int>(left, area.right - width));
  top = std::max<int>(area.top, std::min<int>(top, area.bottom - height));
  ::SetWindowPos(target, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Windowing::ModifyStyle(WindowRef window, std::uint32_t remove, std::uint32_t add) {
  if (window == 0) return;
  const auto style = static_cast<std::uint32_t>(::GetWindowLongA(H(window), GWL_STYLE));
  ::SetWindowLongA(H(window), GWL_STYLE, static_cast<LONG>((style & ~remove) | add));
}

void Win32Windowing::ModifyStyleEx(WindowRef window, std::uint32_t remove, std::uint32_t add) {
  if (window == 0) return;
  const auto style = static_cast<std::uint32_t>(::GetWindowLongA(H(window), GWL_EXSTYLE));
  ::SetWindowLongA(H(window), GWL_EXSTYLE, static_cast<LONG>((style & ~remove) | add));
}

std::uint32_t Win32Windowing::GetStyle(WindowRef window) {
  return window != 0 ? static_cast<std::uint32_t>(::GetWindowLongA(H(window), GWL_STYLE)) : 0;
}

std::uint32_t Win32Windowing::GetExStyle(WindowRef window) {
  return window != 0 ? static_cast<std::uint32_t>(::GetWindowLongA(H(window), GWL_EXSTYLE)) : 0;
}

ui::Rect Win32Windowing::GetClientRect(WindowRef window) {
  RECT rect{};
  if (window != 0) ::GetClientRect(H(window), &rect);
  return ui::Rect{rect.left, rect.top, rect.right, rect.bottom};
}

ui::Rect Win32Windowing::GetRectInParent(WindowRef window) {
  RECT rect{};
  if (window == 0 || !::GetWindowRect(H(window), &rect)) return {};
  ::MapWindowPoints(nullptr, ::GetParent(H(window)), reinterpret_cast<POINT*>(&rect), 2);
  return ui::Rect{rect.left, rect.top, rect.right, rect.bottom};
}

void Win32Windowing::Resize(WindowRef window, ui::Size size) {
  if (window == 0) return;
  ::SetWindowPos(H(window), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}

void Win32Windowing::Invalidate(WindowRef window, const ui::Rect* area, bool erase) {
  if (window == 0) return;
  if (area == nullptr) {
    ::InvalidateRect(H(window), nullptr, erase ? TRUE : FALSE);
    return;
  }
  const RECT rect{area->left, area->top, area->right, area->bottom};
  ::InvalidateRect(H(window), &rect, erase ? TRUE : FALSE);
}

void Win32Windowing::SetIcon(WindowRef window, int icon_id, bool big) {
  if (window == 0) return;
  // Shared icons belong to the system's cache: nothing to release.
  HANDLE icon = ::LoadImageA(module_, MAKEINTRESOURCEA(icon_id), IMAGE_ICON,
                             ::GetSystemMetrics(big ? SM_CXICON : SM_CXSMICON),
                             ::GetSystemMetrics(big ? SM_CYICON : SM_CYSMICON), LR_SHARED);
  if (icon == nullptr) return;
  ::SendMessageA(H(window), WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                 reinterpret_cast<LPARAM>(icon));
}

bool Win32Windowing::GetCheck(WindowRef button) {
  return button != 0 && ::SendMessageA(H(button), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Windowing::SetCheck(WindowRef button, bool checked) {
  if (button != 0) {
    ::SendMessageA(H(button), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

std::vector<WindowRef> Win32Windowing::RadioGroup(WindowRef first) {
  std::vector<WindowRef> group;
  for (HWND at = H(first); at != nullptr; at = ::GetWindow(at, GW_HWNDNEXT)) {
    if (at != H(first) && (::GetWindowLongA(at, GWL_STYLE) & WS_GROUP) != 0) break;
    if (IsRadioButton(at)) group.push_back(Ref(at));
  }
  return group;
}

bool Win32Windowing::PostMessage(WindowRef window, unsigned id, std::uintptr_t wparam,
                                 std::intptr_t lparam) {
  return window != 0 && ::PostMessageA(H(window), id, wparam, lparam) != FALSE;
}

bool Win32Windowing::SetTimer(WindowRef window, std::uintptr_t timer_id, unsigned period_ms) {
  return window != 0 && ::SetTimer(H(window), timer_id, period_ms, nullptr) != 0;
}

bool Win32Windowing::KillTimer(WindowRef window, std::uintptr_t timer_id) {
  return window != 0 && ::KillTimer(H(window), timer_id) != FALSE;
}

int Win32Windowing::MessageBox(WindowRef owner, const std::string& text,
                               const std::string& caption, unsigned flags) {
  return ::MessageBoxA(H(owner), text.c_str(), caption.c_str(), flags);
}

std::string Win32Windowing::ApplicationName() {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return AppNameFromModulePath(std::string_view(path, std::min<DWORD>(length, MAX_PATH)));
}

std::optional<std::string> Win32Windowing::LoadString(int string_id) {
  char text[512] = {};
  const int length = ::LoadStringA(module_, static_cast<UINT>(string_id), text, sizeof text);
  if (length <= 0) return std::nullopt;
  return std::string(text, static_cast<std::size_t>(length));
}

void Win32Windowing::AppendSystemMenuItem(WindowRef window, unsigned command_id,
                                          const std::string& text) {
  HMENU menu = ::GetSystemMenu(H(window), FALSE);
  if (menu == nullptr) return;
  ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuA(menu, MF_STRING, command_id, text.c_str());
}

std::unique_ptr<ui::Bitmap> Win32Windowing::LoadBitmap(int bitmap_id) {
  HBITMAP bitmap = ::LoadBitmapA(module_, MAKEINTRESOURCEA(bitmap_id));
  if (bitmap == nullptr) return nullptr;
  return std::make_unique<Win32Bitmap>(bitmap_id, bitmap);
}

void Win32Windowing::PaintBackground(WindowRef window, int bitmap_id) {
  PAINTSTRUCT paint;
  HDC context = ::BeginPaint(H(window), &paint);
  if (context == nullptr) return;
  if (HBITMAP background = ::LoadBitmapA(module_, MAKEINTRESOURCEA(bitmap_id))) {
    RECT client{};
    ::GetClientRect(H(window), &client);
    Blit(context, background, 0, 0, ui::Size{client.right, client.bottom});
    ::DeleteObject(background);
  }
  ::EndPaint(H(window), &paint);
}

void Win32Windowing::DrawFace(const ui::Message& draw_item, const ui::Bitmap& face) {
  const auto* item = static_cast<const DRAWITEMSTRUCT*>(draw_item.native_item);
  if (item == nullptr) return;
  Blit(item->hDC, static_cast<const Win32Bitmap&>(face).handle(), item->rcItem.left,
       item->rcItem.top,
       ui::Size{item->rcItem.right - item->rcItem.left, item->rcItem.bottom - item->rcItem.top});
}

void Win32Windowing::TrackMouseLeave(WindowRef window) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = H(window);
  track.dwHoverTime = 0;
  ::_TrackMouseEvent(&track);
}

void Win32Windowing::StartMoveByCaption(WindowRef window, ui::Point point) {
  ::DefWindowProcA(H(window), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

ui::BrushRef Win32Windowing::CreateSolidBrush(std::uint32_t colour) {
  return reinterpret_cast<ui::BrushRef>(::CreateSolidBrush(colour));
}

void Win32Windowing::DeleteBrush(ui::BrushRef brush) {
  if (brush != 0) ::DeleteObject(reinterpret_cast<HGDIOBJ>(brush));
}

int Win32Windowing::ListInsertColumn(WindowRef list, int column, const ui::ListColumn& spec) {
  LVCOLUMNA info{};
  info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
  info.fmt = spec.format;
  info.cx = spec.width;
  info.pszText = const_cast<char*>(spec.heading.c_str());
  return static_cast<int>(
      ::SendMessageA(H(list), LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info)));
}

std::uint32_t Win32Windowing::ListGetExtendedStyle(WindowRef list) {
  return static_cast<std::uint32_t>(::SendMessageA(H(list), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

void Win32Windowing::ListSetExtendedStyle(WindowRef list, std::uint32_t style) {
  ::SendMessageA(H(list), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style);
}

void Win32Windowing::ListSetImageList(WindowRef list, ui::ImageListRef images, int which) {
  ::SendMessageA(H(list), LVM_SETIMAGELIST, which, static_cast<LPARAM>(images));
  // Without LVS_SHAREIMAGELISTS the list view destroys it with itself.
  if (images != 0 && (GetStyle(list) & LVS_SHAREIMAGELISTS) == 0) image_lists_[images] = true;
}

int Win32Windowing::ListInsertItem(WindowRef list, int index, const std::string& text,
                                   int image) {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = index;
  item.pszText = const_cast<char*>(text.c_str());
  item.iImage = image;
  return static_cast<int>(
      ::SendMessageA(H(list), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool Win32Windowing::ListSetItem(WindowRef list, int row, int column, const std::string& text,
                                 int image) {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  item.iImage = image;
  return ::SendMessageA(H(list), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != FALSE;
}

bool Win32Windowing::ListSetItemText(WindowRef list, int row, int column,
                                     const std::string& text) {
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  return ::SendMessageA(H(list), LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)) !=
         FALSE;
}

std::string Win32Windowing::ListGetItemText(WindowRef list, int row, int column) {
  // Grows the buffer until the text fits, up to the limit.
  for (int size = 256; size <= kTextLimit; size *= 4) {
    std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = size;
    const auto length = static_cast<int>(
        ::SendMessageA(H(list), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
    if (length < size - 1 || size * 4 > kTextLimit) {
      return std::string(buffer.data(), static_cast<std::size_t>(std::max(0, std::min(length, size - 1))));
    }
  }
  return {};
}

bool Win32Windowing::ListDeleteItem(WindowRef list, int row) {
  return ::SendMessageA(H(list), LVM_DELETEITEM, row, 0) != FALSE;
}

bool Win32Windowing::ListDeleteAllItems(WindowRef list) {
  return ::SendMessageA(H(list), LVM_DELETEALLITEMS, 0, 0) != FALSE;
}

int Win32Windowing::ListGetItemCount(WindowRef list) {
  return static_cast<int>(::SendMessageA(H(list), LVM_GETITEMCOUNT, 0, 0));
}

int Win32Windowing::ListGetSelectionMark(WindowRef list) {
  return static_cast<int>(::SendMessageA(H(list), LVM_GETSELECTIONMARK, 0, 0));
}

int Win32Windowing::ListSetSelectionMark(WindowRef list, int row) {
  return static_cast<int>(::SendMessageA(H(list), LVM_SETSELECTIONMARK, 0, row));
}

bool Win32Windowing::ListSetItemState(WindowRef list, int row, unsigned state, unsigned mask) {
  LVITEMA item{};
  item.state = state;
  item.stateMask = mask;
  return ::SendMessageA(H(list), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&item)) != FALSE;
}

unsigned Win32Windowing::ListGetItemState(WindowRef list, int row, unsigned mask) {
  return static_cast<unsigned>(::SendMessageA(H(list), LVM_GETITEMSTATE, row, mask));
}

ui::ImageListRef Win32Windowing::ImageListCreate(int cx, int cy, unsigned flags, int initial,
                                                 int grow) {
  HIMAGELIST images = ::ImageList_Create(cx, cy, flags, initial, grow);
  if (images == nullptr) return 0;
  const auto ref = reinterpret_cast<ui::ImageListRef>(images);
  image_lists_[ref] = false;
  return ref;
}

int Win32Windowing::ImageListAddIcon(ui::ImageListRef images, int icon_id) {
  HICON icon = static_cast<HICON>(
      ::LoadImageA(module_, MAKEINTRESOURCEA(icon_id), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  if (icon == nullptr) return -1;
  const int index = ::ImageList_AddIcon(Images(images), icon);  // copies the icon
  ::DestroyIcon(icon);
  return index;
}

void Win32Windowing::ImageListDestroy(ui::ImageListRef images) {
  const auto found = image_lists_.find(images);
  if (found == image_lists_.end()) return;
  if (!found->second) ::ImageList_Destroy(Images(images));
  image_lists_.erase(found);
}

// The outcome is the control's affair: a page that cannot load shows as the
// control shows it.
void Win32Windowing::NavigateWebPanel(WindowRef panel, const std::string& url) {
  win32::NavigateWebPanel(H(panel), url);
}

void Win32Windowing::OpenInBrowser(const std::string& url) {
  ::ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOW);
}

void Win32Windowing::RegisterApplicationRestart() { ::RegisterApplicationRestart(nullptr, 0); }

}  // namespace platform::win32
