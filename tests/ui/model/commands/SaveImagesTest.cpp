#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>
#include <cstdio>
#include <filesystem>

#include "core/generation/OutputNames.h"
#include "core/images/ImageFiles.h"
#include "tests/support/MemoryLimit.h"
#include "tests/ui/model/commands/SessionSupport.h"
#include "ui/model/commands/OutputSaving.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// A window holding two button previews as a generation leaves them.
struct TwoButtons {
  TwoButtons() {
    AddPreview("newbutton0", "\xC3\x9C" "ber uns!", 0x0000FF);
    AddPreview("newbutton1", "Home\r\npage", 0x00FF00);
    form.RG1.SetItemIndex(ofBmp);
    form.cbNumber.SetChecked(false);
  }
  void AddPreview(const std::string& name, const std::string& hint, TColor color) {
    TImage& image = form.ScrollBox2.AddImage(name);
    Bitmap b(4, 3);
    b.Fill(color);
    image.SetPicture(b);
    image.SetHint(hint);
  }
  TForm1 form;
};

Bitmap Read(const std::string& path) {
  Bitmap b;
  std::string error;
  EXPECT_TRUE(LoadPictureInto(path, &b, error)) << path << ": " << error;
  return b;
}

}  // namespace

TEST(SaveGeneratedImages, WritesEveryPreviewUnderItsNameAndReportsTheFolder) {
  TempFolder folder;
  TwoButtons w;
  w.form.DirectoryEdit1.SetText(folder.Path() + "out");
  w.form.cbForceDir.SetChecked(true);
  RecordedMessages messages;
  EXPECT_TRUE(SaveGeneratedImages(w.form));
  EXPECT_EQ(ListFolder(folder / "out"), "b__ber_uns_.bmp b_home__page.bmp ");
  EXPECT_EQ(Read(folder / "out/b__ber_uns_.bmp").GetPixel(3, 2), 0x0000FFu);
  EXPECT_EQ(Read(folder / "out/b_home__page.bmp").GetPixel(0, 0), 0x00FF00u);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"OK. Files saved to: " + folder.Path() + "out/"});
  EXPECT_EQ(messages.types, std::vector<TMsgDlgType>{mtConfirmation});
}

TEST(SaveGeneratedImages, FolderRules) {
  TempFolder folder;
  TwoButtons w;
  w.form.cbNumber.SetChecked(true);
  w.form.RG1.SetItemIndex(ofPng);
  {
    // A folder ending in "/" gets no second one; an empty one is the current folder.
    w.form.DirectoryEdit1.SetText(folder.Path());
    RecordedMessages messages;
    SaveGeneratedImages(w.form);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"OK. Files saved to: " + folder.Path()});
  }
  TempFolder current;
  ScopedCurrentFolder here(current.Path());
  w.form.DirectoryEdit1.SetText("");
  RecordedMessages messages;
  SaveGeneratedImages(w.form);
  EXPECT_EQ(ListFolder(current.Path()), "001_b__ber_uns_.png 002_b_home__page.png ");
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_TRUE(messages.texts[0].starts_with("OK. Files saved to: /")) << messages.texts[0];
}

TEST(SaveGeneratedImages, EachImageThatCannotBeWrittenIsReportedAndNoSuccess) {
  TempFolder folder;
  WriteBytes(folder / "blocker", "a file where a folder should be");
  TwoButtons w;
  w.form.RG1.SetItemIndex(ofGif);
  w.form.cbHTML.SetChecked(true);
  w.form.DirectoryEdit1.SetText(folder / "blocker/out");
  RecordedMessages messages;
  EXPECT_FALSE(SaveGeneratedImages(w.form));
  ASSERT_EQ(messages.texts.size(), 3u);  // the test page is tried all the same
  const std::string out = folder / "blocker/out/";
  EXPECT_TRUE(messages.texts[0].starts_with("Error saving gif: " + out + "b__ber_uns_.gif\r\n")) << messages.texts[0];
  EXPECT_TRUE(messages.texts[1].starts_with("Error saving gif: " + out + "b_home__page.gif\r\n"));
  EXPECT_EQ(messages.texts[2], "Error saving\r\n" + out + "kestro_test.html\r\nCannot write file (Not a directory)");
  EXPECT_EQ(messages.types, (std::vector<TMsgDlgType>{mtError, mtError, mtError}));
}

