// The memory platform's own promises that the rest of the tests build on.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/single_instance.h"
#include "memory_os.h"
#include "platform/memory/iconv_codepages.h"
#include "platform/threads.h"

namespace {

TEST(CodePages, ConvertBetweenCp949AndUtf8) {
  platform::memory::IconvCodePages cp;
  EXPECT_EQ(cp.AnsiToUtf8("\xB0\xA1"), "\xEA\xB0\x80");
  EXPECT_EQ(cp.Utf8ToAnsi("\xEA\xB0\x80"), "\xB0\xA1");
  EXPECT_EQ(cp.Utf8ToAnsi("abc 123"), "abc 123");
  EXPECT_EQ(cp.Utf8ToAnsi(""), "");
  EXPECT_EQ(cp.Utf8ToAnsi("\xE0\xB8\x81"), "?");      // Thai: not in CP949
  EXPECT_EQ(cp.Utf8ToAnsi("a\xFF" "b"), "a?b");       // malformed UTF-8
  EXPECT_EQ(cp.Utf8ToAnsi("\xEA\xB0"), "?");          // cut sequence
}

TEST(SingleInstance, ASecondCopyFindsTheNameTakenUntilTheFirstEnds) {
  auto machine = std::make_shared<platform::memory::KernelNamespace>();
  auto first = std::make_unique<platform::memory::MemoryKernel>(nullptr, machine);
  EXPECT_FALSE(app::AnotherCopyIsRunning(*first));
  {
    platform::memory::MemoryKernel second(nullptr, machine);
    EXPECT_TRUE(app::AnotherCopyIsRunning(second));
  }
  EXPECT_TRUE(machine->event_names.count(app::kSingleInstanceEventName));
  first.reset();
  platform::memory::MemoryKernel third(nullptr, machine);
  EXPECT_FALSE(app::AnotherCopyIsRunning(third));
}

TEST(SingleInstance, AnyOtherFailureLetsTheProgramRun) {
  platform::memory::MemoryKernel kernel;
  kernel.event_creation_fails = true;
  EXPECT_FALSE(app::AnotherCopyIsRunning(kernel));
}

TEST(StartWorker, HandsTheResultBackOnlyWhileTheOwnerLives) {
  test::MemoryOs m;
  int applied = 0;
  auto owner = std::make_unique<platform::Lifetime>();
  platform::StartWorker<int>(m.scheduler, m.scheduler, owner->Watch(), [] { return 41; },
                             [&](int r) { applied = r + 1; });
  m.scheduler.RunWorkers();
  EXPECT_EQ(applied, 0);  // the outcome waits for the UI thread
  m.scheduler.RunUiTasks();
  EXPECT_EQ(applied, 42);

  platform::StartWorker<int>(m.scheduler, m.scheduler, owner->Watch(), [] { return 1; },
                             [&](int r) { applied = r; });
  owner.reset();
  m.scheduler.RunUntilIdle();
  EXPECT_EQ(applied, 42);
}

}  // namespace
