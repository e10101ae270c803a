#pragma once
// The processor time the calling thread has used, for cost bounds that other
// work on the machine does not move, and the yardstick such bounds on
// drawing take.

#include <time.h>

#include "rendering/Canvas.h"

namespace kestrova::testing {

inline double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

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
