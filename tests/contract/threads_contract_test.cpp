// Workers and the UI queue: outcomes come back on the UI thread, in order,
// and are dropped once their receiver has gone.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "backend.h"

namespace {

constexpr unsigned kPatienceMs = 10000;

class ThreadsContract : public testing::Test {
 protected:
  std::unique_ptr<contract::Backend> backend_ = contract::MakeBackend();
  platform::Platform& os_ = backend_->ports();
  const std::thread::id ui_thread_ = std::this_thread::get_id();
};

TEST_F(ThreadsContract, WorkerResultIsAppliedOnTheUiThread) {
  platform::Lifetime alive;
  std::atomic<bool> applied{false};
  std::thread::id worker_thread;
  std::thread::id apply_thread;
  int applied_value = 0;
  platform::StartWorker<int>(
      os_.threads, os_.ui, alive.Watch(),
      [&worker_thread] {
        worker_thread = std::this_thread::get_id();
        return 42;
      },
      [&](int value) {
        applied_value = value;
        apply_thread = std::this_thread::get_id();
        applied = true;
      });
  ASSERT_TRUE(backend_->RunUiUntil([&] { return applied.load(); }, kPatienceMs));
  EXPECT_EQ(applied_value, 42);
  EXPECT_EQ(apply_thread, ui_thread_);
  if (backend_->WorkersHaveOwnThreads()) {
    EXPECT_NE(worker_thread, ui_thread_);
  }
}

// Tells when the last copy of an outcome is gone: it was applied or dropped.
struct Released {
  explicit Released(std::atomic<bool>& flag) : flag_(flag) {}
  ~Released() { flag_ = true; }
  std::atomic<bool>& flag_;
};

TEST_F(ThreadsContract, OutcomeIsDroppedWhenItsReceiverHasGone) {
  auto alive = std::make_unique<platform::Lifetime>();
  std::atomic<bool> may_finish{false};
  std::atomic<bool> released{false};
  std::atomic<bool> applied{false};
  platform::StartWorker<std::shared_ptr<Released>>(
      os_.threads, os_.ui, alive->Watch(),
      [&] {
        // The receiver goes while the work is still running.
        while (!may_finish) std::this_thread::yield();
        return std::make_shared<Released>(released);
      },
      [&](std::shared_ptr<Released>) { applied = true; });
  alive.reset();
  may_finish = true;
  ASSERT_TRUE(backend_->RunUiUntil([&] { return released.load(); }, kPatienceMs));
  EXPECT_FALSE(applied);
}

TEST_F(ThreadsContract, TasksFromManyThreadsAllRunOnTheUiThreadInTheirOrder) {
  constexpr int kThreads = 4;
  constexpr int kTasksEach = 100;
  std::mutex mutex;
  std::vector<std::vector<int>> seen(kThreads);
  std::atomic<int> ran{0};
  std::atomic<int> off_thread{0};
  std::vector<std::thread> posters;
  for (int t = 0; t < kThreads; ++t) {
    posters.emplace_back([&, t] {
      for (int i = 0; i < kTasksEach; ++i) {
        os_.ui.Post([&, t, i] {
          if (std::this_thread::get_id() != ui_thread_) ++off_thread;
          std::lock_guard<std::mutex> lock(mutex);
          seen[t].push_back(i);
          ++ran;
        });
      }
    });
  }
  bool all_ran = backend_->RunUiUntil([&] { return ran == kThreads * kTasksEach; }, kPatienceMs);
  for (std::thread& poster : posters) poster.join();
  ASSERT_TRUE(all_ran) << ran << " of " << kThreads * kTasksEach;
  EXPECT_EQ(off_thread, 0);
  for (int t = 0; t < kThreads; ++t) {
    for (int i = 0; i < kTasksEach; ++i) EXPECT_EQ(seen[t][i], i) << "thread " << t;
  }
}

TEST_F(ThreadsContract, WorkersRunIndependently) {
  // Two workers, the first waiting for the second: with a thread each, neither blocks the other.
  if (!backend_->WorkersHaveOwnThreads()) GTEST_SKIP() << "workers run one after the other here";
  std::atomic<bool> second_ran{false};
  std::atomic<bool> first_done{false};
  os_.threads.Start([&] {
    while (!second_ran) std::this_thread::yield();
    os_.ui.Post([&] { first_done = true; });
  });
  os_.threads.Start([&] { second_ran = true; });
  EXPECT_TRUE(backend_->RunUiUntil([&] { return first_done.load(); }, kPatienceMs));
}

}  // namespace
