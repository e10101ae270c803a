#include <gtest/gtest.h>

#include "tests/ui/model/commands/SessionSupport.h"
#include "ui/model/commands/BatchRun.h"
#include "ui/model/commands/WindowCommands.h"

using namespace kestrova;

TEST(WindowCommands, GenerateReplacesThePreviewsUnderTheWaitCursorAndRefreshesTheNames) {
  TForm1 form;
  ConnectProgramOperations(form);
  ConnectWindowCommands(form);
  std::vector<bool> cursor;
  form.Hooks.ShowWaitCursor = [&cursor](bool on) { cursor.push_back(on); };
  form.ImageBase.SetPicture(Bitmap(40, 12));
  form.MemoTxt.SetFont(TFont{"DejaVu Sans", 7, 0, 1, 0, 0});
  form.MemoTxt.SetText("Home\r\nNews\r\n");
  form.ScrollBox2.AddImage("newbutton7");
  form.TBGen.Click();
  EXPECT_EQ(cursor, (std::vector<bool>{true, false}));
  ASSERT_EQ(form.ScrollBox2.ImageCount(), 2);
  EXPECT_EQ(form.ScrollBox2.Image(1).Name(), "newbutton1");
  EXPECT_EQ(form.MemoNames.LineCount(), 2);
  EXPECT_EQ(form.CurrentSettings.captions, "Home\r\nNews\r\n");
}

TEST(WindowCommands, SaveWritesThePreviewsUnderTheWaitCursor) {
  test::TempFolder folder;
  test::ScopedCurrentFolder current(folder.Path());
  test::RecordedMessages messages;
  TForm1 form;
  ConnectProgramOperations(form);
  ConnectWindowCommands(form);
  int waits = 0;
  form.Hooks.ShowWaitCursor = [&waits](bool on) { waits += on ? 1 : 0; };
  form.ImageBase.SetPicture(Bitmap(40, 12));
  form.MemoTxt.SetFont(TFont{"DejaVu Sans", 7, 0, 1, 0, 0});
  form.MemoTxt.SetText("Home\r\n");
  form.RG1.SetItemIndex(3);
  form.Generateimages1.Click();
  form.Savegeneratedbuttons1.Click();
  EXPECT_EQ(waits, 2);
  EXPECT_EQ(test::ListFolder(folder.Path()), "001_b_home.png ");
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0].substr(0, 20), "OK. Files saved to: ");
}

TEST(NameKeyFilter, SwallowsTheCharactersAFileNameCannotHold) {
  for (const char32_t c : std::u32string(U" \"*/:<>?\\|")) EXPECT_FALSE(TForm1::EditPrefixKeyPress(c)) << int(c);
  for (const char32_t c : std::u32string(U"aZ09_-.ü")) EXPECT_TRUE(TForm1::EditPrefixKeyPress(c)) << int(c);
}
