#include "core/support/OrderedWork.h"

#include <sched.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace kestrova {

namespace {

std::atomic<int> chosenThreadCount{0};

// The state the workers and the calling thread share.
class OrderedRun {
 public:
  OrderedRun(int count, int ahead, const std::function<void(int)>& make)
      : count_(count), ahead_(ahead), make_(make), slots_(static_cast<std::size_t>(ahead)) {}

  // A worker: makes the next item it may until there is none or the run stops.
  void Work() {
    for (;;) {
      int i = 0;
      {
        std::unique_lock lock(mutex_);
        mayStart_.wait(lock, [&] { return stopped_ || next_ >= count_ || MayStartNext(); });
        if (stopped_ || next_ >= count_) return;
        i = next_++;
      }
      Make(i);
    }
  }

  // The calling thread: makes items itself until item i is made; raises its
  // exception.
  void WaitFor(int i) {
    std::unique_lock lock(mutex_);
    while (!SlotOf(i).made) {
      if (!stopped_ && next_ < count_ && MayStartNext()) {
        const int j = next_++;
        lock.unlock();
        Make(j);
        lock.lock();
        continue;
      }
      made_.wait(lock);
    }
    Slot& slot = SlotOf(i);
    slot.made = false;
    if (slot.error) std::rethrow_exception(std::exchange(slot.error, nullptr));
  }

  // Item i was taken: its slot is free for item i + ahead.
  void Taken(int i) {
    {
      std::lock_guard lock(mutex_);
      taken_ = i + 1;
    }
    mayStart_.notify_one();
  }

  void Stop() {
    {
      std::lock_guard lock(mutex_);
      stopped_ = true;
    }
    mayStart_.notify_all();
  }

 private:
  struct Slot {
    bool made = false;
    std::exception_ptr error;
  };

  bool MayStartNext() const { return next_ < taken_ + ahead_; }
  Slot& SlotOf(int i) { return slots_[static_cast<std::size_t>(i % ahead_)]; }

  void Make(int i) {
    std::exception_ptr error;
    try {
      make_(i);
    } catch (...) {
      error = std::current_exception();
    }
    std::lock_guard lock(mutex_);
    Slot& slot = SlotOf(i);
    slot.error = error;
    slot.made = true;
    if (i == taken_) made_.notify_one();
  }

  const int count_;
  const int ahead_;
  const std::function<void(int)>& make_;
  std::mutex mutex_;
  std::condition_variable mayStart_;
  std::condition_variable made_;
  std::vector<Slot> slots_;
  int next_ = 0;
  int taken_ = 0;
  bool stopped_ = false;
};

// Joins the workers whatever way the calling thread leaves.
class Workers {
 public:
  // Starts as many of the threads as the system gives (maybe none).
  Workers(OrderedRun& run, int threads) : run_(run) {
    threads_.reserve(static_cast<std::size_t>(threads));
    try {
      for (int t = 0; t < threads; ++t) threads_.emplace_back([&run] { run.Work(); });
    } catch (const std::system_error&) {
    }
  }
  ~Workers() {
    run_.Stop();
    for (std::thread& thread : threads_) thread.join();
  }
  Workers(const Workers&) = delete;
  Workers& operator=(const Workers&) = delete;

 private:
  OrderedRun& run_;
  std::vector<std::thread> threads_;
};

}  // namespace

int MachineThreadCount() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (::sched_getaffinity(0, sizeof set, &set) == 0) return std::max(CPU_COUNT(&set), 1);
  return std::max(static_cast<int>(std::thread::hardware_concurrency()), 1);
}

int WorkerThreadCount() {
  const int chosen = chosenThreadCount.load();
  return chosen >= 1 ? chosen : MachineThreadCount();
}

void SetWorkerThreadCount(int count) { chosenThreadCount.store(std::max(count, 0)); }

namespace {

void RunOneByOne(int count, const std::function<void(int)>& make, const std::function<void(int)>& take) {
  for (int i = 0; i < count; ++i) {
    make(i);
    take(i);
  }
}

}  // namespace

void RunInOrder(int count, int threads, int ahead, const std::function<void(int)>& make,
                const std::function<void(int)>& take) {
  ahead = std::max(ahead, 1);
  threads = std::min({threads, count, ahead});
  if (threads <= 1) return RunOneByOne(count, make, take);
  OrderedRun run(count, ahead, make);
  // The calling thread makes items too, alone when no thread could be started.
  Workers workers(run, threads - 1);
  for (int i = 0; i < count; ++i) {
    run.WaitFor(i);
    take(i);
    run.Taken(i);
  }
}

}  // namespace kestrova
