#pragma once
// The button-effect renderer: paints a button face of a given size onto a
// canvas. The background is an external bitmap stretched to the size or a flat
// colour; over it go either bevelled edges (light along the top and left, dark
// along the bottom and right, fading inwards and mixed with the face by an
// opacity) or a round button of shaded rings with a face disc.
//
// The class knows no window: a widget shows it by calling Paint from its own
// paint handler and repaints whenever OnChange fires.

#include <functional>
#include <memory>

#include "rendering/Bitmap.h"
#include "rendering/Canvas.h"
#include "rendering/ClipRegion.h"
#include "rendering/Color.h"
#include "rendering/Geometry.h"

namespace kestrova {

// A clip region made by TButtonizer::SetClipRegion and owned by its caller
// until TButtonizer::ClearClipRegion; empty when none was made.
using TRegionHandle = std::unique_ptr<ClipRegion>;

// Shapes of TButtonizer::SetClipRegion.
enum ClipRegionMode : int { crmEllipse = 0, crmRectangle = 1, crmRoundRect = 2 };

// What every arc step of one round button shares.
struct TArcSteps {
  TRect box;      // the ellipse's box; ring k uses it inset by k on every side
  int cx = 0;     // centre of the arc end points
  int cy = 0;
  int r = 0;      // distance of the arc end points from the centre
  float dA = 0;   // angle of one step, radians
};

class TButtonizer {
 public:
  // A margin this far beyond the canvas, on either side, draws what any
  // farther one would: every ring lies outside the canvas or none is drawn.
  static constexpr int kMaxExtMargin = 1 << 20;

  TButtonizer() = default;
  TButtonizer(const TButtonizer&) = delete;
  TButtonizer& operator=(const TButtonizer&) = delete;

  // Called after every property change and after Assign: the owner repaints.
  std::function<void()> OnChange;

  TColor ColorBG() const { return colorBG_; }
  TColor ColorFG() const { return colorFG_; }
  TColor ColorBL() const { return colorBL_; }
  TColor ColorTR() const { return colorTR_; }
  int X() const { return x_; }
  int Y() const { return y_; }
  int Opacity() const { return opacity_; }
  // The external background; referenced, never owned.
  const Bitmap* ExtBMP() const { return extBMP_; }
  bool FullMix() const { return fullMix_; }
  bool RoundBtn() const { return roundBtn_; }
  float Angle() const { return angle_; }
  bool Round3DLike() const { return round3DLike_; }
  TColor Myblack() const { return myblack_; }
  TColor Mywhite() const { return mywhite_; }
  int ExtRadius() const { return extRadius_; }
  int ExtMargin() const { return extMargin_; }
  int Smooth() const { return smooth_; }

  void SetColorBG(TColor value) { Store(colorBG_, value); }
  void SetColorFG(TColor value) { Store(colorFG_, value); }
  void SetColorBL(TColor value) { Store(colorBL_, value); }
  void SetColorTR(TColor value) { Store(colorTR_, value); }
  void SetX(int value) { Store(x_, value); }
  void SetY(int value) { Store(y_, value); }
  // Stores the value limited to 0..100.
  void SetOpacity(int value);
  void SetExtBMP(const Bitmap* value) { Store(extBMP_, value); }
  void SetFullMix(bool value) { Store(fullMix_, value); }
  void SetRoundBtn(bool value) { Store(roundBtn_, value); }
  void SetAngle(float value) { Store(angle_, value); }
  void SetRound3DLike(bool value) { Store(round3DLike_, value); }
  void SetMyblack(TColor value) { Store(myblack_, value); }
  void SetMywhite(TColor value) { Store(mywhite_, value); }
  void SetExtRadius(int value) { Store(extRadius_, value); }
  // Stores the value limited to -kMaxExtMargin..kMaxExtMargin.
  void SetExtMargin(int value);
  void SetSmooth(int value) { Store(smooth_, value); }

  // Between the two, Paint draws nothing; EndUpdate does not repaint by itself.
  void BeginUpdate() { updating_ = true; }
  void EndUpdate() { updating_ = false; }
  bool Updating() const { return updating_; }

  // Copies every effect property of `source` (the external bitmap is shared).
  void Assign(const TButtonizer& source);

  // Render, unless an update is in progress.
  void Paint(TCanvas& canvas, int w, int h);
  // Paints the effect onto (0, 0, w, h) of the canvas.
  void Render(TCanvas& canvas, int w, int h);
  // The round button over the background already on the canvas; nothing when
  // the ring count lies beyond kMaxRingCount.
  void DrawRoundEdge(TCanvas& canvas, int w, int h);

  // The largest ring count, either sign, that a round button is drawn with:
  // 9999, the largest new image's side. So every sum of it with a margin and a
  // bitmap's size fits an int; far more rings would take for ever.
  static constexpr int kMaxRingCount = 9999;
  static bool RingCountDrawable(int extRadius);

  // Channel-wise (c0 * w0 + c1 * w1) >> 10; weights are on a scale of 1024
  // and not normalised.
  static TColor BlendColors(TColor c0, TColor c1, int w0, int w1);
  // The short arc of ring `ring` between the angles theta and theta + dA.
  static void DrawArcStep(TCanvas& canvas, const TArcSteps& steps, float theta, int ring);
  // One in-place smoothing pass over the inclusive rectangle, limited to the
  // pixels that have four neighbours; the bitmap becomes 24-bit.
  static void SmoothBitmap(Bitmap& bitmap, int left, int top, int right, int bottom);
  // Makes a region of the given mode on `rect` (corner ellipses rx x ry for the
  // round rectangle) and selects it on the canvas; another mode makes nothing.
  static TRegionHandle SetClipRegion(TCanvas& canvas, const TRect& rect, int rx, int ry, int mode);
  // Removes the canvas's clipping and frees the region.
  static void ClearClipRegion(TCanvas& canvas, TRegionHandle& region);

 private:
  template <typename T>
  void Store(T& field, T value) {
    field = value;
    Changed();
  }
  void Changed();
  void DrawBevel(TCanvas& canvas, int w, int h);
  void DrawRings(TCanvas& canvas, int w, int h, const TRect& box);
  void SmoothInside(TCanvas& canvas, int w, int h, const TRect& box);

  TColor colorBG_ = clRed;
  TColor colorFG_ = clWhite;
  TColor colorBL_ = clBlack;
  TColor colorTR_ = clBlack;
  int x_ = 3;
  int y_ = 3;
  int opacity_ = 50;
  const Bitmap* extBMP_ = nullptr;
  bool fullMix_ = false;
  bool roundBtn_ = false;
  float angle_ = 0;
  bool round3DLike_ = false;
  TColor myblack_ = 0x303030;
  TColor mywhite_ = 0xEFEFEF;
  int extRadius_ = 5;
  int extMargin_ = 0;
  int smooth_ = 0;
  bool updating_ = false;
};

}  // namespace kestrova
