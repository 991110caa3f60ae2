// The main dialog where the browser component cannot be created at all. ctest
// runs this case in a process of its own with Wine's ieframe switched off
// (web_panel_without_browser_tests); elsewhere it skips.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "panel_windows.h"
#include "platform/win32/browser_site.h"
#include "platform/win32/ole_session.h"
#include "platform/win32/web_panel.h"

namespace {

using platform::win32::BrowserSite;
using platform::win32::NavigateWebPanel;
using platform::win32::WebPanelBrowserState;

TEST(WithoutBrowserComponent, PanelsStayBlankAndNavigateIsHarmless) {
  const char* component = std::getenv("VELMAR_BROWSER_COMPONENT");
  if (component == nullptr || std::strcmp(component, "off") != 0) {
    GTEST_SKIP() << "needs VELMAR_BROWSER_COMPONENT=off and the component really switched off";
  }
  if (!web_panel_test::PrepareWindows()) GTEST_SKIP() << "no display: windows cannot be made";
  platform::win32::OleSession ole;
  ASSERT_TRUE(ole.active());
  const LONG alive_before = BrowserSite::Alive();
  {
    web_panel_test::MainDialog dialog;
    ASSERT_NE(dialog.hwnd(), nullptr) << "the dialog is made even without browsers";
    ::ShowWindow(dialog.hwnd(), SW_SHOWNOACTIVATE);
    web_panel_test::ModalWatch watch(dialog.hwnd(), 3000);
    for (HWND panel : {dialog.banner(), dialog.notices()}) {
      SCOPED_TRACE(::GetDlgCtrlID(panel));
      ASSERT_NE(panel, nullptr);
      const HRESULT state = WebPanelBrowserState(panel);
      std::printf("panel %d without the component: 0x%08lx\n", ::GetDlgCtrlID(panel),
                  static_cast<unsigned long>(state));
      EXPECT_TRUE(FAILED(state));
      EXPECT_TRUE(::IsWindowVisible(panel));
      EXPECT_EQ(::GetWindow(panel, GW_CHILD), nullptr);
      EXPECT_EQ(NavigateWebPanel(panel, "http://127.0.0.1:9/client/banner_static.html"), state);
    }
    web_panel_test::PumpFor(200);
    const std::vector<std::wstring> closed = watch.Finish();
    EXPECT_TRUE(closed.empty()) << web_panel_test::Describe(closed);
    EXPECT_TRUE(web_panel_test::OtherVisibleWindows(dialog.hwnd()).empty());
  }
  EXPECT_EQ(BrowserSite::Alive(), alive_before);
}

}  // namespace
