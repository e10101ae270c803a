#include <gtest/gtest.h>

#include "tests/ui/model/commands/SessionSupport.h"
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

TEST(OpenProject, AMissingFileIsReportedAndChangesNothing) {
  TForm1 form;
  form.ScrollBox2.AddImage("newbutton0");
  form.EditPrefix.SetText("keep");
  RecordedMessages messages;
  OpenProject(form, "/no/such/project.btn");
  EXPECT_EQ(messages.texts, std::vector<std::string>{"Error opening file: \r\n/no/such/project.btn\r\n"});
  EXPECT_EQ(messages.types, std::vector<TMsgDlgType>{mtError});
  EXPECT_EQ(form.EditPrefix.Text(), "keep");
  EXPECT_EQ(form.ScrollBox2.ImageCount(), 1);
  EXPECT_EQ(form.Recent1.Count(), 0);
  EXPECT_EQ(form.StatusBar1.PanelText(1), "");
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
