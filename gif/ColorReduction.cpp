#include "gif/ColorReduction.h"

#include "gif/ColorLookup.h"
#include "gif/DIB.h"
#include "gif/ErrorDiffusion.h"
#include "gif/FloydSteinbergDitherer.h"
#include "gif/GIFException.h"
#include "gif/Octree.h"
#include "gif/ReductionPalettes.h"

namespace kestrova {

namespace {

constexpr PixelFormat kSource = PixelFormat::pf24bit;

void CheckArguments(TColorReduction reduction, TDitherMode mode, int reductionBits) {
  if (reduction > TColorReduction::rmPalette) RaiseGIFError("Invalid reduction method");
  if (mode > TDitherMode::dmBurkes) RaiseGIFError("Invalid dither mode");
  if (reduction == TColorReduction::rmQuantize && (reductionBits < 0 || reductionBits > 8))
    RaiseGIFError("Invalid reduction bits");
}

std::vector<TColor> BuildPalette(TColorReduction reduction, TDIBReader& reader, int reductionBits,
                                 const std::vector<TColor>& customPalette) {
  switch (reduction) {
    case TColorReduction::rmWindows20: return CreateWindows20Palette();
    case TColorReduction::rmWindows256: return CreateScreenHalftonePalette();
    case TColorReduction::rmWindowsGray: return CreateWindowsGrayPalette();
    case TColorReduction::rmMonochrome: return CreateMonochromePalette();
    case TColorReduction::rmGrayScale: return CreateGrayScalePalette();
    case TColorReduction::rmNetscape: return CreateNetscapePalette();
    case TColorReduction::rmQuantize: return CreateOctreePalette(reader, 1 << reductionBits, 8, false);
    case TColorReduction::rmQuantizeWindows:
      return CreateOctreePaletteForBitmap(reader.GetBitmap(), 256, 8, true);
    default: return customPalette;
  }
}

// Walks the rows serpentine, one Dither per pixel, writing palette indexes.
template <class Ditherer>
void WalkRows(Ditherer& ditherer, TDIBReader& reader, TDIBWriter& writer, int width, int height) {
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* source = reader.GetScanline(y);
    std::uint8_t* target = writer.GetScanline(y);
    std::uint8_t r, g, b;
    for (int x = ditherer.Column(); x >= 0 && x < width; x = ditherer.Column()) {
      const std::uint8_t* p = source + 3 * x;
      target[x] = ditherer.Dither(p[2], p[1], p[0], r, g, b);
    }
    ditherer.NextLine();
  }
}

template <template <class> class Ditherer, class Lookup>
void Run(Lookup& lookup, TDIBReader& reader, TDIBWriter& writer, int width, int height) {
  Ditherer<Lookup> ditherer(width, lookup);
  WalkRows(ditherer, reader, writer, width, height);
}

template <class Lookup>
void Reduce(Lookup& lookup, TDitherMode mode, TDIBReader& reader, Bitmap& result,
            std::vector<TColor> palette) {
  const Bitmap& source = reader.GetBitmap();
  const int width = source.Width(), height = source.Height();
  TDIBWriter writer(result, PixelFormat::pf8bit, width, height, std::move(palette));
  switch (mode) {
    case TDitherMode::dmNearest: Run<TDitherEngine>(lookup, reader, writer, width, height); break;
    case TDitherMode::dmFloydSteinberg:
      Run<TFloydSteinbergDitherer>(lookup, reader, writer, width, height);
      break;
    case TDitherMode::dmStucki: Run<TStuckiDitherer>(lookup, reader, writer, width, height); break;
    case TDitherMode::dmSierra: Run<TSierraDitherer>(lookup, reader, writer, width, height); break;
    case TDitherMode::dmJaJuNI: Run<TJaJuNiDitherer>(lookup, reader, writer, width, height); break;
    case TDitherMode::dmSteveArche: Run<TSteveArcheDitherer>(lookup, reader, writer, width, height); break;
    case TDitherMode::dmBurkes: Run<TBurkesDitherer>(lookup, reader, writer, width, height); break;
  }
}

}  // namespace

Bitmap ReduceColors(Bitmap& bitmap, TColorReduction reduction, TDitherMode mode, int reductionBits,
                    const std::vector<TColor>& customPalette) {
  if (reduction == TColorReduction::rmNone) return bitmap.Converted(kSource);
  CheckArguments(reduction, mode, reductionBits);
  if (reduction == TColorReduction::rmPalette && customPalette.empty())
    RaiseGIFError("Color table is empty");

  Bitmap result;
  TDIBReader reader(bitmap, kSource);
  std::vector<TColor> palette = BuildPalette(reduction, reader, reductionBits, customPalette);
  switch (reduction) {
    case TColorReduction::rmMonochrome: {
      TMonochromeLookup lookup;
      Reduce(lookup, mode, reader, result, std::move(palette));
      break;
    }
    case TColorReduction::rmGrayScale: {
      TGrayScaleLookup lookup;
      Reduce(lookup, mode, reader, result, std::move(palette));
      break;
    }
    case TColorReduction::rmNetscape: {
      TNetscapeColorLookup lookup;
      Reduce(lookup, mode, reader, result, std::move(palette));
      break;
    }
    default: {
      TFastColorLookup lookup(palette);
      Reduce(lookup, mode, reader, result, std::move(palette));
      break;
    }
  }
  return result;
}

}  // namespace kestrova
