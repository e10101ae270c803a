#pragma once
// A button that shows a colour as a small glyph beside its caption. Setting the
// colour runs nothing; a click runs the click handler (which asks for a colour).

#include <functional>

#include "rendering/Color.h"
#include "ui/model/controls/Control.h"

namespace kestrova {

class TColorBitBtn : public TControl {
 public:
  using TControl::TControl;

  TColor GlyphColor() const { return glyphColor_; }
  void SetGlyphColor(TColor c) { Store(glyphColor_, c); }
  int GlyphWidth() const { return glyphWidth_; }
  int GlyphHeight() const { return glyphHeight_; }
  void SetGlyphSize(int width, int height) {
    Store(glyphWidth_, width);
    Store(glyphHeight_, height);
  }

  void Click() { Fire(onClick_); }
  void SetOnClick(std::function<void()> handler) { onClick_ = std::move(handler); }

 private:
  TColor glyphColor_ = 0;
  int glyphWidth_ = 0;
  int glyphHeight_ = 0;
  std::function<void()> onClick_;
};

}  // namespace kestrova
