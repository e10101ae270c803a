#include <gtest/gtest.h>

#include "gif/GIFExtensionApplication.h"
#include "gif/GIFExtensionGraphicControl.h"
#include "gif/GIFExtensionText.h"
#include "gif/GIFExtensionUnknown.h"
#include "tests/gif/GIFTestSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// A file of one 1 x 1 frame preceded by the given extension blocks.
std::string FileWith(const std::string& extensions) {
  return std::string("GIF89a") + S({1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255}) + extensions +
         S({',', 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0}) + ";";
}

struct Fixture {
  TGIFImage image;
  std::vector<std::string> warnings;
  Fixture() {
    image.OnItemWarning = [this](const void*, int, const std::string& m) { warnings.push_back(m); };
  }
  TGIFSubImage& Load(const std::string& bytes) {
    std::istringstream in(bytes);
    image.LoadFromStream(in);
    return image.Images()[0];
  }
};

std::string Written(const TGIFExtension& extension) {
  std::ostringstream out;
  extension.SaveToStream(out);
  return out.str();
}

}  // namespace

TEST(GIFExtension, GraphicControl) {
  TGIFImage image;
  TGIFSubImage& frame = AddFrame(image, 0, 0, 1, 1, {clBlack, clWhite, clRed}, Bytes{0});
  auto control = std::make_unique<TGIFGraphicControlExtension>(&frame);
  EXPECT_EQ(Hex(Written(*control)), Hex(S({0x21, 0xF9, 4, 0, 0, 0, 0, 0})));
  control->SetTransparent(true);
  control->SetDisposal(2);
  control->SetDelay(0x0102);
  control->SetTransparentColorIndex(2);
  EXPECT_EQ(Hex(Written(*control)), Hex(S({0x21, 0xF9, 4, 0x09, 2, 1, 2, 0})));
  std::vector<std::string> warnings;
  image.OnItemWarning = [&](const void*, int, const std::string& m) { warnings.push_back(m); };
  control->SetTransparentColorIndex(3);  // outside the 3-entry table
  EXPECT_EQ(control->TransparentColorIndex(), 0);
  EXPECT_EQ(warnings, std::vector<std::string>{"Invalid color index"});
  frame.Extensions().Add(std::move(control));
  EXPECT_TRUE(frame.Transparent());
  EXPECT_EQ(frame.GetVersion(), TGIFVersion::gv89a);

  // The block size byte is honoured: shorter and longer blocks, extra sub-blocks.
  Fixture shortBlock;
  TGIFSubImage& a = shortBlock.Load(FileWith(S({0x21, 0xF9, 2, 0x01, 7, 3, 9, 9, 9, 0})));
  ASSERT_NE(a.GraphicControlExtension(), nullptr);
  EXPECT_EQ(a.GraphicControlExtension()->Delay(), 7);
  EXPECT_EQ(a.GraphicControlExtension()->TransparentColorIndex(), 0);
  EXPECT_TRUE(a.Transparent());
  EXPECT_EQ(a.Data(), Bytes{0});
  Fixture longBlock;
  TGIFSubImage& b = longBlock.Load(FileWith(S({0x21, 0xF9, 6, 0x04, 5, 0, 1, 8, 8, 0})));
  EXPECT_EQ(b.GraphicControlExtension()->Disposal(), 1);
  EXPECT_EQ(b.GraphicControlExtension()->Delay(), 5);
  EXPECT_EQ(b.Data(), Bytes{0});
  EXPECT_TRUE(shortBlock.warnings.empty());
  EXPECT_TRUE(longBlock.warnings.empty());
}

TEST(GIFExtension, TextAndComment) {
  TGIFImage image;
  TGIFSubImage& frame = AddFrame(image, 0, 0, 1, 1, {clBlack}, Bytes{0});
  auto comment = std::make_unique<TGIFCommentExtension>(&frame);
  comment->Text().push_back(std::string(300, 'c'));
  const std::string bytes = Written(*comment);
  EXPECT_EQ(bytes.size(), 2 + 1 + 255 + 1 + 45 + 1u);
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[2]), 255);
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[258]), 45);
  auto text = std::make_unique<TGIFTextExtension>(&frame);
  text->Text() = {"hello"};
  const std::string textBytes = Written(*text);
  EXPECT_EQ(textBytes.substr(0, 3), S({0x21, 0x01, 12}));
  EXPECT_EQ(textBytes.substr(15), S({5, 'h', 'e', 'l', 'l', 'o', 0}));

  Fixture f;
  TGIFSubImage& loaded = f.Load(FileWith(bytes + textBytes));
  ASSERT_EQ(loaded.Extensions().Count(), 2);
  const auto& readComment = dynamic_cast<TGIFCommentExtension&>(loaded.Extensions()[0]);
  ASSERT_EQ(readComment.Text().size(), 2u);  // a line over 255 bytes comes back as two
  EXPECT_EQ(readComment.Text()[1], std::string(45, 'c'));
  EXPECT_EQ(dynamic_cast<TGIFTextExtension&>(loaded.Extensions()[1]).Text(), std::vector<std::string>{"hello"});
}

