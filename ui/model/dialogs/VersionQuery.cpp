#include "ui/model/dialogs/VersionQuery.h"

#include <vector>

#include "core/support/StrLib.h"

namespace kestrova {

std::optional<std::string> VersionAnswerValue(const std::string& answer) {
  std::vector<std::string> items;
  SplitString("=", answer, &items);
  // "k=" splits into one item; it still names a key with an empty value.
  if (items.size() >= 2) return items[1];
  if (answer.find('=') != std::string::npos) return std::string();
  return std::nullopt;
}

void TVersionQuery::Start(const std::optional<TVersionLibrary>& library, const std::string& version,
                          Clock::time_point now, Clock::duration giveUpAfter) {
  library_ = library;
  value_.reset();
  if (!library_) {
    state_ = TState::NotStarted;
    return;
  }
  state_ = TState::Running;
  deadline_ = now + giveUpAfter;
  try {
    library_->Query(kVersionEndpoint, (std::string(kVersionQueryPrefix) + version).c_str());
  } catch (...) {
    state_ = TState::Failed;
  }
}

void TVersionQuery::Poll(Clock::time_point now) {
  if (state_ != TState::Running) return;
  const std::int32_t status = library_->Status();
  if (status == 0) {
    Answered(library_->Answer());
  } else if (status == -1 || now >= deadline_) {
    state_ = TState::Failed;
  }
}

void TVersionQuery::Answered(const char* answer) {
  state_ = TState::Answered;
  if (answer != nullptr) value_ = VersionAnswerValue(answer);
}

}  // namespace kestrova
