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

// A link target (href) for the text: every control character is dropped (a
// browser ignores tabs and line breaks inside a link, so they could hide a
// scheme), every ":" with no "/" before it is written "%3A", so that the
// target never starts with a scheme ("javascript:", "data:", ...) and stays a
// relative link to a file of that name, and then it is escaped as HtmlText.
std::string HtmlLinkTarget(std::string_view text);

}  // namespace kestrova
