#include <gtest/gtest.h>

#include <zlib.h>

#include <filesystem>

#include "core/images/BmpWriter.h"
#include "core/images/ImageFiles.h"
#include "core/images/JpegCodec.h"
#include "core/support/Messages.h"
#include "tests/core/images/metafile/EmfSample.h"
#include "tests/core/images/ImageTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

Bitmap Picture() {
  Bitmap b(6, 4);
  b.Fill(0x3366CC);
  b.SetPixel(1, 2, clWhite);
  return b;
}

// A base image, the settings in hand, and the window's reactions.
struct Window {
  Bitmap base = Picture();
  TSettings settings;
  int infoUpdates = 0;
  std::vector<std::string> boxes;
  BaseImageHost host{&base, &settings, [this] { ++infoUpdates; },
                     [this](const std::string& text) { boxes.push_back(text); }};
};

std::string Head(const std::string& path, std::size_t n) {
  const auto bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(n, bytes.size())));
}

}  // namespace

TEST(ImageFiles, ExtensionTable) {
  EXPECT_EQ(PictureKindForReading("a/b.gif"), PictureKind::Gif);
  EXPECT_EQ(PictureKindForReading("b.Png"), PictureKind::Png);
  EXPECT_EQ(PictureKindForReading("b.jpe"), PictureKind::Jpeg);
  EXPECT_EQ(PictureKindForReading("b.JPEG"), PictureKind::Jpeg);
  EXPECT_EQ(PictureKindForReading("b.jpg "), PictureKind::Jpeg);  // trimmed when reading
  EXPECT_EQ(PictureKindForReading("b.wmf"), PictureKind::Metafile);
  EXPECT_EQ(PictureKindForReading("b.EMF"), PictureKind::Metafile);
  EXPECT_EQ(PictureKindForReading("b.ico"), PictureKind::WindowsBitmap);
  EXPECT_EQ(PictureKindForReading("pictures.png/b"), PictureKind::WindowsBitmap);

  EXPECT_EQ(PictureKindForSaving("b.gif"), PictureKind::Gif);
  EXPECT_EQ(PictureKindForSaving("b.JPG"), PictureKind::Jpeg);
  EXPECT_EQ(PictureKindForSaving("b.png"), PictureKind::Png);
  EXPECT_EQ(PictureKindForSaving("b.jpeg"), PictureKind::WindowsBitmap);
  EXPECT_EQ(PictureKindForSaving("b.jpe"), PictureKind::WindowsBitmap);
  EXPECT_EQ(PictureKindForSaving("b.png "), PictureKind::WindowsBitmap);  // not trimmed
}

TEST(ImageFiles, OptionsComeFromTheSettingsRecord) {
  TSettings s;
  s.GIFColorReduc = 2;
  s.GIFDither = 3;
  s.GIFCompr = 1;
  s.jpg_qual = 55;
  s.PNGCompressionLevel = 7;
  s.PNGTransparent = true;
  s.PNGTransparentColor = 0x123456;
  const ImageWriteOptions o = ImageWriteOptionsOf(s);
  EXPECT_EQ(o.gifColorReduction, 2);
  EXPECT_EQ(o.gifDither, 3);
  EXPECT_EQ(o.gifCompression, 1);
  EXPECT_EQ(o.jpegQuality, 55);
  EXPECT_EQ(o.pngCompressionLevel, 7);
  EXPECT_TRUE(o.pngTransparent);
  EXPECT_EQ(o.pngTransparentColor, 0x123456u);
}

