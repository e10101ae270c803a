#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TestFiles.h"
#include "ui/model/form/MainForm.h"

using namespace kestrova;

namespace {

// Answers every message box with `answer` and records the texts.
struct MessageBoxAnswer {
  explicit MessageBoxAnswer(int answer) {
    MessageBoxFunction = [this, answer](const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
      texts.push_back(text);
      types.push_back(type);
      this->buttons.push_back(buttons);
      return answer;
    };
  }
  ~MessageBoxAnswer() { MessageBoxFunction = nullptr; }
  std::vector<std::string> texts;
  std::vector<TMsgDlgType> types;
  std::vector<TMsgDlgButtons> buttons;
};

}  // namespace

TEST(FormClose, NoKeepsTheWindowAndWritesNothing) {
  test::ProgramFolderSandbox sandbox;
  TForm1 form;
  form.BulletList = {"a.gif"};
  MessageBoxAnswer no(mrNo);
  EXPECT_EQ(form.FormClose(TCloseAction::caFree), TCloseAction::caNone);
  ASSERT_EQ(no.texts.size(), 1u);
  EXPECT_EQ(no.texts[0], "Exit application (any unsaved data will be lost)?");
  EXPECT_EQ(no.types[0], mtConfirmation);
  EXPECT_EQ(no.buttons[0], mbYes | mbNo);
  EXPECT_FALSE(std::filesystem::exists(sandbox.Writable("")));
}

TEST(FormClose, YesSavesPlacementIconListAndProgramSettings) {
  test::ProgramFolderSandbox sandbox;
  TForm1 form;
  form.BulletList = {"a.gif", "b.gif"};
  form.LangIndex = 2;
  form.Recent1.AddFile("/p/one.btn");
  MessageBoxAnswer yes(mrYes);
  EXPECT_EQ(form.FormClose(TCloseAction::caFree), TCloseAction::caFree);
  EXPECT_EQ(yes.texts.size(), 1u);
  EXPECT_EQ(test::ReadBytes(sandbox.Writable("bullets.ini")), "a.gif\r\nb.gif\r\n");
  EXPECT_NE(test::ReadBytes(sandbox.Writable("kestro.ini")).find("/p/one.btn"), std::string::npos);
  EXPECT_EQ(TForm1().LangIndex, 2);
  SetLangIndex(lgEnglish);
}

TEST(FormClose, FilesThatCannotBeWrittenAreReportedWithTheirReasonAndTheWindowStillCloses) {
  test::ProgramFolderSandbox sandbox;
  // Folders where the files should be: nothing can replace them.
  std::filesystem::create_directories(sandbox.Writable("kestrova-ui.ini"));
  std::filesystem::create_directories(sandbox.Writable("bullets.ini"));
  TForm1 form;
  form.BulletList = {"a.gif"};
  form.Recent1.AddFile("/p/one.btn");
  MessageBoxAnswer yes(mrYes);
  EXPECT_EQ(form.FormClose(TCloseAction::caFree), TCloseAction::caFree);
  ASSERT_EQ(yes.texts.size(), 3u);
  const std::string store = sandbox.Writable("kestrova-ui.ini");
  EXPECT_EQ(yes.texts[1], "Error saving: " + store + "\r\nUnable to write to " + store + " (Is a directory)");
  EXPECT_EQ(yes.texts[2], "Error saving: " + sandbox.Writable("bullets.ini") + "\r\nIs a directory");
  EXPECT_EQ(yes.types[2], mtError);
  EXPECT_NE(test::ReadBytes(sandbox.Writable("kestro.ini")).find("/p/one.btn"), std::string::npos);
}

TEST(FormClose, ABatchRunNeitherAsksNorSaves) {
  test::ProgramFolderSandbox sandbox;
  TForm1 form;
  MessageBoxAnswer yes(mrYes);
  ShellMode = true;
  const TCloseAction action = form.FormClose(TCloseAction::caHide);
  ShellMode = false;
  EXPECT_EQ(action, TCloseAction::caHide);
  EXPECT_TRUE(yes.texts.empty());
  EXPECT_FALSE(std::filesystem::exists(sandbox.Writable("")));
}

TEST(ApplicationException, ReportsTheErrorAndEndsTheApplication) {
  TForm1 form;
  MessageBoxAnswer ok(mrOk);
  form.ApplicationException("Access violation");
  ASSERT_EQ(ok.texts.size(), 1u);
  EXPECT_EQ(ok.texts[0], "Critical error - program will be terminated...\r\nAccess violation");
  EXPECT_EQ(ok.types[0], mtError);
  EXPECT_EQ(ok.buttons[0], mbOK);
  EXPECT_TRUE(form.TerminateRequested);
}

TEST(FormCreate, TheLoggerIsSetUpForTheBatchLog) {
  Logger1.LogPid = true;
  Logger1.CommaSep = false;
  TForm1 form;
  EXPECT_FALSE(form.Logger1.LogPid);
  EXPECT_TRUE(form.Logger1.CommaSep);
  EXPECT_TRUE(form.Logger1.CreateIfNoFile);
  EXPECT_EQ(form.Logger1.DateFormat, "yyyy-mm-dd");
  EXPECT_EQ(&form.Logger1, &Logger1);
}
