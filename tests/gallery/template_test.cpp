// Creates each dialog from its template in the linked resources and checks it
// against the layout tables: the dialog's own styles, size and font, and every
// control in template order (which is also the tab order) with its class,
// caption, rectangle and styles.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <set>
#include <string>
#include <vector>

#include "dialog_host.h"
#include "resource.h"

namespace {

using gallery::SharedDialog;
using gallery::TemplateDialog;

struct ControlRow {
  int id;
  const wchar_t* class_name;
  const wchar_t* caption;  // nullptr: not compared (the icon control's text is its icon)
  RECT du;                 // left, top, width, height; width 0: the control sizes itself
  DWORD style;             // besides WS_CHILD | WS_VISIBLE, which every control has
};

constexpr DWORD kOwnerDrawn = BS_OWNERDRAW | WS_TABSTOP;

const ControlRow kLoginControls[] = {
    {IDC_LOGIN_ID, L"Edit", L"", {73, 48, 87, 12}, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_LOGIN_PASSWORD, L"Edit", L"", {73, 74, 87, 12}, ES_PASSWORD | ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_LOGIN_BUTTON, L"Button", L"로그인", {169, 42, 40, 24}, kOwnerDrawn},
    {IDC_LOGIN_FIND_ACCOUNT, L"Button", L"id/pwd 찾기", {147, 114, 52, 16}, kOwnerDrawn},
    {IDC_LOGIN_JOIN, L"Button", L"회원가입", {71, 114, 50, 17}, kOwnerDrawn},
    {IDC_LOGIN_MINIMISE, L"Button", L"_", {205, 3, 13, 13}, kOwnerDrawn},
    {IDC_LOGIN_CLOSE, L"Button", L"X", {219, 3, 13, 13}, kOwnerDrawn},
};

const ControlRow kMainControls[] = {
    {IDC_MAIN_MINIMISE, L"Button", L"_", {216, 4, 12, 14}, kOwnerDrawn},
    {IDC_MAIN_CLOSE, L"Button", L"X", {231, 4, 12, 14}, kOwnerDrawn},
    {IDC_MAIN_LOGOUT, L"Button", L"로그아웃", {193, 83, 37, 15}, kOwnerDrawn},
    {IDC_MAIN_WELCOME, L"Static", L"아이디", {14, 86, 155, 9}, SS_LEFT | WS_GROUP},
    {IDC_MAIN_CONTRACTS,
     L"SysListView32",
     L"",
     {6, 197, 233, 59},
     LVS_REPORT | LVS_SINGLESEL | LVS_ALIGNLEFT | WS_TABSTOP},
    {IDC_MAIN_CHANGE_MINUTES,
     L"Edit",
     L"",
     {10, 302, 24, 12},
     ES_NUMBER | ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_MAIN_CONNECT, L"Button", L"연결", {112, 154, 36, 14}, kOwnerDrawn},
    {IDC_MAIN_DISCONNECT, L"Button", L"끊기", {155, 154, 36, 14}, kOwnerDrawn},
    {IDC_MAIN_HOME, L"Button", L"홈으로", {6, 28, 38, 18}, kOwnerDrawn},
    {IDC_MAIN_PAYMENT, L"Button", L"결재하기", {53, 28, 38, 18}, kOwnerDrawn},
    {IDC_MAIN_INQUIRY, L"Button", L"1:1문의", {100, 28, 38, 18}, kOwnerDrawn},
    {IDC_MAIN_GUIDE, L"Button", L"도움말", {148, 28, 38, 18}, kOwnerDrawn},
    {IDC_MAIN_REFRESH, L"Button", L"갱신", {198, 154, 39, 14}, kOwnerDrawn},
    {IDC_MAIN_SAVE_SETTINGS, L"Button", L"설정저장", {195, 28, 38, 18}, kOwnerDrawn},
    {IDC_MAIN_STATUS, L"Static", L"", {9, 272, 223, 17}, SS_LEFT | WS_GROUP},
    {IDC_MAIN_L2TP, L"Button", L"", {78, 155, 9, 8}, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
    {IDC_MAIN_PPTP, L"Button", L"", {78, 169, 9, 8}, BS_AUTORADIOBUTTON},
    {IDC_MAIN_CONNECTING_IP, L"Static", L"", {14, 163, 49, 9}, SS_LEFT | WS_GROUP},
    {IDC_MAIN_CHANGE_START, L"Button", L"변경시작", {188, 298, 39, 14}, kOwnerDrawn},
    {IDC_MAIN_REPORT, L"Button", L"IP 신고", {130, 298, 52, 16}, kOwnerDrawn},
    {IDC_MAIN_BANNER, L"" VELMAR_WEB_PANEL_CLASS, L"", {7, 325, 232, 55}, WS_TABSTOP},
    {IDC_MAIN_NOTICES, L"" VELMAR_WEB_PANEL_CLASS, L"", {8, 117, 229, 28}, WS_TABSTOP},
};

const ControlRow kReportControls[] = {
    {IDC_REPORT_CLOSE, L"Button", L"X", {210, 4, 11, 11}, kOwnerDrawn},
    {IDC_REPORT_IP, L"Static", L"IP", {37, 59, 73, 8}, SS_LEFT | WS_GROUP},
    {IDC_REPORT_NOTE, L"Edit", L"", {19, 99, 182, 12}, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_REPORT_SUBMIT, L"Button", L"신고하기", {89, 121, 46, 18}, kOwnerDrawn},
};

const ControlRow kAboutControls[] = {
    {IDC_STATIC, L"Static", nullptr, {14, 14, 0, 0}, SS_ICON},
    {IDC_STATIC, L"Static", L"velmarVPN, 버전 1.0", {42, 14, 114, 8}, SS_LEFT | WS_GROUP},
    {IDOK, L"Button", L"확인", {113, 41, 50, 14}, BS_DEFPUSHBUTTON | WS_TABSTOP},
};

struct DialogRow {
  const char* name;
  int template_id;
  DWORD style;
  DWORD ex_style;
  SIZE du;
  const wchar_t* title;
  int first_tab_stop;
  std::vector<ControlRow> controls;
};

// Names the row in the test's output instead of its bytes.
void PrintTo(const DialogRow& row, std::ostream* out) { *out << row.name; }

constexpr DWORD kSkinned = WS_POPUP | WS_SYSMENU | DS_SETFONT;

const DialogRow kDialogs[] = {
    {"login",
     IDD_LOGIN,
     kSkinned | WS_VISIBLE,
     WS_EX_APPWINDOW,
     {234, 151},
     L"",
     IDC_LOGIN_ID,
     {std::begin(kLoginControls), std::end(kLoginControls)}},
    {"main",
     IDD_MAIN,
     kSkinned,
     0,
     {246, 407},
     L"",
     IDC_MAIN_MINIMISE,
     {std::begin(kMainControls), std::end(kMainControls)}},
    {"report",
     IDD_REPORT,
     kSkinned,
     0,
     {225, 147},
     L"",
     IDC_REPORT_CLOSE,
     {std::begin(kReportControls), std::end(kReportControls)}},
    // The dialog manager turns DS_MODALFRAME into WS_EX_DLGMODALFRAME, and a
    // captioned window gets WS_EX_WINDOWEDGE.
    {"about",
     IDD_ABOUTBOX,
     DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT,
     WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE,
     {170, 62},
     L"velmarVPN 정보",
     IDOK,
     {std::begin(kAboutControls), std::end(kAboutControls)}},
};

// The window style bits a template decides; WS_CAPTION is WS_BORDER | WS_DLGFRAME.
constexpr DWORD kDialogStyleBits = WS_POPUP | WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME |
                                   WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_MODALFRAME |
                                   DS_SETFONT;
constexpr DWORD kDialogExStyleBits = WS_EX_APPWINDOW | WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME |
                                     WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
// For controls: every class-specific bit, and the window bits that change how
// a control looks or takes part in tabbing and groups.
constexpr DWORD kControlStyleBits = 0xFFFF | WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_BORDER |
                                    WS_DLGFRAME | WS_VSCROLL | WS_HSCROLL | WS_GROUP | WS_TABSTOP;

std::wstring WindowText(HWND window) {
  wchar_t text[256] = L"";
  GetWindowTextW(window, text, static_cast<int>(std::size(text)));
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

// As left, top, width, height, like PlaceInClient. The dialog manager converts
// a control's size on its own, not its right and bottom edges, so the size is
// mapped as a size.
RECT ToPixels(HWND dialog, RECT du) {
  MapDialogRect(dialog, &du);
  return du;
}

class TemplateTest : public testing::TestWithParam<DialogRow> {
 protected:
  void SetUp() override {
    if (gallery::PrepareWindows() == gallery::Display::kMissing) {
      GTEST_SKIP() << "no window can be created here (under Wine: no X display)";
    }
  }
};

TEST_P(TemplateTest, DialogHasTheLayoutStylesSizeAndFont) {
  const DialogRow& row = GetParam();
  const TemplateDialog& dialog = SharedDialog(row.template_id);
  ASSERT_NE(dialog.hwnd(), nullptr) << "error " << dialog.creation_error();
  HWND hwnd = dialog.hwnd();

  EXPECT_EQ(GetWindowLongW(hwnd, GWL_STYLE) & kDialogStyleBits, row.style);
  EXPECT_EQ(GetWindowLongW(hwnd, GWL_EXSTYLE) & kDialogExStyleBits, row.ex_style);
  EXPECT_EQ(WindowText(hwnd), row.title);

  RECT client;
  GetClientRect(hwnd, &client);
  const RECT expected = ToPixels(hwnd, RECT{0, 0, row.du.cx, row.du.cy});
  EXPECT_EQ(client.right, expected.right);
  EXPECT_EQ(client.bottom, expected.bottom);
  if ((row.style & WS_CAPTION) == 0) {
    // No frame: the window is exactly its client area, which the skin covers.
    RECT frame;
    GetWindowRect(hwnd, &frame);
    EXPECT_EQ(frame.right - frame.left, client.right);
    EXPECT_EQ(frame.bottom - frame.top, client.bottom);
  }

  LOGFONTW font{};
  ASSERT_NE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof(font),
                       &font),
            0);
  EXPECT_STREQ(font.lfFaceName, L"굴림");
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(font.lfHeight, -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72));
  ReleaseDC(nullptr, screen);
}

