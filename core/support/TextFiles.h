#pragma once
// Text files: read with the encoding rule of TextEncoding.h, written as UTF-8
// lines ended by CR LF.

#include <string>
#include <vector>

#include "core/support/FileAccess.h"

namespace kestrova {

// The file's text as UTF-8 (see DecodeTextFile), for the current interface
// language; on failure the system's reason in `reason` when given.
ReadStatus ReadTextFile(const std::string& path, std::string& text, std::string* reason = nullptr);

// Writes the lines, each followed by CR LF, replacing the file at once; false
// on failure, with the system's reason in `reason` when given.
bool WriteTextFile(const std::string& path, const std::vector<std::string>& lines, std::string* reason = nullptr);

}  // namespace kestrova
