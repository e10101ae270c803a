#include "gif/GIFImage.h"

#include <algorithm>
#include <utility>

#include "gif/GIFPainter.h"
#include "gif/GIFSupport.h"
#include "gif/ReductionPalettes.h"

namespace kestrova {

TGIFDrawOptions GIFDefaultDrawOptions = doAsync | doTransparent | doAnimate | doLoop | doDither | doAutoDither;
TColorReduction GIFDefaultColorReduction = TColorReduction::rmNetscape;
int GIFDefaultReductionBits = 8;
TDitherMode GIFDefaultDitherMode = TDitherMode::dmNearest;
TGIFCompression GIFDefaultCompression = TGIFCompression::gcLZW;
bool GIFDisplayHasPalette = false;
TThreadPriority GIFDefaultThreadPriority = TThreadPriority::tpNormal;
int GIFDefaultAnimationSpeed = 100;
bool GIFRedrawOnLoad = false;
bool GIFOptimizeOnStream = false;

namespace {

constexpr std::uint8_t kTrailer = ';';

// Bytes from the stream's position to its end; 0 when it cannot tell.
std::int64_t Remaining(std::istream& stream) {
  const std::istream::pos_type start = stream.tellg();
  if (start < 0 || !stream.seekg(0, std::ios::end)) {
    stream.clear();
    return 0;
  }
  const std::int64_t size = stream.tellg() - start;
  stream.seekg(start);
  return size;
}

int Percent(std::int64_t done, std::int64_t total) {
  return total > 0 ? static_cast<int>(MulDiv(done, 100, total)) : 0;
}

}  // namespace

TGIFImage::ProgressScope::ProgressScope(const TGIFImage& image, std::string message)
    : image_(image), message_(std::move(message)), exceptions_(std::uncaught_exceptions()) {
  if (image_.OnProgress) image_.OnProgress(TProgressStage::psStarting, 0, false, message_);
}

TGIFImage::ProgressScope::~ProgressScope() {
  const bool failed = std::uncaught_exceptions() > exceptions_;
  if (image_.OnProgress) image_.OnProgress(TProgressStage::psEnding, failed ? 0 : 100, true, message_);
}

void TGIFImage::ProgressScope::Running(int percent, bool redrawNow) const {
  if (image_.OnProgress) image_.OnProgress(TProgressStage::psRunning, percent, redrawNow, message_);
}

TGIFImage::TGIFImage()
    : DrawOptions(GIFDefaultDrawOptions),
      ColorReduction(GIFDefaultColorReduction),
      ReductionBits(GIFDefaultReductionBits),
      DitherMode(GIFDefaultDitherMode),
      Compression(GIFDefaultCompression),
      ThreadPriority(GIFDefaultThreadPriority),
      AnimationSpeed(GIFDefaultAnimationSpeed),
      Clock(GIFSteadyClock()),
      header_(this),
      images_(this),
      painters_(std::make_shared<TGIFPainterList>()) {
  painters_->image = this;
}

TGIFImage::~TGIFImage() {
  StopDraw();
  // Painters still listed are synchronous ones playing further up some
  // thread's stack; they find the image gone when they leave.
  std::lock_guard<std::recursive_mutex> lock(painters_->lock);
  for (const auto& painter : painters_->painters) painter->Detach();
  painters_->painters.clear();
  painters_->image = nullptr;
}

void TGIFImage::Clear() {
  StopDraw();
  images_.Clear();
  header_.Clear();
  globalPalette_.reset();
}

void TGIFImage::LoadFromStream(std::istream& stream, const TGIFLoadLimits& limits) {
  ProgressScope progress(*this, "Loading...");
  StopDraw();
  // A load that fails leaves the image as it was.
  TGIFHeader savedHeader(nullptr);
  savedHeader.Assign(header_);
  TGIFImageList savedFrames(this);
  savedFrames.Swap(images_);
  std::optional<std::vector<TColor>> savedPalette = std::exchange(globalPalette_, std::nullopt);
  Clear();
  const std::istream::pos_type start = stream.tellg();
  const std::int64_t size = Remaining(stream);
  struct Budget {
    LoadBudget& budget;
    ~Budget() { budget = LoadBudget{}; }
  } budget{load_ = LoadBudget{limits.pixels > 0 ? limits.pixels : -1, limits.memory > 0 ? limits.memory : -1,
                              limits.keepExtensions}};
  try {
    header_.LoadFromStream(stream);
    if (LoadFrames(stream, start, size, limits.frames, progress)) {
      std::uint8_t trailer = 0;
      if (TryReadByte(stream, trailer) && trailer != kTrailer) Warning(this, gsWarning, "Invalid Image trailer");
    }
  } catch (...) {
    images_.Swap(savedFrames);
    header_.Assign(savedHeader);
    globalPalette_ = std::move(savedPalette);
    stream.clear();
    stream.seekg(start);
    throw;
  }
  stream.clear();
}

bool TGIFImage::LoadFrames(std::istream& stream, std::istream::pos_type start, std::int64_t size, int limit,
                           const ProgressScope& progress) {
  for (;;) {
    if (limit > 0 && images_.Count() >= limit) return false;
    // Zero bytes between blocks are padding.
    if (!SkipZeroBytes(stream)) return true;
    const auto byte = stream.peek();
    if (byte == kTrailer) return true;
    if (byte != kExtensionIntroducer && byte != ',') {
      Warning(this, gsWarning, "Unknown GIF block type");
      return true;
    }
    auto frame = std::make_unique<TGIFSubImage>(this);
    frame->LoadFromStream(stream);
    images_.Add(std::move(frame));
    FreeBitmap();
    progress.Running(Percent(stream.tellg() - start, size), GIFRedrawOnLoad);
  }
}

void TGIFImage::CountLoaded(std::int64_t pixels, std::int64_t memory) {
  const auto take = [](std::int64_t& left, std::int64_t amount) {
    if (left < 0) return;
    if (amount > left) throw EGIFTooLarge("GIF frames too large to load");
    left -= amount;
  };
  take(load_.pixels, pixels);
  take(load_.memory, memory);
}

void TGIFImage::SaveToStream(std::ostream& stream) const {
  struct SavingBits {
    int& bits;
    ~SavingBits() { bits = -1; }
  } saving{savingBitsPerPixel_ = GetBitsPerPixel()};
  ProgressScope progress(*this, "Saving...");
  header_.SaveToStream(stream);
  for (int i = 0; i < images_.Count(); ++i) {
    images_[i].SaveToStream(stream);
    progress.Running(Percent(i + 1, images_.Count()));
  }
  WriteByte(stream, kTrailer);
}

void TGIFImage::WriteData(std::ostream& stream) {
  if (GIFOptimizeOnStream) Optimize(optAll, TColorReduction::rmNone, TDitherMode::dmNearest, 8);
  SaveToStream(stream);
}

void TGIFImage::Assign(const TGIFImage& source) {
  if (&source == this) return;
  Clear();
  // The source's handlers hear the copy; afterwards this image has none.
  struct Handlers {
    TGIFImage& image;
    ~Handlers() {
      image.OnProgress = nullptr;
      image.OnItemWarning = nullptr;
    }
  } handlers{*this};
  OnProgress = source.OnProgress;
  OnItemWarning = source.OnItemWarning;
  ProgressScope progress(*this, "Copying...");
  header_.Assign(source.header_);
  ThreadPriority = source.ThreadPriority;
  DrawBackgroundColor = source.DrawBackgroundColor;
  DrawOptions = source.DrawOptions;
  ColorReduction = source.ColorReduction;
  DitherMode = source.DitherMode;
  for (int i = 0; i < source.images_.Count(); ++i) {
    auto copy = std::make_unique<TGIFSubImage>(this);
    copy->Assign(source.images_[i]);
    Add(std::move(copy));
    progress.Running(Percent(i + 1, source.images_.Count()));
  }
}

void TGIFImage::Assign(const Bitmap& source, std::optional<TColor> transparentColor) {
  Clear();
  auto frame = std::make_unique<TGIFSubImage>(this);
  frame->Assign(source, transparentColor);
  Add(std::move(frame));
}

int TGIFImage::Add(const Bitmap& source) {
  auto frame = std::make_unique<TGIFSubImage>(this);
  frame->Assign(source);
  return Add(std::move(frame));
}

int TGIFImage::Add(std::unique_ptr<TGIFSubImage> frame) {
  const int index = images_.Add(std::move(frame));
  Changed();
  return index;
}

const Bitmap* TGIFImage::GetBitmap() {
  if (Empty() || images_[0].Empty()) return nullptr;
  if (bitmap_ == nullptr) {
    TGIFSubImage& first = images_[0];
    if (first.Left() == 0 && first.Top() == 0 && first.Width() == Width() && first.Height() == Height()) {
      bitmap_ = std::make_unique<Bitmap>(first.GetBitmap());
    } else {
      bitmap_ = std::make_unique<Bitmap>(DrawFirstFrame());
    }
  }
  return bitmap_.get();
}

TSize TGIFImage::PictureSize() const {
  const TRect bounds = Empty() ? TRect{} : images_[0].BoundsRect();
  return TSize{Width() > 0 ? Width() : bounds.right, Height() > 0 ? Height() : bounds.bottom};
}

Bitmap TGIFImage::DrawFirstFrame() {
  TGIFSubImage& frame = images_[0];
  const TSize size = PictureSize();
  Bitmap picture(size.cx, size.cy, PixelFormat::pf24bit);
  picture.Fill(header_.GlobalColorMap().Count() > 0 ? GetBackgroundColor() : clBlack);
  TCanvas canvas(picture);
  frame.Draw(canvas, TRect{0, 0, picture.Width(), picture.Height()}, false, false);
  return picture;
}

void TGIFImage::Changed() {
  FreeBitmap();
  if (OnChange) OnChange();
}

std::vector<TColor> TGIFImage::GetPalette() const {
  if (globalPalette_) return *globalPalette_;
  if (DitherTest()) return CreateNetscapePalette();
  if (header_.GlobalColorMap().Count() > 0) return header_.GlobalColorMap().ExportPalette();
  if (Empty()) return {};
  if (images_[0].ColorMap().Count() == 0) RaiseGIFError("No global or local color table defined");
  return images_[0].ColorMap().ExportPalette();
}

bool TGIFImage::DitherTest() const {
  return (DrawOptions & doDither) && (!(DrawOptions & doAutoDither) || GIFDisplayHasPalette);
}

Bitmap TGIFImage::ReduceForFrame(const Bitmap& source) const {
  Bitmap copy = source;
  return ReduceColors(copy, ColorReduction, DitherMode, ReductionBits);
}

TGIFVersion TGIFImage::GetVersion() const {
  if (Empty()) return TGIFVersion::gvUnknown;
  TGIFVersion version = header_.GetVersion();
  for (const auto& frame : images_) {
    if (version == TGIFVersion::gv89a) break;
    version = std::max(version, frame->GetVersion());
  }
  return version;
}

int TGIFImage::GetColorResolution() const {
  int resolution = header_.ColorResolution();
  for (const auto& frame : images_) resolution = std::max(resolution, frame->ColorResolution());
  return resolution;
}

int TGIFImage::GetBitsPerPixel() const {
  if (savingBitsPerPixel_ >= 0) return savingBitsPerPixel_;
  int bits = header_.BitsPerPixel();
  for (const auto& frame : images_) bits = std::max(bits, frame->BitsPerPixel());
  return bits;
}

void TGIFImage::Warning(const void* sender, int severity, const std::string& message) const {
  if (OnItemWarning) OnItemWarning(sender, severity, message);
}

}  // namespace kestrova