TEST_P(TemplateTest, ControlsFollowTheTableInTemplateOrder) {
  const DialogRow& row = GetParam();
  const TemplateDialog& dialog = SharedDialog(row.template_id);
  ASSERT_NE(dialog.hwnd(), nullptr) << "error " << dialog.creation_error();

  // The dialog manager creates the controls in template order, each below the
  // last, so walking the children from the top gives that order.
  HWND control = GetWindow(dialog.hwnd(), GW_CHILD);
  for (const ControlRow& expected : row.controls) {
    SCOPED_TRACE(testing::Message() << row.name << " control " << expected.id);
    ASSERT_NE(control, nullptr) << "the dialog has fewer controls than the table";
    EXPECT_EQ(GetDlgCtrlID(control), expected.id);
    EXPECT_EQ(ClassName(control), expected.class_name);
    if (expected.caption != nullptr) {
      EXPECT_EQ(WindowText(control), expected.caption);
    }
    EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & kControlStyleBits,
              expected.style | WS_CHILD | WS_VISIBLE);

    const RECT actual = gallery::PlaceInClient(dialog.hwnd(), control);
    const RECT pixels = ToPixels(dialog.hwnd(), expected.du);
    EXPECT_EQ(actual.left, pixels.left);
    EXPECT_EQ(actual.top, pixels.top);
    if (expected.du.right != 0) {
      EXPECT_EQ(actual.right, pixels.right);
      EXPECT_EQ(actual.bottom, pixels.bottom);
    }
    control = GetWindow(control, GW_HWNDNEXT);
  }
  EXPECT_EQ(control, nullptr) << "the dialog has more controls than the table";
}

