#pragma once
// The product version a file carries in its fixed-file-info block (our
// executables embed one; executables of the original platform hold one in
// their version resource).

#include <string>

namespace kestrova {

// Four numbers joined by "." from the first fixed-file-info block in the file
// (each the low byte of its 16-bit half, so 256 shows as 0); "0.0.0.0" for a
// file without one, or one that cannot be read.
std::string GetFileVersionText(const std::string& fileName);

// The version this program was built as, "a.b.c.d".
std::string BuildVersionText();

}  // namespace kestrova
