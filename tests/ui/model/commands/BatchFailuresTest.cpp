// Batch runs that cannot do what the project asks: each ends with exit status
// 1 and a log line that says why, and leaves no file that looks like success.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/FatVolume.h"
#include "tests/ui/model/commands/BatchRunSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

constexpr const char* kStarted = "Kestrova started from shell";

}  // namespace

TEST_F(BatchRun, ACutSizeBelowOnePixelIsRefusedBeforeAnythingIsMade) {
  const struct {
    std::string keys;
    std::string size;
  } cases[] = {
      {"cutbig=1\r\ncutx=0\r\ncuty=16\r\n", "0 x 16"},
      {"cutbig=1\r\ncutx=40\r\ncuty=0\r\n", "40 x 0"},
      {"cutbig=1\r\ncutx=-7\r\ncuty=-1\r\n", "0 x 0"},  // the spin edits hold no less than 0
  };
  for (const auto& c : cases) {
    Clean();
    WriteBytes(folder / "p.btn", Project(c.keys));
    EXPECT_EQ(Run({"/x", "p.btn"}), 1) << c.keys;
    const std::string refused = "Error generating buttons: The cut size " + c.size +
                                " is not valid: a button needs a width and a height of at least 1 pixel.";
    EXPECT_EQ(LogMessages(), (std::vector<std::string>{kStarted, refused}));
    EXPECT_FALSE(std::filesystem::exists(folder / "out")) << c.keys;
  }
}

TEST_F(BatchRun, ARunWithNothingToMakeButtonsFromSaysSoAndFails) {
  const std::string nothing = "Nothing saved: there are no captions to make buttons from.";
  const struct {
    std::string project;  // empty: p.btn is a folder
    std::vector<std::string> logged;
  } cases[] = {
      {ProjectWithCaptions("", {}), {kStarted, nothing}},
      {ProjectWithCaptions("BtnPerImgMode=1\r\n", {}), {kStarted, nothing}},  // not even one empty joined image
      {ProjectWithCaptions("BtnPerImgMode=2\r\nBtnPerImgCnt=2\r\n", {}), {kStarted, nothing}},
      {"[main]\r\n", {kStarted, nothing}},
      {"\r\n", {kStarted, "Error opening file: p.btnNot a project file"}},  // the run stops there
      {"", {kStarted, "Error opening file: p.btnIs a directory"}},  // the run stops there
  };
  for (const auto& c : cases) {
    Clean();
    std::filesystem::remove_all(folder / "p.btn");
    if (c.project.empty())
      std::filesystem::create_directory(folder / "p.btn");
    else
      WriteBytes(folder / "p.btn", c.project);
    EXPECT_EQ(Run({"/x", "p.btn"}), 1) << c.project;
    EXPECT_EQ(LogMessages(), c.logged) << c.project;
    EXPECT_FALSE(std::filesystem::exists(folder / "out")) << c.project;
  }
}

TEST_F(BatchRun, ACaptionsFileThatCannotBeReadStopsTheRun) {
  WriteBytes(folder / "p.btn", Project());
  std::filesystem::create_directory(folder / "texts");
  ASSERT_EQ(::mkfifo((folder / "pipe.txt").c_str(), 0600), 0);
  const struct {
    std::string file;
    std::string reason;
  } cases[] = {
      {"none.txt", "No such file or directory"},
      {"texts", "Is a directory"},
      {"none/c.txt", "No such file or directory"},
      {"pipe.txt", "Not a regular file"},  // never waits for a writer
  };
  for (const auto& c : cases) {
    Clean();
    EXPECT_EQ(Run({"/x", "p.btn", c.file}), 1) << c.file;
    EXPECT_EQ(LogMessages(), (std::vector<std::string>{kStarted, "Error opening file: " + c.file + c.reason}));
    EXPECT_FALSE(std::filesystem::exists(folder / "out")) << c.file;
  }
}

