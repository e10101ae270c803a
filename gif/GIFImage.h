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
#include "gif/GIFClock.h"
#include "gif/GIFException.h"
#include "gif/GIFExecutor.h"
#include "gif/GIFHeader.h"
#include "gif/GIFList.h"
#include "gif/GIFSubImage.h"
#include "rendering/Bitmap.h"
#include "rendering/Canvas.h"
#include "rendering/Geometry.h"

namespace kestrova {

class TGIFClipboard;
class TGIFPainter;
struct TGIFPainterList;

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

// What Optimize does (a set of bits).
using TGIFOptimizeSet = std::uint8_t;
constexpr TGIFOptimizeSet optCropFrames = 0x01;   // crop transparent frames, drop frames left empty
constexpr TGIFOptimizeSet optMergeFrames = 0x02;  // make transparent what the earlier frame shows
constexpr TGIFOptimizeSet optStrip = 0x04;        // drop unused transparency, extensions and frames that carry nothing
constexpr TGIFOptimizeSet optSortTables = 0x08;   // sort colour tables by use
constexpr TGIFOptimizeSet optReduce = 0x10;       // reserved: reduces nothing
constexpr TGIFOptimizeSet optAll = 0x1F;

// Priority of a painter's thread, idle to time-critical.
enum class TThreadPriority : std::uint8_t { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// "No colour": a painter takes its background from the image.
constexpr TColor clNone = 0x1FFFFFFF;
// The colour of a window's background, which painters use for images without
// a global colour table.
constexpr TColor clWindowBackground = clWhite;

// Defaults that every new image copies; changing them does not reach
// existing images. They are process-wide.
extern TGIFDrawOptions GIFDefaultDrawOptions;          // doAsync ... doAutoDither: 0x060F
extern TColorReduction GIFDefaultColorReduction;       // rmNetscape
extern int GIFDefaultReductionBits;                    // 8
extern TDitherMode GIFDefaultDitherMode;               // dmNearest
extern TGIFCompression GIFDefaultCompression;          // gcLZW
extern TThreadPriority GIFDefaultThreadPriority;       // tpNormal
extern int GIFDefaultAnimationSpeed;                   // 100 (percent)
// The redraw-now flag of the progress notifications while loading.
extern bool GIFRedrawOnLoad;                           // false
// Whether WriteData optimises the image before writing it.
extern bool GIFOptimizeOnStream;                       // false
// Whether the display shows colours through a palette; limits doDither when
// doAutoDither is set. False: displays are true-colour.
extern bool GIFDisplayHasPalette;

// Receives every warning of the image's items: the sender, the severity and the text.
using TGIFWarningEvent = std::function<void(const void* sender, int severity, const std::string& message)>;

// Stage of a long operation, as its progress notifications report it.
enum class TProgressStage { psStarting, psRunning, psEnding };
using TGIFProgressEvent =
    std::function<void(TProgressStage stage, int percent, bool redrawNow, const std::string& message)>;
// An event of a painter; it runs on the thread that owns the painter's target.
using TGIFPainterEvent = std::function<void(TGIFPainter& sender)>;

using TGIFImageList = TGIFList<TGIFSubImage>;

// How much of a file LoadFromStream reads, and what it keeps.
struct TGIFLoadLimits {
  // Frames read; the rest of the file is not read at all. 0: every frame.
  int frames = 0;
  // Pixels the frames may hold in all; a frame past it raises EGIFTooLarge
  // before its data is decoded. 0: no limit.
  std::int64_t pixels = 0;
  // Bytes the frames may take beside their pixels, while they are drawn too:
  // each frame (with the bitmap drawing makes of it), each extension block
  // and each of its data sub-blocks counts what holds it. Past it the load
  // raises EGIFTooLarge, at most one sub-block later. 0: no limit.
  std::int64_t memory = 0;
  // False: a frame keeps only its graphic control extension (its first one);
  // every other extension block is read past, not kept. For frames that are
  // only drawn, never written again.
  bool keepExtensions = true;
};

class TGIFImage {
 public:
  TGIFImage();
  // Stops every painter first: a painter of this image never outlives it.
  ~TGIFImage();
  TGIFImage(const TGIFImage&) = delete;
  TGIFImage& operator=(const TGIFImage&) = delete;

  // Stops the painters; then no frames, an empty global table, a screen of 0 x 0.
  void Clear();

  // Reads a whole GIF file (or as much as the limits allow). Faults that can
  // be read past are warnings, so is image data cut short; a block cut short
  // raises "Premature end of data". On an error the image is as it was before
  // the load and the stream returns to where it started.
  void LoadFromStream(std::istream& stream, const TGIFLoadLimits& limits = {});
  // Writes header, frames and trailer; an image without frames raises
  // "Unsupported GIF version".
  void SaveToStream(std::ostream& stream) const;

