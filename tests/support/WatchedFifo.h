#pragma once
// A FIFO that tells whether anything opened it for reading, without letting
// that reader wait for ever: a reader's open waits for a writer, so a thread
// here tries every millisecond to open the writing end without waiting, which
// succeeds only while a reader is there, and closes it at once; the reader
// then reads the end of the file.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace kestrova::test {

class WatchedFifo {
 public:
  explicit WatchedFifo(std::string path) : path_(std::move(path)) {
    ready_ = ::mkfifo(path_.c_str(), 0600) == 0;
    watcher_ = std::thread([this] { Watch(); });
  }
  ~WatchedFifo() {
    stop_ = true;
    watcher_.join();
    ::unlink(path_.c_str());
  }
  WatchedFifo(const WatchedFifo&) = delete;
  WatchedFifo& operator=(const WatchedFifo&) = delete;

  const std::string& Path() const { return path_; }
  bool Ready() const { return ready_; }
  bool Opened() const { return opened_; }

 private:
  void Watch() {
    while (!stop_) {
      const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd >= 0) {
        opened_ = true;
        ::close(fd);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }

  std::string path_;
  bool ready_ = false;
  std::atomic<bool> stop_{false};
  std::atomic<bool> opened_{false};
  std::thread watcher_;
};

}  // namespace kestrova::test
