#include "ui/qt/widgets/WatchedProgram.h"

#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <thread>

#include "core/support/FileAccess.h"

extern char** environ;

namespace kestrova::qt {

namespace {

using Clock = std::chrono::steady_clock;

// Starts the program in a session of its own, with the signals a new program
// expects; its process id, or the error number.
int Spawn(const std::string& program, const std::vector<std::string>& arguments, pid_t& pid) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none, reset;
  sigemptyset(&none);
  sigemptyset(&reset);
  sigaddset(&reset, SIGPIPE);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &reset);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  const int error = ::posix_spawnp(&pid, program.c_str(), nullptr, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  return error;
}

bool Failed(int status) { return !WIFEXITED(status) || WEXITSTATUS(status) != 0; }

std::string FailureText(const std::string& program, int status) {
  if (WIFEXITED(status)) return program + ": exit status " + std::to_string(WEXITSTATUS(status));
  return program + ": ended by signal " + std::to_string(WTERMSIG(status));
}

// Without an event loop to tell of its end: collected by a thread that waits
// for it, and not reported.
void CollectUnwatched(pid_t pid) {
  std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
}

}  // namespace

bool StartWatchedProgram(const std::string& program, const std::vector<std::string>& arguments,
                         std::chrono::milliseconds atOnce, ProgramFailure onFailure) {
  pid_t pid = 0;
  if (const int error = Spawn(program, arguments, pid); error != 0) {
    if (onFailure) onFailure(program + ": " + SystemErrorText(error));
    return false;
  }
  const int ended = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
  if (ended < 0 || QCoreApplication::instance() == nullptr) {
    if (ended >= 0) ::close(ended);
    CollectUnwatched(pid);
    return true;
  }
  const Clock::time_point deadline = Clock::now() + atOnce;
  auto* notifier = new QSocketNotifier(ended, QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                   [notifier, ended, pid, deadline, program, onFailure = std::move(onFailure)] {
                     int status = 0;
                     const pid_t collected = ::waitpid(pid, &status, WNOHANG);
                     if (collected == 0) return;  // still running
                     const bool inTime = Clock::now() < deadline;
                     notifier->setEnabled(false);
                     notifier->deleteLater();
                     ::close(ended);
                     if (collected != pid || !inTime || !Failed(status) || !onFailure) return;
                     // Told once this handler has returned: the report may open a message box.
                     QTimer::singleShot(0, QCoreApplication::instance(),
                                        [onFailure, reason = FailureText(program, status)] { onFailure(reason); });
                   });
  return true;
}

}  // namespace kestrova::qt
