#include <gtest/gtest.h>

#include "core/support/CommandLine.h"
#include "tests/core/images/metafile/MetafileBuilders.h"
#include "tests/ui/model/commands/SessionSupport.h"
#include "ui/model/commands/FileCommands.h"
#include "ui/model/commands/Generate.h"
#include "ui/model/commands/OutputSaving.h"
#include "ui/model/commands/ProjectOpening.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// A project naming a base image by an absolute path and a relative one.
std::string ProjectText(const std::string& imageFile, const std::string& imageRel) {
  return "[main]\r\nimage_file=" + imageFile + "\r\nimage_file_rel=" + imageRel +
         "\r\nprefix=p_\r\n[captions]\r\nc0=Home\r\n";
}

}  // namespace

TEST(OpenProject, AFileThatCannotBeOpenedIsReportedAndChangesNothing) {
  TempFolder folder;
  WriteBytes(folder / "photo.btn", ReadBytes(std::string(KESTROVA_TEST_DATA) + "/jpeg/colour.jpg"));
  WriteBytes(folder / "notes.btn", "Home\r\nNews\r\n");
  const struct {
    std::string file;
    std::string reason;
  } cases[] = {
      {"/no/such/project.btn", "No such file or directory"},
      {folder / "photo.btn", "Not a project file"},  // a picture renamed
      {folder / "notes.btn", "Not a project file"},  // a text without a project's sections
  };
  for (const auto& c : cases) {
    TForm1 form;
    form.ScrollBox2.AddImage("newbutton0");
    form.EditPrefix.SetText("keep");
    form.ImageBase.SetPicture(Bitmap(7, 5));
    form.Recent1.AddFile("/work/old.btn");
    form.SaveDialog2.SetFileName("/work/old.btn");
    form.StatusBar1.SetPanelText(1, "/work/old.btn");
    const TSettings settings = form.CurrentSettings;
    RecordedMessages messages;
    EXPECT_FALSE(OpenProject(form, c.file));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Error opening file: \r\n" + c.file + "\r\n" + c.reason});
    EXPECT_EQ(messages.types, std::vector<TMsgDlgType>{mtError});
    EXPECT_EQ(form.CurrentSettings, settings) << c.file;
    EXPECT_EQ(form.EditPrefix.Text(), "keep");
    EXPECT_EQ(form.ImageBase.Picture().Width(), 7);
    EXPECT_EQ(form.ScrollBox2.ImageCount(), 1);
    EXPECT_EQ(form.Recent1.Files(), std::vector<std::string>{"/work/old.btn"});
    EXPECT_EQ(form.SaveDialog2.FileName(), "/work/old.btn");
    EXPECT_EQ(form.StatusBar1.PanelText(1), "/work/old.btn");
  }
}

TEST(OpenProject, FallsBackToTheRelativePathInTheCurrentFolder) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "img");
  WriteBmpFile(folder / "img/base.bmp", 6, 4, 0x0000FF);
  WriteBytes(folder / "p.btn", ProjectText("/gone/base.bmp", "img/base.bmp"));
  ScopedCurrentFolder here(folder.Path());
  TForm1 form;
  form.ScrollBox2.AddImage("newbutton0");
  RecordedMessages messages;
  OpenProject(form, "p.btn");
  EXPECT_TRUE(messages.texts.empty());
  EXPECT_EQ(form.ImageBase.Picture().Width(), 6);
  EXPECT_EQ(form.CurrentSettings.image_file, "img/base.bmp");
  EXPECT_EQ(form.EditPrefix.Text(), "p_");
  EXPECT_EQ(form.MemoTxt.Text(), "Home\r\n");
  EXPECT_TRUE(form.ScrollBox2.Empty());
  EXPECT_EQ(form.Recent1.GetFile(0), "p.btn");
  EXPECT_EQ(form.StatusBar1.PanelText(1), "p.btn");
  EXPECT_EQ(form.SaveDialog2.FileName(), "p.btn");
}

TEST(OpenProject, ThenTriesTheRelativePathAgainstTheProjectsFolder) {
  TempFolder folder, elsewhere;
  std::filesystem::create_directories(folder / "proj/img");
  WriteBmpFile(folder / "proj/img/base.bmp", 5, 3, 0x00FF00);
  WriteBytes(folder / "proj/p.btn", ProjectText("/gone/base.bmp", "img/base.bmp"));
  ScopedCurrentFolder here(elsewhere.Path());
  TForm1 form;
  RecordedMessages messages;
  OpenProject(form, folder / "proj/p.btn");
  EXPECT_TRUE(messages.texts.empty());
  EXPECT_EQ(form.ImageBase.Picture().Width(), 5);
  EXPECT_EQ(form.CurrentSettings.image_file, folder / "proj/img/base.bmp");
}

TEST(OpenProject, AnImageFoundNowhereLeavesTheProjectOpenAfterOneMessage) {
  TempFolder folder;
  WriteBytes(folder / "p.btn", ProjectText("/gone/base.bmp", "img/base.bmp"));
  ScopedCurrentFolder here(folder.Path());
  TForm1 form;
  form.ScrollBox2.AddImage("newbutton0");
  RecordedMessages messages;
  OpenProject(form, folder / "p.btn");
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_TRUE(messages.texts[0].starts_with("Error opening file: \r\n" + folder / "img/base.bmp" + "\r\n"))
      << messages.texts[0];
  EXPECT_EQ(form.EditPrefix.Text(), "p_");
  EXPECT_TRUE(form.ScrollBox2.Empty());
  EXPECT_EQ(form.Recent1.GetFile(0), folder / "p.btn");
}

