#pragma once
// One online query for the program's latest version through the version
// library, polled by the About box's timer: not started (no library) ->
// running -> answered, or failed. A query that fails to start, reports a
// failure or has not answered 30 seconds after it started counts as failed. A
// query the user abandons by closing the box is not cancelled; the library is
// simply no longer polled.

#include <chrono>
#include <optional>
#include <string>

#include "core/support/VersionLibrary.h"
#include "ui/model/commands/MakerAddresses.h"

namespace kestrova {

// The query text; the program's version follows it.
inline constexpr const char* kVersionQueryPrefix = "q=version&p=kestro&v=";

class TVersionQuery {
 public:
  using Clock = std::chrono::steady_clock;
  enum class TState { NotStarted, Running, Answered, Failed };

  static constexpr std::chrono::milliseconds kGiveUpAfter{30000};

  // Starts one query with the library (none: nothing starts). A Query call
  // that fails counts as a failed query.
  void Start(const std::optional<TVersionLibrary>& library, const std::string& version, Clock::time_point now,
             Clock::duration giveUpAfter = kGiveUpAfter);
  // One polling step while running: asks the library's status; on 0 takes
  // the answer, on -1 fails; gives up once the time is over.
  void Poll(Clock::time_point now);

  TState State() const { return state_; }
  bool Running() const { return state_ == TState::Running; }
  // The answered version: the text after the answer's first "=" up to a
  // second one; nothing when the answer held no "=" or was none at all.
  const std::optional<std::string>& Value() const { return value_; }

 private:
  void Answered(const char* answer);

  std::optional<TVersionLibrary> library_;
  TState state_ = TState::NotStarted;
  Clock::time_point deadline_{};
  std::optional<std::string> value_;
};

// The value of an answer "key=value" ("k=2.5=x" gives "2.5", "k=" gives "");
// nothing for an answer without "=".
std::optional<std::string> VersionAnswerValue(const std::string& answer);

}  // namespace kestrova
