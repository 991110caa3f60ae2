// The windows: the memory windows must behave as the real ones do for what
// the dialogs rely on (list view bookkeeping, texts, radio groups, faces,
// posted messages). The Windows program needs a display; without one the
// cases skip.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "backend.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "res/resource.h"

namespace {

constexpr unsigned kPatienceMs = 10000;

class ContractDialog : public ui::CDialogEx {
 public:
  explicit ContractDialog(ui::Windowing& windowing) : CDialogEx(windowing, IDD_MAIN) {}
  ui::CListCtrl list{windowing()};
  ui::CBitmapButton home{windowing()};
  int conn_type = 0;
  int minutes = 0;
  int reloads = 0;

  static const ui::MessageMap& Map() {
    static const ui::MessageMap map(&CDialogEx::Map(),
                                    {ui::On<ContractDialog>::Command(1127, &ContractDialog::OnReloaded)});
    return map;
  }
  const ui::MessageMap& GetMessageMap() const override { return Map(); }

 protected:
  void DoDataExchange(ui::CDataExchange* pDX) override {
    ui::DDX_Control(pDX, IDC_MAIN_CONTRACTS, list);
    ui::DDX_Radio(pDX, IDC_MAIN_L2TP, conn_type);
    ui::DDX_Control(pDX, IDC_MAIN_HOME, home);
    ui::DDX_Text(pDX, IDC_MAIN_CHANGE_MINUTES, minutes);
  }

 private:
  void OnReloaded() { ++reloads; }
};

class WindowingContract : public testing::Test {
 protected:
  void SetUp() override {
    if (!dialog_.Create(IDD_MAIN)) GTEST_SKIP() << "no windows can be made here (no display?)";
    for (int column = 0; column < 3; ++column) list().InsertColumn(column, "c", ui::kLvcfmtLeft, 40);
  }

  ui::CListCtrl& list() { return dialog_.list; }
  std::vector<std::string> FirstColumn() {
    std::vector<std::string> texts;
    for (int row = 0; row < list().GetItemCount(); ++row) texts.push_back(list().GetItemText(row, 0));
    return texts;
  }

