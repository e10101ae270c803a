#include "core/generation/HtmlEscaping.h"

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

}  // namespace

std::string HtmlText(std::string_view text) { return Escaped(WithoutControls(text, true)); }

std::string HtmlLinkTarget(std::string_view text) {
  std::string target;
  bool afterSlash = false;
  for (const char c : WithoutControls(text, false)) {
    afterSlash = afterSlash || c == '/';
    if (c == ':' && !afterSlash) {
      target += "%3A";
    } else {
      target += c;
    }
  }
  return Escaped(target);
}

}  // namespace kestrova
