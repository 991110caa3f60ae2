// The dialog layer on the memory windows: the program's templates, data
// exchange, message tables, modal and modeless runs, the list view and the
// bitmap buttons.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_os.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "res/resource.h"

namespace {

using platform::memory::MemoryWindowing;
using ui::CDialogEx;

// The main dialog's template with the exchanges the program makes on it:
// the radio group, the minutes as an int, then a string that shows whether
// the run went on after the int.
class ExchangeDialog : public CDialogEx {
 public:
  explicit ExchangeDialog(ui::Windowing& windowing) : CDialogEx(windowing, IDD_MAIN) {}

  int m_nConnType = 0;
  int m_nChangeMinutes = 0;
  std::string m_strStatus;
  ui::CListCtrl m_listContracts{windowing()};

 protected:
  void DoDataExchange(ui::CDataExchange* pDX) override {
    ui::DDX_Control(pDX, IDC_MAIN_CONTRACTS, m_listContracts);
    ui::DDX_Radio(pDX, IDC_MAIN_L2TP, m_nConnType);
    ui::DDX_Text(pDX, IDC_MAIN_CHANGE_MINUTES, m_nChangeMinutes);
    ui::DDX_Text(pDX, IDC_MAIN_STATUS, m_strStatus);
  }
};

class DialogLayerTest : public ::testing::Test {
 protected:
  test::MemoryOs os;
  MemoryWindowing& windows = os.windows;
};

TEST_F(DialogLayerTest, TemplatesComeFromTheProgramsResourceScript) {
  ExchangeDialog dialog(windows);
  ASSERT_TRUE(dialog.Create(IDD_MAIN));
  const ui::WindowRef ref = dialog.GetSafeHwnd();
  EXPECT_FALSE(windows.IsVisible(ref)) << "the main template is not visible";
  EXPECT_EQ(windows.ControlState(ref, IDC_MAIN_CONTRACTS).class_name, "SysListView32");
  EXPECT_EQ(windows.ControlState(ref, IDC_MAIN_LOGOUT).text, "로그아웃");
  // The radio group holds 1024 and 1025; the static after them starts the next.
  EXPECT_EQ(windows.RadioGroup(windows.Control(ref, IDC_MAIN_L2TP)).size(), 2u);
  EXPECT_EQ(windows.LoadString(IDS_ABOUTBOX), "velmarVPN 정보(&A)...");
}

TEST_F(DialogLayerTest, ScriptErrorsNameTheLine) {
  platform::memory::ScriptError error;
  platform::memory::ParseResourceScript("1 DIALOGEX 0, 0, 10, 10\nSTYLE WS_POPUP\nBEGIN\n"
                                        "  CONTROL \"\", 5, \"Edit\", WS_BOGUS, 1, 2, 3, 4\nEND\n",
                                        "", &error);
  EXPECT_EQ(error.line, 4);
  EXPECT_NE(error.what.find("WS_BOGUS"), std::string::npos);
}

struct IntCase {
  const char* text;
  bool accepted;
  int value;
};

TEST_F(DialogLayerTest, IntExchangeTakesTheNumberATextBeginsWith) {
  const IntCase cases[] = {
      {"60", true, 60},          {"60abc", true, 60},       {" 7", true, 7},
      {"-15", true, -15},        {"+3", true, 3},           {"2147483647", true, 2147483647},
      {"abc", false, 0},         {"", false, 0},            {"-", false, 0},
      {"2147483648", false, 0},  {"99999999999999999999", false, 0},
  };
  for (const IntCase& c : cases) {
    SCOPED_TRACE(c.text);
    ExchangeDialog dialog(windows);
    ASSERT_TRUE(dialog.Create(IDD_MAIN));
    dialog.m_nChangeMinutes = 42;
    windows.message_boxes.clear();
    windows.Type(dialog.GetSafeHwnd(), IDC_MAIN_CHANGE_MINUTES, c.text);
    windows.Type(dialog.GetSafeHwnd(), IDC_MAIN_STATUS, "after");

    EXPECT_EQ(dialog.UpdateData(true), c.accepted);
    if (c.accepted) {
      EXPECT_EQ(dialog.m_nChangeMinutes, c.value);
      EXPECT_EQ(dialog.m_strStatus, "after");
      EXPECT_TRUE(windows.message_boxes.empty());
    } else {
      EXPECT_EQ(dialog.m_nChangeMinutes, 42) << "the old value stays";
      EXPECT_EQ(dialog.m_strStatus, "") << "the exchange stops at the failure";
      ASSERT_EQ(windows.message_boxes.size(), 1u);
      EXPECT_EQ(windows.message_boxes[0].text, "정수를 입력하십시오.");
      EXPECT_EQ(windows.message_boxes[0].caption, "velmarVPN");
      EXPECT_EQ(windows.message_boxes[0].owner, dialog.GetSafeHwnd());
      EXPECT_EQ(windows.GetFocus(), windows.Control(dialog.GetSafeHwnd(), IDC_MAIN_CHANGE_MINUTES));
    }
  }
}

TEST_F(DialogLayerTest, RadioExchangeIsTheCheckedIndexOrMinusOne) {
  ExchangeDialog dialog(windows);
  dialog.m_nConnType = -1;
  ASSERT_TRUE(dialog.Create(IDD_MAIN));
  const ui::WindowRef ref = dialog.GetSafeHwnd();
  EXPECT_FALSE(windows.ControlState(ref, IDC_MAIN_L2TP).checked);
  EXPECT_FALSE(windows.ControlState(ref, IDC_MAIN_PPTP).checked);
  dialog.UpdateData(true);
  EXPECT_EQ(dialog.m_nConnType, -1);

  dialog.m_nConnType = 1;
  dialog.UpdateData(false);
  EXPECT_FALSE(windows.ControlState(ref, IDC_MAIN_L2TP).checked);
  EXPECT_TRUE(windows.ControlState(ref, IDC_MAIN_PPTP).checked);

  windows.Click(ref, IDC_MAIN_L2TP);  // an automatic radio button
  dialog.UpdateData(true);
  EXPECT_EQ(dialog.m_nConnType, 0);
  EXPECT_FALSE(windows.ControlState(ref, IDC_MAIN_PPTP).checked);

  dialog.m_nConnType = 5;  // no such button: none stays checked
  dialog.UpdateData(false);
  dialog.UpdateData(true);
  EXPECT_EQ(dialog.m_nConnType, -1);
}

class ListTest : public DialogLayerTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Create(IDD_MAIN));
    for (int column = 0; column < 3; ++column) list.InsertColumn(column, "c", 0, 50);
  }
  std::vector<std::string> Column0() {
    std::vector<std::string> texts;
    for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, 0));
    return texts;
  }
  const platform::memory::MemoryList& state() {
    return windows.ControlState(dialog.GetSafeHwnd(), IDC_MAIN_CONTRACTS).list;
  }
  ExchangeDialog dialog{windows};
  ui::CListCtrl& list = dialog.m_listContracts;
};

