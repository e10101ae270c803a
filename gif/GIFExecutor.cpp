#include "gif/GIFExecutor.h"

#include <iterator>
#include <utility>

namespace kestrova {

void TGIFTaskQueue::Post(TGIFTask task) {
  bool wasEmpty = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    wasEmpty = tasks_.empty();
    tasks_.push_back(std::move(task));
  }
  queued_.notify_all();
  if (wasEmpty) {
    Wake([queue = weak_from_this()] {
      if (const auto self = queue.lock()) self->RunPending();
    });
  }
}

void TGIFTaskQueue::RunPending() {
  std::deque<TGIFTask> batch;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    batch.swap(tasks_);
  }
  // Run without the lock: a task may post again. When one throws, the tasks
  // after it go back to the front of the queue for the next run.
  for (auto it = batch.begin(); it != batch.end(); ++it) {
    try {
      (*it)();
    } catch (...) {
      std::lock_guard<std::mutex> lock(mutex_);
      tasks_.insert(tasks_.begin(), std::make_move_iterator(it + 1), std::make_move_iterator(batch.end()));
      throw;
    }
  }
}

bool TGIFTaskQueue::WaitForTask(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(mutex_);
  return queued_.wait_for(lock, timeout, [this] { return !tasks_.empty(); });
}

}  // namespace kestrova
