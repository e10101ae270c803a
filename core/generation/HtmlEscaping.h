#pragma once
// Texts from captions and file names made safe for the test pages: they can
// never become markup, a script link or raw control bytes. Plain text (letters,
// digits, blanks and punctuation other than & < > ") comes out unchanged.

#include <string>
#include <string_view>

namespace kestrova {

// The text for an element's content or a quoted attribute value: "&", "<", ">"
// and '"' become "&amp;", "&lt;", "&gt;" and "&quot;"; control characters
// (C0, DEL and C1) are dropped, except tab, CR and LF, which HTML reads as
// blanks (a button of several lines keeps its line break in the alt text).
std::string HtmlText(std::string_view text);

// A link target (href) for the text that stays a relative link to a file in
// the page's folder (or a folder in it): every control character is dropped
// (a browser ignores tabs and line breaks inside a link, so they could hide a
// scheme); every ":" with no "/" before it is written "%3A", so that the
// target never starts with a scheme ("javascript:", "data:", ...); a target
// that starts with "/" or "\" (after any blanks) gets a "." in front, so that
// it is neither a path from the root nor, with a second one ("//", "\\",
// "/\", "\/"), another host; a drive letter's "|" ("c|/") is written "%7C";
// every ".." segment of the path ("%2e" counting as a dot) becomes "__".
// Then it is escaped as HtmlText.
std::string HtmlLinkTarget(std::string_view text);

}  // namespace kestrova