TEST_F(ListTest, InsertingAtTheTopReversesTheOrder) {
  for (const char* ip : {"a", "b", "c"}) EXPECT_EQ(list.InsertItem(0, ip, 1), 0);
  EXPECT_EQ(Column0(), (std::vector<std::string>{"c", "b", "a"}));
  EXPECT_EQ(list.InsertItem(99, "end", 1), 3) << "an index past the end appends";
  EXPECT_EQ(list.InsertItem(-1, "none", 1), -1);
}

TEST_F(ListTest, ItemTextsAndImages) {
  list.InsertItem(0, "ip", 1);
  EXPECT_TRUE(list.SetItem(0, 0, "ip", 0));
  EXPECT_TRUE(list.SetItemText(0, 2, "memo"));
  EXPECT_FALSE(list.SetItemText(0, 3, "no such column"));
  EXPECT_FALSE(list.SetItemText(1, 0, "no such row"));
  EXPECT_EQ(list.GetItemText(0, 2), "memo");
  EXPECT_EQ(list.GetItemText(0, 1), "");
  EXPECT_EQ(list.GetItemText(5, 0), "");
  EXPECT_EQ(state().rows[0].image, 0);
  EXPECT_TRUE(list.SetItem(0, 1, "x", 0));
  EXPECT_EQ(state().rows[0].image, 0) << "sub-items carry no image";
}

