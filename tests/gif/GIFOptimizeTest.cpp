// Crop, Merge and the optimiser: frames shrink to what changes, and the
// frames a file shows stay the same (composed by ImageMagick and by our
// painter), while files that can shrink do.

#include <gtest/gtest.h>

#include "gif/GIFExtensionText.h"
#include "tests/gif/GIFPainterTestSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

constexpr TColor kUnder = RGBColor(12, 200, 90);
const std::vector<TColor> kPalette = {clBlack, clWhite, clRed, RGBColor(0, 0, 255)};

std::vector<TColor> Shades(int count) {
  std::vector<TColor> colors;
  for (int i = 0; i < count; ++i) colors.push_back(RGBColor(i, 255 - i, 7));
  return colors;
}

void SetTransparent(TGIFSubImage& frame, int index) {
  TGIFGraphicControlExtension* control = frame.GraphicControlExtension();
  if (control == nullptr) control = &AddControl(frame);
  control->SetTransparent(true);
  control->SetTransparentColorIndex(index);
}

int TransparentIndexOf(const TGIFSubImage& frame) {
  return frame.Transparent() ? frame.GraphicControlExtension()->TransparentColorIndex() : -1;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Every frame as ImageMagick composes the file, over kUnder.
std::vector<std::string> Composed(const TGIFImage& image) {
  TempDir dir;
  WriteFile(dir.File("a.gif"), Save(image));
  return ComposedByImageMagick(dir.File("a.gif"), kUnder, image.Width(), image.Height());
}

// A 32 x 32 picture of noise with a 4 x 4 red square that moves over six frames.
std::unique_ptr<TGIFImage> MovingSquare() {
  auto image = std::make_unique<TGIFImage>();
  std::vector<TestFrame> frames;
  for (int f = 0; f < 6; ++f) {
    Bytes pixels(32 * 32);
    std::uint32_t noise = 12345;
    for (auto& pixel : pixels) {
      noise = noise * 1103515245 + 12345;
      pixel = static_cast<std::uint8_t>((noise >> 16) % 2 ? 3 : (noise >> 20) % 2);
    }
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) pixels[(8 + y + f) * 32 + 4 + x + 3 * f] = 2;
    frames.push_back(TestFrame{0, 0, 32, 32, pixels});
  }
  MakeAnimation(*image, 32, 32, kPalette, frames, 0);
  return image;
}

}  // namespace

