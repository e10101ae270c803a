#include "core/generation/OutputNames.h"

#include <cstdio>

#include "core/support/StrLib.h"

namespace kestrova {

namespace {

bool IsNameChar(char c) {
  return c == '.' || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the UTF-8 sequence starting at `pos`; 1 for a byte that starts none.
std::size_t SequenceLength(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4;
  if (pos + length > text.size()) return 1;
  for (std::size_t k = 1; k < length; ++k) {
    if (!IsContinuation(static_cast<unsigned char>(text[pos + k]))) return 1;
  }
  return length;
}

}  // namespace

bool IsOutputFormat(int format) { return format >= ofBmp && format <= ofPng; }

std::string OutputExtension(int format) {
  switch (format) {
    case ofBmp: return ".bmp";
    case ofGif: return ".gif";
    case ofJpeg: return ".jpg";
    case ofPng: return ".png";
    default: return "";
  }
}

std::string SanitizeFileName(std::string_view text) {
  std::string name;
  name.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const char c = text[pos];
    if (IsNameChar(c)) {
      name += c;
      ++pos;
    } else {
      name += '_';
      pos += static_cast<unsigned char>(c) < 0x80 ? 1 : SequenceLength(text, pos);
    }
  }
  return name;
}

std::string BuildOutputName(std::string_view prefix, std::string_view postfix, std::string_view caption,
                            bool notitles, bool useautonum, bool lcname, long long n) {
  std::string name;
  if (useautonum) {
    char number[32];
    std::snprintf(number, sizeof number, "%03lld_", n);
    name = number;
  }
  name += SanitizeFileName(prefix);
  if (!notitles) name += caption.empty() ? std::string("unnamed") : SanitizeFileName(caption);
  name += SanitizeFileName(postfix);
  return lcname ? LowerAscii(name) : name;
}

}  // namespace kestrova
