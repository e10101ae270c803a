#include "ui/model/dialogs/VersionQuery.h"

#include <mutex>
#include <thread>
#include <vector>

#include "core/support/StrLib.h"

namespace kestrova {

// What the poller and the call running share.
struct TVersionQuery::TCalls {
  std::mutex mutex;
  bool calling = false;
  std::optional<TOutcome> outcome;  // of the call that returned last, until taken
};

std::optional<std::string> VersionAnswerValue(const std::string& answer) {
  std::vector<std::string> items;
  SplitString("=", answer, &items);
  // "k=" splits into one item; it still names a key with an empty value.
  if (items.size() >= 2) return items[1];
  if (answer.find('=') != std::string::npos) return std::string();
  return std::nullopt;
}

void RunOnOwnThread(std::function<void()> call) { std::thread(std::move(call)).detach(); }

namespace {

// Held for each call into the library, whichever query makes it: a call of a
// query abandoned with its box may still run when a new box starts a query.
std::mutex& LibraryCallLock() {
  static std::mutex lock;
  return lock;
}

}  // namespace

TVersionQuery::TVersionQuery(TLibraryCallRunner runCall) : runCall_(std::move(runCall)) {}

void TVersionQuery::Start(const std::optional<TVersionLibrary>& library, const std::string& version) {
  library_ = library;
  value_.reset();
  calls_ = std::make_shared<TCalls>();
  if (!library_) {
    state_ = TState::NotStarted;
    return;
  }
  state_ = TState::Running;
  Call([library = *library_, query = std::string(kVersionQueryPrefix) + version] {
    library.Query(kVersionEndpoint, query.c_str());
    return TOutcome{TStep::Started, std::nullopt};
  });
  TakeOutcome();
}

void TVersionQuery::Poll() {
  if (state_ != TState::Running) return;
  TakeOutcome();
  if (state_ == TState::Running && !Calling()) {
    Call([library = *library_] { return AskStatus(library); });
    TakeOutcome();
  }
}

bool TVersionQuery::Calling() const {
  if (!calls_) return false;
  std::lock_guard lock(calls_->mutex);
  return calls_->calling;
}

TVersionQuery::TOutcome TVersionQuery::AskStatus(const TVersionLibrary& library) {
  if (library.Status() != 0) {
    // Only a failure that the second look confirms ends the query.
    if (library.Status() == -1) return {TStep::Failed, std::nullopt};
    return {TStep::StillRunning, std::nullopt};
  }
  // The answer's text belongs to the library: copied before anything else can call it.
  const char* answer = library.Answer();
  return {TStep::Answered, answer != nullptr ? std::optional<std::string>(answer) : std::nullopt};
}

void TVersionQuery::Call(std::function<TOutcome()> call) {
  {
    std::lock_guard lock(calls_->mutex);
    calls_->calling = true;
  }
  const auto finish = [calls = calls_](TOutcome outcome) {
    std::lock_guard lock(calls->mutex);
    calls->outcome = std::move(outcome);
    calls->calling = false;
  };
  try {
    runCall_([finish, call = std::move(call)] {
      TOutcome outcome{TStep::Failed, std::nullopt};
      try {
        const std::lock_guard lock(LibraryCallLock());
        outcome = call();
      } catch (...) {
        // A library that throws has failed.
      }
      finish(std::move(outcome));
    });
  } catch (...) {
    // No thread to run it on: the query cannot go on.
    finish(TOutcome{TStep::Failed, std::nullopt});
  }
}

void TVersionQuery::TakeOutcome() {
  std::optional<TOutcome> outcome;
  {
    std::lock_guard lock(calls_->mutex);
    outcome.swap(calls_->outcome);
  }
  if (!outcome) return;
  switch (outcome->step) {
    case TStep::Started:
    case TStep::StillRunning: break;
    case TStep::Answered:
      state_ = TState::Answered;
      if (outcome->answer) value_ = VersionAnswerValue(*outcome->answer);
      break;
    case TStep::Failed: state_ = TState::Failed; break;
  }
}

}  // namespace kestrova