  // A copy of another image's header and frames, with its colour reduction,
  // dithering and drawing options (not its reduction bits, compression or
  // speed). The source's OnProgress and OnItemWarning hear the copy; this
  // image has neither handler afterwards.
  void Assign(const TGIFImage& source);
  // Clear, then one frame made from the bitmap.
  void Assign(const Bitmap& source, std::optional<TColor> transparentColor = std::nullopt);
  // Appends a frame made from the bitmap, or the given frame; returns its index.
  int Add(const Bitmap& source);
  int Add(std::unique_ptr<TGIFSubImage> frame);

  // The first frame as a bitmap: the frame's own 8-bit bitmap when it covers
  // the logical screen exactly, otherwise a 24-bit bitmap of PictureSize
  // filled with the background colour (black without a global table), the
  // frame drawn at its position. Null when there is no frame or the first
  // frame holds no pixels. Valid until the image changes.
  const Bitmap* GetBitmap();
  // The size of GetBitmap's picture: the logical screen, a side of which
  // without a size takes the first frame's extent (0 x 0 without frames).
  TSize PictureSize() const;
  // The colours the image is shown with: the palette set with SetPalette,
  // else the web palette when dithering for display, else the global table,
  // else the first frame's table. Without any it raises "No global or local
  // color table defined".
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

  // Used by the frames and extension blocks while they load, before a
  // frame's data is decoded and before a block's bytes are kept: counts
  // pixels and the memory that holds what was read against the load's
  // limits; raises EGIFTooLarge past one of them.
  void CountLoaded(std::int64_t pixels, std::int64_t memory);
  // Whether the load under way keeps every extension block (TGIFLoadLimits).
  bool KeepsLoadedExtensions() const { return load_.keepExtensions; }

  // Hands a warning to OnItemWarning.
  void Warning(const void* sender, int severity, const std::string& message) const;
  // Drops what was built from the frames (the cached bitmap) and tells OnChange.
  void Changed();
  // Stops the painter that Draw started, then drops the cached bitmap.
  void FreeBitmap();

  // Draws the image into rect: the first frame (one frame, or doAnimate
  // clear), or the animation through a painter (see README).
  void Draw(TCanvas& canvas, const TRect& rect);
  // A painter of the image on canvas in rect with the given options (see
  // TGIFPainter). An asynchronous one is returned unstarted and is listed in
  // *painterVar until it leaves; a synchronous one plays to its end at once,
  // and null is returned. Null also for an empty image or rect.
  TGIFPainter* CreatePainter(TGIFPainter** painterVar, TCanvas& canvas, TGIFDrawOptions options, const TRect& rect);
  // Stops every painter of the image and waits until their threads have
  // ended (they end at once: no painter waits out a delay once stopped).
  void StopDraw();
  // The painter Draw started, while it runs.
  TGIFPainter* DrawPainter() const { return drawPainter_; }

  // The logical screen's size. A frame reaching past the new size raises
  // "Image width too small for contained frames" ("Image height too small
  // for contained frames"); a size past 65535 raises "Image too large for
  // GIF". A new size drops the cached bitmap and tells OnChange.
  void SetWidth(int value);
  void SetHeight(int value);
  // True only for the very same image: two images are never compared by content.
  bool Equals(const TGIFImage& other) const { return &other == this; }
  // The bitmap becomes GetBitmap's picture (empty for an image without one).
  void AssignTo(Bitmap& dest) {
    const Bitmap* picture = GetBitmap();
    dest = picture != nullptr ? *picture : Bitmap();
  }
  // The whole file, through LoadFromStream. A file that cannot be opened
  // raises EFileError "Cannot open file "<name>". <reason>".
  void LoadFromFile(const std::string& fileName);
  // Encodes the image in memory, then writes the file: an image that cannot be
  // encoded leaves the file untouched. EFileError "Cannot create file" or
  // "Cannot write file" when the file cannot be written (a part written is removed).
  void SaveToFile(const std::string& fileName) const;
  // Shows the image with the given colours in place of its colour tables' (an
  // empty palette goes back to them). When the cached bitmap has other
  // colours, it is dropped, PaletteModified is set and OnChange told.
  void SetPalette(std::vector<TColor> palette);
  // Puts the first frame's bitmap and the whole GIF file (under
  // kGIFClipboardFormat) on the clipboard; nothing for an empty image. A
  // clipboard that refuses the file raises "Failed to store GIF on clipboard".
  void SaveToClipboardFormat(TGIFClipboard& clipboard);
  // Loads the GIF file held under kGIFClipboardFormat, or one frame made of
  // the clipboard's picture for kBitmapClipboardFormat; any other format
  // raises "Unsupported clipboard format".
  void LoadFromClipboardFormat(const TGIFClipboard& clipboard, const std::string& format);

