#pragma once
// Text files: read with the encoding rule of TextEncoding.h, written as UTF-8
// lines ended by CR LF.

#include <cstdint>
#include <string>
#include <vector>

#include "core/support/FileAccess.h"
#include "core/support/TextLines.h"

namespace kestrova {

// The file's text as UTF-8 (see DecodeTextFile), for the current interface
// language; on failure the system's reason in `reason` when given.
ReadStatus ReadTextFile(const std::string& path, std::string& text, std::string* reason = nullptr);

// The file's lines, decoded as ReadTextFile decodes them, each followed by
// CR LF (the lines of SplitLines). The file is read a buffer at a time, so
// that memory grows only with the text; one holding more than `maxBytes` is
// refused (Failed, FileTooLargeText) before anything is read from it, and one
// that grows past `maxBytes` while it is read (another process appending to
// it) once that much was read.
ReadStatus ReadTextFileLines(const std::string& path, std::string& text, std::uint64_t maxBytes,
                             std::string* reason = nullptr);

// Writes the lines, each followed by CR LF, replacing the file at once; false
// on failure, with the system's reason in `reason` when given.
bool WriteTextFile(const std::string& path, const TextLines& lines, std::string* reason = nullptr);

}  // namespace kestrova
