#pragma once
// Which pixels a set of closed outlines fills. Alternate: a pixel whose centre
// a ray from it crosses the outlines an odd number of times. Winding: one the
// outlines wind round a non-zero number of times (so overlapping figures drawn
// the same way round leave no holes).

namespace kestrova {

enum class FillRule { Alternate, Winding };

}  // namespace kestrova