TEST(OpenProject, AMetafileDrawnWithoutSomeOfItsRecordsIsShownAfterAWarning) {
  TempFolder folder;
  kestrova::testing::EmfBuilder emf(TRect{0, 0, 19, 9}, TRect{0, 0, 529, 265});
  emf.Record(102, {0}).Record(102, {0});  // records of the other graphics library, not drawn here
  const std::vector<std::uint8_t> bytes = emf.Build();
  WriteBytes(folder / "base.emf", std::string(bytes.begin(), bytes.end()));
  WriteBytes(folder / "p.btn", ProjectText(folder / "base.emf", ""));
  TForm1 form;
  RecordedMessages messages;
  OpenProject(form, folder / "p.btn");
  EXPECT_EQ(messages.texts, std::vector<std::string>{folder / "base.emf" +
                                                     ": 2 records of the metafile could not be drawn and are "
                                                     "missing from the picture"});
  EXPECT_EQ(messages.types, std::vector<TMsgDlgType>{mtWarning});
  EXPECT_EQ(form.ImageBase.Picture().Width(), 20);
  EXPECT_EQ(form.CurrentSettings.image_file, folder / "base.emf");
}

// The window knows a project named on the command line by its full name, as
// the file dialogs give it: its recent entry opens it from any folder.
TEST(OpenFromCommandLine, TheWindowKnowsTheProjectByItsFullName) {
  TempFolder folder, elsewhere;
  std::filesystem::create_directory(folder / "sub");
  WriteBytes(folder / "sub/p.btn", ProjectText("", ""));
  const std::string full = folder / "sub/p.btn";
  for (const std::string& named : {std::string("sub/p.btn"), std::string("./sub/../sub/p.btn"), full}) {
    ScopedCurrentFolder here(folder.Path());
    ParseCommandLine({named});
    TForm1 form;
    RecordedMessages messages;
    OpenFromCommandLine(form, false);
    ParseCommandLine({});
    EXPECT_TRUE(messages.texts.empty()) << named;
    EXPECT_EQ(form.Recent1.Files(), std::vector<std::string>{full}) << named;
    EXPECT_EQ(form.StatusBar1.PanelText(1), full) << named;
    EXPECT_EQ(form.SaveDialog2.FileName(), full) << named;

    ScopedCurrentFolder there(elsewhere.Path());
    form.EditPrefix.SetText("changed");
    Recent1Click(form, 0);
    EXPECT_TRUE(messages.texts.empty()) << named;
    EXPECT_EQ(form.EditPrefix.Text(), "p_") << named;
  }
}

TEST(OpenProject, AGifOptionPastItsListSavesWithTheDefaultsWhateverWasChosenBefore) {
  TempFolder folder;
  ScopedCurrentFolder here(folder.Path());
  RecordedMessages messages;
  const std::string settings = "newx=24\r\nnewy=12\r\ngradient=1\r\nfontname=DejaVu Sans\r\nfontsize=7\r\n"
                               "FileFormat=1\r\nuseautonum=0\r\nsavehtml=0\r\nForceDirs=1\r\n";
  const std::string captions = "[captions]\r\nc0=Go\r\n";
  // Opens the project with the keys (given first, they win), generates and saves into `out`; the GIF's bytes.
  auto gifOf = [&](TForm1& form, const std::string& keys, const std::string& out) {
    WriteBytes(folder / "p.btn", "[main]\r\n" + keys + "outputdir=" + out + "\r\n" + settings + captions);
    OpenProject(form, folder / "p.btn");
    EXPECT_TRUE(GenerateButtons(form));
    EXPECT_TRUE(SaveGeneratedImages(form));
    return ReadBytes(folder / out + "/go.gif");
  };
  TForm1 reference;
  const std::string defaults = gifOf(reference, "GIFColorReduc=7\r\nGIFDither=0\r\nGIFCompr=0\r\n", "defaults");
  const std::string chosen = "GIFColorReduc=0\r\nGIFDither=1\r\nGIFCompr=1\r\n";  // None, FloydSteinberg, RLE
  const struct {
    std::string keys;
    std::vector<int> indexes;  // colour reduction, dithering, compression after opening
  } cases[] = {
      {"GIFColorReduc=9\r\nGIFDither=7\r\nGIFCompr=2\r\n", {-1, -1, -1}},
      {"GIFColorReduc=99\r\nGIFDither=99\r\nGIFCompr=99\r\n", {-1, -1, -1}},
      {"GIFColorReduc=7\r\nGIFDither=0\r\nGIFCompr=0\r\n", {7, 0, 0}},
  };
  int run = 0;
  for (const auto& c : cases) {
    TForm1 fresh, used;
    const std::string first = gifOf(fresh, c.keys, "fresh" + std::to_string(run));
    EXPECT_NE(gifOf(used, chosen, "used" + std::to_string(run)), defaults);
    const std::string second = gifOf(used, c.keys, "again" + std::to_string(run++));
    EXPECT_EQ((std::vector<int>{used.ComboGIFRC.ItemIndex(), used.ComboGIFDTR.ItemIndex(),
                                used.ComboGIFCompr.ItemIndex()}),
              c.indexes)
        << c.keys;
    EXPECT_EQ(first, defaults) << c.keys;
    EXPECT_EQ(second, defaults) << c.keys;
  }
}
