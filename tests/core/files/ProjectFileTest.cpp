#include <gtest/gtest.h>

#include <random>

#include "core/files/FileSizeLimits.h"
#include "core/files/ProjectFile.h"
#include "core/support/FileVersion.h"
#include "core/support/ProgramFolders.h"
#include "core/support/StrLib.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
using kestrova::test::ReadBytes;
using kestrova::test::WriteBytes;

namespace {
using Lines = std::vector<std::string>;

// Every field away from its default and from its neighbours.
TSettings Distinct() {
  TSettings s;
  int n = 10;
  auto num = [&] { return n++; };
  s.image_file = "/data/img/base.bmp";
  s.prefix = "pre";
  s.postfix = "post";
  s.outputdir = "/out/dir";
  s.lcname = false;
  s.gradient = s.horizontal = s.twoonly = s.cutbig = s.shadow = s.shdouble = true;
  s.newx = num(); s.newy = num(); s.x = num(); s.y = num(); s.cutx = num(); s.cuty = num();
  s.cutx0 = num(); s.cuty0 = num(); s.shx = -num(); s.shy = num();
  s.gc1 = 0x010203; s.gc2 = 0x040506; s.gc3 = 0x070809; s.shcolor = 0x0A0B0C;
  s.FileFormat = 3; s.FrameColor = 0x0D0E0F; s.FrameWidth = num(); s.FrameOn = true;
  s.BNOpacity = num(); s.BNX = num(); s.BNY = num();
  s.BNColorBG = 0x111213; s.BNColorFG = 0x141516; s.BNColorBL = 0x171819; s.fontcolor = 0x1A1B1C;
  s.fontname = "Liberation Sans"; s.fontstyle = fsBold | fsUnderline; s.fontcharset = 238; s.fontsize = num();
  s.vhmode = 2; s.vhmode0 = 1; s.savehtml = true; s.textalign = 1; s.cuth = 2; s.matrix_cols = num();
  s.jpg_qual = 75; s.useautonum = false; s.spacing = true; s.notitles = true;
  s.postBNx = num(); s.postBNy = num(); s.postBNopacity = num(); s.postBNColorBG = 0x1D1E1F; s.postBNColorBL = 0x202122;
  s.GlyphFile = "/icons/star.bmp"; s.GlyphX = num(); s.GlyphY = num(); s.GlyphWidth = num(); s.GlyphHeight = num();
  s.GlyphMargin = num(); s.RowPerBtn = 2; s.ForceDirs = true; s.GIFColorReduc = 8; s.GIFDither = 6; s.GIFCompr = 1;
  s.PNGTransparentColor = 0x232425; s.PNGCompressionLevel = 9; s.PNGTransparent = true;
  s.MarSize = num(); s.GapSize = num(); s.BKColor = 0x262728; s.FrameRound = true;
  s.FrameMargin = num(); s.FrameRX = num(); s.FrameRY = num(); s.BtnPerImgMode = 2; s.BtnPerImgCnt = num();
  s.IgnBlank = s.HTMLMap = true; s.textyalign = 2; s.radial = s.RoundBtn = s.Round3DLike = true;
  s.Angle = 45; s.ExtRadius = num(); s.Myblack = 0x292A2B; s.Mywhite = 0x2C2D2E; s.BNColorTR = 0xFFFFFFFF;
  s.smooth = num(); s.roundmargin = num(); s.antialias = true; s.rowoffset = -3;
  s.IconTransparent = true; s.IconTranspColor = 0x2F3031;
  return s;
}

// Key names of a section, read straight from the file's lines.
Lines KeysInFile(const std::string& text, const std::string& section) {
  Lines keys;
  bool inside = false;
  for (const std::string& line : SplitLines(text)) {
    if (!line.empty() && line[0] == '[') inside = line == "[" + section + "]";
    else if (inside) keys.push_back(line.substr(0, line.find('=')));
  }
  return keys;
}

class ProjectFileTest : public ::testing::Test {
 protected:
  test::TempFolder folder;
  std::string file = folder / "p.btn";
  std::string error;
};
}  // namespace

TEST_F(ProjectFileTest, EveryFieldRoundTrips) {
  TSettings saved = Distinct();
  saved.image_file = folder / "img/base.bmp";
  ASSERT_TRUE(SaveProject(file, {"one", "", "three"}, error, saved)) << error;
  EXPECT_EQ(saved.projectfile, file);
  EXPECT_EQ(saved.image_file_rel, "img/base.bmp");
  TSettings loaded;
  ASSERT_TRUE(LoadProject(file, loaded, error));
  EXPECT_EQ(loaded.captions, "one\r\n\r\nthree\r\n");
  loaded.captions.clear();
  EXPECT_EQ(loaded, saved);
}

