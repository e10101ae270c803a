#pragma once
// Path text: folder and name parts, and relative paths. Both "/" and "\"
// separate folders here, so paths written on either platform work.

#include <string>
#include <string_view>

namespace kestrova {

bool IsPathSeparator(char c);

// Everything up to and including the last "/", "\" or ":"; empty when none.
std::string FolderOf(std::string_view path);
// What follows the folder part.
std::string FileNameOf(std::string_view path);
// The file name's extension: from the last "." of the name part on; empty
// when the name has none.
std::string_view ExtensionOf(std::string_view path);
// True when the path has a folder part.
bool HasFolder(std::string_view path);

// `target` relative to `base`; both are folder paths ending in a separator
// (a base without one is taken as if it had one), or empty. Letters compare
// without regard to case. An empty base or target gives the target, equal
// paths give the empty text, a different first character (another drive, or
// an absolute against a relative path) gives the target unchanged. Otherwise
// the common leading folders are removed from both, and ".." plus a separator
// is put in front of what is left of the target once for every folder left
// in the base (the separator the base uses there).
std::string MakeRelativePath(std::string_view base, std::string_view target);

// `path` taken relative to `folder` (a path starting with "/" stands as it
// is), with "." and ".." resolved in the text, the way MakeRelativePath made
// them: no folder on the way needs to exist.
std::string PathInFolder(std::string_view folder, std::string_view path);

// `path` taken from the current folder, as PathInFolder resolves it: the full
// name a file dialog gives. The path as it stands when the current folder
// cannot be told.
std::string AbsolutePath(std::string_view path);

}  // namespace kestrova