TEST(ImageFiles, LoadBaseImageSetsTheFileOnlyOnSuccessAndAlwaysRefreshes) {
  TempDir dir;
  Window w;
  WriteBytes(dir.File("photo.jpe"), EncodeJpeg(Picture(), 95));
  std::string error = "old";
  ASSERT_TRUE(LoadBaseImage(w.host, dir.File("photo.jpe"), error)) << error;
  EXPECT_EQ(error, "");
  EXPECT_EQ(w.settings.image_file, dir.File("photo.jpe"));
  EXPECT_EQ(w.base, DecodeJpeg(ReadBytes(dir.File("photo.jpe"))));
  EXPECT_EQ(w.infoUpdates, 1);

  // An icon (or anything of an unknown kind) is read as a Windows bitmap, and fails as one.
  WriteBytes(dir.File("x.ico"), {0, 0, 1, 0, 1, 0});
  const Bitmap before = w.base;
  EXPECT_FALSE(LoadBaseImage(w.host, dir.File("x.ico"), error));
  EXPECT_EQ(error, "Not a bitmap file");
  EXPECT_EQ(w.settings.image_file, dir.File("photo.jpe"));
  EXPECT_EQ(w.base, before);
  EXPECT_EQ(w.infoUpdates, 2);

  EXPECT_FALSE(LoadBaseImage(w.host, dir.File("missing.bmp"), error));
  EXPECT_EQ(error, "File not found: " + dir.File("missing.bmp") + " (No such file or directory)");
}

TEST(ImageFiles, LoadPictureIntoNeedsATargetAndLeavesTheBaseFileAlone) {
  TempDir dir;
  WriteBytes(dir.File("p.bmp"), EncodeBmp(Picture()));
  std::string error = "untouched";
  EXPECT_FALSE(LoadPictureInto(dir.File("p.bmp"), nullptr, error));
  EXPECT_EQ(error, "untouched");
  Bitmap target;
  ASSERT_TRUE(LoadPictureInto(dir.File("p.bmp"), &target, error));
  EXPECT_EQ(target, Picture());
}

