#include <gtest/gtest.h>

#include "core/images/ImageFiles.h"
#include "rendering/FontMatch.h"
#include "tests/ui/model/commands/BatchRunSupport.h"

using namespace kestrova;
using namespace kestrova::test;

TEST_F(BatchRun, WritesTheButtonsThePageAndTheLog) {
  WriteBytes(folder / "p.btn", Project());
  EXPECT_EQ(Run({"/x", "p.btn"}), 0);
  EXPECT_EQ(ListFolder(folder / "out"), "001_home.gif 002_news.gif 003_contact.gif p.btn.html ");
  Bitmap button;
  std::string error;
  ASSERT_TRUE(LoadGif(folder / "out/002_news.gif", &button, error)) << error;
  EXPECT_EQ(button.Width(), 40);
  EXPECT_EQ(button.Height(), 16);
  const std::string page = ReadBytes(folder / "out/p.btn.html");
  EXPECT_NE(page.find("<H2>Kestrova - test HTML: p.btn</H2>"), std::string::npos);
  EXPECT_NE(page.find(R"(<a href="contact.html"><img src="003_contact.gif" border="0" width="40" height="16")"),
            std::string::npos);
  EXPECT_EQ(LogMessages(), (std::vector<std::string>{"Kestrova started from shell", "OK. Files saved to: out/"}));

  // The same project run again gives the same files, and the log grows.
  const std::string first = ReadBytes(folder / "out/001_home.gif");
  EXPECT_EQ(Run({"-x", "p.btn"}), 0);
  EXPECT_EQ(ReadBytes(folder / "out/001_home.gif"), first);
  EXPECT_EQ(ReadBytes(folder / "out/p.btn.html"), page);
  EXPECT_EQ(LogMessages().size(), 4u);
}

TEST_F(BatchRun, ACaptionsFileReplacesTheProjectsCaptions) {
  WriteBytes(folder / "p.btn", Project());
  WriteBytes(folder / "c.txt", "One\nTwo\n");
  EXPECT_EQ(Run({"/X", "p.btn", "c.txt"}), 0);
  EXPECT_EQ(ListFolder(folder / "out"), "001_one.gif 002_two.gif p.btn.html ");
  // A captions file named by blanks only is ignored.
  EXPECT_EQ(Run({"/x", "p.btn", "  "}), 0);
  EXPECT_EQ(ListFolder(folder / "out"), "001_home.gif 001_one.gif 002_news.gif 002_two.gif 003_contact.gif p.btn.html ");
}

TEST_F(BatchRun, AFontNamedWithItsFoundryIsDrawnInThatFamily) {
  // The font dialog names a family that two foundries make "Family [Foundry]",
  // and projects saved with it hold that name.
  if (!HasFontFamily("URW Gothic")) GTEST_SKIP() << "fontconfig has no URW Gothic (fonts-urw-base35)";
  auto button = [&](const std::string& font) {
    WriteBytes(folder / "p.btn", Project("fontname=" + font + "\r\nFileFormat=3\r\n"));
    EXPECT_EQ(Run({"/x", "p.btn"}), 0) << font;
    return ReadBytes(folder / "out/001_home.png");
  };
  const std::string withFoundry = button("URW Gothic [UKWN]");
  EXPECT_EQ(withFoundry, button("URW Gothic"));
  EXPECT_NE(withFoundry, button("DejaVu Sans"));
}

TEST_F(BatchRun, ARoundButtonOfAnyMarginIsDrawn) {
  for (const char* margin : {"-2147483648", "2147483647"}) {
    std::filesystem::remove_all(folder / "out");
    WriteBytes(folder / "p.btn", Project(std::string("RoundBtn=1\r\nroundmargin=") + margin + "\r\n"));
    EXPECT_EQ(Run({"/x", "p.btn"}), 0) << margin;
    EXPECT_TRUE(std::filesystem::exists(folder / "out/001_home.gif")) << margin;
  }
}

TEST_F(BatchRun, BadInputAndLimitsEndInALogLineAndAFailureStatus) {
  WriteBytes(folder / "bad.png", "not a picture");
  WriteBytes(folder / "blocker", "a file where the folder should be");
  const struct {
    std::string keys;  // none: no project file at all
    std::string logged;
  } cases[] = {
      {"", "Error opening file: p.btn"},
      {"image_file=gone.bmp\r\n", "Error opening file: gone.bmp"},
      {"image_file=bad.png\r\n", "Error opening file: bad.png"},
      {"outputdir=blocker/out\r\n", "Error savingblocker/out/Cannot create folder"},
      {"outputdir=blocker/out\r\nForceDirs=0\r\n", "Error saving gif: blocker/out/001_home.gif"},
      // Two 300 x 1000 buttons in a grid of 999 columns: 299,700 x 1000 pixels.
      {"newx=300\r\nnewy=1000\r\nBtnPerImgMode=1\r\nvhmode=2\r\nmatrix_cols=999\r\n", "Error"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(folder / "kestro_shell_run.log");
    std::filesystem::remove(folder / "p.btn");
    if (!c.keys.empty()) WriteBytes(folder / "p.btn", Project(c.keys));
    EXPECT_EQ(Run({"/x", "p.btn"}), 1) << c.keys;
    const std::vector<std::string> log = LogMessages();
    ASSERT_GE(log.size(), 2u) << c.keys;
    EXPECT_EQ(log[0], "Kestrova started from shell");
    EXPECT_TRUE(log[1].starts_with(c.logged)) << log[1];
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "out"));
}
