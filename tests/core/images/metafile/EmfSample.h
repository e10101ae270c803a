#pragma once
// Enhanced metafiles written by libEMF for the metafile tests. (libEMF's own
// headers stay in EmfSample.cpp: their Windows names would clash with ours.)

#include <cstdint>
#include <vector>

namespace kestrova::testing {

// A picture 2 x 1 inches (frame 0, 0, 5080, 2540 in 0.01 mm) on libEMF's
// reference device (1024 x 768 pixels, 320 x 240 mm), in its pixels:
// a rectangle (10, 10)-(60, 40), red brush, black pen; an ellipse
// (80, 5)-(150, 45), blue brush, no pen; the text "Hi" in black at (20, 50),
// transparent background, Arial 20 pixels high.
std::vector<std::uint8_t> SampleEmf();

}  // namespace kestrova::testing
