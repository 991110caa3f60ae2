// The web panels as the main dialog has them: the class its template names,
// a browser in place over each panel, navigation that returns at once and
// reaches the service without any window of its own, and a clean end when
// the dialog is destroyed. Needs an X display; the service cases need
// VELMAR_TEST_SERVICE=host:port of velmar-service.
#include "platform/win32/web_panel.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "panel_windows.h"
#include "platform/win32/browser_site.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/ole_session.h"
#include "platform/win32/wininet_http.h"
#include "res/resource.h"
#include "service_control.h"

namespace {

using platform::win32::BrowserSite;
using platform::win32::NavigateWebPanel;
using platform::win32::OleSession;
using platform::win32::RegisterWebPanelClass;
using platform::win32::WebPanelBrowserState;
using web_panel_test::Describe;
using web_panel_test::MainDialog;

constexpr wchar_t kPanelClass[] = L"" VELMAR_WEB_PANEL_CLASS;
// The pages the main dialog shows, as the program addresses them.
constexpr char kBannerPath[] = "/client/banner_static.html";
constexpr char kBoardPath[] = "/client/api_board.php";
constexpr char kBoardQuery[] = "?type=0&agent=vpn";

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::optional<std::string> ServiceHost() {
  const char* host = std::getenv("VELMAR_TEST_SERVICE");
  if (host == nullptr || *host == '\0') return std::nullopt;
  return std::string(host);
}

// A class of the panel's name for another module, with extra bytes that are
// not a host: what a stand-in of other code looks like.
class StandInClass {
 public:
  explicit StandInClass(HINSTANCE module) : module_(module) {
    WNDCLASSEXW stand_in{};
    stand_in.cbSize = sizeof stand_in;
    stand_in.lpfnWndProc = ::DefWindowProcW;
    stand_in.cbWndExtra = sizeof(void*);
    stand_in.hInstance = module;
    stand_in.lpszClassName = kPanelClass;
    registered_ = ::RegisterClassExW(&stand_in) != 0;
  }
  ~StandInClass() {
    if (registered_) ::UnregisterClassW(kPanelClass, module_);
  }
  bool registered() const { return registered_; }

 private:
  HINSTANCE module_;
  bool registered_;
};

class WebPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!web_panel_test::PrepareWindows()) GTEST_SKIP() << "no display: windows cannot be made";
    ASSERT_TRUE(ole_.active()) << std::hex << ole_.result();
  }

  OleSession ole_;  // outlives every window a test makes
};

TEST_F(WebPanelTest, ClassRegistersAgainButNotOverAnotherCodesClass) {
  EXPECT_TRUE(RegisterWebPanelClass(::GetModuleHandleW(nullptr)));  // PrepareWindows did once

  // Another module stands for other code that took the name first.
  const HINSTANCE other = ::GetModuleHandleW(L"kernel32.dll");
  {
    StandInClass stand_in(other);
    ASSERT_TRUE(stand_in.registered());
    EXPECT_FALSE(RegisterWebPanelClass(other));
  }
  // Once the name is free, the class registers for that module as well.
  EXPECT_TRUE(RegisterWebPanelClass(other));
  EXPECT_TRUE(RegisterWebPanelClass(other));
  ::UnregisterClassW(kPanelClass, other);
}

TEST_F(WebPanelTest, NavigateRefusesWindowsThatAreNotLivePanels) {
  web_panel_test::TopWindow top;
  HWND plain = ::CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 50, 50, top.hwnd(), nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
  HWND destroyed = web_panel_test::CreatePanel(top.hwnd(), 50, 50);
  ::DestroyWindow(destroyed);
  const HINSTANCE other = ::GetModuleHandleW(L"kernel32.dll");
  StandInClass stand_in(other);
  ASSERT_TRUE(stand_in.registered());
  HWND look_alike = ::CreateWindowExW(0, kPanelClass, L"", WS_CHILD, 0, 0, 50, 50, top.hwnd(),
                                      nullptr, other, nullptr);
  ASSERT_NE(look_alike, nullptr);
  ::SetWindowLongPtrW(look_alike, 0, 1);  // not a host: must never be used as one

  const struct {
    const char* name;
    HWND window;
  } rows[] = {
      {"null", nullptr},
      {"static control", plain},
      {"destroyed panel", destroyed},
      {"same class name, other code", look_alike},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(NavigateWebPanel(row.window, "http://127.0.0.1:9/"), E_HANDLE);
    EXPECT_EQ(WebPanelBrowserState(row.window), E_HANDLE);
  }
  ::DestroyWindow(look_alike);
}

