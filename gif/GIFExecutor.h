#pragma once
// How a painter that runs on a thread of its own reaches the thread that owns
// its target (in the program, the window's thread): it posts tasks, and that
// thread runs them. Everything a painter does to its target, and every event
// it fires, runs in such a task.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

namespace kestrova {

using TGIFTask = std::function<void()>;

class TGIFExecutor {
 public:
  virtual ~TGIFExecutor() = default;
  // Called from any thread: the task is to run on the owner thread, after the
  // tasks posted before it. It may also never run (the owner closes first):
  // painters' tasks are written so that this is harmless.
  virtual void Post(TGIFTask task) = 0;
  // Called on the owner thread: runs the tasks posted so far. An image calls
  // it while it waits for the first frame of a painter it has just started.
  // A task that throws passes its exception on; the tasks after it stay
  // queued.
  virtual void RunPending() = 0;
};

// An executor made of a plain queue. Tasks wait in the queue until the owner
// thread calls RunPending. Wake is called when a task arrives at an empty
// queue, with a function that runs the queue; an owner with an event loop
// overrides it to schedule that function on its own thread (a queued call).
// Create it with std::make_shared: the function handed to Wake holds the
// queue only weakly and does nothing once the queue is gone.
class TGIFTaskQueue : public TGIFExecutor, public std::enable_shared_from_this<TGIFTaskQueue> {
 public:
  void Post(TGIFTask task) override;
  void RunPending() override;
  // Waits until a task is queued or the timeout passes; true when one is.
  bool WaitForTask(std::chrono::milliseconds timeout);

 protected:
  virtual void Wake(TGIFTask /*runPending*/) {}

 private:
  std::mutex mutex_;
  std::condition_variable queued_;
  std::deque<TGIFTask> tasks_;
};

}  // namespace kestrova
