// The bitmaps, icons and strings that the resource script puts into the
// executable, read back through the calls the program uses.

#include "resource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "gdi_image.h"

namespace {

struct BitmapRow {
  int id;
  int width;
  int height;
};

// The sizes the art is drawn to: backgrounds at the dialogs' standard scale,
// faces at the sizes their buttons take.
const BitmapRow kBitmaps[] = {
    {IDB_LOGIN_BACKGROUND, 410, 227},
    {IDB_FIND_ACCOUNT, 121, 27},
    {IDB_JOIN, 121, 27},
    {IDB_LOGIN, 81, 70},
    {IDB_CONNECT_INACTIVE, 71, 36},
    {IDB_CONNECT_ACTIVE, 71, 36},
    {IDB_DISCONNECT_INACTIVE, 71, 36},
    {IDB_DISCONNECT_ACTIVE, 71, 36},
    {IDB_REFRESH_INACTIVE, 71, 36},
    {IDB_REFRESH_ACTIVE, 71, 36},
    {IDB_LOGOUT_BLACK, 83, 21},
    {IDB_LOGOUT_ORANGE, 83, 21},
    {IDB_CHANGE_START_INACTIVE, 90, 24},
    {IDB_CHANGE_START_ACTIVE, 90, 24},
    {IDB_HOME, 77, 73},
    {IDB_HOME_HOVER, 77, 73},
    {IDB_PAYMENT, 77, 73},
    {IDB_PAYMENT_HOVER, 77, 73},
    {IDB_INQUIRY, 78, 73},
    {IDB_INQUIRY_HOVER, 78, 73},
    {IDB_GUIDE, 77, 73},
    {IDB_GUIDE_HOVER, 77, 73},
    {IDB_SAVE_SETTINGS, 77, 73},
    {IDB_SAVE_SETTINGS_HOVER, 77, 73},
    {IDB_CLOSE, 20, 20},
    {IDB_MINIMISE, 20, 20},
    {IDB_MAIN_BACKGROUND, 432, 611},
    {IDB_REPORT_BACKGROUND, 396, 261},
    {IDB_REPORT_SUBMIT, 107, 29},
    {IDB_REPORT_IP, 90, 24},
    {IDB_CLOSE_HOVER, 20, 20},
    {IDB_FIND_ACCOUNT_HOVER, 121, 27},
    {IDB_JOIN_HOVER, 121, 27},
    {IDB_LOGIN_HOVER, 81, 70},
};

BOOL CALLBACK CollectId(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids) {
  if (IS_INTRESOURCE(name)) {
    reinterpret_cast<std::set<int>*>(ids)->insert(static_cast<int>(LOWORD(name)));
  }
  return TRUE;
}

std::set<int> ResourceIds(LPCSTR type) {
  std::set<int> ids;
  EnumResourceNamesA(GetModuleHandleW(nullptr), type, CollectId, reinterpret_cast<LONG_PTR>(&ids));
  return ids;
}

TEST(Resources, EveryBitmapHasTheSizeOfItsArt) {
  for (const BitmapRow& row : kBitmaps) {
    SCOPED_TRACE(testing::Message() << "bitmap " << row.id);
    const SIZE size = gallery::BitmapSize(row.id);
    EXPECT_EQ(size.cx, row.width);
    EXPECT_EQ(size.cy, row.height);
  }
}

TEST(Resources, BitmapsAreExactlyTheTablesAndIconsTheTwo) {
  std::set<int> bitmaps;
  for (const BitmapRow& row : kBitmaps) bitmaps.insert(row.id);
  EXPECT_EQ(ResourceIds(RT_BITMAP), bitmaps);
  EXPECT_EQ(ResourceIds(RT_GROUP_ICON), (std::set<int>{IDI_APP, IDI_ROW}));
}

// Each icon must hold an image of every size it is shown at: the program icon
// in the title, the taskbar and the about box, the row icon in the list.
TEST(Resources, IconsLoadAtTheSizesTheyAreShownAt) {
  const struct {
    int id;
    int size;
  } kIcons[] = {{IDI_APP, 16}, {IDI_APP, 32}, {IDI_APP, 256}, {IDI_ROW, 16}};
  for (const auto& icon : kIcons) {
    SCOPED_TRACE(testing::Message() << "icon " << icon.id << " at " << icon.size);
    HICON handle = static_cast<HICON>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon.id), IMAGE_ICON, icon.size, icon.size, 0));
    ASSERT_NE(handle, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(handle, &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(colour.bmWidth, icon.size);
    EXPECT_EQ(colour.bmHeight, icon.size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(handle);
  }
}

TEST(Resources, AboutItemTextIsUtf16Korean) {
  const wchar_t* text = nullptr;
  // With a zero length, LoadStringW hands out a pointer to the resource itself.
  const int length =
      LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, reinterpret_cast<LPWSTR>(&text), 0);
  ASSERT_GT(length, 0);
  EXPECT_EQ(std::wstring(text, length), L"velmarVPN 정보(&A)...");

  // The program holds CP949 strings and reads the text through the ANSI call.
  if (GetACP() != 949) GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 949";
  char narrow[64] = "";
  LoadStringA(GetModuleHandleW(nullptr), IDS_ABOUTBOX, narrow, sizeof(narrow));
  EXPECT_EQ(std::string(narrow), "velmarVPN 정보(&A)...");
}

}  // namespace
