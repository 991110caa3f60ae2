// Bitmap buttons, hover buttons and the skinned frame on the memory windows.

#include <gtest/gtest.h>

#include <array>

#include "memory_os.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "res/resource.h"
#include "skin/dialog_buttons.h"
#include "skin/my_bitmap_button.h"
#include "skin/skinned_frame.h"

namespace {

using ui::FaceSlot;
using ui::kOdsDisabled;
using ui::kOdsFocus;
using ui::kOdsSelected;

struct FaceCase {
  unsigned state;
  std::array<bool, 5> held;  // normal, selected, focus, disabled, hover
  bool hovering;
  FaceSlot expected;
};

TEST(FaceChoice, SelectedThenFocusThenDisabledThenNormalAndHoverOverAll) {
  constexpr std::array<bool, 5> kAll{true, true, true, true, true};
  constexpr std::array<bool, 5> kFourFaces{true, true, true, true, false};
  const FaceCase cases[] = {
      {0, kAll, false, FaceSlot::kNormal},
      {kOdsSelected | kOdsFocus | kOdsDisabled, kAll, false, FaceSlot::kSelected},
      {kOdsFocus | kOdsDisabled, kAll, false, FaceSlot::kFocus},
      {kOdsDisabled, kAll, false, FaceSlot::kDisabled},
      // An empty slot falls through to the next candidate.
      {kOdsSelected | kOdsFocus, {true, false, true, true, false}, false, FaceSlot::kFocus},
      {kOdsSelected, {true, false, false, false, false}, false, FaceSlot::kNormal},
      // Hover wins over pressed, focused and disabled, but only when held.
      {kOdsSelected, kAll, true, FaceSlot::kHover},
      {kOdsDisabled, kAll, true, FaceSlot::kHover},
      {kOdsSelected, kFourFaces, true, FaceSlot::kSelected},
      // Nothing drawn without a normal face.
      {0, {false, false, false, false, false}, false, FaceSlot::kNone},
      {kOdsSelected, {false, false, false, false, false}, true, FaceSlot::kNone},
      {kOdsSelected, {false, false, false, false, true}, true, FaceSlot::kHover},
  };
  for (const FaceCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "state " << c.state << " hovering " << c.hovering);
    EXPECT_EQ(ui::ChooseFace(c.state, c.held, c.hovering), c.expected);
  }
}

// The login and main dialogs with their buttons bound, as their own classes
// bind them.
class ButtonDialog : public ui::CDialogEx {
 public:
  ButtonDialog(ui::Windowing& windowing, int template_id) : CDialogEx(windowing, template_id) {}
  CMyBitmapButton hover{windowing()};
  ui::CBitmapButton plain{windowing()};
  int hover_id = 0;
  int plain_id = 0;

 protected:
  void DoDataExchange(ui::CDataExchange* pDX) override {
    ui::DDX_Control(pDX, hover_id, hover);
    ui::DDX_Control(pDX, plain_id, plain);
  }
};

class SkinTest : public ::testing::Test {
 protected:
  ButtonDialog& MainDialog() {
    main.hover_id = IDC_MAIN_HOME;
    main.plain_id = IDC_MAIN_CONNECT;
    EXPECT_TRUE(main.Create(IDD_MAIN));
    return main;
  }
  ui::WindowRef ref() const { return main.GetSafeHwnd(); }

  test::MemoryOs os;
  platform::memory::MemoryWindowing& windows = os.windows;
  ButtonDialog main{windows, IDD_MAIN};
};

TEST_F(SkinTest, ButtonsTakeTheSizeOfTheirNormalFace) {
  ButtonDialog& dialog = MainDialog();
  const ui::Rect before = windows.ControlState(ref(), IDC_MAIN_HOME).rect;
  skin::SetUpButton(dialog.hover, skin::kMainButtons[5]);  // home
  const ui::Rect after = windows.ControlState(ref(), IDC_MAIN_HOME).rect;
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.width(), 77);
  EXPECT_EQ(after.height(), 73);
  EXPECT_EQ(dialog.hover.FaceId(FaceSlot::kSelected), IDB_HOME_HOVER);
  EXPECT_EQ(dialog.hover.FaceId(FaceSlot::kHover), IDB_HOME_HOVER);
  EXPECT_EQ(dialog.hover.hover_bitmap_id(), IDB_HOME_HOVER);
}

