#pragma once
// Names of the output image files: an optional running number, the prefix,
// the button's caption and the postfix, each made safe for a file name.

#include <string>
#include <string_view>

namespace kestrova {

// Output format index of the output-format radio group.
enum TOutputFormat : int { ofBmp = 0, ofGif = 1, ofJpeg = 2, ofPng = 3 };

// True for the four format indexes 0..3.
bool IsOutputFormat(int format);
// ".bmp", ".gif", ".jpg" or ".png"; empty for any other index.
std::string OutputExtension(int format);

// Every character other than ".", "0".."9", "A".."Z", "_" and "a".."z" becomes
// one "_"; a UTF-8 sequence counts as one character (a byte that starts no
// valid sequence counts as one too).
std::string SanitizeFileName(std::string_view text);

// The base name of output image n (counted from 1): "nnn_" when useautonum (at
// least three digits), then the sanitised prefix, the sanitised caption
// ("unnamed" when it is empty; left out when notitles) and the sanitised
// postfix; lower-cased as a whole when lcname.
std::string BuildOutputName(std::string_view prefix, std::string_view postfix, std::string_view caption,
                            bool notitles, bool useautonum, bool lcname, long long n);

}  // namespace kestrova
