#include "rendering/BaseImageComposer.h"

#include <optional>
#include <string>

#include "rendering/Buttonizer.h"
#include "rendering/Canvas.h"
#include "rendering/GradientImage.h"

namespace kestrova {

namespace {

void SetUpGradient(TGradientImage& gradient, const TSettings& s) {
  gradient.SetTwoOnly(s.twoonly);
  gradient.SetHorizontal(s.horizontal);
  gradient.SetColorStart(s.gc1);
  gradient.SetColorMid(s.gc2);
  gradient.SetColorEnd(s.gc3);
  gradient.SetIsRound(s.radial);
}

void SetUpButton(TButtonizer& button, const TSettings& s) {
  button.SetOpacity(s.BNOpacity);
  button.SetX(s.BNX);
  button.SetY(s.BNY);
  button.SetColorBG(s.BNColorBG);
  button.SetColorFG(s.BNColorFG);
  button.SetColorBL(s.BNColorBL);
  button.SetRoundBtn(s.RoundBtn);
  button.SetRound3DLike(s.Round3DLike);
  button.SetAngle(s.Angle);
  button.SetExtRadius(s.ExtRadius);
  button.SetMyblack(s.Myblack);
  button.SetMywhite(s.Mywhite);
  button.SetColorTR(s.BNColorTR);
  button.SetExtMargin(s.roundmargin);
  button.SetSmooth(s.smooth);
}

void Fill(TCanvas& canvas, TColor color, int w, int h) {
  canvas.Brush.style = BrushStyle::bsSolid;
  canvas.Brush.color = color;
  canvas.FillRect(TRect{0, 0, w, h});
}

// The gradient layer. Under a round button it shows only inside the button's
// ellipse, inset by the ring band (a radial gradient's outer circles fill the
// rest of the ellipse); outside it is the colour around the button.
Bitmap GradientLayer(TGradientImage& gradient, const TSettings& s, const TButtonizer& button) {
  Bitmap layer(s.newx, s.newy, PixelFormat::pf24bit);
  TCanvas canvas(layer);
  if (!s.RoundBtn) {
    gradient.DrawGradient(canvas, s.newx, s.newy);
    return layer;
  }
  Fill(canvas, s.BNColorTR, s.newx, s.newy);
  const int m = button.ExtMargin(), e = s.ExtRadius;  // the margin as the button limits it
  TRegionHandle clip =
      TButtonizer::SetClipRegion(canvas, TRect{m, m, s.newx - m, s.newy - m}, 0, 0, crmEllipse);
  gradient.DrawGradientRect(canvas, m + e, m + e, s.newx - m - e, s.newy - m - e);
  TButtonizer::ClearClipRegion(canvas, clip);
  return layer;
}

void DrawFrame(TCanvas& canvas, const TSettings& s) {
  canvas.Brush.style = BrushStyle::bsClear;
  canvas.Pen.color = s.FrameColor;
  canvas.Pen.width = s.FrameWidth;
  const int f = s.FrameMargin;
  if (s.FrameRound)
    canvas.RoundRect(f, f, s.newx - f, s.newy - f, s.FrameRX, s.FrameRY);
  else
    canvas.Rectangle(f, f, s.newx - f, s.newy - f);
}

}  // namespace

Bitmap ComposeBaseImage(const TSettings& settings) {
  if (settings.newx < 1 || settings.newy < 1)
    throw BitmapError("The new image must be at least 1 x 1 pixels");
  CheckBitmapSize(settings.newx, settings.newy);
  if (settings.RoundBtn && !TButtonizer::RingCountDrawable(settings.ExtRadius))
    throw BitmapError("The round button's ring width (" + std::to_string(settings.ExtRadius) + ") must lie between -" +
                      std::to_string(TButtonizer::kMaxRingCount) + " and " +
                      std::to_string(TButtonizer::kMaxRingCount));

  TGradientImage gradient;
  SetUpGradient(gradient, settings);
  TButtonizer button;
  SetUpButton(button, settings);

  Bitmap base(settings.newx, settings.newy, PixelFormat::pf24bit);
  TCanvas canvas(base);
  Fill(canvas, settings.RoundBtn ? settings.BNColorTR : settings.BNColorFG, settings.newx, settings.newy);
  std::optional<Bitmap> layer;
  if (settings.gradient) layer = GradientLayer(gradient, settings, button);
  button.SetExtBMP(layer ? &*layer : nullptr);
  button.Render(canvas, settings.newx, settings.newy);
  button.SetExtBMP(nullptr);
  if (settings.FrameOn) DrawFrame(canvas, settings);
  return base;
}

void ComposeBaseImage(const TSettings& settings, Bitmap& target) { target = ComposeBaseImage(settings); }

}  // namespace kestrova
