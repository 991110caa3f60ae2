#include "platform/memory/memory_scheduler.h"

namespace platform::memory {

void MemoryScheduler::Start(std::function<void()> work) {
  std::lock_guard<std::mutex> lock(mutex_);
  workers_.push_back(std::move(work));
}

void MemoryScheduler::Post(std::function<void()> task) {
  std::lock_guard<std::mutex> lock(mutex_);
  ui_tasks_.push_back(std::move(task));
}

bool MemoryScheduler::RunOne(std::deque<std::function<void()>>& queue) {
  std::function<void()> next;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (queue.empty()) return false;
    next = std::move(queue.front());
    queue.pop_front();
  }
  next();
  return true;
}

void MemoryScheduler::RunWorkers() {
  std::size_t count = pending_workers();
  for (std::size_t i = 0; i < count && RunOne(workers_); ++i) {
  }
}

void MemoryScheduler::RunUiTasks() {
  while (RunOne(ui_tasks_)) {
  }
}

void MemoryScheduler::RunUntilIdle() {
  while (RunOne(workers_) || RunOne(ui_tasks_)) {
  }
}

std::size_t MemoryScheduler::pending_workers() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return workers_.size();
}

std::size_t MemoryScheduler::pending_ui_tasks() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return ui_tasks_.size();
}

}  // namespace platform::memory