TEST_F(ListTest, SelectionMarkFollowsInsertionsAndDeletions) {
  for (const char* ip : {"a", "b", "c"}) list.InsertItem(0, ip, 1);
  list.SetSelectionMark(1);  // "b"
  list.InsertItem(0, "d", 1);
  EXPECT_EQ(list.GetSelectionMark(), 2);
  list.DeleteItem(0);
  EXPECT_EQ(list.GetSelectionMark(), 1);
  list.DeleteItem(1);
  EXPECT_EQ(list.GetSelectionMark(), -1) << "the marked row went";
  list.SetSelectionMark(0);
  EXPECT_TRUE(list.DeleteAllItems());
  EXPECT_EQ(list.GetItemCount(), 0);
  EXPECT_EQ(list.GetSelectionMark(), -1);
}

TEST_F(ListTest, SingleSelectionKeepsOneRowSelected) {
  for (const char* ip : {"a", "b"}) list.InsertItem(0, ip, 1);
  const unsigned both = ui::kLvisSelected | ui::kLvisFocused;
  list.SetItemState(0, both, both);
  list.SetItemState(1, both, both);
  EXPECT_EQ(list.GetItemState(0, both), 0u);
  EXPECT_EQ(list.GetItemState(1, both), both);
}

TEST_F(ListTest, ImageListGoesWithTheList) {
  {
    ui::CImageList images(windows);
    ASSERT_TRUE(images.Create(18, 18, ui::kIlcColorDdb | ui::kIlcMask, 1, 1));
    EXPECT_EQ(images.Add(IDI_ROW), 0);
    EXPECT_EQ(images.Add(9999), -1);
    list.SetImageList(&images, ui::kLvsilSmall);
  }
  EXPECT_EQ(windows.live_image_lists(), 1u) << "the list holds it";
  dialog.DestroyWindow();
  EXPECT_EQ(windows.live_image_lists(), 0u);
}

// A dialog with a message table of its own, for the routing of commands,
// posted messages, timers and keys.
class RoutedDialog : public CDialogEx {
 public:
  RoutedDialog(ui::Windowing& windowing, int template_id) : CDialogEx(windowing, template_id) {}
  std::vector<std::string> seen;
  bool block_enter = false;

  static const ui::MessageMap& Map() {
    static const ui::MessageMap map(
        &CDialogEx::Map(),
        {
            ui::On<RoutedDialog>::Command(1127, &RoutedDialog::OnReloaded),
            ui::On<RoutedDialog>::Timer(&RoutedDialog::OnTimer),
            ui::On<RoutedDialog>::Raw(0xCCCD, &RoutedDialog::OnCustom),
        });
    return map;
  }
  const ui::MessageMap& GetMessageMap() const override { return Map(); }

 protected:
  bool PreTranslateMessage(ui::Message& message) override {
    if (block_enter && message.id == ui::kWmKeyDown && message.wparam == ui::kVkReturn) {
      seen.push_back("enter kept from the dialog manager");
      return false;
    }
    return CDialogEx::PreTranslateMessage(message);
  }
  void OnCancel() override {
    seen.push_back("cancel");
    CDialogEx::OnCancel();
  }