TEST_F(BatchRun, ImagesWhoseNamesCollideAreReportedAndFailTheRun) {
  auto collision = [](const std::string& first, const std::string& second, const std::string& name) {
    return "Images " + first + " and " + second + " have the same file name " + name +
           ": the later one replaces the earlier.";
  };
  const struct {
    std::string keys;
    std::vector<std::string> captions;
    std::vector<std::string> warnings;  // none: the run succeeds
    std::string files;
  } cases[] = {
      {"useautonum=0\r\n", {"Same", "SAME"}, {collision("1", "2", "same.gif")}, "p.btn.html same.gif "},
      {"useautonum=0\r\n",
       {"sa me", "sa/me", "Sa_Me", "other"},
       {collision("1", "2", "sa_me.gif"), collision("1", "3", "sa_me.gif")},
       "other.gif p.btn.html sa_me.gif "},
      // Without captions in the names the numbers come back.
      {"useautonum=0\r\nnotitles=1\r\nprefix=x\r\n", {"A", "B"}, {}, "001_x.gif 002_x.gif p.btn.html "},
      {"useautonum=0\r\nlcname=0\r\n", {"Same", "SAME"}, {}, "SAME.gif Same.gif p.btn.html "},
      {"", {"Same", "SAME"}, {}, "001_same.gif 002_same.gif p.btn.html "},
  };
  for (const auto& c : cases) {
    Clean();
    WriteBytes(folder / "p.btn", ProjectWithCaptions(c.keys, c.captions));
    EXPECT_EQ(Run({"/x", "p.btn"}), c.warnings.empty() ? 0 : 1) << c.keys << c.captions[0];
    std::vector<std::string> logged{kStarted};
    logged.insert(logged.end(), c.warnings.begin(), c.warnings.end());
    if (c.warnings.empty()) logged.push_back("OK. Files saved to: out/");
    EXPECT_EQ(LogMessages(), logged);
    EXPECT_EQ(ListFolder(folder / "out"), c.files);
  }
}

// On a FAT volume "Home" and "HOME" name one file: they collide as any names
// do, while on the case-sensitive folder above they do not. The same outputs
// saved again there replace the first ones, although chmod is refused.
TEST_F(BatchRun, OnAFatVolumeNamesDifferingInCaseCollideAndASecondSaveReplaces) {
  const FatVolume fat(folder.Path());
  if (!fat.Mounted()) GTEST_SKIP() << "no FAT volume through FUSE here (mkfs.fat, fusefat, /dev/fuse)";
  const std::string out = fat.Path() + "out/";
  const std::string keys = "outputdir=" + out + "\r\nuseautonum=0\r\nlcname=0\r\n";
  const std::string saved = "OK. Files saved to: " + out;
  WriteBytes(folder / "p.btn", ProjectWithCaptions(keys, {"Home", "News"}));
  EXPECT_EQ(Run({"/x", "p.btn"}), 0);
  EXPECT_EQ(Run({"/x", "p.btn"}), 0);
  EXPECT_EQ(LogMessages(), (std::vector<std::string>{kStarted, saved, kStarted, saved}));
  EXPECT_EQ(ListFolder(out), "Home.gif News.gif p.btn.html ");
  Clean();
  std::filesystem::remove_all(out);
  WriteBytes(folder / "p.btn", ProjectWithCaptions(keys, {"Home", "HOME"}));
  EXPECT_EQ(Run({"/x", "p.btn"}), 1);
  EXPECT_EQ(LogMessages(), (std::vector<std::string>{
                               kStarted, "Images 1 and 2 have the same file name HOME.gif: the later one replaces the earlier."}));
  EXPECT_EQ(ListFolder(out).size(), std::string("Home.gif p.btn.html ").size());  // the case kept is the volume's choice
}

