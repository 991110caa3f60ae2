#include "dialog_host.h"

#include <commctrl.h>

#include "gdi_image.h"
#include "resource.h"

namespace gallery {
namespace {

const Skin* SkinOf(HWND dialog) {
  return reinterpret_cast<const Skin*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// The program sizes every bitmap button to its face; the picture should show
// the buttons as they will be, not as the template's placeholder rectangles.
void SizeButtonsToFaces(HWND dialog, const Skin& skin) {
  for (const auto& [control_id, face_id] : skin.faces) {
    const SIZE size = BitmapSize(face_id);
    SetWindowPos(GetDlgItem(dialog, control_id), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void PaintBackground(HWND dialog, const Skin& skin) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(dialog, &paint);
  DrawBitmap(dc, skin.background_id, 0, 0);
  EndPaint(dialog, &paint);
}

void DrawFace(const Skin& skin, const DRAWITEMSTRUCT& item) {
  const auto face = skin.faces.find(static_cast<int>(item.CtlID));
  if (face != skin.faces.end()) {
    DrawBitmap(item.hDC, face->second, item.rcItem.left, item.rcItem.top);
  }
}

// Answers WM_CTLCOLORSTATIC: FALSE leaves the control to the system.
INT_PTR ColourLabel(const Skin& skin, HDC dc, HWND control) {
  const auto label = skin.transparent.find(GetDlgCtrlID(control));
  if (label == skin.transparent.end()) return FALSE;
  if (label->second != CLR_INVALID) SetTextColor(dc, label->second);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

INT_PTR CALLBACK StandInDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lparam);
    if (lparam != 0) SizeButtonsToFaces(dialog, *reinterpret_cast<const Skin*>(lparam));
    return TRUE;
  }
  const Skin* skin = SkinOf(dialog);
  if (skin == nullptr) return FALSE;
  switch (message) {
    case WM_ERASEBKGND:
      return TRUE;  // the background bitmap covers the whole client area
    case WM_PAINT:
      PaintBackground(dialog, *skin);
      return TRUE;
    case WM_DRAWITEM:
      DrawFace(*skin, *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return ColourLabel(*skin, reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    default:
      return FALSE;
  }
}

Display ProbeDisplay() {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSW panel{};
  panel.lpfnWndProc = DefWindowProcW;
  panel.hInstance = GetModuleHandleW(nullptr);
  panel.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  panel.lpszClassName = L"" VELMAR_WEB_PANEL_CLASS;
  RegisterClassW(&panel);

  HWND probe = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  if (probe == nullptr) return Display::kMissing;
  DestroyWindow(probe);
  return Display::kUsable;
}

}  // namespace

Display PrepareWindows() {
  static const Display display = ProbeDisplay();
  return display;
}

TemplateDialog::TemplateDialog(int template_id, const Skin* skin) {
  hwnd_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(template_id), nullptr,
                             StandInDialogProc, reinterpret_cast<LPARAM>(skin));
  if (hwnd_ == nullptr) creation_error_ = GetLastError();
}

TemplateDialog::~TemplateDialog() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

const TemplateDialog& SharedDialog(int template_id) {
  static std::map<int, const TemplateDialog*> dialogs;
  const TemplateDialog*& dialog = dialogs[template_id];
  if (dialog == nullptr) dialog = new TemplateDialog(template_id);
  return *dialog;
}

RECT PlaceInClient(HWND dialog, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return RECT{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void PumpMessages(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(10);
  } while (GetTickCount() - start < milliseconds);
}

}  // namespace gallery