TEST_P(TemplateTest, FirstTabStopIsTheTablesFirst) {
  const DialogRow& row = GetParam();
  const TemplateDialog& dialog = SharedDialog(row.template_id);
  ASSERT_NE(dialog.hwnd(), nullptr) << "error " << dialog.creation_error();
  EXPECT_EQ(GetDlgCtrlID(GetNextDlgTabItem(dialog.hwnd(), nullptr, FALSE)), row.first_tab_stop);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, TemplateTest, testing::ValuesIn(kDialogs),
                         [](const testing::TestParamInfo<DialogRow>& info) {
                           return std::string(info.param.name);
                         });

// Data exchange reads the tunnel type as the index of the checked button in
// this group, so it must hold the two radio buttons and nothing else, in both
// directions from either end.
TEST(MainTemplate, RadioGroupHoldsExactlyL2tpAndPptp) {
  if (gallery::PrepareWindows() == gallery::Display::kMissing) GTEST_SKIP() << "no display";
  const TemplateDialog& dialog = SharedDialog(IDD_MAIN);
  ASSERT_NE(dialog.hwnd(), nullptr) << "error " << dialog.creation_error();

  for (const int start : {IDC_MAIN_L2TP, IDC_MAIN_PPTP}) {
    for (const BOOL backwards : {FALSE, TRUE}) {
      SCOPED_TRACE(testing::Message() << "from " << start << (backwards ? " backwards" : ""));
      HWND first = GetDlgItem(dialog.hwnd(), start);
      std::set<int> group;
      HWND item = first;
      do {
        group.insert(GetDlgCtrlID(item));
        item = GetNextDlgGroupItem(dialog.hwnd(), item, backwards);
      } while (item != nullptr && item != first && group.size() < 32);
      EXPECT_EQ(group, (std::set<int>{IDC_MAIN_L2TP, IDC_MAIN_PPTP}));
    }
  }
}

TEST(AboutTemplate, IconControlShowsTheProgramIcon) {
  if (gallery::PrepareWindows() == gallery::Display::kMissing) GTEST_SKIP() << "no display";
  const TemplateDialog& dialog = SharedDialog(IDD_ABOUTBOX);
  ASSERT_NE(dialog.hwnd(), nullptr) << "error " << dialog.creation_error();
  HWND icon = GetWindow(dialog.hwnd(), GW_CHILD);
  // The dialog manager loads the icon as LoadIcon does, which hands out one
  // shared handle per icon resource.
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0)),
            LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP)));
}

}  // namespace