TEST_F(BatchRun, ABaseImageThatIsNoRegularFileIsRefusedWithoutReadingIt) {
  std::filesystem::create_directory(folder / "folder.bmp");
  ASSERT_EQ(::mkfifo((folder / "pipe.bmp").c_str(), 0600), 0);
  const struct {
    std::string image;
    std::string error;
  } cases[] = {
      {"/dev/zero", "Cannot read file: /dev/zero (Not a regular file)"},  // would never end
      {"pipe.bmp", "Cannot read file: pipe.bmp (Not a regular file)"},   // would wait for a writer
      {"folder.bmp", "Cannot read file: folder.bmp (Is a directory)"},
      {"none.bmp", "File not found: none.bmp (No such file or directory)"},
  };
  for (const auto& c : cases) {
    Clean();
    WriteBytes(folder / "p.btn", Project("image_file=" + c.image + "\r\n"));
    EXPECT_EQ(Run({"/x", "p.btn"}), 1) << c.image;
    const std::vector<std::string> log = LogMessages();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[1], "Error opening file: " + c.image + c.error);
  }
}

TEST_F(BatchRun, EveryFileErrorSaysWhy) {
  WriteBytes(folder / "blocker", "a file where a folder should be");
  std::filesystem::create_directory(folder / "images");
  const std::string longName = "out/001_" + std::string(300, 'a') + ".gif";
  const std::string blocked = "blocker/out/001_home.gif";
  const struct {
    std::string keys;
    std::vector<std::string> captions;
    std::string folderForPage;  // made a folder, so that the page cannot be written
    std::string logged;
  } cases[] = {
      {"",
       {std::string(300, 'a')},
       "",
       "Error saving gif: " + longName + "Cannot write file: " + longName + " (File name too long)"},
      {"outputdir=blocker/out\r\n", {"Home"}, "", "Error savingblocker/out/Cannot create folder (Not a directory)"},
      {"outputdir=blocker/out\r\nForceDirs=0\r\n",
       {"Home"},
       "",
       "Error saving gif: " + blocked + "Cannot write file: " + blocked + " (Not a directory)"},
      {"image_file=images\r\n", {"Home"}, "", "Error opening file: imagesCannot read file: images (Is a directory)"},
      {"", {"Home"}, "out/p.btn.html", "Error savingout/p.btn.htmlCannot write file (Is a directory)"},
  };
  for (const auto& c : cases) {
    Clean();
    if (!c.folderForPage.empty()) std::filesystem::create_directories(folder / c.folderForPage);
    WriteBytes(folder / "p.btn", ProjectWithCaptions(c.keys, c.captions));
    EXPECT_EQ(Run({"/x", "p.btn"}), 1) << c.logged;
    const std::vector<std::string> log = LogMessages();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[1], c.logged);
  }
}

// The page shows the images that failed as missing: it is written whether
// they were saved or not, and the run still fails with their errors.
TEST_F(BatchRun, TheTestPageIsWrittenAlsoWhenImagesFailed) {
  const std::string oldPage = "the page of an earlier run";
  const std::vector<std::string> cases[] = {
      {},  // image names made folders, so that they cannot be written
      {"002_news.gif"},
      {"001_home.gif", "002_news.gif", "003_contact.gif"},
  };
  for (const std::vector<std::string>& blocked : cases) {
    Clean();
    std::filesystem::create_directory(folder / "out");
    WriteBytes(folder / "out/p.btn.html", oldPage);
    for (const std::string& name : blocked) std::filesystem::create_directory(folder / ("out/" + name));
    WriteBytes(folder / "p.btn", Project());
    EXPECT_EQ(Run({"/x", "p.btn"}), blocked.empty() ? 0 : 1);
    EXPECT_NE(ReadBytes(folder / "out/p.btn.html"), oldPage);
    // Started, one error per image, and the success line only when none failed.
    EXPECT_EQ(LogMessages().size(), 1 + (blocked.empty() ? 1 : blocked.size()));
  }
}
