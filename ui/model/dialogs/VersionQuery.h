#pragma once
// One online query for the program's latest version through the version
// library, polled by the About box's timer: not started (no library) ->
// running -> answered, or failed. Each polling step asks the library's status;
// 0 takes the answer, any other value asks the status once more, and only
// that second status's -1 is a failure. A query that fails to start counts as
// failed too. There is no time-out: a query that never answers runs for as
// long as it is polled. A query the user abandons by closing the box is not
// cancelled; the library is simply no longer polled.
//
// The library is the maker's code and may not return: every call into it runs
// off the caller's thread (one call at a time, in the order Query, Status...,
// Answer), and the polling only takes the results of calls that have returned.
// So a call that hangs never holds up the caller; it is left running, and the
// query stays running. One call at a time holds across queries too: a new
// query's calls wait for a call of an abandoned one that has not returned.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/support/VersionLibrary.h"
#include "ui/model/commands/MakerAddresses.h"

namespace kestrova {

// The query text; the program's version follows it.
inline constexpr const char* kVersionQueryPrefix = "q=version&p=kestro&v=";

// Runs a call into the library somewhere; the default runs it on a thread of
// its own that nobody waits for. Tests run it on the spot.
using TLibraryCallRunner = std::function<void(std::function<void()> call)>;
void RunOnOwnThread(std::function<void()> call);

class TVersionQuery {
 public:
  enum class TState { NotStarted, Running, Answered, Failed };

  explicit TVersionQuery(TLibraryCallRunner runCall = RunOnOwnThread);

  // Starts one query with the library (none: nothing starts). A Query call
  // that fails counts as a failed query.
  void Start(const std::optional<TVersionLibrary>& library, const std::string& version);
  // One polling step while running: takes the result of the call that has
  // returned since; when no call is running, makes the step's calls (the
  // status, then the answer or the second status).
  void Poll();

  TState State() const { return state_; }
  bool Running() const { return state_ == TState::Running; }
  // True while a call into the library has not returned.
  bool Calling() const;
  // The answered version: the text after the answer's first "=" up to a
  // second one; nothing when the answer held no "=" or was none at all.
  const std::optional<std::string>& Value() const { return value_; }

 private:
  struct TCalls;
  enum class TStep { Started, StillRunning, Answered, Failed };
  struct TOutcome {
    TStep step;
    std::optional<std::string> answer;  // the answer's text when answered (nothing for none)
  };

  void Call(std::function<TOutcome()> call);
  void TakeOutcome();
  static TOutcome AskStatus(const TVersionLibrary& library);

  TLibraryCallRunner runCall_;
  std::optional<TVersionLibrary> library_;
  // Shared with the call running; a new query gets its own, so a late result
  // of an abandoned query goes nowhere.
  std::shared_ptr<TCalls> calls_;
  TState state_ = TState::NotStarted;
  std::optional<std::string> value_;
};

// The value of an answer "key=value" ("k=2.5=x" gives "2.5", "k=" gives "");
// nothing for an answer without "=".
std::optional<std::string> VersionAnswerValue(const std::string& answer);

}  // namespace kestrova
