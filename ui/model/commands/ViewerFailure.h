#pragma once
// A file or web address that the desktop's program for it (the web browser,
// the help viewer) could not show: the user is told which one, and why.

#include <string>

namespace kestrova {

// An error box in the user's language: "Cannot display: <file or address>"
// and the reason on a line of its own.
void ReportViewerFailure(const std::string& target, const std::string& reason);

}  // namespace kestrova