 private:
  void OnReloaded() { seen.push_back("1127"); }
  void OnTimer(std::uintptr_t id) { seen.push_back("timer " + std::to_string(id)); }
  std::intptr_t OnCustom(std::uintptr_t wparam, std::intptr_t lparam) {
    seen.push_back("custom " + std::to_string(wparam) + "," + std::to_string(lparam));
    return 0;
  }
};

TEST_F(DialogLayerTest, PostedMessagesArriveInOrderThroughTheUiQueue) {
  RoutedDialog dialog(windows, IDD_MAIN);
  ASSERT_TRUE(dialog.Create(IDD_MAIN));
  dialog.PostMessage(ui::kWmCommand, 1127);
  dialog.PostMessage(0xCCCD, 5, 0);
  EXPECT_TRUE(dialog.seen.empty()) << "nothing runs before the queue is pumped";
  os.scheduler.RunUntilIdle();
  EXPECT_EQ(dialog.seen, (std::vector<std::string>{"1127", "custom 5,0"}));

  dialog.PostMessage(ui::kWmCommand, 1127);
  dialog.DestroyWindow();
  os.scheduler.RunUntilIdle();  // the window has gone: dropped
  EXPECT_EQ(dialog.seen.size(), 2u);
}

TEST_F(DialogLayerTest, TimersFireOnTheVirtualClockUntilKilled) {
  RoutedDialog dialog(windows, IDD_MAIN);
  ASSERT_TRUE(dialog.Create(IDD_MAIN));
  dialog.SetTimer(1, 120000);
  dialog.SetTimer(3, 1000);
  ASSERT_EQ(windows.ArmedTimers().size(), 2u);
  EXPECT_EQ(windows.ArmedTimers()[0].period_ms, 120000u);
  windows.AdvanceTime(2500);
  EXPECT_EQ(dialog.seen, (std::vector<std::string>{"timer 3", "timer 3"}));
  EXPECT_TRUE(dialog.KillTimer(3));
  EXPECT_FALSE(dialog.KillTimer(3));
  windows.AdvanceTime(120000);
  EXPECT_EQ(dialog.seen.back(), "timer 1");
  EXPECT_EQ(dialog.seen.size(), 3u);
}

TEST_F(DialogLayerTest, ModalRunEndsWithTheValueGivenAndEnterReachesTheDialogManager) {
  RoutedDialog about(windows, IDD_ABOUTBOX);
  int seen_visible = -1;
  windows.on_modal = [&](ui::WindowRef dialog) {
    seen_visible = windows.IsVisible(dialog);
    windows.PressKey(dialog, ui::kVkReturn);  // the about box's OK
  };
  EXPECT_EQ(about.DoModal(), ui::kIdOk);
  EXPECT_EQ(seen_visible, 1);
  EXPECT_EQ(about.GetSafeHwnd(), 0u) << "the window goes when the run ends";
}

TEST_F(DialogLayerTest, KeptEnterEndsNothingAndEscapeCancels) {
  RoutedDialog report(windows, IDD_REPORT);
  report.block_enter = true;
  windows.on_modal = [&](ui::WindowRef dialog) {
    windows.PressKey(windows.Control(dialog, IDC_REPORT_NOTE), ui::kVkReturn);
    EXPECT_TRUE(windows.IsModalRunning(dialog));
    windows.PressKey(dialog, ui::kVkEscape);
  };
  EXPECT_EQ(report.DoModal(), ui::kIdCancel);
  EXPECT_EQ(report.seen, (std::vector<std::string>{"enter kept from the dialog manager", "cancel"}));
}

TEST_F(DialogLayerTest, AModelessDialogEndsByHiding) {
  RoutedDialog dialog(windows, IDD_MAIN);
  ASSERT_TRUE(dialog.Create(IDD_MAIN));
  dialog.ShowWindow(ui::ShowCommand::kShow);
  windows.Close(dialog.GetSafeHwnd());  // WM_CLOSE becomes IDCANCEL
  EXPECT_EQ(dialog.seen, (std::vector<std::string>{"cancel"}));
  EXPECT_FALSE(dialog.IsWindowVisible());
  EXPECT_TRUE(windows.IsWindow(dialog.GetSafeHwnd())) << "hidden, not destroyed";
}

