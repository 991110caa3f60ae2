// What only the Win32 backends have: the program's name for its requests,
// the UI queue's handling of tasks that can no longer run, and the OLE and
// window class the web panels need.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "platform/win32/app_name.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_ui_queue.h"
#include "res/resource.h"

namespace {

using platform::win32::Win32UiQueue;

TEST(AppName, IsTheExecutablesFileNameWithoutExtension) {
  struct Case {
    const char* path;
    const char* name;
  } cases[] = {
      {"C:\\Program Files\\velmarVPN\\velmarVPN.exe", "velmarVPN"},
      {"C:\\velmarVPN.EXE", "velmarVPN"},
      {"C:\\dir.v2\\tool", "tool"},
      {"C:\\a\\b.c.exe", "b.c"},
      {"Z:/tmp/build/velmar_contract_tests.exe", "velmar_contract_tests"},
      {"velmarVPN.exe", "velmarVPN"},
      {"C:.exe", ".exe"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(platform::win32::AppNameFromModulePath(c.path), c.name);
}

// Sets its flag when the task that holds it is freed, run or not.
struct Released {
  explicit Released(std::atomic<bool>& flag) : flag_(flag) {}
  ~Released() { flag_ = true; }
  std::atomic<bool>& flag_;
};

TEST(Win32UiQueue, TasksLeftWhenTheQueueGoesAreFreedUnrun) {
  std::atomic<bool> released{false};
  bool ran = false;
  {
    Win32UiQueue queue;
    ASSERT_TRUE(queue.ready());
    auto holder = std::make_shared<Released>(released);
    queue.Post([holder, &ran] { ran = true; });
    holder.reset();
    EXPECT_FALSE(released);
  }
  EXPECT_TRUE(released);
  EXPECT_FALSE(ran);
  // Nothing of the queue is left in the thread's messages.
  EXPECT_FALSE(platform::win32::PumpMessagesUntil([&] { return ran; }, 50));
}

TEST(Win32UiQueue, PostToAQueueWhoseThreadHasEndedFreesTheTask) {
  // The system destroys a thread's windows when the thread ends: the post
  // fails, and the task must not leak.
  std::unique_ptr<Win32UiQueue> queue;
  std::thread([&queue] { queue = std::make_unique<Win32UiQueue>(); }).join();
  ASSERT_TRUE(queue->ready());
  std::atomic<bool> released{false};
  auto holder = std::make_shared<Released>(released);
  queue->Post([holder] {});
  holder.reset();
  EXPECT_TRUE(released);
}

TEST(Win32UiQueue, PumpEndsAtTheDeadlineAndLeavesQuitForTheOuterLoop) {
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(platform::win32::PumpMessagesUntil([] { return false; }, 100));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(90));

  ::PostQuitMessage(3);
  EXPECT_FALSE(platform::win32::PumpMessagesUntil([] { return false; }, 5000));
  MSG quit;
  ASSERT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 3u);
}

TEST(Win32Platform, GivesItsThreadOleAndTheWebPanelClassForItsLife) {
  struct Seen {
    bool ole_active = false, registered = false, class_found = false;
    HRESULT during = E_FAIL, after = S_OK;
    APTTYPE type = APTTYPE_MTA;
  } seen;
  // A thread of its own, which has never seen COM.
  std::thread([&seen] {
    {
      platform::win32::Win32Platform win32;
      seen.ole_active = win32.ole().active();
      seen.registered = win32.web_panels_registered();
      APTTYPEQUALIFIER qualifier{};
      seen.during = ::CoGetApartmentType(&seen.type, &qualifier);
      WNDCLASSEXW panel{};
      panel.cbSize = sizeof panel;
      seen.class_found =
          ::GetClassInfoExW(::GetModuleHandleW(nullptr), L"" VELMAR_WEB_PANEL_CLASS, &panel) != 0;
    }
    APTTYPE type{};
    APTTYPEQUALIFIER qualifier{};
    seen.after = ::CoGetApartmentType(&type, &qualifier);
  }).join();
  EXPECT_TRUE(seen.ole_active);
  EXPECT_TRUE(seen.registered);
  EXPECT_TRUE(seen.class_found);
  // A single-threaded apartment, which the WebBrowser control needs.
  EXPECT_EQ(seen.during, S_OK);
  EXPECT_TRUE(seen.type == APTTYPE_STA || seen.type == APTTYPE_MAINSTA) << seen.type;
  EXPECT_EQ(seen.after, CO_E_NOTINITIALIZED);
}

}  // namespace
