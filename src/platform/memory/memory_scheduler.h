// Workers and UI tasks under the test's control: nothing runs until the test
// pumps, and everything runs on the test's thread, in a fixed order.
#pragma once

#include <deque>
#include <functional>
#include <mutex>

#include "platform/threads.h"

namespace platform::memory {

class MemoryScheduler final : public Threads, public UiQueue {
 public:
  void Start(std::function<void()> work) override;
  void Post(std::function<void()> task) override;

  // Runs started workers and posted tasks, oldest first, until none is left.
  void RunUntilIdle();
  // Runs the workers started so far (their outcomes are queued, not applied).
  void RunWorkers();
  // Applies the queued UI tasks.
  void RunUiTasks();

  std::size_t pending_workers() const;
  std::size_t pending_ui_tasks() const;

 private:
  bool RunOne(std::deque<std::function<void()>>& queue);

  mutable std::mutex mutex_;
  std::deque<std::function<void()>> workers_;
  std::deque<std::function<void()>> ui_tasks_;
};

}  // namespace platform::memory
