#include "ui/model/commands/BatchButtons.h"

#include <gtest/gtest.h>

#include "tests/ui/model/commands/SessionSupport.h"
#include "ui/model/commands/Generate.h"
#include "ui/model/form/MainForm.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// A window with a small base image and three captions, saving GIF files into a fresh folder.
class BatchButtonsTest : public ::testing::Test {
 protected:
  BatchButtonsTest() {
    form.ImageBase.SetPicture(Bitmap(24, 12));
    form.MemoTxt.SetFont(TFont{"DejaVu Sans", 100000, 0, 1, clBlack, fqDefault});  // no font of that size
    form.MemoTxt.SetText("one\r\ntwo\r\nthree");
    form.RG1.SetItemIndex(1);
    form.DirectoryEdit1.SetText(folder.Path());
    form.cbForceDir.SetChecked(true);
  }

  TempFolder folder;
  TForm1 form;
  RecordedMessages messages;
};

}  // namespace

TEST_F(BatchButtonsTest, AFontThatCannotBeUsedStopsTheRunBeforeAnythingIsWritten) {
  form.DirectoryEdit1.SetText(folder / "out");
  EXPECT_FALSE(GenerateAndSaveEachButton(form));
  ASSERT_EQ(messages.texts.size(), 1u);
  const std::string refused = "Error generating buttons: the caption font \"DejaVu Sans\" cannot be used: ";
  EXPECT_TRUE(messages.texts[0].starts_with(refused)) << messages.texts[0];
  EXPECT_EQ(ListFolder(folder.Path()), "");  // not even the output folder
}

TEST_F(BatchButtonsTest, AFontIsNotNeededWhenOnlyBlankLinesWouldBeDrawn) {
  form.MemoTxt.SetText(" \r\n\r\n");
  form.cbIgnBlank.SetChecked(true);
  ASSERT_TRUE(GenerateButtons(form));  // as when the buttons are held
  EXPECT_TRUE(GenerateAndSaveEachButton(form));
  EXPECT_EQ(messages.texts, std::vector<std::string>{"OK. Files saved to: " + folder.Path()});
  EXPECT_EQ(ListFolder(folder.Path()), "001_b_unnamed.gif 002_b_unnamed.gif ");
}
