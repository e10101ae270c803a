#pragma once
// The time an animated painter keeps: a millisecond counter and a wait that
// ends at a deadline or when the painter is woken. Painters take it from their
// image, so tests can hand in a clock of their own instead of sleeping.

#include <condition_variable>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>

namespace kestrova {

class TGIFClock {
 public:
  // A deadline that never comes.
  static constexpr std::int64_t kForever = std::numeric_limits<std::int64_t>::max();

  virtual ~TGIFClock() = default;
  // Milliseconds from a fixed start; never goes back. Called from any thread.
  virtual std::int64_t Now() = 0;
  // Waits on `wake` (whose mutex `lock` holds) until it is notified or Now()
  // reaches `deadline`. May return early: callers test their condition and
  // the time again.
  virtual void WaitUntil(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
                         std::int64_t deadline) = 0;
};

// The machine's monotonic clock, shared by every image that is given no other.
std::shared_ptr<TGIFClock> GIFSteadyClock();

}  // namespace kestrova
