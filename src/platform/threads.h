// Workers and the hand-back of their outcome to the UI thread.
#pragma once

#include <functional>
#include <memory>
#include <utility>

namespace platform {

// Runs tasks on the UI thread, in the order posted. Post may be called from
// any thread.
class UiQueue {
 public:
  virtual ~UiQueue() = default;
  virtual void Post(std::function<void()> task) = 0;
};

class Threads {
 public:
  virtual ~Threads() = default;
  // Runs `work` on a new thread of its own. Nothing waits for it.
  virtual void Start(std::function<void()> work) = 0;
};

// Held by an object that receives worker outcomes (a dialog). Outcomes carry
// a weak reference and are dropped once the holder is gone.
class Lifetime {
 public:
  Lifetime() : token_(std::make_shared<char>(0)) {}
  std::weak_ptr<char> Watch() const { return token_; }

 private:
  std::shared_ptr<char> token_;
};

// Starts `work` on a worker thread; its result is handed to `apply` on the UI
// thread, unless the owner of `alive` has gone by then. `work` must own
// everything it uses (copies of its inputs): it never touches the owner.
template <class Result, class Work, class Apply>
void StartWorker(Threads& threads, UiQueue& ui, std::weak_ptr<char> alive, Work work,
                 Apply apply) {
  threads.Start([&ui, alive = std::move(alive), work = std::move(work),
                 apply = std::move(apply)]() mutable {
    Result result = work();
    ui.Post([alive, apply = std::move(apply), result = std::move(result)]() mutable {
      if (!alive.expired()) apply(std::move(result));
    });
  });
}

}  // namespace platform