// With "Force dirs" on, an output folder that cannot be made is reported
// once, with the system's reason, and nothing is written. (In a child that is
// not root, for whom a read-only folder is no obstacle.)
TEST(SaveGeneratedImages, AFolderThatCannotBeMadeIsReportedOnceWithItsCause) {
  TempFolder folder;
  ASSERT_EQ(::chmod(folder.Path().c_str(), 0755), 0);
  WriteBytes(folder / "blocker", "a file where a folder should be");
  std::filesystem::create_directory(folder / "ro");
  ASSERT_EQ(::chmod((folder / "ro").c_str(), 0555), 0);
  const struct {
    std::string out;
    std::string reason;
  } cases[] = {
      {folder / "ro/a/b", "Permission denied"},
      {folder / "blocker/out", "Not a directory"},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> expected{"Error saving\r\n" + c.out + "/\r\nCannot create folder (" + c.reason + ")"};
    const int result = RunInChild(
        [&] {
          TwoButtons w;
          w.form.cbForceDir.SetChecked(true);
          w.form.cbHTML.SetChecked(true);
          w.form.DirectoryEdit1.SetText(c.out);
          RecordedMessages messages;
          if (SaveGeneratedImages(w.form)) return 1;
          if (messages.texts != expected) {
            for (const std::string& text : messages.texts) std::fprintf(stderr, "%s\n", text.c_str());
            return 2;
          }
          return messages.types == std::vector<TMsgDlgType>{mtError} ? 0 : 3;
        },
        true);
    EXPECT_EQ(result, 0) << c.out;
  }
  EXPECT_EQ(ListFolder(folder.Path()), "blocker ro ");
  EXPECT_EQ(ListFolder(folder / "ro"), "");
}

TEST(SaveGeneratedImages, AnUnknownFormatIsAnErrorAndWritesNothing) {
  TempFolder folder;
  TwoButtons w;
  w.form.RG1.SetItems({"BMP", "GIF", "JPG", "PNG", "?"});
  w.form.RG1.SetItemIndex(4);
  w.form.cbHTML.SetChecked(true);
  w.form.DirectoryEdit1.SetText(folder.Path());
  RecordedMessages messages;
  EXPECT_FALSE(SaveGeneratedImages(w.form));
  EXPECT_EQ(ListFolder(folder.Path()), "");
  EXPECT_EQ(messages.types, std::vector<TMsgDlgType>{mtError});
}

TEST(SaveGeneratedImages, ThePageIsNamedAfterTheProjectAndOfferedToTheBrowser) {
  TempFolder folder;
  TwoButtons w;
  w.form.cbHTML.SetChecked(true);
  w.form.DirectoryEdit1.SetText(folder.Path());
  w.form.CurrentSettings.projectfile = "/somewhere/menu.btn";
  std::vector<std::string> opened;
  w.form.Hooks.OpenURL = [&opened](const std::string& url) { opened.push_back(url); };
  RecordedMessages yes(mrYes);
  EXPECT_TRUE(SaveGeneratedImages(w.form));
  EXPECT_EQ(ReadBytes(folder / "menu.btn.html"), BuildTestPage(w.form));
  EXPECT_NE(ReadBytes(folder / "menu.btn.html").find("<img src=\"b_home__page.bmp\" border=\"0\" width=\"4\" height=\"3\""),
            std::string::npos);
  ASSERT_EQ(yes.texts.size(), 2u);
  EXPECT_EQ(yes.texts[1], "Display HTML in web browser?");
  EXPECT_EQ(opened, std::vector<std::string>{folder / "menu.btn.html"});
}

