// OLE on the UI thread: what the session does on threads in each state, and
// a panel made where the control cannot live, which must stay a blank window.
#include <gtest/gtest.h>
#include <objbase.h>

#include <thread>

#include "panel_windows.h"
#include "platform/win32/browser_site.h"
#include "platform/win32/ole_session.h"
#include "platform/win32/web_panel.h"

namespace {

using platform::win32::BrowserSite;
using platform::win32::NavigateWebPanel;
using platform::win32::OleSession;
using platform::win32::WebPanelBrowserState;
using web_panel_test::TopWindow;

// Runs `body` on a thread of its own and waits for it: each case starts from
// a thread that has never seen COM.
template <class Body>
void OnFreshThread(Body body) {
  std::thread thread(body);
  thread.join();
}

HRESULT ApartmentState() {
  APTTYPE type{};
  APTTYPEQUALIFIER qualifier{};
  return ::CoGetApartmentType(&type, &qualifier);
}

TEST(OleSession, PairsEverySuccessfulInitialisationAndNoFailedOne) {
  struct Seen {
    HRESULT outer = E_FAIL, inner = E_FAIL, after = S_OK;
    bool outer_active = false, inner_active = false;
  } seen;
  OnFreshThread([&] {
    {
      OleSession outer;
      seen.outer = outer.result();
      seen.outer_active = outer.active();
      {
        OleSession inner;  // the thread has OLE already
        seen.inner = inner.result();
        seen.inner_active = inner.active();
      }
    }
    seen.after = ApartmentState();  // both shares ended
  });
  EXPECT_EQ(seen.outer, S_OK);
  EXPECT_TRUE(seen.outer_active);
  EXPECT_EQ(seen.inner, S_FALSE);
  EXPECT_TRUE(seen.inner_active);
  EXPECT_EQ(seen.after, CO_E_NOTINITIALIZED);
}

TEST(OleSession, OnAMultithreadedApartmentFailsAndLeavesItAlone) {
  HRESULT session = S_OK, after = E_FAIL;
  bool active = true;
  APTTYPE type{};
  OnFreshThread([&] {
    ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    {
      OleSession ole;
      session = ole.result();
      active = ole.active();
    }
    APTTYPEQUALIFIER qualifier{};
    after = ::CoGetApartmentType(&type, &qualifier);
    ::CoUninitialize();
  });
  EXPECT_EQ(session, RPC_E_CHANGED_MODE);
  EXPECT_FALSE(active);
  // The session did not end the apartment it did not start.
  EXPECT_EQ(after, S_OK);
  EXPECT_EQ(type, APTTYPE_MTA);
}

struct ApartmentRow {
  const char* name;
  bool multithreaded;  // false: no COM at all on the thread
};

void PrintTo(const ApartmentRow& row, std::ostream* out) { *out << row.name; }

class PanelWithoutSta : public ::testing::TestWithParam<ApartmentRow> {
 protected:
  void SetUp() override {
    if (!web_panel_test::PrepareWindows()) GTEST_SKIP() << "no display: windows cannot be made";
  }
};

TEST_P(PanelWithoutSta, StaysABlankWindowAndIgnoresNavigate) {
  const LONG alive_before = BrowserSite::Alive();
  struct Seen {
    bool made = false, has_child = true, destroyed = false;
    HRESULT state = S_OK, navigate = S_OK, after_destroy = S_OK;
    DWORD navigate_ms = 0;
  } seen;
  OnFreshThread([&] {
    if (GetParam().multithreaded) ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    {
      TopWindow top;
      HWND panel = web_panel_test::CreatePanel(top.hwnd(), 200, 80);
      seen.made = panel != nullptr;
      seen.state = WebPanelBrowserState(panel);
      seen.has_child = ::GetWindow(panel, GW_CHILD) != nullptr;
      const ULONGLONG start = ::GetTickCount64();
      seen.navigate = NavigateWebPanel(panel, "http://127.0.0.1:9/client/banner_static.html");
      seen.navigate_ms = static_cast<DWORD>(::GetTickCount64() - start);
      seen.destroyed = ::DestroyWindow(panel) != FALSE;
      seen.after_destroy = NavigateWebPanel(panel, "http://127.0.0.1:9/");
    }
    if (GetParam().multithreaded) ::CoUninitialize();
  });
  ASSERT_TRUE(seen.made);
  if (GetParam().multithreaded) {
    EXPECT_EQ(seen.state, RPC_E_WRONG_THREAD);
  } else {
    // Without COM the thread is outside every apartment, unless another
    // thread of the process keeps the multithreaded one open, which it then
    // belongs to implicitly.
    EXPECT_TRUE(seen.state == CO_E_NOTINITIALIZED || seen.state == RPC_E_WRONG_THREAD)
        << std::hex << seen.state;
  }
  EXPECT_FALSE(seen.has_child) << "no control window in a panel without a browser";
  EXPECT_EQ(seen.navigate, seen.state);
  EXPECT_LT(seen.navigate_ms, 100u);
  EXPECT_TRUE(seen.destroyed);
  EXPECT_EQ(seen.after_destroy, E_HANDLE);
  EXPECT_EQ(BrowserSite::Alive(), alive_before);
}

INSTANTIATE_TEST_SUITE_P(Threads, PanelWithoutSta,
                         ::testing::Values(ApartmentRow{"NoCom", false},
                                           ApartmentRow{"Multithreaded", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WebPanelThreads, NavigateFromAnotherThreadIsRefusedAndLeavesThePanelWorking) {
  if (!web_panel_test::PrepareWindows()) GTEST_SKIP() << "no display: windows cannot be made";
  OleSession ole;
  ASSERT_TRUE(ole.active());
  TopWindow top;
  HWND panel = web_panel_test::CreatePanel(top.hwnd(), 200, 80);
  ASSERT_EQ(WebPanelBrowserState(panel), S_OK);

  HRESULT from_worker = S_OK, state_from_worker = S_OK;
  OnFreshThread([&] {
    from_worker = NavigateWebPanel(panel, "http://127.0.0.1:9/");
    state_from_worker = WebPanelBrowserState(panel);
  });
  EXPECT_EQ(from_worker, RPC_E_WRONG_THREAD);
  EXPECT_EQ(state_from_worker, RPC_E_WRONG_THREAD);
  EXPECT_EQ(WebPanelBrowserState(panel), S_OK);
  EXPECT_EQ(NavigateWebPanel(panel, "http://127.0.0.1:9/"), S_OK);
  web_panel_test::PumpFor(100);
}

}  // namespace
