#pragma once
// Whole-file reads and crash-safe whole-file writes.

#include <string>
#include <string_view>

namespace kestrova {

// A regular file (a folder does not count).
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

enum class ReadStatus { Ok, Missing, Failed };
// Reads the whole file. Missing when there is no file of that name (or it is a
// folder); Failed when it exists but cannot be read.
ReadStatus ReadFileBytes(const std::string& path, std::string& bytes);

// Replaces the file's content by `bytes`: they go to a temporary file in the
// same folder, which then takes the file's place, so the file is either the
// old one or the new one, never a part. A symbolic link keeps pointing to the
// replaced file. The file keeps its permission bits; a new file gets the bits
// the umask allows. False on any failure (the old file untouched).
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Copies a file the same way; false when it cannot be read or written.
bool CopyFileAtomically(const std::string& from, const std::string& to);

}  // namespace kestrova
