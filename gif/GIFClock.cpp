#include "gif/GIFClock.h"

#include <chrono>

namespace kestrova {

namespace {

class SteadyClock : public TGIFClock {
 public:
  std::int64_t Now() override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
  }

  void WaitUntil(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
                 std::int64_t deadline) override {
    if (deadline == kForever) {
      wake.wait(lock);
    } else {
      wake.wait_until(lock, Clock::time_point(std::chrono::milliseconds(deadline)));
    }
  }

 private:
  using Clock = std::chrono::steady_clock;
};

}  // namespace

std::shared_ptr<TGIFClock> GIFSteadyClock() {
  static const std::shared_ptr<TGIFClock> clock = std::make_shared<SteadyClock>();
  return clock;
}

}  // namespace kestrova
