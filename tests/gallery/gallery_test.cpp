// The gallery: when VELMAR_GALLERY_DIR names a folder, shows each dialog
// painted with its background and button faces and saves what the window shows
// there as 24-bit BMP files (`convert login.bmp login.png` for a PNG):
//   <name>.bmp            the template as this system lays it out;
//   <name>.art-scale.bmp  the same dialog with every control moved to where
//                         the scale the art is drawn for puts it.
// The art is drawn for 9-point 굴림 on Windows at 96 DPI. Wine has no 굴림, and
// its stand-in font is taller, so under Wine only the second picture shows
// whether the controls land on the boxes the backgrounds draw for them.
// Under Wine a Unix path works, because the Z: drive maps the root and the
// test runs from a folder on it. Without the variable, or without a display,
// the test skips.
//
// The painting is a stand-in for the skinned frame: background, each
// button's normal face, the labels drawn transparently in their colours, and
// sample texts where the program sets its own at run time.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>

#include "dialog_host.h"
#include "gdi_image.h"
#include "resource.h"

namespace {

using gallery::Skin;

struct GalleryRow {
  const char* name;
  int template_id;
  const Skin* skin;  // nullptr: the system look
  // Texts that the program sets at run time, here samples that show where the
  // labels lie.
  std::map<int, const wchar_t*> sample_texts;
};

void PrintTo(const GalleryRow& row, std::ostream* out) { *out << row.name; }

const Skin kLoginSkin{IDB_LOGIN_BACKGROUND,
                      {{IDC_LOGIN_BUTTON, IDB_LOGIN},
                       {IDC_LOGIN_FIND_ACCOUNT, IDB_FIND_ACCOUNT},
                       {IDC_LOGIN_JOIN, IDB_JOIN},
                       {IDC_LOGIN_MINIMISE, IDB_MINIMISE},
                       {IDC_LOGIN_CLOSE, IDB_CLOSE}},
                      {}};

const Skin kMainSkin{IDB_MAIN_BACKGROUND,
                     {{IDC_MAIN_MINIMISE, IDB_MINIMISE},
                      {IDC_MAIN_CLOSE, IDB_CLOSE},
                      {IDC_MAIN_HOME, IDB_HOME},
                      {IDC_MAIN_PAYMENT, IDB_PAYMENT},
                      {IDC_MAIN_INQUIRY, IDB_INQUIRY},
                      {IDC_MAIN_GUIDE, IDB_GUIDE},
                      {IDC_MAIN_SAVE_SETTINGS, IDB_SAVE_SETTINGS},
                      {IDC_MAIN_LOGOUT, IDB_LOGOUT_ORANGE},
                      {IDC_MAIN_CONNECT, IDB_CONNECT_ACTIVE},
                      {IDC_MAIN_DISCONNECT, IDB_DISCONNECT_ACTIVE},
                      {IDC_MAIN_REFRESH, IDB_REFRESH_ACTIVE},
                      {IDC_MAIN_CHANGE_START, IDB_CHANGE_START_INACTIVE},
                      {IDC_MAIN_REPORT, IDB_REPORT_IP}},
                     {{IDC_MAIN_WELCOME, RGB(0, 0, 0)},
                      {IDC_MAIN_CONNECTING_IP, RGB(255, 255, 255)},
                      {IDC_MAIN_STATUS, RGB(255, 255, 255)},
                      {IDC_MAIN_L2TP, CLR_INVALID},
                      {IDC_MAIN_PPTP, CLR_INVALID}}};

const Skin kReportSkin{IDB_REPORT_BACKGROUND,
                       {{IDC_REPORT_CLOSE, IDB_CLOSE}, {IDC_REPORT_SUBMIT, IDB_REPORT_SUBMIT}},
                       {{IDC_REPORT_IP, CLR_INVALID}}};

const GalleryRow kGallery[] = {
    {"login", IDD_LOGIN, &kLoginSkin, {{IDC_LOGIN_ID, L"demo"}, {IDC_LOGIN_PASSWORD, L"demo"}}},
    {"main",
     IDD_MAIN,
     &kMainSkin,
     {{IDC_MAIN_WELCOME, L"demo님 접속하셨습니다."},
      {IDC_MAIN_CONNECTING_IP, L"203.0.113.7"},
      {IDC_MAIN_STATUS, L"상태"},
      {IDC_MAIN_CHANGE_MINUTES, L"10"}}},
    {"report", IDD_REPORT, &kReportSkin, {{IDC_REPORT_IP, L"203.0.113.7"}}},
    // Under an Xvfb without a window manager, Wine leaves the title bar of a
    // captioned window to the manager, so this picture shows none.
    {"about", IDD_ABOUTBOX, nullptr, {}},
};

// A corner no control covers: there the picture must be the background's.
constexpr int kCornerPixels = 8;

// Pixels per 4 x 8 dialog units of 9-point 굴림 at 96 DPI: the login
// dialog's 234 x 151 units make its background's 410 x 227 pixels.
constexpr SIZE kArtBaseUnits{7, 12};

// Moves every control, and resizes the dialog, from this system's dialog
// units to the art's. Bitmap buttons keep the size of their faces.
void MoveToArtScale(HWND dialog, const Skin& skin) {
  RECT base{0, 0, 4, 8};
  MapDialogRect(dialog, &base);
  // Dialog units are at least a pixel, so going back from pixels to units is
  // exact and the rescaled place is the one the art's scale gives the template.
  const auto x = [&base](int pixels) {
    return MulDiv(MulDiv(pixels, 4, base.right), kArtBaseUnits.cx, 4);
  };
  const auto y = [&base](int pixels) {
    return MulDiv(MulDiv(pixels, 8, base.bottom), kArtBaseUnits.cy, 8);
  };

  for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT)) {
    const RECT place = gallery::PlaceInClient(dialog, control);
    const bool face_sized = skin.faces.count(GetDlgCtrlID(control)) != 0;
    SetWindowPos(control, nullptr, x(place.left), y(place.top),
                 face_sized ? place.right : x(place.right),
                 face_sized ? place.bottom : y(place.bottom), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT client;
  GetClientRect(dialog, &client);
  SetWindowPos(dialog, nullptr, 0, 0, x(client.right), y(client.bottom),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Saves what `dialog` shows as `dir`\`name`.bmp; with a skin, checks first that
// the background was painted.
void SavePicture(HWND dialog, const Skin* skin, const std::wstring& dir, const std::string& name) {
  InvalidateRect(dialog, nullptr, TRUE);
  UpdateWindow(dialog);
  gallery::PumpMessages(300);

  const gallery::Image picture = gallery::CaptureWindow(dialog);
  ASSERT_GT(picture.width, 0);
  std::printf("%s: %d x %d px\n", name.c_str(), picture.width, picture.height);
  EXPECT_TRUE(gallery::WriteBmpFile(
      picture, dir + L"\\" + std::wstring(name.begin(), name.end()) + L".bmp"));

  if (skin == nullptr) return;
  const gallery::Image background = gallery::LoadBitmapImage(skin->background_id);
  ASSERT_GT(background.width, 0);
  for (int y = 0; y < kCornerPixels; ++y) {
    for (int x = 0; x < kCornerPixels; ++x) {
      ASSERT_EQ(picture.Pixel(x, y), background.Pixel(x, y)) << name << " at " << x << ", " << y;
    }
  }
}

std::wstring GalleryDir() {
  wchar_t dir[MAX_PATH] = L"";
  const DWORD length = GetEnvironmentVariableW(L"VELMAR_GALLERY_DIR", dir, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(dir) : std::wstring();
}

class GalleryTest : public testing::TestWithParam<GalleryRow> {};

TEST_P(GalleryTest, SavesWhatTheDialogShows) {
  const GalleryRow& row = GetParam();
  const std::wstring dir = GalleryDir();
  if (dir.empty()) GTEST_SKIP() << "VELMAR_GALLERY_DIR is not set";
  if (gallery::PrepareWindows() == gallery::Display::kMissing) GTEST_SKIP() << "no display";
  CreateDirectoryW(dir.c_str(), nullptr);

  gallery::TemplateDialog dialog(row.template_id, row.skin);
  ASSERT_NE(dialog.hwnd(), nullptr) << "error " << dialog.creation_error();
  for (const auto& [control_id, text] : row.sample_texts) {
    SetDlgItemTextW(dialog.hwnd(), control_id, text);
  }
  ShowWindow(dialog.hwnd(), SW_SHOWNORMAL);

  SavePicture(dialog.hwnd(), row.skin, dir, row.name);
  if (row.skin == nullptr) return;  // the system look is drawn for no scale of its own
  MoveToArtScale(dialog.hwnd(), *row.skin);
  SavePicture(dialog.hwnd(), row.skin, dir, std::string(row.name) + ".art-scale");
}

INSTANTIATE_TEST_SUITE_P(Dialogs, GalleryTest, testing::ValuesIn(kGallery),
                         [](const testing::TestParamInfo<GalleryRow>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
