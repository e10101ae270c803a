#pragma once
// A brush that fills with a picture, as the pattern-brush records make it:
// its pattern is made here, once, however often the brush fills; a
// two-colour one takes the text and background colours where it fills
// (BrushPattern::InColors). No picture gives a hollow brush; a picture of
// more pixels than kMaxBrushPixels, larger than any pattern, leaves the
// record out (RecordLeftOut).

#include <cstdint>
#include <optional>

#include "core/images/metafile/MetafileDevice.h"

namespace kestrova {

inline constexpr std::int64_t kMaxBrushPixels = std::int64_t{1} << 20;

MetaBrush PictureBrush(const std::optional<Bitmap>& picture, bool twoColor);

}  // namespace kestrova