  // Makes the file smaller without changing what it shows (see README).
  void Optimize(TGIFOptimizeSet options, TColorReduction reduction = TColorReduction::rmNone,
                TDitherMode ditherMode = TDitherMode::dmNearest, int reductionBits = 8);
  // The image as stored inside other data: optimised first when
  // GIFOptimizeOnStream is set, then as SaveToStream writes it.
  void WriteData(std::ostream& stream);

  TGIFDrawOptions DrawOptions;
  TColorReduction ColorReduction;
  int ReductionBits;  // rmQuantize makes 2^ReductionBits colours
  TDitherMode DitherMode;
  TGIFCompression Compression;
  TGIFWarningEvent OnItemWarning;
  TGIFProgressEvent OnProgress;
  // The image changed (its frames, or the picture a painter draws into the cache).
  std::function<void()> OnChange;
  // Set when a new palette changed what the image shows.
  bool PaletteModified = false;

  // Drawing: copied from the defaults, except DrawBackgroundColor (clNone).
  TThreadPriority ThreadPriority;
  // Percent: 200 plays twice as fast; 0 holds an asynchronous animation at
  // its first frame, a negative speed plays it without waits.
  int AnimationSpeed;
  TColor DrawBackgroundColor = clNone;
  // Copied into every painter when it is created.
  TGIFPainterEvent OnPaintStart, OnFramePaint, OnFramePainted, OnLoopRestart, OnPaintEnd;
  // Where asynchronous painters hand their frames and events; without one,
  // a painter that was asked to run on its own paints the first frame only.
  std::shared_ptr<TGIFExecutor> Executor;
  // The time painters keep (the machine's clock unless replaced).
  std::shared_ptr<TGIFClock> Clock;

 private:
  // Reports a long operation to OnProgress: the starting notification when
  // made, the ending one when it goes (100 %, or 0 % when an exception is
  // leaving the operation).
  class ProgressScope {
   public:
    ProgressScope(const TGIFImage& image, std::string message);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    void Running(int percent, bool redrawNow = false) const;

   private:
    const TGIFImage& image_;
    std::string message_;
    int exceptions_;
  };

  // Reads the frames (at most `limit`, 0: all); progress is the share of the
  // `size` bytes from `start` read so far. False when stopped by the limit.
  bool LoadFrames(std::istream& stream, std::istream::pos_type start, std::int64_t size, int limit,
                  const ProgressScope& progress);
  Bitmap DrawFirstFrame();
  // Draw's animated branch.
  void DrawAnimated(TCanvas& canvas, const TRect& rect);
  // The cache stretched (or tiled) into rect.
  void DrawCache(TCanvas& canvas, const TRect& rect);
  // Stops one painter; an asynchronous one leaves the list and its thread is waited for.
  void StopPainter(TGIFPainter* painter);
  // Takes a painter out of the list (the lock held) and lets it go.
  std::shared_ptr<TGIFPainter> ReleasePainter(TGIFPainter* painter);
  TGIFPainter* CreatePainter(TGIFPainter** painterVar, TCanvas& canvas, TGIFDrawOptions options, const TRect& rect,
                             std::function<void()> targetChanged);
  // Optimize's steps; `step` counts one step of the progress.
  void StripTransparency(const std::function<void()>& step);
  void SimplifyDisposal(const std::function<void()>& step);
  void MergeFrames(const std::function<void()>& step);
  void MergeFramesOnce(bool mayWidenTables, const std::function<void()>& step);
  // The code widths of the global colour table and of each frame's own table.
  std::vector<int> TableWidths() const;
  void CropFrames(const std::function<void()>& step);
  // For a frame that shows nothing: gives its time to the frame before and
  // answers true when it can go without changing what is shown.
  bool HandOverEmptyFrame(int index);
  void StripExtensions();

  TGIFHeader header_;
  TGIFImageList images_;
  // GetBitsPerPixel while SaveToStream runs (every frame without a local
  // table asks for it); -1 otherwise.
  mutable int savingBitsPerPixel_ = -1;
  // What the frames being loaded may still take (-1: no limit), and whether
  // they keep every extension block.
  struct LoadBudget {
    std::int64_t pixels = -1;
    std::int64_t memory = -1;
    bool keepExtensions = true;
  };
  LoadBudget load_;
  std::unique_ptr<Bitmap> bitmap_;
  // The palette set with SetPalette.
  std::optional<std::vector<TColor>> globalPalette_;
  bool drawing_ = false;
  std::shared_ptr<TGIFPainterList> painters_;
  TGIFPainter* drawPainter_ = nullptr;
};

}  // namespace kestrova
