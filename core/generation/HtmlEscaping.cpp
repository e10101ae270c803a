#include "core/generation/HtmlEscaping.h"

#include <algorithm>

#include "core/support/StrLib.h"

namespace kestrova {

namespace {

// The length of the control character at text[i] (1, or 2 for a C1 character
// in UTF-8); 0 when there is none.
std::size_t ControlLength(std::string_view text, std::size_t i) {
  const auto c = static_cast<unsigned char>(text[i]);
  if (c < 0x20 || c == 0x7F) return 1;
  if (c == 0xC2 && i + 1 < text.size()) {
    const auto next = static_cast<unsigned char>(text[i + 1]);
    if (next >= 0x80 && next <= 0x9F) return 2;
  }
  return 0;
}

bool IsBlankControl(char c) { return c == '\t' || c == '\r' || c == '\n'; }

// The text without its control characters; tab, CR and LF stay when `keepBlanks`.
std::string WithoutControls(std::string_view text, bool keepBlanks) {
  std::string kept;
  kept.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t control = ControlLength(text, i);
    if (control == 0 || (keepBlanks && IsBlankControl(text[i]))) {
      kept += text[i++];
    } else {
      i += control;
    }
  }
  return kept;
}

std::string Escaped(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c; break;
    }
  }
  return escaped;
}

// Every ":" with no "/" before it written "%3A": no scheme can start the target.
std::string WithoutScheme(std::string_view target) {
  std::string kept;
  bool afterSlash = false;
  for (const char c : target) {
    afterSlash = afterSlash || c == '/';
    if (c == ':' && !afterSlash) {
      kept += "%3A";
    } else {
      kept += c;
    }
  }
  return kept;
}

// A browser reads both as the separator of a link's path.
bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// Whether a path segment is "..", however its dots are written (a browser
// reads "%2e" as a dot there).
bool IsParentSegment(std::string_view segment) {
  int dots = 0;
  while (!segment.empty()) {
    const std::size_t length = segment[0] == '.' ? 1 : SameText(segment.substr(0, 3), "%2e") ? 3 : 0;
    if (length == 0) return false;
    segment.remove_prefix(length);
    ++dots;
  }
  return dots == 2;
}

// A Windows drive letter ("c|" before a separator, "?", "#" or the end),
// which a browser takes for a path from a drive's root in a file address.
bool StartsWithDriveLetter(std::string_view target) {
  if (target.size() < 2 || target[1] != '|') return false;
  const char letter = static_cast<char>(target[0] | 0x20);
  const bool ends = target.size() == 2 || IsSeparator(target[2]) || target[2] == '?' || target[2] == '#';
  return letter >= 'a' && letter <= 'z' && ends;
}

// The target (no blank in front) kept inside the page's folder: one that
// starts with a separator (a path from the root, with a second one another
// host) gets a "." in front, a drive letter's "|" is written "%7C", and
// every ".." segment of the path becomes "__". The query and the fragment
// stay as they are.
std::string InsideTheFolder(std::string_view target) {
  std::string kept = IsSeparator(target.front()) ? "." : "";
  if (StartsWithDriveLetter(target)) {
    kept.append(1, target[0]).append("%7C");
    target.remove_prefix(2);
  }
  const std::size_t pathEnd = std::min(target.find_first_of("?#"), target.size());
  for (std::size_t start = 0;;) {
    const std::size_t end = std::min(target.find_first_of("/\\", start), pathEnd);
    const std::string_view segment = target.substr(start, end - start);
    kept += IsParentSegment(segment) ? "__" : segment;
    if (end == pathEnd) break;
    kept += target[end];
    start = end + 1;
  }
  return kept.append(target.substr(pathEnd));
}

}  // namespace

std::string HtmlText(std::string_view text) { return Escaped(WithoutControls(text, true)); }

std::string HtmlLinkTarget(std::string_view text) {
  const std::string target = WithoutScheme(WithoutControls(text, false));
  // A browser drops the blanks in front of a link before it reads it.
  const std::size_t start = target.find_first_not_of(' ');
  if (start == std::string::npos) return Escaped(target);
  return Escaped(target.substr(0, start) + InsideTheFolder(std::string_view(target).substr(start)));
}

}  // namespace kestrova