TEST_F(SkinTest, AMissingNormalFaceLoadsNoFaceAndDrawsNothing) {
  ButtonDialog& dialog = MainDialog();
  windows.missing_bitmaps = {IDB_CONNECT_ACTIVE};
  EXPECT_FALSE(dialog.plain.LoadBitmaps(IDB_CONNECT_ACTIVE, IDB_CONNECT_INACTIVE,
                                        IDB_CONNECT_ACTIVE, IDB_CONNECT_ACTIVE));
  for (FaceSlot slot : {FaceSlot::kNormal, FaceSlot::kSelected, FaceSlot::kFocus,
                        FaceSlot::kDisabled}) {
    EXPECT_EQ(dialog.plain.FaceId(slot), 0);
  }
  EXPECT_EQ(windows.Draw(ref(), IDC_MAIN_CONNECT, kOdsSelected), 0);

  windows.missing_bitmaps = {IDB_CONNECT_INACTIVE};
  EXPECT_TRUE(dialog.plain.LoadBitmaps(IDB_CONNECT_ACTIVE, IDB_CONNECT_INACTIVE));
  EXPECT_EQ(windows.Draw(ref(), IDC_MAIN_CONNECT, kOdsSelected), IDB_CONNECT_ACTIVE)
      << "a missing selected face falls back to the normal one";
}

TEST_F(SkinTest, HoverStartsOnTheFirstMoveAndEndsWhenThePointerLeaves) {
  ButtonDialog& dialog = MainDialog();
  skin::SetUpButton(dialog.hover, skin::kMainButtons[5]);  // home: 152, hover 153
  const ui::WindowRef home = windows.Control(ref(), IDC_MAIN_HOME);
  EXPECT_EQ(windows.Draw(ref(), IDC_MAIN_HOME, 0), IDB_HOME);

  windows.invalidations.clear();
  windows.MouseMove(home, {3, 4});
  windows.MouseMove(home, {5, 6});
  EXPECT_TRUE(dialog.hover.hovering());
  EXPECT_TRUE(windows.Find(home)->tracking_leave);
  ASSERT_EQ(windows.invalidations.size(), 1u) << "only the first move repaints";
  EXPECT_TRUE(windows.invalidations[0].whole);
  EXPECT_FALSE(windows.invalidations[0].erase);
  EXPECT_EQ(windows.Draw(ref(), IDC_MAIN_HOME, 0), IDB_HOME_HOVER);
  EXPECT_EQ(windows.Draw(ref(), IDC_MAIN_HOME, kOdsFocus | kOdsDisabled), IDB_HOME_HOVER);

  windows.MouseLeave(home);
  EXPECT_FALSE(dialog.hover.hovering());
  EXPECT_EQ(windows.invalidations.size(), 2u);
  EXPECT_FALSE(windows.invalidations[1].erase);
  EXPECT_EQ(windows.Draw(ref(), IDC_MAIN_HOME, 0), IDB_HOME);
  EXPECT_EQ(windows.Draw(ref(), IDC_MAIN_HOME, kOdsSelected), IDB_HOME_HOVER)
      << "its selected face is the hover picture";
}

TEST_F(SkinTest, AHoverButtonWithoutHoverFaceDrawsLikeAPlainOne) {
  ButtonDialog& dialog = MainDialog();
  skin::SetUpButton(dialog.hover, {IDC_MAIN_HOME, IDB_HOME, IDB_HOME_HOVER, IDB_HOME, IDB_HOME, 0});
  windows.MouseMove(windows.Control(ref(), IDC_MAIN_HOME), {1, 1});
  EXPECT_EQ(windows.Draw(ref(), IDC_MAIN_HOME, 0), IDB_HOME);
  EXPECT_EQ(windows.Draw(ref(), IDC_MAIN_HOME, kOdsSelected), IDB_HOME_HOVER);
}

TEST_F(SkinTest, EnabledStateSwapsTheFacesAndRepaintsWithErase) {
  ButtonDialog& dialog = MainDialog();
  skin::SetUpButton(dialog.plain, skin::kMainButtons[0]);
  windows.invalidations.clear();
  skin::SetButtonEnabled(dialog.plain, skin::kConnectFaces, false);
  EXPECT_FALSE(windows.ControlState(ref(), IDC_MAIN_CONNECT).enabled);
  EXPECT_EQ(dialog.plain.FaceId(FaceSlot::kNormal), IDB_CONNECT_INACTIVE);
  EXPECT_EQ(dialog.plain.FaceId(FaceSlot::kSelected), IDB_CONNECT_ACTIVE);
  EXPECT_EQ(dialog.plain.FaceId(FaceSlot::kDisabled), IDB_CONNECT_INACTIVE);
  ASSERT_EQ(windows.invalidations.size(), 1u);
  EXPECT_TRUE(windows.invalidations[0].erase);
  skin::SetButtonEnabled(dialog.plain, skin::kConnectFaces, true);
  EXPECT_EQ(dialog.plain.FaceId(FaceSlot::kNormal), IDB_CONNECT_ACTIVE);
  EXPECT_EQ(dialog.plain.FaceId(FaceSlot::kSelected), IDB_CONNECT_INACTIVE);
}

