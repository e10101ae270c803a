#pragma once
// A GIF image: the header with the logical screen and the global colour
// table, the list of frames, and the settings that decide how a picture
// becomes a frame and how frames are encoded.

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "gif/ColorReduction.h"
#include "gif/GIFHeader.h"
#include "gif/GIFList.h"
#include "gif/GIFSubImage.h"
#include "rendering/Bitmap.h"

namespace kestrova {

// Encoder of saved frames.
enum class TGIFCompression : std::uint8_t { gcLZW = 0, gcRLE = 1 };

// Drawing options (a 16-bit set).
using TGIFDrawOptions = std::uint16_t;
constexpr TGIFDrawOptions doAsync = 0x0001;
constexpr TGIFDrawOptions doTransparent = 0x0002;
constexpr TGIFDrawOptions doAnimate = 0x0004;
constexpr TGIFDrawOptions doLoop = 0x0008;
constexpr TGIFDrawOptions doLoopForever = 0x0010;
constexpr TGIFDrawOptions doCheckCanvasHandle = 0x0020;
constexpr TGIFDrawOptions doDirectDraw = 0x0040;
constexpr TGIFDrawOptions doRestoreOnLoop = 0x0080;
constexpr TGIFDrawOptions doTile = 0x0100;
constexpr TGIFDrawOptions doDither = 0x0200;
constexpr TGIFDrawOptions doAutoDither = 0x0400;

// Defaults that every new image copies; changing them does not reach
// existing images. They are process-wide.
extern TGIFDrawOptions GIFDefaultDrawOptions;          // doAsync ... doAutoDither: 0x060F
extern TColorReduction GIFDefaultColorReduction;       // rmNetscape
extern int GIFDefaultReductionBits;                    // 8
extern TDitherMode GIFDefaultDitherMode;               // dmNearest
extern TGIFCompression GIFDefaultCompression;          // gcLZW
// Whether the display shows colours through a palette; limits doDither when
// doAutoDither is set. False: displays are true-colour.
extern bool GIFDisplayHasPalette;

// Receives every warning of the image's items: the sender, the severity and the text.
using TGIFWarningEvent = std::function<void(const void* sender, int severity, const std::string& message)>;

using TGIFImageList = TGIFList<TGIFSubImage>;

class TGIFImage {
 public:
  TGIFImage();
  ~TGIFImage();
  TGIFImage(const TGIFImage&) = delete;
  TGIFImage& operator=(const TGIFImage&) = delete;

  // No frames, an empty global table, a screen of 0 x 0.
  void Clear();

  // Reads a whole GIF file. Faults that can be read past are warnings; a file
  // cut short keeps the frames it holds, with a warning. On an error the
  // frames read so far stay and the stream returns to where it started.
  void LoadFromStream(std::istream& stream);
  // Writes header, frames and trailer; an image without frames raises
  // "Unsupported GIF version".
  void SaveToStream(std::ostream& stream) const;

  // A copy of another image's header and frames, with its colour reduction,
  // dithering and drawing options (not its reduction bits or compression).
  void Assign(const TGIFImage& source);
  // Clear, then one frame made from the bitmap.
  void Assign(const Bitmap& source, std::optional<TColor> transparentColor = std::nullopt);
  // Appends a frame made from the bitmap, or the given frame; returns its index.
  int Add(const Bitmap& source);
  int Add(std::unique_ptr<TGIFSubImage> frame);

  // The first frame as a bitmap: the frame's own 8-bit bitmap when it covers
  // the logical screen exactly, otherwise a 24-bit bitmap of the screen
  // filled with the background colour (black without a global table), the
  // frame drawn at its position. A screen without a size takes the frame's
  // extent. Null when there is no frame or the first frame
  // holds no pixels. Valid until the image changes.
  const Bitmap* GetBitmap();
  // The colours the image is shown with: the web palette when dithering for
  // display, else the global table, else the first frame's table. Without
  // any it raises "No global or local color table defined".
  std::vector<TColor> GetPalette() const;
  // Frames are shown dithered to the web palette: doDither is set, and
  // doAutoDither is clear or the display has a palette.
  bool DitherTest() const;
  // The 8-bit picture a frame is made from when the source has more than
  // 8 bits per pixel (a 24-bit copy with rmNone).
  Bitmap ReduceForFrame(const Bitmap& source) const;

  bool Empty() const { return images_.Count() == 0; }
  int Width() const { return header_.LogicalScreenWidth(); }
  int Height() const { return header_.LogicalScreenHeight(); }
  TGIFHeader& Header() { return header_; }
  const TGIFHeader& Header() const { return header_; }
  TGIFImageList& Images() { return images_; }
  const TGIFImageList& Images() const { return images_; }

  // The highest version the header and frames need; gvUnknown without frames.
  TGIFVersion GetVersion() const;
  int GetColorResolution() const;
  int GetBitsPerPixel() const;
  // The global table's background entry.
  TColor GetBackgroundColor() const { return header_.BackgroundColor(); }

  // Hands a warning to OnItemWarning.
  void Warning(const void* sender, int severity, const std::string& message) const;
  // Drops what was built from the frames (the cached bitmap).
  void Changed() { FreeBitmap(); }
  void FreeBitmap() { bitmap_.reset(); }

  TGIFDrawOptions DrawOptions;
  TColorReduction ColorReduction;
  int ReductionBits;  // rmQuantize makes 2^ReductionBits colours
  TDitherMode DitherMode;
  TGIFCompression Compression;
  TGIFWarningEvent OnItemWarning;

 private:
  void LoadFrames(std::istream& stream);
  Bitmap DrawFirstFrame();

  TGIFHeader header_;
  TGIFImageList images_;
  // GetBitsPerPixel while SaveToStream runs (every frame without a local
  // table asks for it); -1 otherwise.
  mutable int savingBitsPerPixel_ = -1;
  std::unique_ptr<Bitmap> bitmap_;
};

}  // namespace kestrova
