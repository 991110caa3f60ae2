// The container side of one hosted WebBrowser control: the client site the
// control talks to, and the frame it is given for in-place activation.
#pragma once

#include <ole2.h>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// The frame handed to the control in GetWindowContext. It has no menus,
// tools or status line to share; its window is the panel's top-level window.
// Reference-counted; made and released by BrowserSite.
class BrowserFrame final : public IOleInPlaceFrame {
 public:
  explicit BrowserFrame(HWND panel) : panel_(panel) {}

  // The panel is going: from now on no window is given out.
  void Detach() { panel_ = nullptr; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;

  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT border) override;
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS widths) override;
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS widths) override;
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* object,
                                            LPCOLESTR name) override;

  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU shared, LPOLEMENUGROUPWIDTHS widths) override;
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU shared, HOLEMENU descriptor, HWND object) override;
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU shared) override;
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR text) override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message, WORD id) override;

 private:
  ~BrowserFrame() = default;  // only through Release

  LONG references_ = 1;
  HWND panel_;
};

// The client site and in-place site of the control in one panel window. The
// control positions itself in the panel's client area and parents its window
// to the panel. Made with one reference, which its maker releases; the
// control holds its own while it is attached. All calls come on the thread
// that owns the panel, the control's apartment.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite {
 public:
  explicit BrowserSite(HWND panel);

  // The panel is going: the site refuses in-place activation and gives out
  // no window any more, should the control still call it.
  void Detach();

  // How many sites exist in the process; a site outlives its panel only
  // while something still holds a reference to it.
  static LONG Alive();

  // IUnknown, for both interfaces: one identity, one count.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IOleClientSite: nothing is stored and there is no container document.
  HRESULT STDMETHODCALLTYPE SaveObject() override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
  HRESULT STDMETHODCALLTYPE ShowObject() override;
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL show) override;
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;

  // IOleWindow: the panel.
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;

  // IOleInPlaceSite.
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override;
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
  HRESULT STDMETHODCALLTYPE OnUIActivate() override;
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame,
                                             IOleInPlaceUIWindow** document, LPRECT position,
                                             LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
  HRESULT STDMETHODCALLTYPE Scroll(SIZE extent) override;
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL undoable) override;
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override;
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override;
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT position) override;

 private:
  ~BrowserSite();  // only through Release

  LONG references_ = 1;
  HWND panel_;
  BrowserFrame* frame_;  // one reference, released with the site
};

}  // namespace platform::win32
