#include <gtest/gtest.h>

#include "core/generation/OutputNames.h"
#include "ui/model/commands/BatchRun.h"
#include "ui/model/commands/OutputSaving.h"

using namespace kestrova;

namespace {

struct FiveLines {
  FiveLines() {
    ConnectProgramOperations(form);
    form.EditPrefix.SetText("");
    form.cbNumber.SetChecked(true);
    form.cbLower.SetChecked(true);
    form.RG1.SetItemIndex(ofGif);
    form.RxSpinEditRPB.SetValue(2);
    form.MemoTxt.SetText("\xC3\x9C" "ber uns!\r\nx\r\n Home \r\npage\r\nLast\r\n");
  }
  TForm1 form;
};

}  // namespace

TEST(UpdateNamesList, OneNamePerButtonFromItsFirstLineAsTyped) {
  FiveLines w;
  EXPECT_EQ(w.form.MemoNames.Lines(), (std::vector<std::string>{"001__ber_uns_.gif", "002__home_.gif", "003_last.gif"}));
  EXPECT_EQ(w.form.LCNT.Caption(), "[Lines: 5, Buttons: 3, Files: 3]");
  w.form.EditPostfix.SetText("-x");  // every naming control refreshes the list
  EXPECT_EQ(w.form.MemoNames.Line(2), "003_last_x.gif");
}

TEST(UpdateNamesList, JoinedImagesAreNamedFromTheLanguageTables) {
  FiveLines w;
  w.form.RGImgPerBtn.SetItemIndex(1);
  EXPECT_EQ(w.form.MemoNames.Lines(), std::vector<std::string>{"001_all_in_one_image.gif"});
  EXPECT_EQ(w.form.LCNT.Caption(), "[Lines: 5, Buttons: 3, Files: 1]");
  w.form.RGImgPerBtn.SetItemIndex(2);
  EXPECT_EQ(w.form.MemoNames.Lines(), (std::vector<std::string>{"001_image_1.gif", "002_image_2.gif"}));
  EXPECT_EQ(w.form.LCNT.Caption(), "[Lines: 5, Buttons: 3, Files: 2]");
}