TEST(GIFCropMerge, Crop) {
  struct Case {
    const char* name;
    Bytes pixels;  // 4 x 3 at (2, 3); index 3 is the transparent colour
    bool transparent;
    TRect bounds;  // afterwards; empty: cleared
    Bytes kept;
  };
  const Case cases[] = {
      {"transparent border", {3, 3, 3, 3, 3, 1, 2, 3, 3, 3, 3, 3}, true, {3, 4, 5, 5}, {1, 2}},
      {"corners", {0, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1}, true, {2, 3, 6, 6}, {0, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1}},
      {"one column", {3, 3, 3, 2, 3, 3, 3, 1, 3, 3, 3, 3}, true, {5, 3, 6, 5}, {2, 1}},
      {"not transparent", {3, 3, 3, 3, 3, 1, 2, 3, 3, 3, 3, 3}, false, {2, 3, 6, 6},
       {3, 3, 3, 3, 3, 1, 2, 3, 3, 3, 3, 3}},
      {"nothing shown", Bytes(12, 3), true, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TGIFImage image;
    TGIFSubImage& frame = AddFrame(image, 2, 3, 4, 3, kPalette, c.pixels);
    if (c.transparent) SetTransparent(frame, 3);
    frame.GetBitmap();
    frame.Crop();
    if (c.bounds.IsEmpty()) {
      EXPECT_TRUE(frame.Empty());
      EXPECT_EQ(frame.Extensions().Count(), 0);
      continue;
    }
    EXPECT_EQ(frame.BoundsRect(), c.bounds);
    EXPECT_EQ(frame.Data(), c.kept);
    EXPECT_EQ(frame.GetBitmap().Width(), c.bounds.Width());
  }
}

TEST(GIFCropMerge, Merge) {
  // The earlier frame lies at (0, 0), the later one at (1, 0); both one row high.
  struct Case {
    const char* name;
    int globalColors;       // entries of the global table (0: local tables)
    Bytes previous, frame;  // pixels
    int previousDisposal = 1, previousTransparent = -1, frameTransparent = -1;
    int localColors = 4;  // of the later frame when the tables are local
    Bytes expected;
    int expectedIndex = -1;  // the later frame's transparent index afterwards
    int expectedColors = 0;  // entries of the table the later frame uses afterwards
  };
  const Case cases[] = {
      {"same colour becomes transparent, a new entry", 4, {1, 2, 3, 0}, {2, 0, 0}, 1, -1, -1, 4, {4, 0, 4}, 4, 5},
      {"earlier frame restores the background", 4, {1, 2, 3, 0}, {2, 0, 0}, 2, -1, -1, 4, {2, 0, 0}, -1, 4},
      {"earlier frame restores the previous picture", 4, {1, 2, 3, 0}, {2, 0, 0}, 3, -1, -1, 4, {2, 0, 0}, -1, 4},
      {"nothing overlaps", 4, {1}, {1, 1, 1}, 1, -1, -1, 4, {1, 1, 1}, -1, 4},
      {"what the earlier frame leaves transparent stays", 4, {1, 2, 3, 0}, {2, 0, 0}, 1, 2, -1, 4, {2, 0, 4}, 4, 5},
      {"another frame's transparent entry serves", 4, {1, 2, 3, 0}, {2, 0, 0}, 1, 3, -1, 4, {3, 0, 3}, 3, 4},
      {"the frame's own transparent entry", 4, {1, 2, 3, 0}, {2, 1, 0}, 1, -1, 0, 4, {0, 1, 0}, 0, 4},
      {"a full global table has no room", 256, {1, 2, 3, 0}, {2, 0, 0}, 1, -1, -1, 4, {2, 0, 0}, -1, 256},
      {"local tables compare colours", 0, {2, 3, 0, 0}, {2, 3, 0}, 1, -1, -1, 4, {4, 4, 0}, 4, 5},
      {"a full local table has no room", 0, {2, 3, 0, 0}, {3, 0, 0}, 1, -1, -1, 256, {3, 0, 0}, -1, 256},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TGIFImage image;
    image.Header().SetLogicalScreenWidth(4);
    image.Header().SetLogicalScreenHeight(1);
    std::vector<TColor> previousTable, frameTable;
    if (c.globalColors > 0) {
      image.Header().GlobalColorMap().ImportPalette(c.globalColors == 4 ? kPalette : Shades(c.globalColors));
    } else {
      // The same colours in another order: index 0 of the later table is index 2 of the earlier one.
      previousTable = kPalette;
      frameTable = {clRed, clWhite, RGBColor(0, 0, 255), clBlack};
      if (c.localColors == 256) {
        frameTable = Shades(256);
        frameTable[0] = clBlack;
        frameTable[3] = RGBColor(0, 0, 255);
      }
    }
    TGIFSubImage& previous =
        AddFrame(image, 0, 0, static_cast<int>(c.previous.size()), 1, previousTable, c.previous);
    AddControl(previous).SetDisposal(c.previousDisposal);
    if (c.previousTransparent >= 0) SetTransparent(previous, c.previousTransparent);
    TGIFSubImage& frame = AddFrame(image, 1, 0, static_cast<int>(c.frame.size()), 1, frameTable, c.frame);
    if (c.frameTransparent >= 0) SetTransparent(frame, c.frameTransparent);
    frame.Merge(previous);
    EXPECT_EQ(frame.Data(), c.expected);
    EXPECT_EQ(TransparentIndexOf(frame), c.expectedIndex);
    EXPECT_EQ(frame.ActiveColorMap().Count(), c.expectedColors);
    if (c.expectedIndex >= 0 && c.expectedColors > 4) {
      EXPECT_EQ(frame.ActiveColorMap().Colors(c.expectedIndex), clBlack);
    }
  }
}

// An 8 x 8 picture, then a 4 x 4 square at (2, 2) that is restored to the
// background, then an opaque square at `next` that covers it or lies inside it.
std::unique_ptr<TGIFImage> RestoredSquare(const TRect& next) {
  auto image = std::make_unique<TGIFImage>();
  MakeAnimation(*image, 8, 8, kPalette,
                {{0, 0, 8, 8, Bytes(64, 1)},
                 {2, 2, 4, 4, Bytes(16, 2), 2},
                 {next.left, next.top, next.Width(), next.Height(), Bytes(next.Width() * next.Height(), 3)}});
  return image;
}

TEST(GIFOptimize, KeepsTheComposedFramesAndShrinks) {
  const std::vector<std::string> files = {
      "animated_loop.gif",
      "animated_loop_interlaced.gif",
      "animated_transparent_firstframerestoreprev_loop.gif",
      "animated_transparent_frame_norestore_loop.gif",
      "animated_transparent_frame_restorebackground_loop.gif",
      "animated_transparent_frame_restoreprev_loop.gif",
      "animated_transparent_loop.gif",
      "animated_transparent_loop_frames_out_of_bounds.gif",
      "animated_transparent_restoreprev_loop.gif",
      "im_frames.gif",
      "moving square",
      "restored square, covered",
      "restored square, not covered",
  };
  for (const std::string& name : files) {
    SCOPED_TRACE(name);
    std::unique_ptr<TGIFImage> image;
    if (name == "moving square") {
      image = MovingSquare();
    } else if (name == "restored square, covered") {
      image = RestoredSquare(TRect{1, 1, 7, 7});
    } else if (name == "restored square, not covered") {
      image = RestoredSquare(TRect{3, 3, 5, 5});
    } else {
      image = LoadFile(name);
    }
    const std::string before = Save(*image);
    const std::vector<std::string> composed = Composed(*image);
    ASSERT_GE(composed.size(), 2u);
    Playback played;
    ASSERT_TRUE(played.Play(*image, kUnder, doAsync | doAnimate | doTransparent));

    image->Optimize(optAll);
    const std::string after = Save(*image);
    EXPECT_EQ(Composed(*image), composed);
    const GiflibResult decoded = DecodeWithGiflib(after);
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.frames.size(), composed.size());
    auto reloaded = Load(after);
    Playback replayed;
    ASSERT_TRUE(replayed.Play(*reloaded->image, kUnder, doAsync | doAnimate | doTransparent));
    EXPECT_EQ(replayed.frames, played.frames);
    EXPECT_LE(after.size(), before.size());
    if (name == "moving square") {
      EXPECT_LT(after.size() * 3, before.size());
    }
    // A frame that restores its area keeps doing so unless the next frame covers it all.
    if (name.rfind("restored square", 0) == 0) {
      const int disposal = image->Images()[1].GraphicControlExtension()->Disposal();
      EXPECT_EQ(disposal, name == "restored square, covered" ? 0 : 2);
    }
  }
}