TEST(ImageFiles, PictureSizesComeFromTheHeaderAlone) {
  // Every sample picture: the size its header gives is the size it loads at.
  TempDir dir;
  WriteBytes(dir.File("sample.emf"), SampleEmf());
  std::vector<std::string> files{dir.File("sample.emf")};
  for (const char* folder : {"bmp", "jpeg", "pngsuite", "gif"}) {
    for (const auto& entry : std::filesystem::directory_iterator(DataPath(folder))) {
      const std::string ext = entry.path().extension().string();
      if (ext == ".bmp" || ext == ".jpg" || ext == ".png" || ext == ".gif") files.push_back(entry.path().string());
    }
  }
  int checked = 0;
  for (const std::string& file : files) {
    Bitmap picture;
    std::string error;
    if (!LoadPictureInto(file, &picture, error)) continue;
    TSize size;
    ASSERT_TRUE(ReadPictureSize(file, size, error)) << file << ": " << error;
    EXPECT_EQ(size, (TSize{picture.Width(), picture.Height()})) << file;
    ++checked;
  }
  EXPECT_GE(checked, 40);

  // A header promising a huge picture is read without the picture: the file
  // holds the pixels of a small one.
  std::vector<std::uint8_t> header = ReadBytes(DataPath("pngsuite/basn0g01.png"));
  header[16] = 0, header[17] = 0, header[18] = 0x40, header[19] = 0;  // width 16384
  header[20] = 0, header[21] = 0, header[22] = 0x20, header[23] = 0;  // height 8192
  const uLong crc = crc32(0, header.data() + 12, 17);
  for (int i = 0; i < 4; ++i) header[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
  WriteBytes(dir.File("huge.png"), header);
  TSize size;
  std::string error;
  ASSERT_TRUE(ReadPictureSize(dir.File("huge.png"), size, error)) << error;
  EXPECT_EQ(size, (TSize{16384, 8192}));
  Bitmap picture;
  EXPECT_FALSE(LoadPictureInto(dir.File("huge.png"), &picture, error));

  WriteBytes(dir.File("text.png"), {'h', 'e', 'l', 'l', 'o'});
  EXPECT_FALSE(ReadPictureSize(dir.File("text.png"), size, error));
  EXPECT_EQ(error, "Not a PNG file");
  EXPECT_FALSE(ReadPictureSize(dir.File("missing.gif"), size, error));
  EXPECT_TRUE(error.starts_with("File not found: ")) << error;
}

TEST(ImageFiles, SaveBaseImageByExtension) {
  TempDir dir;
  Window w;
  w.settings.image_file = "old.bmp";
  // ".jpeg" is written as a Windows bitmap and becomes the base-image file.
  SaveBaseImage(w.host, ImageWriteOptions{}, dir.File("base.jpeg"));
  EXPECT_EQ(Head(dir.File("base.jpeg"), 2), "BM");
  EXPECT_EQ(w.settings.image_file, dir.File("base.jpeg"));
  // Format copies keep the base-image file.
  SaveBaseImage(w.host, ImageWriteOptions{}, dir.File("copy.JPG"));
  SaveBaseImage(w.host, ImageWriteOptions{}, dir.File("copy.png"));
  SaveBaseImage(w.host, ImageWriteOptions{}, dir.File("copy.Gif"));
  EXPECT_EQ(Head(dir.File("copy.JPG"), 2), "\xFF\xD8");
  EXPECT_EQ(Head(dir.File("copy.Gif"), 4), "GIF8");
  EXPECT_EQ(Head(dir.File("copy.png"), 4), "\x89PNG");
  EXPECT_EQ(w.settings.image_file, dir.File("base.jpeg"));
  EXPECT_TRUE(w.boxes.empty());
}

TEST(ImageFiles, SaveBaseImageReportsFailures) {
  TempDir dir;
  Window w;
  w.settings.image_file = "old.bmp";
  const std::string noFolder = dir.File("none/base.bmp");
  SaveBaseImage(w.host, ImageWriteOptions{}, noFolder);
  SaveBaseImage(w.host, ImageWriteOptions{}, dir.File("none/base.png"));
  ASSERT_EQ(w.boxes.size(), 2u);
  EXPECT_EQ(w.boxes[0], "Error saving bmp: " + noFolder + "\r\nCannot write file: " + noFolder +
                            " (No such file or directory)");
  EXPECT_EQ(w.boxes[1], "Error saving png: " + dir.File("none/base.png") + "\r\nCannot write file: " +
                            dir.File("none/base.png") + " (No such file or directory)");
  EXPECT_EQ(w.settings.image_file, "old.bmp");
}

TEST(ImageFiles, DefaultHostUsesTheSettingsInHandAndAnErrorBox) {
  TempDir dir;
  const TSettings savedSettings = CurrentSettings;
  const TMessageBoxFunction savedBox = MessageBoxFunction;
  std::vector<std::pair<std::string, TMsgDlgType>> boxes;
  MessageBoxFunction = [&](const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
    EXPECT_EQ(buttons, static_cast<TMsgDlgButtons>(mbOK));
    boxes.emplace_back(text, type);
    return static_cast<int>(mrOk);
  };
  Bitmap base = Picture();
  BaseImageHost host;
  host.image = &base;
  SaveBaseImage(host, ImageWriteOptions{}, dir.File("b.bmp"));
  EXPECT_EQ(CurrentSettings.image_file, dir.File("b.bmp"));
  SaveBaseImage(host, ImageWriteOptions{}, dir.File("no/b.bmp"));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].first.starts_with("Error saving bmp: " + dir.File("no/b.bmp") + "\r\n")) << boxes[0].first;
  EXPECT_EQ(boxes[0].second, mtError);
  MessageBoxFunction = savedBox;
  CurrentSettings = savedSettings;
}

TEST(ImageFiles, WritersNeedABitmapAndWriteNothingOnFailure) {
  TempDir dir;
  std::string error;
  EXPECT_FALSE(SavePng(dir.File("a.png"), nullptr, ImageWriteOptions{}, error));
  EXPECT_FALSE(SaveJpeg(dir.File("a.jpg"), nullptr, ImageWriteOptions{}, error));
  const Bitmap empty;
  EXPECT_FALSE(SavePng(dir.File("a.png"), &empty, ImageWriteOptions{}, error));
  EXPECT_NE(error, "");
  EXPECT_FALSE(std::filesystem::exists(dir.File("a.png")));
}
