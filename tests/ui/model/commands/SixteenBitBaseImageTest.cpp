// Base images of 15 and 16 bits (files ImageMagick wrote): the information
// line names their depth, and in copy mode their buttons are saved as
// bitmap files of the same format, which ImageMagick reads as the buttons
// drawn in 24 bits and then stored in that format.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/images/ImageFiles.h"
#include "tests/core/images/ImageTestSupport.h"
#include "tests/ui/model/commands/BatchRunSupport.h"
#include "ui/model/form/MainForm.h"

using namespace kestrova;
using namespace kestrova::test;
namespace images = kestrova::testing;

namespace {

struct WordFile {
  const char* name;  // in tests/data/bmp, with the PPM ImageMagick decodes it to
  const char* depth;
  std::uint32_t compression;  // 0: plain 16-bit pixels (5-5-5); 3: bit fields
  int greenBits;
};

constexpr WordFile kWordFiles[] = {{"b555", "15 bit", 0, 5}, {"b565", "16 bit", 3, 6}};

std::string DataFile(const WordFile& f, const char* extension) {
  return images::DataPath(std::string("bmp/") + f.name + extension);
}

std::uint32_t U32At(const std::string& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return v;
}

// A channel stored in `bits` bits and widened back, worked out by hand.
unsigned Kept(unsigned v, int bits) {
  const unsigned top = v & (0xFF << (8 - bits)) & 0xFF;
  return top | (top >> bits);
}

// The picture ImageMagick decodes with every channel stored as the file format stores it.
Bitmap StoredAs(const Bitmap& wide, const WordFile& f) {
  Bitmap out(wide.Width(), wide.Height());
  for (int y = 0; y < wide.Height(); ++y)
    for (int x = 0; x < wide.Width(); ++x) {
      const TColor c = wide.GetPixel(x, y);
      out.SetPixel(x, y, RGBColor(Kept(RedOf(c), 5), Kept(GreenOf(c), f.greenBits), Kept(BlueOf(c), 5)));
    }
  return out;
}

}  // namespace

TEST(SixteenBitBaseImage, TheInformationLineNamesItsDepth) {
  for (const WordFile& f : kWordFiles) {
    TForm1 form;
    const std::string path = DataFile(f, ".bmp");
    std::string error;
    BaseImageHost host = form.BaseImage();
    ASSERT_TRUE(LoadBaseImage(host, path, error)) << error;
    EXPECT_EQ(form.LabelInfo.Caption(),
              " Image info: size: 15x9 x " + std::string(f.depth) + "\r\n filename: " + path);
  }
}

TEST_F(BatchRun, CopyModeButtonsOfSixteenBitBaseImagesKeepTheirFormat) {
  if (!images::HaveImageMagick()) GTEST_SKIP() << "ImageMagick is not installed";
  // Copy mode, bitmap output, one plain text drawing on each button.
  const std::string keys =
      "cutbig=0\r\nFileFormat=0\r\nshadow=0\r\nantialias=0\r\nfontsize=6\r\nfontcolor=4227327\r\n";
  for (const WordFile& f : kWordFiles) {
    SCOPED_TRACE(f.name);
    Clean();
    // The file itself, and the same picture in 24 bits as ImageMagick decodes it.
    std::filesystem::copy_file(DataFile(f, ".bmp"), folder / "words.bmp",
                               std::filesystem::copy_options::overwrite_existing);
    const Bitmap base = images::ParsePpm(images::ReadBytes(DataFile(f, ".ppm")));
    images::WriteBytes(folder / "wide.bmp", EncodeBmp(base));

    WriteBytes(folder / "p.btn", Project(keys + "image_file=wide.bmp\r\noutputdir=wide\r\n"));
    ASSERT_EQ(Run({"/x", "p.btn"}), 0);
    WriteBytes(folder / "p.btn", Project(keys + "image_file=words.bmp\r\n"));
    ASSERT_EQ(Run({"/x", "p.btn"}), 0);
    EXPECT_EQ(ListFolder(folder / "out"), "001_home.bmp 002_news.bmp 003_contact.bmp ");

    for (const char* button : {"001_home.bmp", "003_contact.bmp"}) {
      SCOPED_TRACE(button);
      const std::string file = ReadBytes(folder / "out/" + button);
      ASSERT_GE(file.size(), 66u);
      EXPECT_EQ(U32At(file, 18), 15u);  // width
      EXPECT_EQ(static_cast<std::uint8_t>(file[28]), 16);  // bits per pixel
      EXPECT_EQ(U32At(file, 30), f.compression);
      if (f.compression == 3) {
        EXPECT_EQ(U32At(file, 54), 0xF800u);
        EXPECT_EQ(U32At(file, 58), 0x07E0u);
        EXPECT_EQ(U32At(file, 62), 0x001Fu);
      }
      const Bitmap drawnWide = images::DecodeWithImageMagick(folder / "wide/" + button);
      const Bitmap words = images::DecodeWithImageMagick(folder / "out/" + button);
      EXPECT_TRUE(images::SamePixels(StoredAs(drawnWide, f), words));
      EXPECT_FALSE(images::SamePixels(base, words)) << "the caption was drawn";
    }
  }
}