TEST(GIFOptimize, CropDropsFramesThatShowNothing) {
  // A picture, then a frame that shows nothing (transparent everywhere): it
  // goes and the picture shows for its time as well, when that picture stays
  // in place for that time and both delays add up exactly; else one
  // transparent pixel of it stays to keep its time.
  struct Case {
    const char* name;
    int previousDisposal, previousDelay, disposal, delay;
    bool dropped;
    bool previousControl = true;
  };
  const Case cases[] = {
      {"the picture stays", 1, 30, 1, 20, true},
      {"no disposal given", 0, 30, 0, 20, true},
      {"the empty frame restores the previous picture", 1, 30, 3, 20, true},
      {"the picture is restored to the background", 2, 30, 1, 20, false},
      {"the picture restores the one before it", 3, 30, 1, 20, false},
      {"a reserved disposal", 4, 30, 1, 20, false},
      {"a sum past 16 bits", 1, 30, 1, 65520, false},
      {"a short delay", 1, 30, 1, 2, false},
      {"a short delay before", 1, 1, 1, 20, false},
      {"the picture has no graphic control", 1, 30, 1, 20, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TGIFImage image;
    MakeAnimation(image, 4, 4, kPalette,
                  {{0, 0, 4, 4, Bytes(16, 1), c.previousDisposal, -1, c.previousDelay},
                   {1, 2, 3, 2, Bytes(6, 3), c.disposal, 3, c.delay},
                   {1, 1, 2, 2, Bytes(4, 2), 1, -1, 20}});
    if (!c.previousControl) image.Images()[0].Extensions().Clear();
    image.Optimize(optCropFrames);
    const TGIFGraphicControlExtension* previous = image.Images()[0].GraphicControlExtension();
    if (c.dropped) {
      ASSERT_EQ(image.Images().Count(), 2);
      EXPECT_EQ(previous->Delay(), c.previousDelay + c.delay);
      EXPECT_EQ(image.Images()[1].Data(), Bytes(4, 2));
      continue;
    }
    ASSERT_EQ(image.Images().Count(), 3);
    if (previous != nullptr) {
      EXPECT_EQ(previous->Delay(), c.previousDelay);
    }
    EXPECT_EQ(image.Images()[1].BoundsRect(), (TRect{1, 2, 2, 3}));
    EXPECT_EQ(image.Images()[1].Data(), Bytes{3});
    EXPECT_EQ(image.Images()[1].GraphicControlExtension()->Delay(), c.delay);
  }

  // Frames that stay whole or as one pixel: the first frame, one that
  // carries the loop count, one restored to the background (cropping would
  // restore less).
  TGIFImage image;
  MakeAnimation(image, 4, 4, kPalette,
                {{0, 0, 4, 4, Bytes(16, 3), 1, 3, 30},
                 {0, 0, 4, 4, Bytes(16, 1), 1, -1, 30},
                 {0, 0, 4, 4, Bytes(16, 3), 2, 3, 20},
                 {0, 0, 4, 4, Bytes(16, 3), 1, 3, 10}});
  AddLoop(image.Images()[3], 5);
  image.Optimize(optCropFrames);
  ASSERT_EQ(image.Images().Count(), 4);
  EXPECT_EQ(image.Images()[0].BoundsRect(), (TRect{0, 0, 1, 1}));
  EXPECT_EQ(image.Images()[2].BoundsRect(), (TRect{0, 0, 4, 4}));
  EXPECT_EQ(image.Images()[3].BoundsRect(), (TRect{0, 0, 1, 1}));
  EXPECT_EQ(image.Images()[1].GraphicControlExtension()->Delay(), 30);
}

TEST(GIFOptimize, Strip) {
  // One frame: no loop count, no graphic control that is opaque and waits for no input.
  TGIFImage single;
  MakeAnimation(single, 2, 1, kPalette, {{0, 0, 2, 1, Bytes{0, 1}, 2, -1, 50}}, 0);
  auto comment = std::make_unique<TGIFCommentExtension>(&single.Images()[0]);
  comment->Text() = {"made by hand"};
  single.Images()[0].Extensions().Add(std::move(comment));
  single.Optimize(optStrip);
  EXPECT_EQ(single.Images()[0].Extensions().Count(), 0);
  EXPECT_EQ(Save(single).substr(0, 6), "GIF87a");

  // Input asked for: the graphic control stays.
  TGIFImage input;
  MakeAnimation(input, 2, 1, kPalette, {{0, 0, 2, 1, Bytes{0, 1}}});
  auto control = std::make_unique<TGIFGraphicControlExtension>(&input.Images()[0]);
  std::istringstream userInput(S({0x21, 0xF9, 4, 0x02, 0, 0, 0, 0}));
  control->LoadFromStream(userInput);
  input.Images()[0].Extensions().Delete(0);
  input.Images()[0].Extensions().Add(std::move(control));
  input.Optimize(optStrip);
  EXPECT_EQ(input.Images()[0].Extensions().Count(), 1);

  // Several frames: transparency no pixel uses goes; the loop count stays on
  // the first frame only; a graphic control stays where it carries a delay,
  // a restore or transparency; a frame with neither pixels nor extensions goes.
  TGIFImage several;
  MakeAnimation(several, 2, 1, kPalette,
                {{0, 0, 2, 1, Bytes{0, 1}, 1, 3, 0},
                 {0, 0, 2, 1, Bytes{1, 1}, 1, -1, 0},
                 {0, 0, 2, 1, Bytes{2, 1}, 2, -1, 0},
                 {0, 0, 2, 1, Bytes{2, 3}, 1, 3, 0},
                 {0, 0, 2, 1, Bytes{2, 2}, 1, -1, 40}},
                3);
  AddLoop(several.Images()[2], 1);
  auto trailing = std::make_unique<TGIFSubImage>(&several);
  trailing->Extensions().Add(std::make_unique<TGIFCommentExtension>(trailing.get()));
  several.Add(std::move(trailing));
  several.Optimize(optStrip);
  ASSERT_EQ(several.Images().Count(), 5);
  EXPECT_FALSE(several.Images()[0].Transparent());
  EXPECT_EQ(several.Images()[0].Extensions().Count(), 1);  // the loop count
  EXPECT_EQ(several.Images()[1].Extensions().Count(), 0);
  EXPECT_EQ(several.Images()[2].Extensions().Count(), 1);  // disposal 2
  EXPECT_TRUE(several.Images()[3].Transparent());
  EXPECT_EQ(several.Images()[4].Extensions().Count(), 1);  // delay 40

  // optReduce reduces nothing; with the palette method and no strip it is refused.
  EXPECT_NO_THROW(several.Optimize(optReduce | optStrip, TColorReduction::rmPalette));
  try {
    several.Optimize(optReduce, TColorReduction::rmPalette);
    FAIL() << "accepted";
  } catch (const GIFException& e) {
    EXPECT_STREQ(e.what(), "Invalid reduction method");
  }
}

TEST(GIFOptimize, StripKeepsBlocksItDoesNotKnow) {
  // Before each of two frames: a comment, another program's application
  // data, an application block of an odd size and a block of an unknown
  // label. Strip drops the first two and keeps the blocks it cannot read.
  const std::string comment = S({0x21, 0xFE, 2, 'h', 'i', 0});
  const std::string other = S({0x21, 0xFF, 11}) + "XMP DataXMP" + S({1, 7, 0});
  const std::string odd = S({0x21, 0xFF, 10}) + "ABCDEFGHIJ" + S({2, 5, 6, 0});
  const std::string unknown = S({0x21, 0x99, 3, 1, 2, 3, 0});
  const std::string frame = S({',', 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0});
  const std::string header = std::string("GIF89a") + S({1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255});
  const std::string blocks = comment + other + odd + unknown;
  auto loaded = Load(header + blocks + frame + blocks + frame + ";");
  ASSERT_EQ(loaded->image->Images().Count(), 2);
  loaded->image->Optimize(optStrip);
  EXPECT_EQ(Hex(Save(*loaded->image)), Hex(header + odd + unknown + frame + odd + unknown + frame + ";"));
}

TEST(GIFOptimize, WriteDataOptimisesOnlyWhenAsked) {
  auto image = MovingSquare();
  const std::string plain = Save(*image);
  std::ostringstream written;
  image->WriteData(written);
  EXPECT_EQ(written.str(), plain);

  GIFOptimizeOnStream = true;
  std::ostringstream optimised;
  image->WriteData(optimised);
  GIFOptimizeOnStream = false;
  EXPECT_LT(optimised.str().size(), plain.size());
  auto expected = MovingSquare();
  expected->Optimize(optAll);
  EXPECT_EQ(optimised.str(), Save(*expected));
}

TEST(GIFOptimize, ProgressNotifications) {
  struct Note {
    TProgressStage stage;
    int percent;
    bool redraw;
    std::string message;
    bool operator==(const Note&) const = default;
  };
  std::vector<Note> notes;
  const auto listen = [&](TGIFImage& image) {
    image.OnProgress = [&](TProgressStage stage, int percent, bool redraw, const std::string& message) {
      notes.push_back({stage, percent, redraw, message});
    };
  };
  auto image = MovingSquare();
  listen(*image);
  image->Optimize(optAll);
  ASSERT_GE(notes.size(), 3u);
  EXPECT_EQ(notes.front(), (Note{TProgressStage::psStarting, 0, false, "Optimizing..."}));
  EXPECT_EQ(notes.back(), (Note{TProgressStage::psEnding, 100, true, "Optimizing..."}));
  EXPECT_EQ(notes[notes.size() - 2].percent, 100);

  // Loading reports each frame, with the redraw flag the unit asks for.
  const std::string bytes = Save(*image);
  for (const bool redraw : {false, true}) {
    GIFRedrawOnLoad = redraw;
    notes.clear();
    TGIFImage loaded;
    listen(loaded);
    std::istringstream in(bytes);
    loaded.LoadFromStream(in);
    ASSERT_EQ(notes.size(), 2u + loaded.Images().Count());
    EXPECT_EQ(notes[1].redraw, redraw);
    for (std::size_t i = 2; i + 1 < notes.size(); ++i) EXPECT_GT(notes[i].percent, notes[i - 1].percent);
    EXPECT_EQ(notes[notes.size() - 2].percent, 100);  // all but the trailer byte of a 1 kB file
    EXPECT_EQ(notes.back(), (Note{TProgressStage::psEnding, 100, true, "Loading..."}));
  }
  GIFRedrawOnLoad = false;
  // A load that fails ends at 0 %.
  notes.clear();
  TGIFImage failed;
  listen(failed);
  std::istringstream junk("GIF89a\x01");
  EXPECT_THROW(failed.LoadFromStream(junk), GIFException);
  EXPECT_EQ(notes.back(), (Note{TProgressStage::psEnding, 0, true, "Loading..."}));
}

// A merge that would make a frame larger is taken back whole: the transparent
// entry it added to the sorted global table goes, and the table stays sorted.
TEST(GIFOptimize, AMergeTakenBackLeavesTheGlobalTableAsItWas) {
  Bytes board(16 * 16), plain(16 * 16, 0);
  for (std::size_t i = 0; i < board.size(); ++i) board[i] = static_cast<std::uint8_t>((i % 16 + i / 16) % 2);
  TGIFImage image;
  MakeAnimation(image, 16, 16, {clBlack, clWhite, clRed}, {TestFrame{0, 0, 16, 16, board}, TestFrame{0, 0, 16, 16, plain}});
  image.Optimize(optSortTables | optMergeFrames);
  EXPECT_FALSE(image.Images()[1].Transparent());  // a checkered frame would be larger than a plain one
  EXPECT_EQ(image.Header().GlobalColorMap().Count(), 3);
  EXPECT_TRUE(image.Header().GlobalColorMap().Optimized());
  EXPECT_EQ(static_cast<std::uint8_t>(Save(image)[10]) & 0x08, 0x08) << "the sort flag";
}

// Blocks after the last picture (a comment here) are held by a frame without
// pixels. They stay when the frames are merged both ways and the way that
// widens no table gives the smaller file: the last frame would take a new
// transparent entry, which would widen the full global table, and so the
// codes of many small frames.
TEST(GIFOptimize, BlocksAfterTheLastPictureStayWhicheverWayTheFramesAreMerged) {
  std::uint32_t noise = 99;
  const auto picture = [&noise](int size) {
    Bytes pixels(static_cast<std::size_t>(size) * size);
    for (auto& pixel : pixels) {
      noise = noise * 1103515245 + 12345;
      pixel = static_cast<std::uint8_t>((noise >> 16) % 4);
    }
    return pixels;
  };
  // Small frames restored to the background (no frame merges against them),
  // then a picture left in place and the same picture with one pixel changed.
  std::vector<TestFrame> frames;
  for (int f = 0; f < 60; ++f) frames.push_back(TestFrame{0, 0, 2, 2, picture(2), 2});
  frames.push_back(TestFrame{0, 0, 8, 8, picture(8)});
  frames.push_back(frames.back());
  frames.back().pixels[0] ^= 1;
  TGIFImage image;
  MakeAnimation(image, 8, 8, kPalette, frames);
  auto trailing = std::make_unique<TGIFSubImage>(&image);
  auto comment = std::make_unique<TGIFCommentExtension>(trailing.get());
  comment->Text() = {"the end"};
  trailing->Extensions().Add(std::move(comment));
  image.Add(std::move(trailing));
  image.Optimize(optMergeFrames);
  EXPECT_FALSE(image.Images()[61].Transparent()) << "the way that widens a table was kept";
  EXPECT_EQ(image.Header().GlobalColorMap().Count(), 4);
  ASSERT_EQ(image.Images().Count(), 63);
  EXPECT_EQ(image.Images()[62].Extensions().Count(), 1);
  EXPECT_NE(Save(image).find("the end"), std::string::npos);
}

// The optimiser measures the file it would write; that is no saving to tell of.
TEST(GIFOptimize, OnlyTheOptimisingIsToldAsProgress) {
  auto image = MovingSquare();
  std::vector<std::string> messages;
  image->OnProgress = [&](TProgressStage, int, bool, const std::string& message) { messages.push_back(message); };
  image->Optimize(optAll);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(std::count(messages.begin(), messages.end(), "Optimizing..."), std::ssize(messages));
}
