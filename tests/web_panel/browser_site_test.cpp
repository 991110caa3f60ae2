// The container's COM objects on their own, against real windows and without
// a control: one identity and one reference count per site, the windows and
// rectangles each interface gives out, and what a detached site refuses.
#include "platform/win32/browser_site.h"

#include <gtest/gtest.h>

#include "panel_windows.h"

namespace {

using platform::win32::BrowserSite;
using web_panel_test::TopWindow;

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class BrowserSiteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!web_panel_test::PrepareWindows()) GTEST_SKIP() << "no display: windows cannot be made";
    ASSERT_NE(top_.hwnd(), nullptr);
    // top -> holder -> panel: the frame stands for the top window, not for
    // the panel's immediate parent.
    holder_ = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 10, 10, 300, 200,
                                top_.hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    panel_ = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 5, 7, 120, 45, holder_,
                               nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(panel_, nullptr);
  }

  TopWindow top_;
  HWND holder_ = nullptr;
  HWND panel_ = nullptr;
};

TEST_F(BrowserSiteTest, EveryInterfaceSharesOneIdentityAndOneCount) {
  const LONG alive_before = BrowserSite::Alive();
  auto* site = new BrowserSite(panel_);
  EXPECT_EQ(BrowserSite::Alive(), alive_before + 1);

  IUnknown* identity = nullptr;
  ASSERT_EQ(site->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
  const IID kInterfaces[] = {IID_IOleClientSite, IID_IOleInPlaceSite, IID_IOleWindow};
  for (const IID& iid : kInterfaces) {
    IUnknown* through = nullptr;
    ASSERT_EQ(site->QueryInterface(iid, reinterpret_cast<void**>(&through)), S_OK);
    // From each interface, IUnknown leads back to the same object.
    IUnknown* back = nullptr;
    ASSERT_EQ(through->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&back)), S_OK);
    EXPECT_EQ(back, identity);
    back->Release();
    through->Release();
  }
  // A site is no frame, and no automation object.
  const IID kForeign[] = {IID_IOleInPlaceFrame, IID_IDispatch, IID_IOleObject};
  for (const IID& iid : kForeign) {
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(site->QueryInterface(iid, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
  }
  EXPECT_EQ(site->QueryInterface(IID_IUnknown, nullptr), E_POINTER);

  // Two references now (ours and `identity`): only the last release frees.
  EXPECT_EQ(identity->Release(), 1u);
  EXPECT_EQ(BrowserSite::Alive(), alive_before + 1);
  EXPECT_EQ(site->Release(), 0u);
  EXPECT_EQ(BrowserSite::Alive(), alive_before);
}

TEST_F(BrowserSiteTest, GivesThePanelToTheControlAndTheTopWindowToItsFrame) {
  auto* site = new BrowserSite(panel_);
  EXPECT_EQ(site->CanInPlaceActivate(), S_OK);
  HWND window = nullptr;
  EXPECT_EQ(site->GetWindow(&window), S_OK);
  EXPECT_EQ(window, panel_);

  IOleInPlaceFrame* frame = nullptr;
  IOleInPlaceUIWindow* document = reinterpret_cast<IOleInPlaceUIWindow*>(1);
  RECT position{}, clip{};
  OLEINPLACEFRAMEINFO info{};
  info.cb = sizeof info;
  ASSERT_EQ(site->GetWindowContext(&frame, &document, &position, &clip, &info), S_OK);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(document, nullptr);
  // The control covers the panel's client area, in the panel's coordinates.
  EXPECT_TRUE(SameRect(position, RECT{0, 0, 120, 45}));
  EXPECT_TRUE(SameRect(clip, RECT{0, 0, 120, 45}));
  EXPECT_EQ(info.cb, sizeof info);
  EXPECT_FALSE(info.fMDIApp);
  EXPECT_EQ(info.hwndFrame, top_.hwnd());
  EXPECT_EQ(info.haccel, nullptr);
  EXPECT_EQ(info.cAccelEntries, 0u);

  EXPECT_EQ(frame->GetWindow(&window), S_OK);
  EXPECT_EQ(window, top_.hwnd());
  IOleWindow* as_window = nullptr;
  ASSERT_EQ(frame->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&as_window)), S_OK);
  EXPECT_EQ(as_window->GetWindow(&window), S_OK);
  EXPECT_EQ(window, top_.hwnd());
  as_window->Release();
  // No tool space and no accelerators: the keys stay with the control.
  RECT border{};
  EXPECT_EQ(frame->GetBorder(&border), INPLACE_E_NOTOOLSPACE);
  EXPECT_EQ(frame->SetBorderSpace(nullptr), S_OK);
  MSG key{};
  EXPECT_EQ(frame->TranslateAccelerator(&key, 0), S_FALSE);

  // The frame was handed out with a reference of the caller's: it lives on
  // after the site has gone, and is then released without harm.
  EXPECT_EQ(site->Release(), 0u);
  EXPECT_EQ(frame->GetWindow(&window), S_OK);
  EXPECT_EQ(frame->Release(), 0u);
}

TEST_F(BrowserSiteTest, ADetachedSiteGivesOutNoWindow) {
  auto* site = new BrowserSite(panel_);
  IOleInPlaceFrame* frame = nullptr;
  IOleInPlaceUIWindow* document = nullptr;
  RECT position{}, clip{};
  OLEINPLACEFRAMEINFO info{};
  info.cb = sizeof info;
  ASSERT_EQ(site->GetWindowContext(&frame, &document, &position, &clip, &info), S_OK);

  site->Detach();
  HWND window = panel_;
  EXPECT_EQ(site->GetWindow(&window), E_FAIL);
  EXPECT_EQ(window, nullptr);
  EXPECT_EQ(site->CanInPlaceActivate(), S_FALSE);
  IOleInPlaceFrame* second = reinterpret_cast<IOleInPlaceFrame*>(1);
  EXPECT_EQ(site->GetWindowContext(&second, &document, &position, &clip, &info), E_FAIL);
  EXPECT_EQ(second, nullptr);
  // The frame handed out before is detached with its site.
  window = panel_;
  EXPECT_EQ(frame->GetWindow(&window), E_FAIL);
  EXPECT_EQ(window, nullptr);
  frame->Release();
  EXPECT_EQ(site->Release(), 0u);
}

TEST_F(BrowserSiteTest, APanelDestroyedUnderTheSiteIsNotGivenOut) {
  auto* site = new BrowserSite(panel_);
  ::DestroyWindow(panel_);
  HWND window = nullptr;
  EXPECT_EQ(site->GetWindow(&window), E_FAIL);
  EXPECT_EQ(window, nullptr);
  EXPECT_EQ(site->Release(), 0u);
}

}  // namespace
