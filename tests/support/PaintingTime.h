#pragma once
// The yardstick cost bounds on drawing take: the processor time the calling
// thread needs to paint a whole picture.

#include "rendering/Canvas.h"
#include "tests/support/CpuClock.h"

namespace kestrova::testing {

using kestrova::test::ThreadSeconds;

// The thread's time to paint the whole of the canvas's bitmap `times` times
// over, each time in another grey and the last time white.
inline double SecondsToPaint(TCanvas& canvas, int times) {
  const double start = ThreadSeconds();
  for (int i = 0; i < times; ++i) {
    canvas.Brush.color = i + 1 == times ? clWhite : 0x010101 * static_cast<TColor>(i);
    canvas.FillRect(TRect{0, 0, canvas.Target().Width(), canvas.Target().Height()});
  }
  return ThreadSeconds() - start;
}

}  // namespace kestrova::testing