TEST_F(ProjectFileTest, WriterOrderAndValueForms) {
  TSettings s = DefaultSettings();
  s.Angle = 2.5f;
  s.fontstyle = fsItalic | fsStrikeOut;
  ASSERT_TRUE(SaveProject(file, {}, error, s));
  const std::string text = ReadBytes(file);
  const Lines expected = {
      "image_file", "image_file_rel", "prefix", "postfix", "outputdir", "lcname", "gradient", "horizontal",
      "twoonly", "cutbig", "shadow", "shdouble", "cuth", "useautonum", "newx", "newy", "x", "y", "cutx", "cuty",
      "cutx0", "cuty0", "shx", "shy", "gc1", "gc2", "gc3", "shcolor", "FileFormat", "FrameOn", "FrameColor",
      "FrameWidth", "BNOpacity", "BNX", "BNY", "BNColorBG", "BNColorFG", "BNColorBL", "fontcolor", "fontname",
      "fontstyle", "fontcharset", "fontsize", "vhmode", "vhmode0", "savehtml", "textalign", "matrix_cols",
      "jpg_qual", "spacing", "notitles", "postBNx", "postBNy", "postBNopacity", "postBNColorBG", "postBNColorBL",
      "GlyphFile", "GlyphX", "GlyphY", "GlyphWidth", "GlyphHeight", "GlyphMargin", "RowPerBtn", "ForceDirs",
      "GIFColorReduc", "GIFDither", "PNGTransparentColor", "PNGCompressionLevel", "PNGTransparent", "MarSize",
      "GapSize", "BKColor", "FrameRound", "FrameMargin", "FrameRX", "FrameRY", "GIFCompr", "BtnPerImgMode",
      "BtnPerImgCnt", "IgnBlank", "HTMLMap", "textyalign", "radial", "ExtRadius", "BNColorTR", "Myblack",
      "Mywhite", "Angle", "roundmargin", "smooth", "rowoffset", "Round3DLike", "RoundBtn", "antialias",
      "IconTransparent", "IconTranspColor"};
  ASSERT_EQ(expected.size(), 96u);
  EXPECT_EQ(KeysInFile(text, "main"), expected);
  EXPECT_EQ(text.substr(0, text.find("[main]")), "[version]\r\nversion=" + BuildVersionText() + "\r\n");
  for (const char* line : {"\r\nlcname=1\r\n", "\r\ngradient=0\r\n", "\r\ngc1=12632256\r\n", "\r\nBKColor=16777215\r\n",
                           "\r\nMyblack=3158064\r\n", "\r\nMywhite=15724527\r\n", "\r\nAngle=2\r\n",
                           "\r\nfontstyle=IS\r\n", "\r\nfontcharset=1\r\n", "\r\nfontname=MS Sans Serif\r\n",
                           "\r\nimage_file=\r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(text.find("[captions]"), std::string::npos);
  s.Angle = 3.5f;
  s.BNColorTR = 0xFFFFFFFF;
  ASSERT_TRUE(SaveProject(file, {}, error, s));
  EXPECT_NE(ReadBytes(file).find("\r\nAngle=4\r\n"), std::string::npos);
  EXPECT_NE(ReadBytes(file).find("\r\nBNColorTR=-1\r\n"), std::string::npos);
}

TEST_F(ProjectFileTest, SavingReplacesMainAndCaptionsOnly) {
  WriteBytes(file, "[extra]\r\nkeep=1\r\n[main]\r\nstale=1\r\n[captions]\r\nc0=a\r\nc1=b\r\nc2=c\r\n");
  TSettings s = DefaultSettings();
  ASSERT_TRUE(SaveProject(file, {"x"}, error, s));
  const std::string text = ReadBytes(file);
  EXPECT_EQ(text.rfind("[extra]\r\nkeep=1\r\n", 0), 0u);
  EXPECT_EQ(text.find("stale"), std::string::npos);
  EXPECT_EQ(KeysInFile(text, "captions"), (Lines{"c0"}));
  EXPECT_TRUE(text.ends_with("\r\n[captions]\r\nc0=x\r\n"));
}

TEST_F(ProjectFileTest, RelativeImagePath) {
  TSettings s = DefaultSettings();
  s.image_file = folder / "base.png";
  ASSERT_TRUE(SaveProject(file, {}, error, s));
  EXPECT_EQ(s.image_file_rel, "base.png");
  s.image_file = folder / "img/Sub/base.png";
  ASSERT_TRUE(SaveProject(file, {}, error, s));
  EXPECT_EQ(s.image_file_rel, "img/Sub/base.png");
  s.image_file.clear();
  ASSERT_TRUE(SaveProject(file, {}, error, s));
  EXPECT_EQ(s.image_file_rel, "");
}

TEST_F(ProjectFileTest, ReaderRulesAndDefaults) {
  WriteBytes(file,
             "[main]\r\nRowPerBtn=0\r\nGIFColorReduc=9\r\nGIFDither=-4\r\nGIFCompr=2\r\nnewx=99999999999\r\n"
             "newy=-5\r\nimage_file=C:\\img\\b.bmp\r\nGlyphFile=icons\\i.bmp\r\nfontstyle=bbx\r\nAngle=0x1F\r\n"
             "[captions]\r\nc5=five\r\nc2=two\r\nother=more\r\n");
  TSettings s;
  ASSERT_TRUE(LoadProject(file, s, error));
  EXPECT_EQ(s.RowPerBtn, 1);
  EXPECT_EQ(s.GIFColorReduc, -1);
  EXPECT_EQ(s.GIFDither, -4);
  EXPECT_EQ(s.GIFCompr, -1);
  EXPECT_EQ(s.newx, 96);
  EXPECT_EQ(s.newy, -5);
  EXPECT_EQ(s.image_file, "C:/img/b.bmp");
  EXPECT_EQ(s.GlyphFile, "icons/i.bmp");
  EXPECT_EQ(s.fontstyle, fsBold);
  EXPECT_EQ(s.Angle, 31.0f);
  EXPECT_EQ(s.captions, "five\r\ntwo\r\nmore\r\n");
  // Smaller option lists cut the indexes earlier.
  ASSERT_TRUE(LoadProject(file, s, error, {5, 3, 1}));
  EXPECT_EQ(s.GIFCompr, -1);
}

TEST_F(ProjectFileTest, FileWithoutMainLoadsDefaults) {
  WriteBytes(file, "[version]\r\nversion=1.0.0.0\r\n[captions]\r\n");
  TSettings s = Distinct();
  error = "old";
  ASSERT_TRUE(LoadProject(file, s, error));
  EXPECT_EQ(error, "");
  TSettings expected = DefaultSettings();
  expected.projectfile = file;
  EXPECT_EQ(s, expected);
}

TEST_F(ProjectFileTest, CharacterSetOutOfRangeStopsTheLoad) {
  for (const char* value : {"256", "-1"}) {
    WriteBytes(file, std::string("[main]\r\nfontname=Arial\r\nfontcharset=") + value + "\r\nfontsize=20\r\n");
    TSettings s;
    EXPECT_FALSE(LoadProject(file, s, error));
    EXPECT_EQ(error, "Range check error");
    EXPECT_EQ(s.fontname, "Arial");  // read before the error
    EXPECT_EQ(s.fontsize, 0);        // not reached
    EXPECT_EQ(s.projectfile, file);
  }
  WriteBytes(file, "[main]\r\nfontcharset=255\r\n");
  TSettings s;
  EXPECT_TRUE(LoadProject(file, s, error));
  EXPECT_EQ(s.fontcharset, 255);
}

TEST_F(ProjectFileTest, AFileThatCannotBeReadChangesNothingAndSaysWhy) {
  const struct {
    std::string path;
    std::string reason;
  } cases[] = {
      {folder / "none.btn", "No such file or directory"},
      {folder.Path(), "Is a directory"},
      {"/dev/null", "Not a regular file"},
  };
  for (const auto& c : cases) {
    TSettings s = Distinct();
    EXPECT_FALSE(LoadProject(c.path, s, error));
    EXPECT_EQ(error, c.reason);
    EXPECT_EQ(s, Distinct());
  }
}

TEST_F(ProjectFileTest, WriteFailureIsReported) {
  TSettings s = DefaultSettings();
  const std::string bad = folder / "missing/p.btn";
  EXPECT_FALSE(SaveProject(bad, {"a"}, error, s));
  EXPECT_EQ(error, "Unable to write to " + bad + " (No such file or directory)");
  EXPECT_EQ(s.projectfile, bad);
}

TEST_F(ProjectFileTest, JunkFilesAreNoProjects) {
  std::mt19937 random(3);
  std::string junk(10 << 20, '\0');
  for (char& c : junk) c = static_cast<char>(random() % 97 + 10);  // printable junk with line breaks
  WriteBytes(file, junk);
  TSettings s;
  EXPECT_FALSE(LoadProject(file, s, error));
  EXPECT_EQ(error, "Not a project file");
  junk.resize(1 << 20);
  for (char& c : junk) c = static_cast<char>(random());
  WriteBytes(file, junk);
  EXPECT_FALSE(LoadProject(file, s, error));
  EXPECT_EQ(error, "Not a project file");
}

// A file is taken as a project when it holds any of the sections a project
// writes, found as the reads find them; any other file is refused and
// changes nothing.
TEST_F(ProjectFileTest, AFileWithNoneOfTheProjectsSectionsIsRefused) {
  const struct {
    std::string name;
    std::string text;
    bool project;
  } cases[] = {
      {"a JPEG picture", ReadBytes(std::string(KESTROVA_TEST_DATA) + "/jpeg/colour.jpg"), false},
      {"an empty file", "", false},
      {"one empty line", "\r\n", false},
      {"a captions file", "Home\r\nNews\r\n", false},
      {"keys before any section", "newx=5\r\nc0=Home\r\n", false},
      {"another program's sections", "[settings]\r\nmain=1\r\n[mainly]\r\nx=1\r\n", false},
      {"a section commented out", ";[main]\r\nnewx=5\r\n", false},
      {"version alone", "[version]\r\nversion=1.0.0.0\r\n", true},
      {"captions alone, capitals", "[CAPTIONS]\r\nc0=Home\r\n", true},
      {"main with blanks, empty", "  [ main ]  \n", true},
  };
  for (const auto& c : cases) {
    WriteBytes(file, c.text);
    TSettings s = Distinct();
    error = "old";
    EXPECT_EQ(LoadProject(file, s, error), c.project) << c.name;
    if (c.project) {
      EXPECT_EQ(error, "") << c.name;
      EXPECT_EQ(s.projectfile, file) << c.name;
    } else {
      EXPECT_EQ(error, "Not a project file") << c.name;
      EXPECT_EQ(s, Distinct()) << c.name;
    }
  }
}

TEST_F(ProjectFileTest, LongCaptionListsKeepEveryLine) {
  Lines captions;
  for (int i = 0; i < 10000; ++i) captions.push_back("caption " + std::to_string(i));
  TSettings s = DefaultSettings();
  ASSERT_TRUE(SaveProject(file, captions, error, s)) << error;
  TSettings loaded;
  ASSERT_TRUE(LoadProject(file, loaded, error)) << error;
  const Lines lines = SplitLines(loaded.captions);
  ASSERT_EQ(lines.size(), 10000u);
  EXPECT_EQ(lines.back(), "caption 9999");
}

// A project larger than any real one is refused unread; so that the program
// never writes one it then refuses, a save whose captions would make it that
// large is refused too, and the file stays as it was.
TEST_F(ProjectFileTest, AProjectTooLargeToOpenIsNeitherOpenedNorWritten) {
  const std::size_t room = kMaxProjectFileSize - (1 << 20) - 5;  // less "c0=" and CR LF
  TSettings s = DefaultSettings();
  ASSERT_TRUE(SaveProject(file, {std::string(room, 'x')}, error, s)) << error;
  TSettings loaded;
  EXPECT_TRUE(LoadProject(file, loaded, error)) << error;
  WriteBytes(file, "[main]\r\nnewx=7\r\n");
  EXPECT_FALSE(SaveProject(file, {std::string(room + 1, 'x')}, error, s));
  EXPECT_EQ(error, "Unable to write to " + file + " (the captions would make it larger than the 16777216 bytes a "
                   "project may have; save them as a text file)");
  EXPECT_EQ(ReadBytes(file), "[main]\r\nnewx=7\r\n");
  test::WriteSparseFile(file, kMaxProjectFileSize + 1, "[main]\r\nnewx=7\r\n");
  loaded = DefaultSettings();
  EXPECT_FALSE(LoadProject(file, loaded, error));
  EXPECT_EQ(error, "File too large: 16777217 bytes, at most 16777216 are read");
  EXPECT_EQ(loaded, DefaultSettings());
}