TEST_F(DialogLayerTest, DestroyingTheObjectDestroysItsWindowWithoutCallingBack) {
  ui::WindowRef ref = 0;
  {
    RoutedDialog dialog(windows, IDD_MAIN);
    ASSERT_TRUE(dialog.Create(IDD_MAIN));
    ref = dialog.GetSafeHwnd();
    dialog.SetTimer(2, 1200000);
  }
  EXPECT_FALSE(windows.IsWindow(ref));
  EXPECT_TRUE(windows.ArmedTimers().empty());
}

TEST_F(DialogLayerTest, GetDlgItemGivesTheBoundObjectOrAHandle) {
  ExchangeDialog dialog(windows);
  ASSERT_TRUE(dialog.Create(IDD_MAIN));
  EXPECT_EQ(dialog.GetDlgItem(IDC_MAIN_CONTRACTS), &dialog.m_listContracts);
  ui::CWnd* minutes = dialog.GetDlgItem(IDC_MAIN_CHANGE_MINUTES);
  minutes->EnableWindow(false);
  EXPECT_FALSE(windows.ControlState(dialog.GetSafeHwnd(), IDC_MAIN_CHANGE_MINUTES).enabled);
  EXPECT_EQ(dialog.GetDlgItem(IDC_MAIN_CHANGE_MINUTES), minutes);
  dialog.GetDlgItem(4242)->SetWindowText("no such control: nothing happens");
}

TEST_F(DialogLayerTest, MessageBoxCaptionIsTheApplicationsNameUnlessGiven) {
  RoutedDialog dialog(windows, IDD_MAIN);
  ASSERT_TRUE(dialog.Create(IDD_MAIN));
  windows.message_box_answers = {ui::kIdYes};
  EXPECT_EQ(dialog.MessageBox("question", std::string("velmarVPN"), ui::kMbYesNo), ui::kIdYes);
  EXPECT_EQ(dialog.MessageBox("note"), ui::kIdOk);
  ASSERT_EQ(windows.message_boxes.size(), 2u);
  EXPECT_EQ(windows.message_boxes[1].caption, windows.application_name);
  EXPECT_EQ(windows.message_boxes[1].flags, ui::kMbOk);
}

}  // namespace

namespace {

// A dialog that may refuse to be shown, as the login dialog does after a
// login.
class GuardedDialog : public CDialogEx {
 public:
  explicit GuardedDialog(ui::Windowing& windowing) : CDialogEx(windowing, IDD_MAIN) {}
  bool show_allowed = true;

  static const ui::MessageMap& Map() {
    static const ui::MessageMap map(
        &CDialogEx::Map(), {ui::On<GuardedDialog>::WindowPosChanging(&GuardedDialog::OnChanging)});
    return map;
  }
  const ui::MessageMap& GetMessageMap() const override { return Map(); }

 private:
  void OnChanging(std::uint32_t& flags) {
    if (!show_allowed) flags &= ~ui::kSwpShowWindow;
  }
};

TEST_F(DialogLayerTest, ADialogCanKeepItselfHidden) {
  GuardedDialog dialog(windows);
  ASSERT_TRUE(dialog.Create(IDD_MAIN));
  dialog.show_allowed = false;
  for (ui::ShowCommand command :
       {ui::ShowCommand::kShow, ui::ShowCommand::kRestore, ui::ShowCommand::kMinimise}) {
    dialog.ShowWindow(command);
    EXPECT_FALSE(dialog.IsWindowVisible());
  }
  dialog.show_allowed = true;
  dialog.ShowWindow(ui::ShowCommand::kShow);
  EXPECT_TRUE(dialog.IsWindowVisible());
}

}  // namespace
