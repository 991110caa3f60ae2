#include "platform/ui/dialog.h"

#include <cctype>
#include <cstdint>
#include <limits>

namespace ui {

const char kNotAnIntegerMessage[] = "정수를 입력하십시오.";

void CDataExchange::Fail(WindowRef control) {
  failed_ = true;
  if (control != 0) m_pDlgWnd->windowing().SetFocus(control);
}

CDialogEx::CDialogEx(Windowing& windowing, int template_id, CWnd* parent)
    : CWnd(windowing), template_id_(template_id), parent_(parent) {}

CDialogEx::~CDialogEx() {
  const WindowRef window = GetSafeHwnd();
  if (window == 0 || !windowing().IsWindow(window)) return;
  // The object is half gone: the window's last messages must not reach it.
  windowing().BindControl(window, nullptr);
  windowing().DestroyWindow(window);
}

bool CDialogEx::Create(int template_id, CWnd* parent) {
  template_id_ = template_id;
  parent_ = parent;
  const WindowRef parent_window = parent_ != nullptr ? parent_->GetSafeHwnd() : 0;
  return windowing().CreateDialogWindow(template_id_, parent_window, this) != 0;
}

int CDialogEx::DoModal() {
  const WindowRef parent_window = parent_ != nullptr ? parent_->GetSafeHwnd() : 0;
  modal_ = true;
  const int result = windowing().RunModal(template_id_, parent_window, this);
  modal_ = false;
  return result;
}

void CDialogEx::EndDialog(int result) {
  const WindowRef window = GetSafeHwnd();
  if (window == 0) return;
  if (modal_ && windowing().IsModalRunning(window)) {
    windowing().EndModal(window, result);
  } else {
    windowing().Show(window, ShowCommand::kHide);
  }
}

CWnd* CDialogEx::GetDlgItem(int control_id) {
  const auto bound = bound_controls_.find(control_id);
  if (bound != bound_controls_.end()) return bound->second;
  const WindowRef control = windowing().GetDlgItem(GetSafeHwnd(), control_id);
  std::unique_ptr<CWnd>& handle = item_handles_[control_id];
  if (!handle) handle = std::make_unique<CWnd>(windowing());
  handle->Attach(control);
  return handle.get();
}

void CDialogEx::SetDlgItemText(int control_id, const std::string& text) {
  windowing().SetText(windowing().GetDlgItem(GetSafeHwnd(), control_id), text);
}

std::string CDialogEx::GetDlgItemText(int control_id) {
  return windowing().GetText(windowing().GetDlgItem(GetSafeHwnd(), control_id));
}

void CDialogEx::CheckDlgButton(int control_id, bool checked) {
  windowing().SetCheck(windowing().GetDlgItem(GetSafeHwnd(), control_id), checked);
}

bool CDialogEx::IsDlgButtonChecked(int control_id) {
  return windowing().GetCheck(windowing().GetDlgItem(GetSafeHwnd(), control_id));
}

bool CDialogEx::UpdateData(bool save_and_validate) {
  CDataExchange exchange(*this, save_and_validate);
  DoDataExchange(&exchange);
  return !exchange.failed();
}

void CDialogEx::RegisterBoundControl(int control_id, CWnd& control) {
  bound_controls_[control_id] = &control;
}

bool CDialogEx::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialogEx::OnOK() {
  if (UpdateData(true)) EndDialog(kIdOk);
}

void CDialogEx::OnCancel() { EndDialog(kIdCancel); }

bool CDialogEx::PreTranslateMessage(Message& message) {
  return windowing().IsDialogMessage(GetSafeHwnd(), message);
}

bool CDialogEx::OnWindowMessage(Message& message) {
  if (message.id == kWmInitDialog) {
    AdoptCreatedWindow(message.window);
    message.result = OnInitDialog() ? 1 : 0;
    return true;
  }
  if (message.id == kWmDrawItem) {
    const auto bound = bound_controls_.find(message.control_id);
    if (bound != bound_controls_.end() && bound->second->DrawItem(message)) {
      message.result = 1;
      return true;
    }
  }
  if (CWnd::OnWindowMessage(message)) return true;
  return message.id != kWmNcDestroy && DefWindowProc(message);
}

bool CDialogEx::OnControlColour(Message& message, ColourAnswer& answer) {
  answer = OnCtlColor(message.control_id, message.colour_kind);
  return answer.brush != ColourAnswer::Brush::kDefault || answer.text_colour ||
         answer.transparent;
}

void CDialogEx::OnWindowGone() {
  // The controls went with the window; bound objects learn it from their own
  // last message.
  item_handles_.clear();
  bound_controls_.clear();
}

const MessageMap& CDialogEx::Map() {
  static const MessageMap map(&CWnd::Map(), {
                                                On<CDialogEx>::Command(kIdOk, &CDialogEx::OnOK),
                                                On<CDialogEx>::Command(kIdCancel,
                                                                       &CDialogEx::OnCancel),
                                            });
  return map;
}

std::optional<int> LeadingInteger(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  const std::size_t digits_start = at;
  std::int64_t magnitude = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
    magnitude = magnitude * 10 + (text[at++] - '0');
    if (magnitude > kLimit) return std::nullopt;
  }
  if (at == digits_start) return std::nullopt;
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

void DDX_Text(CDataExchange* pDX, int control_id, std::string& value) {
  if (pDX->failed()) return;
  if (pDX->m_bSaveAndValidate) {
    value = pDX->m_pDlgWnd->GetDlgItemText(control_id);
  } else {
    pDX->m_pDlgWnd->SetDlgItemText(control_id, value);
  }
}

void DDX_Text(CDataExchange* pDX, int control_id, int& value) {
  if (pDX->failed()) return;
  CDialogEx& dialog = *pDX->m_pDlgWnd;
  if (!pDX->m_bSaveAndValidate) {
    dialog.SetDlgItemText(control_id, std::to_string(value));
    return;
  }
  const std::optional<int> number = LeadingInteger(dialog.GetDlgItemText(control_id));
  if (number) {
    value = *number;
    return;
  }
  dialog.MessageBox(kNotAnIntegerMessage, std::nullopt, kMbOk | kMbIconExclamation);
  pDX->Fail(dialog.windowing().GetDlgItem(dialog.GetSafeHwnd(), control_id));
}

void DDX_Radio(CDataExchange* pDX, int first_control_id, int& value) {
  if (pDX->failed()) return;
  Windowing& windowing = pDX->m_pDlgWnd->windowing();
  const WindowRef first = windowing.GetDlgItem(pDX->m_pDlgWnd->GetSafeHwnd(), first_control_id);
  const std::vector<WindowRef> group = windowing.RadioGroup(first);
  if (pDX->m_bSaveAndValidate) value = -1;
  for (std::size_t index = 0; index < group.size(); ++index) {
    if (pDX->m_bSaveAndValidate) {
      if (windowing.GetCheck(group[index])) value = static_cast<int>(index);
    } else {
      windowing.SetCheck(group[index], static_cast<int>(index) == value);
    }
  }
}

void DDX_Control(CDataExchange* pDX, int control_id, CWnd& control) {
  if (pDX->failed() || control.GetSafeHwnd() != 0) return;
  CDialogEx& dialog = *pDX->m_pDlgWnd;
  const WindowRef window = dialog.windowing().GetDlgItem(dialog.GetSafeHwnd(), control_id);
  if (window == 0) return;
  control.SubclassWindow(window);
  dialog.RegisterBoundControl(control_id, control);
}

}  // namespace ui