  std::unique_ptr<contract::Backend> backend_ = contract::MakeBackend();
  ui::Windowing& windowing_ = backend_->ports().windowing;
  ContractDialog dialog_{windowing_};
};

TEST_F(WindowingContract, ListRowsInsertedAtTheTopComeInReverseOrder) {
  for (const char* text : {"a", "b", "c"}) EXPECT_EQ(list().InsertItem(0, text, 1), 0);
  EXPECT_EQ(FirstColumn(), (std::vector<std::string>{"c", "b", "a"}));
  EXPECT_EQ(list().InsertItem(50, "d", 1), 3);
  EXPECT_EQ(list().InsertItem(-1, "e", 1), -1);
  EXPECT_EQ(list().GetItemCount(), 4);
  EXPECT_TRUE(list().SetItemText(0, 2, "memo"));
  EXPECT_EQ(list().GetItemText(0, 2), "memo");
  EXPECT_FALSE(list().SetItemText(9, 0, "no row"));
  EXPECT_EQ(list().GetItemText(9, 0), "");
  EXPECT_TRUE(list().SetItem(0, 0, "c", 0));
  EXPECT_TRUE(list().DeleteItem(3));
  EXPECT_FALSE(list().DeleteItem(3));
  EXPECT_EQ(FirstColumn(), (std::vector<std::string>{"c", "b", "a"}));
}

TEST_F(WindowingContract, SelectionMarkShiftsWithRowsAndGoesWithAll) {
  for (const char* text : {"a", "b", "c"}) list().InsertItem(0, text, 1);
  EXPECT_EQ(list().GetSelectionMark(), -1);
  EXPECT_EQ(list().SetSelectionMark(1), -1);
  list().InsertItem(0, "d", 1);
  EXPECT_EQ(list().GetSelectionMark(), 2);
  list().DeleteItem(0);
  EXPECT_EQ(list().GetSelectionMark(), 1);
  EXPECT_TRUE(list().DeleteAllItems());
  EXPECT_EQ(list().GetSelectionMark(), -1);
  EXPECT_EQ(list().GetItemCount(), 0);
}

TEST_F(WindowingContract, OneRowSelectedAndFocusedAtATime) {
  for (const char* text : {"a", "b", "c"}) list().InsertItem(0, text, 1);
  const unsigned both = ui::kLvisSelected | ui::kLvisFocused;
  EXPECT_TRUE(list().SetItemState(2, both, both));
  EXPECT_TRUE(list().SetItemState(0, both, both));
  EXPECT_EQ(list().GetItemState(0, both), both);
  EXPECT_EQ(list().GetItemState(2, both), 0u);
  EXPECT_EQ(list().GetSelectionMark(), 2) << "the first selection set the mark";
}

TEST_F(WindowingContract, TextsKeepTheirCp949Bytes) {
  const std::string korean = "velmar에 연결되었습니다.";
  dialog_.SetDlgItemText(IDC_MAIN_STATUS, korean);
  EXPECT_EQ(dialog_.GetDlgItemText(IDC_MAIN_STATUS), korean);
  list().InsertItem(0, "접속중", 1);
  EXPECT_EQ(list().GetItemText(0, 0), "접속중");
  EXPECT_EQ(dialog_.GetDlgItemText(IDC_MAIN_LOGOUT), "로그아웃") << "the template's caption";
}

TEST_F(WindowingContract, RadioGroupAndIntegerExchange) {
  EXPECT_EQ(windowing_.RadioGroup(windowing_.GetDlgItem(dialog_.GetSafeHwnd(), IDC_MAIN_L2TP)).size(),
            2u);
  dialog_.conn_type = 1;
  dialog_.minutes = 60;
  dialog_.UpdateData(false);
  EXPECT_FALSE(dialog_.IsDlgButtonChecked(IDC_MAIN_L2TP));
  EXPECT_TRUE(dialog_.IsDlgButtonChecked(IDC_MAIN_PPTP));
  EXPECT_EQ(dialog_.GetDlgItemText(IDC_MAIN_CHANGE_MINUTES), "60");
  dialog_.CheckDlgButton(IDC_MAIN_PPTP, false);
  dialog_.SetDlgItemText(IDC_MAIN_CHANGE_MINUTES, "15분");
  EXPECT_TRUE(dialog_.UpdateData(true));
  EXPECT_EQ(dialog_.conn_type, -1);
  EXPECT_EQ(dialog_.minutes, 15);
}

TEST_F(WindowingContract, ButtonTakesItsFaceSizeAndKeepsItsCorner) {
  const ui::WindowRef home = dialog_.home.GetSafeHwnd();
  const ui::Rect before = windowing_.GetRectInParent(home);
  ASSERT_TRUE(dialog_.home.LoadBitmaps(IDB_HOME, IDB_HOME_HOVER, IDB_HOME, IDB_HOME));
  dialog_.home.SizeToContent();
  const ui::Rect after = windowing_.GetRectInParent(home);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.width(), 77);
  EXPECT_EQ(after.height(), 73);
  EXPECT_FALSE(dialog_.home.LoadBitmaps(4242));
}

TEST_F(WindowingContract, PostedCommandsArriveOnTheUiThread) {
  EXPECT_TRUE(dialog_.PostMessage(ui::kWmCommand, 1127));
  EXPECT_TRUE(dialog_.PostMessage(ui::kWmCommand, 1127));
  EXPECT_TRUE(backend_->RunUiUntil([&] { return dialog_.reloads == 2; }, kPatienceMs));
}

TEST_F(WindowingContract, StatesAndMissingControls) {
  EXPECT_FALSE(dialog_.IsWindowVisible()) << "the main template is not visible";
  ui::CWnd* minutes = dialog_.GetDlgItem(IDC_MAIN_CHANGE_MINUTES);
  minutes->EnableWindow(false);
  EXPECT_FALSE(minutes->IsWindowEnabled());
  EXPECT_EQ(windowing_.GetDlgItem(dialog_.GetSafeHwnd(), 4242), 0u);
  dialog_.SetDlgItemText(4242, "nowhere");
  EXPECT_EQ(dialog_.GetDlgItemText(4242), "");
  EXPECT_EQ(windowing_.LoadString(IDS_ABOUTBOX), "velmarVPN 정보(&A)...");
  EXPECT_EQ(windowing_.LoadString(4242), std::nullopt);
}

}  // namespace