TEST_F(WebPanelTest, MainDialogPanelsHoldTheBrowserOverTheirClientArea) {
  MainDialog dialog;
  ASSERT_NE(dialog.hwnd(), nullptr) << ::GetLastError();
  for (HWND panel : {dialog.banner(), dialog.notices()}) {
    SCOPED_TRACE(::GetDlgCtrlID(panel));
    ASSERT_NE(panel, nullptr);
    ASSERT_EQ(WebPanelBrowserState(panel), S_OK);
    HWND control = ::GetWindow(panel, GW_CHILD);
    ASSERT_NE(control, nullptr) << "the control's window";
    EXPECT_TRUE(
        SameRect(web_panel_test::WindowOnScreen(control), web_panel_test::ClientOnScreen(panel)));

    // The control follows its panel when the panel is resized.
    RECT before = web_panel_test::WindowOnScreen(panel);
    ::SetWindowPos(panel, nullptr, 0, 0, before.right - before.left + 37,
                   before.bottom - before.top + 11, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(
        SameRect(web_panel_test::WindowOnScreen(control), web_panel_test::ClientOnScreen(panel)));
    RECT client{};
    ::GetClientRect(panel, &client);
    EXPECT_EQ(client.right, before.right - before.left + 37);
  }
}

TEST_F(WebPanelTest, NavigateReturnsAtOnceAndNoOtherWindowAppears) {
  const std::string host = ServiceHost().value_or("127.0.0.1:9");
  MainDialog dialog;
  ASSERT_NE(dialog.hwnd(), nullptr);
  // Shown, as after a login, so that whatever the control would show is on
  // screen too.
  ::ShowWindow(dialog.hwnd(), SW_SHOWNOACTIVATE);

  web_panel_test::ModalWatch watch(dialog.hwnd(), 3000);
  const struct {
    HWND panel;
    std::string url;
  } rows[] = {
      {dialog.banner(), "http://" + host + kBannerPath},
      {dialog.notices(), "http://" + host + kBoardPath + kBoardQuery},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.url);
    const ULONGLONG start = ::GetTickCount64();
    const HRESULT navigated = NavigateWebPanel(row.panel, row.url);
    const ULONGLONG took = ::GetTickCount64() - start;
    std::printf("Navigate %s: 0x%08lx in %llu ms\n", row.url.c_str(),
                static_cast<unsigned long>(navigated), took);
    EXPECT_EQ(navigated, S_OK);
    EXPECT_LT(took, 2000u);
  }
  // The thread's message loop keeps running while the pages load.
  EXPECT_LT(web_panel_test::PumpFor(300), 2000u);
  const std::vector<std::wstring> closed = watch.Finish();
  EXPECT_TRUE(closed.empty()) << "modal windows: " << Describe(closed);
  const std::vector<std::wstring> others = web_panel_test::OtherVisibleWindows(dialog.hwnd());
  EXPECT_TRUE(others.empty()) << "other windows: " << Describe(others);
}

// The service's request log for `path` has more than `count` lines.
bool LoggedMoreThan(contract::ServiceControl& service, const std::string& path, std::size_t count) {
  return service.LoggedRequests(path).size() > count;
}

