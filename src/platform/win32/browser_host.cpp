#include "platform/win32/browser_host.h"

#include <objbase.h>

namespace platform::win32 {
namespace {

// The WebBrowser control, {8856F961-340A-11D0-A96B-00C04FD705A2}.
constexpr CLSID kClsidWebBrowser = {
    0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};

// IWebBrowser2::Navigate. The control's event interface uses 104 as well, for
// DownloadComplete; that is another interface and is never called here.
constexpr DISPID kDispidNavigate = 104;

// The control needs the thread to be a single-threaded apartment. From a
// multithreaded one, CoCreateInstance would put the control in an apartment
// of its own on another thread, whose window could not be a child of ours.
HRESULT CheckApartment() {
  APTTYPE type{};
  APTTYPEQUALIFIER qualifier{};
  HRESULT hr = ::CoGetApartmentType(&type, &qualifier);
  if (FAILED(hr)) return hr;  // CO_E_NOTINITIALIZED: nobody started OLE here
  return type == APTTYPE_STA || type == APTTYPE_MAINSTA ? S_OK : RPC_E_WRONG_THREAD;
}

// A BSTR freed when the call is done.
class OwnedBstr {
 public:
  explicit OwnedBstr(const std::wstring& text)
      : bstr_(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~OwnedBstr() { ::SysFreeString(bstr_); }
  OwnedBstr(const OwnedBstr&) = delete;
  OwnedBstr& operator=(const OwnedBstr&) = delete;
  BSTR get() const { return bstr_; }

 private:
  BSTR bstr_;
};

}  // namespace

BrowserHost::BrowserHost(HWND panel) : panel_(panel) {
  result_ = Create();
  if (FAILED(result_)) {
    const HRESULT failure = result_;
    Close();
    result_ = failure;
  }
}

BrowserHost::~BrowserHost() { Close(); }

HRESULT BrowserHost::Create() {
  if (panel_ == nullptr || !::IsWindow(panel_)) return E_HANDLE;
  HRESULT hr = CheckApartment();
  if (FAILED(hr)) return hr;
  hr = ::CoCreateInstance(kClsidWebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                          reinterpret_cast<void**>(object_.Receive()));
  if (FAILED(hr)) return hr;
  site_ = new BrowserSite(panel_);
  hr = object_->SetClientSite(site_);
  if (FAILED(hr)) return hr;
  // The control is embedded, not linked: it need not keep the host running.
  hr = ::OleSetContainedObject(object_.get(), TRUE);
  if (FAILED(hr)) return hr;
  RECT client{};
  ::GetClientRect(panel_, &client);
  hr = object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, panel_, &client);
  if (FAILED(hr)) return hr;
  hr = object_.QueryTo(in_place_);
  if (FAILED(hr)) return hr;
  hr = in_place_->SetObjectRects(&client, &client);
  if (FAILED(hr)) return hr;
  return object_.QueryTo(automation_);
}

void BrowserHost::FitToPanel() {
  if (!in_place_) return;
  RECT client{};
  if (::GetClientRect(panel_, &client)) in_place_->SetObjectRects(&client, &client);
}

void BrowserHost::Close() {
  if (object_) {
    // Deactivates the control, which destroys its window, and drops its
    // reference to the site.
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
  }
  automation_.Reset();
  in_place_.Reset();
  object_.Reset();
  if (site_ != nullptr) {
    site_->Detach();
    site_->Release();
    site_ = nullptr;
  }
  if (SUCCEEDED(result_)) result_ = E_ABORT;
}

HRESULT InvokeNavigate(IDispatch* automation, const std::wstring& url) {
  if (automation == nullptr) return E_POINTER;
  OwnedBstr address(url);
  if (address.get() == nullptr) return E_OUTOFMEMORY;

  // Navigate(URL, Flags, TargetFrameName, PostData, Headers): the last four
  // are optional VARIANT* parameters, all left out. A left-out argument is
  // the "missing" value, VT_ERROR holding DISP_E_PARAMNOTFOUND. It goes by
  // reference (VT_BYREF | VT_VARIANT), the shape of a VARIANT* parameter,
  // so the control's type-library dispatch hands it on as it is instead of
  // coercing it; the control reads VT_ERROR, like VT_EMPTY, as not given.
  VARIANT missing[4];
  VARIANT args[5];  // last parameter first
  for (int i = 0; i < 4; ++i) {
    ::VariantInit(&missing[i]);
    V_VT(&missing[i]) = VT_ERROR;
    V_ERROR(&missing[i]) = DISP_E_PARAMNOTFOUND;
    ::VariantInit(&args[i]);
    V_VT(&args[i]) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&args[i]) = &missing[i];
  }
  ::VariantInit(&args[4]);
  V_VT(&args[4]) = VT_BSTR;
  V_BSTR(&args[4]) = address.get();

  DISPPARAMS params{args, nullptr, 5, 0};
  EXCEPINFO exception{};
  UINT bad_argument = 0;
  HRESULT hr = automation->Invoke(kDispidNavigate, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                  &params, nullptr, &exception, &bad_argument);
  if (hr == DISP_E_EXCEPTION) {
    ::SysFreeString(exception.bstrSource);
    ::SysFreeString(exception.bstrDescription);
    ::SysFreeString(exception.bstrHelpFile);
  }
  return hr;
}

}  // namespace platform::win32