TEST(GIFExtension, ApplicationBlocks) {
  TGIFImage image;
  TGIFSubImage& frame = AddFrame(image, 0, 0, 1, 1, {clBlack}, Bytes{0});
  TGIFAppExtNSLoop loop(&frame);
  EXPECT_EQ(Hex(Written(loop)), Hex(S({0x21, 0xFF, 11}) + "NETSCAPE2.0" + S({3, 1, 0, 0, 0})));
  loop.SetLoops(5);
  loop.SetBufferSize(0x01020304);
  EXPECT_EQ(Hex(Written(loop)), Hex(S({0x21, 0xFF, 11}) + "NETSCAPE2.0" + S({3, 1, 5, 0, 5, 2, 4, 3, 2, 1, 0})));

  // Sub-block ID 9 has the low bits of ID 1; an "ANIMEXTS1.0" block is a loop
  // extension written back with its own identifier; other applications' data
  // is kept byte for byte.
  const std::string nsLoop = S({0x21, 0xFF, 11}) + "NETSCAPE2.0" + S({3, 9, 7, 0, 0});
  const std::string animexts = S({0x21, 0xFF, 11}) + "ANIMEXTS1.0" + S({3, 1, 2, 0, 0});
  const std::string other = S({0x21, 0xFF, 11}) + "XYZWVUTS1.0" + S({2, 0, 1, 1, 9, 0});
  Fixture f;
  TGIFSubImage& loaded = f.Load(FileWith(nsLoop + animexts + other));
  ASSERT_EQ(loaded.Extensions().Count(), 3);
  EXPECT_EQ(dynamic_cast<TGIFAppExtNSLoop&>(loaded.Extensions()[0]).Loops(), 7);
  EXPECT_EQ(dynamic_cast<TGIFAppExtNSLoop&>(loaded.Extensions()[1]).Loops(), 2);
  EXPECT_EQ(Written(loaded.Extensions()[1]), animexts);
  EXPECT_EQ(Written(loaded.Extensions()[2]), other);
  EXPECT_TRUE(f.warnings.empty());

  // A loop sub-block too short for its ID.
  Fixture bad;
  EXPECT_THROW(bad.Load(FileWith(S({0x21, 0xFF, 11}) + "NETSCAPE2.0" + S({1, 1, 0}))), GIFException);
}

TEST(GIFExtension, UnknownBlocksAreKeptRaw) {
  // An application block of size 10, one of size 12 and an unregistered label.
  const std::string size10 = S({0x21, 0xFF, 10}) + "ABCDEFGHIJ" + S({2, 5, 6, 0});
  const std::string size12 = S({0x21, 0xFF, 12}) + "ABCDEFGHIJKL" + S({0});
  const std::string label = S({0x21, 0x99, 3, 1, 2, 3, 0});
  Fixture f;
  TGIFSubImage& loaded = f.Load(FileWith(size10 + size12 + label));
  ASSERT_EQ(loaded.Extensions().Count(), 3);
  EXPECT_EQ(f.warnings, (std::vector<std::string>{"Unsupported Application Extension block size",
                                                   "Unsupported Application Extension block size",
                                                   "Unknown extension type"}));
  EXPECT_EQ(Save(f.image), FileWith(size10 + size12 + label));
  EXPECT_EQ(loaded.Data(), Bytes{0});

  // The end of the file inside an extension's sub-block: the load fails.
  Fixture cut;
  std::istringstream in(FileWith("").substr(0, 19) + S({0x21, 0xFE, 5, 'a'}));
  EXPECT_THROW(cut.image.LoadFromStream(in), GIFException);
  EXPECT_TRUE(cut.image.Empty());
}