TEST_F(WebPanelTest, EachPanelRequestsItsPageWhileTheDialogIsHidden) {
  const std::optional<std::string> host = ServiceHost();
  if (!host) GTEST_SKIP() << "VELMAR_TEST_SERVICE (host:port of velmar-service) is not set";
  platform::win32::WinInetHttp http("velmar_web_panel_tests");
  contract::ServiceControl service(http, *host);

  // The pages as the program asks for them, and an address with a Hangul
  // byte pair in the ANSI code page: it reaches the service as the same
  // character, whether the control sends it back in CP949 or in UTF-8.
  const struct {
    const char* name;
    bool banner;
    bool needs_cp949;
    std::string target;
    std::vector<std::string> logged;  // any one of these log lines
  } rows[] = {
      {"banner", true, false, kBannerPath, {std::string(kBannerPath) + "\t"}},
      {"notice board",
       false,
       false,
       std::string(kBoardPath) + kBoardQuery,
       {std::string(kBoardPath) + "\ttype=0&agent=vpn\ttype=0\tagent=vpn"}},
      {"hangul query",
       true,
       true,
       std::string(kBannerPath) + "?memo=\xB0\xA1",
       {std::string(kBannerPath) + "\tmemo=\\xB0\\xA1\tmemo=\\xB0\\xA1",
        std::string(kBannerPath) + "\tmemo=%EA%B0%80\tmemo=\\xEA\\xB0\\x80"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.needs_cp949 && ::GetACP() != 949) {
      std::printf("%s: skipped, the ANSI code page is %u\n", row.name, ::GetACP());
      continue;
    }
    const std::string path = row.target.substr(0, row.target.find('?'));
    const std::size_t before = service.LoggedRequests(path).size();
    MainDialog dialog;  // hidden, as at program start
    ASSERT_NE(dialog.hwnd(), nullptr);
    HWND panel = row.banner ? dialog.banner() : dialog.notices();
    ASSERT_EQ(NavigateWebPanel(panel, "http://" + *host + row.target), S_OK);
    // The control fetches in the background of this thread's message loop.
    ASSERT_TRUE(platform::win32::PumpMessagesUntil(
        [&] { return LoggedMoreThan(service, path, before); }, 10000))
        << "the service never saw " << row.target;
    const std::string line = service.LoggedRequests(path).back();
    bool expected = false;
    for (const std::string& logged : row.logged) expected = expected || line == logged;
    EXPECT_TRUE(expected) << line;
  }
}

struct DestroyRow {
  const char* name;
  DWORD pump_ms;  // between the navigation and the destruction
};

void PrintTo(const DestroyRow& row, std::ostream* out) { *out << row.name; }

class DestroyTest : public WebPanelTest, public ::testing::WithParamInterface<DestroyRow> {};

TEST_P(DestroyTest, DestroyingTheDialogReleasesBothControls) {
  const std::string host = ServiceHost().value_or("127.0.0.1:9");
  const LONG alive_before = BrowserSite::Alive();
  MainDialog dialog;
  ASSERT_NE(dialog.hwnd(), nullptr);
  const HWND banner = dialog.banner();
  const HWND notices = dialog.notices();
  EXPECT_EQ(BrowserSite::Alive(), alive_before + 2);
  NavigateWebPanel(banner, "http://" + host + kBannerPath);
  NavigateWebPanel(notices, "http://" + host + kBoardPath + kBoardQuery);
  if (GetParam().pump_ms > 0) web_panel_test::PumpFor(GetParam().pump_ms);

  dialog.Destroy();
  // Each control gave its site back when its panel went, loading or not.
  EXPECT_EQ(BrowserSite::Alive(), alive_before);
  for (HWND gone : {banner, notices}) {
    EXPECT_FALSE(::IsWindow(gone));
    EXPECT_EQ(NavigateWebPanel(gone, "http://" + host + kBannerPath), E_HANDLE);
    EXPECT_EQ(WebPanelBrowserState(gone), E_HANDLE);
  }
  // Whatever the closed controls still had queued runs without them.
  web_panel_test::PumpFor(200);

  // The next dialog gets working browsers again.
  MainDialog next;
  ASSERT_NE(next.hwnd(), nullptr);
  EXPECT_EQ(WebPanelBrowserState(next.banner()), S_OK);
  EXPECT_EQ(NavigateWebPanel(next.banner(), "http://" + host + kBannerPath), S_OK);
}

INSTANTIATE_TEST_SUITE_P(WhileLoading, DestroyTest,
                         ::testing::Values(DestroyRow{"AtOnce", 0},
                                           DestroyRow{"AfterLoading", 500}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