TEST(SaveGeneratedImages, TheMapPageOnlyForJoinedImages) {
  TempFolder folder;
  TwoButtons w;
  w.form.RG1.SetItemIndex(ofPng);
  w.form.cbHTML.SetChecked(true);
  w.form.cbHTMLMap.SetChecked(true);
  w.form.DirectoryEdit1.SetText(folder.Path());
  RecordedMessages no(mrNo);
  SaveGeneratedImages(w.form);
  EXPECT_EQ(ReadBytes(folder / "kestro_test.html"), BuildTestPage(w.form));
  w.form.RGImgPerBtn.SetItemIndex(2);
  SaveGeneratedImages(w.form);
  EXPECT_EQ(ReadBytes(folder / "kestro_test.html"), BuildMapPage(w.form));
}

TEST(SaveGeneratedImages, CollidingNamesGiveOneWarningBoxAndNoSuccess) {
  TempFolder folder;
  TwoButtons w;
  w.AddPreview("newbutton2", "home\r\nPAGE", 0xFF0000);
  w.AddPreview("newbutton3", "Home/\npage", 0xFFFFFF);
  w.form.cbLower.SetChecked(true);
  w.form.DirectoryEdit1.SetText(folder.Path());
  RecordedMessages messages;
  EXPECT_FALSE(SaveGeneratedImages(w.form));
  EXPECT_EQ(messages.texts,
            std::vector<std::string>{
                "Images 2 and 3 have the same file name b_home__page.bmp: the later one replaces the earlier.\r\n"
                "Images 2 and 4 have the same file name b_home__page.bmp: the later one replaces the earlier."});
  EXPECT_EQ(messages.types, std::vector<TMsgDlgType>{mtWarning});
  // The names stay as they are: the last image holds the file.
  EXPECT_EQ(ListFolder(folder.Path()), "b__ber_uns_.bmp b_home__page.bmp ");
  EXPECT_EQ(Read(folder / "b_home__page.bmp").GetPixel(0, 0), 0xFFFFFFu);
}

// Links planted under the names of an image and of the page give way to the
// new files; the files they point to, elsewhere, stay as they were.
TEST(SaveGeneratedImages, NothingIsWrittenThroughALinkAtAnOutputsName) {
  TempFolder folder, elsewhere;
  WriteBytes(elsewhere / "mine.txt", "mine");
  TwoButtons w;
  w.form.RG1.SetItemIndex(ofGif);
  w.form.cbHTML.SetChecked(true);
  w.form.DirectoryEdit1.SetText(folder.Path());
  w.form.CurrentSettings.projectfile = "menu.btn";
  for (const char* name : {"b__ber_uns_.gif", "menu.btn.html"})
    std::filesystem::create_symlink(elsewhere / "mine.txt", folder / name);
  std::filesystem::create_symlink(elsewhere / "gone.txt", folder / "b_home__page.gif");
  RecordedMessages no(mrNo);
  EXPECT_TRUE(SaveGeneratedImages(w.form));
  EXPECT_EQ(ReadBytes(elsewhere / "mine.txt"), "mine");
  EXPECT_EQ(ListFolder(elsewhere.Path()), "mine.txt ");
  for (const char* name : {"b__ber_uns_.gif", "b_home__page.gif", "menu.btn.html"})
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(folder / name))) << name;
  EXPECT_EQ(Read(folder / "b__ber_uns_.gif").GetPixel(3, 2), 0x0000FFu);
  EXPECT_EQ(ReadBytes(folder / "menu.btn.html"), BuildTestPage(w.form));
}

