#include "platform/win32/browser_site.h"

namespace platform::win32 {
namespace {

LONG g_sites_alive = 0;

// The root of `panel`'s parent chain: the window the frame stands for.
HWND TopWindowOf(HWND panel) {
  if (panel == nullptr || !::IsWindow(panel)) return nullptr;
  return ::GetAncestor(panel, GA_ROOT);
}

}  // namespace

// ---- BrowserFrame

HRESULT BrowserFrame::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IOleWindow || iid == IID_IOleInPlaceUIWindow ||
      iid == IID_IOleInPlaceFrame) {
    *out = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG BrowserFrame::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

ULONG BrowserFrame::Release() {
  LONG left = ::InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT BrowserFrame::GetWindow(HWND* window) {
  if (window == nullptr) return E_POINTER;
  *window = TopWindowOf(panel_);
  return *window != nullptr ? S_OK : E_FAIL;
}

HRESULT BrowserFrame::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

// No tool space: the control keeps its tools, if any, inside its own window.
HRESULT BrowserFrame::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
HRESULT BrowserFrame::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
HRESULT BrowserFrame::SetBorderSpace(LPCBORDERWIDTHS widths) {
  // A null request means "no space needed", which is always granted.
  return widths == nullptr ? S_OK : INPLACE_E_NOTOOLSPACE;
}

HRESULT BrowserFrame::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }

// No menu bar to merge into.
HRESULT BrowserFrame::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return E_NOTIMPL; }
HRESULT BrowserFrame::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT BrowserFrame::RemoveMenus(HMENU) { return E_NOTIMPL; }
HRESULT BrowserFrame::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT BrowserFrame::EnableModeless(BOOL) { return S_OK; }

// The frame has no accelerators of its own: S_FALSE leaves the key to the
// control.
HRESULT BrowserFrame::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

// ---- BrowserSite

BrowserSite::BrowserSite(HWND panel) : panel_(panel), frame_(new BrowserFrame(panel)) {
  ::InterlockedIncrement(&g_sites_alive);
}

BrowserSite::~BrowserSite() {
  frame_->Release();
  ::InterlockedDecrement(&g_sites_alive);
}

void BrowserSite::Detach() {
  panel_ = nullptr;
  frame_->Detach();
}

LONG BrowserSite::Alive() { return ::InterlockedCompareExchange(&g_sites_alive, 0, 0); }

HRESULT BrowserSite::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
    *out = static_cast<IOleClientSite*>(this);
  } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
    *out = static_cast<IOleInPlaceSite*>(this);
  } else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG BrowserSite::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

ULONG BrowserSite::Release() {
  LONG left = ::InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT BrowserSite::SaveObject() { return E_NOTIMPL; }

HRESULT BrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker != nullptr) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT BrowserSite::GetContainer(IOleContainer** container) {
  if (container != nullptr) *container = nullptr;
  return E_NOINTERFACE;
}

HRESULT BrowserSite::ShowObject() { return S_OK; }
HRESULT BrowserSite::OnShowWindow(BOOL) { return S_OK; }
HRESULT BrowserSite::RequestNewObjectLayout() { return E_NOTIMPL; }

HRESULT BrowserSite::GetWindow(HWND* window) {
  if (window == nullptr) return E_POINTER;
  *window = panel_ != nullptr && ::IsWindow(panel_) ? panel_ : nullptr;
  return *window != nullptr ? S_OK : E_FAIL;
}

HRESULT BrowserSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT BrowserSite::CanInPlaceActivate() { return panel_ != nullptr ? S_OK : S_FALSE; }
HRESULT BrowserSite::OnInPlaceActivate() { return S_OK; }
HRESULT BrowserSite::OnUIActivate() { return S_OK; }

HRESULT BrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                      LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr ||
      info == nullptr) {
    return E_POINTER;
  }
  *frame = nullptr;
  *document = nullptr;  // no document window between the frame and the panel
  RECT client{};
  if (panel_ == nullptr || !::GetClientRect(panel_, &client)) return E_FAIL;
  *position = client;
  *clip = client;
  // info->cb is the caller's; the rest describes a frame with no
  // accelerators and no MDI.
  info->fMDIApp = FALSE;
  info->hwndFrame = TopWindowOf(panel_);
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  frame_->AddRef();
  *frame = frame_;
  return S_OK;
}

HRESULT BrowserSite::Scroll(SIZE) { return E_NOTIMPL; }
HRESULT BrowserSite::OnUIDeactivate(BOOL) { return S_OK; }
HRESULT BrowserSite::OnInPlaceDeactivate() { return S_OK; }
HRESULT BrowserSite::DiscardUndoState() { return E_NOTIMPL; }
HRESULT BrowserSite::DeactivateAndUndo() { return E_NOTIMPL; }

// The panel decides the control's rectangle (its client area, refitted when
// the panel is sized), so a wish of the control's own changes nothing.
HRESULT BrowserSite::OnPosRectChange(LPCRECT) { return S_OK; }

}  // namespace platform::win32