TEST_F(SkinTest, FacesAreReleasedWithTheButton) {
  {
    ButtonDialog dialog(windows, IDD_LOGIN);
    dialog.hover_id = IDC_LOGIN_BUTTON;
    dialog.plain_id = IDC_LOGIN_MINIMISE;
    ASSERT_TRUE(dialog.Create(IDD_LOGIN));
    skin::SetUpButton(dialog.hover, skin::kLoginButtons[0]);
    skin::SetUpButton(dialog.plain, skin::kLoginButtons[3]);
    EXPECT_EQ(windows.live_bitmaps(), 9);
    skin::SetUpButton(dialog.hover, skin::kLoginButtons[0]);
    EXPECT_EQ(windows.live_bitmaps(), 9) << "loading again releases the faces before";
  }
  EXPECT_EQ(windows.live_bitmaps(), 0);
}

struct StripCase {
  int x, y;
  bool moves;
};

TEST(MoveStrip, ThirtyPixelsHighLeftOfTheDialogsLimit) {
  const StripCase login[] = {{0, 0, true},     {200, 29, true}, {200, 30, false},
                             {464, 10, true},  {465, 10, false}, {-5, 10, true},
                             {10, -3, true}};
  for (const StripCase& c : login) {
    EXPECT_EQ(skin::InMoveStrip(skin::kLoginFrame, {c.x, c.y}), c.moves) << c.x << "," << c.y;
  }
  EXPECT_TRUE(skin::InMoveStrip(skin::kMainFrame, {589, 29}));
  EXPECT_FALSE(skin::InMoveStrip(skin::kMainFrame, {590, 29}));
  EXPECT_TRUE(skin::InMoveStrip(skin::kReportFrame, {399, 0}));
  EXPECT_FALSE(skin::InMoveStrip(skin::kReportFrame, {400, 0}));
}

TEST_F(SkinTest, APressInTheStripHandsTheDialogToTheMoveLoop) {
  ButtonDialog& dialog = MainDialog();
  skin::OnStripPress(dialog, skin::kMainFrame, {100, 29});
  skin::OnStripPress(dialog, skin::kMainFrame, {100, 30});
  ASSERT_EQ(windows.moves_started.size(), 1u);
  EXPECT_EQ(windows.moves_started[0].first, ref());
  EXPECT_EQ(windows.moves_started[0].second.y, 29);
}

TEST_F(SkinTest, EachPaintLoadsAndReleasesItsBackground) {
  ButtonDialog& dialog = MainDialog();
  for (int paint = 0; paint < 300; ++paint) skin::PaintBackground(dialog, skin::kMainFrame);
  EXPECT_EQ(windows.Find(ref())->backgrounds_painted.size(), 300u);
  EXPECT_EQ(windows.Find(ref())->backgrounds_painted.back(), IDB_MAIN_BACKGROUND);
  EXPECT_EQ(windows.bitmaps_loaded(), 300);
  EXPECT_EQ(windows.live_bitmaps(), 0);
}

TEST(ControlColours, MainDialogTable) {
  using Kind = ui::CtlColorKind;
  using Brush = ui::ColourAnswer::Brush;
  constexpr ui::BrushRef kWhite = 77;
  struct Row {
    int control;
    Kind kind;
    Brush brush;
    std::optional<std::uint32_t> text;
  };
  const Row rows[] = {
      {IDC_MAIN_WELCOME, Kind::kStatic, Brush::kHollow, ui::Rgb(0, 0, 0)},
      {IDC_MAIN_CONNECTING_IP, Kind::kStatic, Brush::kHollow, ui::Rgb(255, 255, 255)},
      {IDC_MAIN_STATUS, Kind::kStatic, Brush::kHollow, ui::Rgb(255, 255, 255)},
      {IDC_MAIN_L2TP, Kind::kStatic, Brush::kHollow, std::nullopt},
      {IDC_MAIN_PPTP, Kind::kStatic, Brush::kHollow, std::nullopt},
      {IDC_MAIN_CHANGE_MINUTES, Kind::kEdit, Brush::kOwn, std::nullopt},
      {IDC_MAIN_CHANGE_MINUTES, Kind::kStatic, Brush::kOwn, std::nullopt},
      {IDC_MAIN_STATUS, Kind::kEdit, Brush::kDefault, std::nullopt},
      {IDC_MAIN_CONTRACTS, Kind::kStatic, Brush::kDefault, std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.control);
    const ui::ColourAnswer answer = skin::MainControlColour(row.control, row.kind, kWhite);
    EXPECT_EQ(answer.brush, row.brush);
    EXPECT_EQ(answer.text_colour, row.text);
    EXPECT_EQ(answer.transparent, row.brush != Brush::kDefault);
    if (row.brush == Brush::kOwn) {
      EXPECT_EQ(answer.own_brush, kWhite);
    }
  }
  EXPECT_EQ(skin::ReportControlColour(IDC_REPORT_IP, Kind::kEdit).brush, Brush::kHollow);
  EXPECT_EQ(skin::ReportControlColour(IDC_REPORT_NOTE, Kind::kEdit).brush, Brush::kDefault);
}

}  // namespace