namespace {

// `count` images of one size, each made when a save asks for it (as a batch
// run makes its buttons), counting how many were made.
class ImagesOnDemand : public TOutputImages {
 public:
  ImagesOnDemand(int count, TSize size) : count_(count), size_(size) {}
  int Count() const override { return count_; }
  std::string Hint(int k) const override { return "Caption " + std::to_string(k + 1); }
  TSize Size(int) const override { return size_; }
  void UsePicture(int, const std::function<void(const Bitmap&)>& use) const override {
    ++made;
    use(Bitmap(size_.cx, size_.cy));
  }
  mutable std::atomic<int> made{0};

 private:
  const int count_;
  const TSize size_;
};

}  // namespace

TEST(SaveImages, ImagesTooLargeForTheFormatFailBeforeAnyIsMade) {
  const struct {
    int format;
    TSize size;
    std::string refusal;  // empty: saved
  } cases[] = {
      {ofGif, {65536, 1}, "Error saving gif: OUT001_b_caption_1.gif\r\nImage too large for GIF: 65536 x 1 pixels, "
                          "at most 65535 on a side"},
      {ofGif, {1, 65536}, "Error saving gif: OUT001_b_caption_1.gif\r\nImage too large for GIF: 1 x 65536 pixels, "
                          "at most 65535 on a side"},
      {ofJpeg, {65501, 1}, "Error saving jpg: OUT001_b_caption_1.jpg\r\nImage too large for JPEG: 65501 x 1 "
                           "pixels, at most 65500 on a side"},
      {ofGif, {65535, 1}, ""},
      {ofJpeg, {1, 65500}, ""},
      {ofPng, {65536, 1}, ""},
      {ofBmp, {1, 65536}, ""},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    TForm1 form;
    form.RG1.SetItemIndex(c.format);
    form.DirectoryEdit1.SetText(folder / "out");
    form.cbForceDir.SetChecked(true);
    form.cbHTML.SetChecked(true);
    const ImagesOnDemand images(2, c.size);
    RecordedMessages messages(mrNo);
    const bool saved = SaveImages(form, images);
    const std::string trace = std::to_string(c.format) + ": " + std::to_string(c.size.cx) + " x " +
                              std::to_string(c.size.cy);
    if (c.refusal.empty()) {
      EXPECT_TRUE(saved) << trace;
      EXPECT_EQ(images.made, 2) << trace;
      ASSERT_FALSE(messages.texts.empty());
      EXPECT_EQ(messages.texts[0], "OK. Files saved to: " + folder / "out/") << trace;
      const std::string ext = OutputExtension(c.format);
      EXPECT_EQ(ListFolder(folder / "out"), "001_b_caption_1" + ext + " 002_b_caption_2" + ext + " kestro_test.html ")
          << trace;
      continue;
    }
    EXPECT_FALSE(saved) << trace;
    EXPECT_EQ(images.made, 0) << trace;  // no image made, none written, no folder made
    std::string refusal = c.refusal;
    refusal.replace(refusal.find("OUT"), 3, folder / "out/");
    EXPECT_EQ(messages.texts, std::vector<std::string>{refusal}) << trace;
    EXPECT_EQ(ListFolder(folder.Path()), "") << trace;
  }
}

TEST(SaveImages, ThePageOfManyImagesIsWrittenWithoutHoldingThem) {
  // 200,000 images as the page shows them (names, captions, sizes) take
  // some 30 MB, the page itself as much again; written a piece at a time,
  // they raise the process's peak by a few MB.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const OutOfMemoryChildren children;
  EXPECT_EXIT(
      {
        TForm1 form;
        const ImagesOnDemand images(200000, {96, 32});
        const std::int64_t peak = PeakResidentBytes();
        std::uint64_t bytes = 0;
        WriteTestPage(PageInput(form, images), [&bytes](std::string_view piece) { bytes += piece.size(); });
        if (PeakResidentBytes() - peak >= std::int64_t{16} << 20) std::_Exit(2);
        std::_Exit(bytes > 20'000'000 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}
