#pragma once
// A multi-line text edit with a font and a background colour. The text is kept
// with CR LF line ends (any LF or lone CR given is turned into CR LF). Its lines
// are the pieces between line ends; an empty piece after a final line end is not
// a line, so "a\r\nb\r\n" and "a\r\nb" both hold two lines and "" holds none.
// The change handler runs whenever the text actually changes.

#include <functional>
#include <string>
#include <vector>

#include "core/support/TextLines.h"
#include "rendering/Color.h"
#include "rendering/Font.h"
#include "ui/model/controls/Control.h"

namespace kestrova {

class TMemo : public TControl {
 public:
  using TControl::TControl;

  const std::string& Text() const { return lines_.Text(); }
  void SetText(const std::string& text);

  // The lines, held once: copies share them.
  const TextLines& Lines() const { return lines_; }
  int LineCount() const { return static_cast<int>(lines_.size()); }
  // Line i, or "" beyond the last line.
  std::string Line(int i) const;
  // Each line followed by CR LF.
  void SetLines(const std::vector<std::string>& lines);

  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { Store(font_, font); }
  TColor Color() const { return color_; }
  void SetColor(TColor c) { Store(color_, c); }

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on) { Store(readOnly_, on); }

  void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

 private:
  void Assign(TextLines lines);

  TextLines lines_;
  TFont font_;
  TColor color_ = clWhite;
  bool readOnly_ = false;
  std::function<void()> onChange_;
};

}  // namespace kestrova
