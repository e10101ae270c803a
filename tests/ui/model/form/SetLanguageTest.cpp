#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/support/Messages.h"
#include "tests/support/TestFiles.h"
#include "ui/model/form/MainForm.h"
#include "ui/model/form/SetLanguage.h"

namespace kestrova {
namespace {

using Items = std::vector<std::string>;

class SetLanguageTest : public ::testing::Test {
 protected:
  void TearDown() override {
    SetLangIndex(lgEnglish);
    MessageBoxFunction = nullptr;
  }
  test::ProgramFolderSandbox sandbox_;
};

TEST_F(SetLanguageTest, FlagButtonsSwitchEveryKindOfText) {
  TForm1 form;
  form.BitBtnPL.Click();
  EXPECT_EQ(form.LangIndex, lgPolish);
  EXPECT_EQ(form.Buttonizer1.Hint(), "Próbka efektu przycisku");
  EXPECT_EQ(form.Label26.Caption(), "Krycie efektu przycisku");
  EXPECT_EQ(form.LabelSh3.Caption(), "CIEŃ");
  EXPECT_EQ(form.OpenPictureDialog1.Title(), "Wczytaj bazowy obrazek przycisków...");
  EXPECT_EQ(form.OpenImgPop.Caption(), "Wczytaj bazowy obrazek");
  EXPECT_EQ(form.BitBtnXEYE.Hint(), "Ustaw punkt końcowy (określa rozmiar przycisku)");
  form.BitBtnIT.Click();
  EXPECT_EQ(form.SaveDialog2.Filter(), "File de Kestrova (*.btn)|*.btn|Tutti i file (*.*)|*.*");
  form.BitBtnES.Click();
  EXPECT_EQ(form.TBPres.Hint(), "Predeter-\r\nminados");  // the hint repeats the caption
  form.BitBtnDE.Click();
  EXPECT_EQ(form.LangIndex, lgGerman);
  form.BitBtnEN.Click();
  EXPECT_EQ(form.RGImgPerBtn.Items(),
            (Items{"1 button = 1 image", "All buttons on single image", "Set to buttons/image:"}));
}

TEST_F(SetLanguageTest, ControlsThatShowAPictureAloneTakeTheirHintsFromTheLanguage) {
  TForm1 form;  // the stored language (English) is applied at creation
  struct Case {
    const char* control;
    const char* english;
    const char* italian;
  };
  const Case cases[] = {
      {"SpeedBtnI", "Italic", "Corsivo"},
      {"SpeedBtnCen", "Align center", "Centra orizzontalmente"},
      {"SpeedBtnMid", "Align middle", "Centra verticalmente"},
      {"BitBtnX", "Show or hide options", "Mostra o nascondi opzioni"},
  };
  for (const Case& c : cases) EXPECT_EQ(form.FindComponent(c.control)->Hint(), c.english) << c.control;
  SetLanguage(form, lgItalian);
  for (const Case& c : cases) EXPECT_EQ(form.FindComponent(c.control)->Hint(), c.italian) << c.control;
}

TEST_F(SetLanguageTest, RadioGroupsKeepTheirSelection) {
  TForm1 form;
  int clicks = 0;
  form.RGDisplay.SetItemIndex(2);
  form.RGDisplay0.SetItemIndex(1);
  form.RGCutMode.SetItemIndex(2);
  form.RGImgPerBtn.SetItemIndex(1);
  form.RGDisplay.SetOnClick([&clicks] { ++clicks; });
  SetLanguage(form, lgGerman);
  EXPECT_EQ(form.RGDisplay.Items(), (Items{"Vertikal", "Horizontale", "Matrix"}));
  EXPECT_EQ(form.RGDisplay.ItemIndex(), 2);
  EXPECT_EQ(form.RGDisplay0.ItemIndex(), 1);
  EXPECT_EQ(form.RGCutMode.ItemIndex(), 2);
  EXPECT_EQ(form.RGImgPerBtn.ItemIndex(), 1);
  EXPECT_EQ(clicks, 0);
}

TEST_F(SetLanguageTest, TheEmptySixthSlotReachesTheLastTextOfEveryGroup) {
  TForm1 form;
  form.FormShow();
  // The last text each group sets, marked so that only setting it empties it.
  form.TBPres.SetHint("x");               // window texts, copied hints last
  form.SavePictureDialog1.SetTitle("x");  // file dialogs
  form.Recent1.SetNoneCaption("x");       // menus, placeholder last
  form.BitBtnRnd.SetHint("x");            // the later controls
  form.LabelInfo.SetCaption("x");         // image information
  SetLanguage(form, 5);
  EXPECT_EQ(form.LangIndex, 5);
  EXPECT_EQ(form.TBPres.Hint(), "");
  EXPECT_EQ(form.SavePictureDialog1.Title(), "");
  EXPECT_EQ(form.Recent1.Items()[0].Caption, "");
  EXPECT_EQ(form.BitBtnRnd.Hint(), "");
  EXPECT_EQ(form.LabelInfo.Caption(), " ?????? ???????");
  EXPECT_EQ(form.Zandrelkocom1.Caption(), LangMenus[15][0]);
}

TEST_F(SetLanguageTest, ApplyingTheCurrentLanguageAgainChangesNothing) {
  int namesLists = 0;
  TFormHooks hooks;
  hooks.UpdateNamesList = [&namesLists] { ++namesLists; };
  TForm1 form(hooks);
  SetLanguage(form, lgPolish);
  int changes = 0;
  for (TControl* control : form.Components()) control->SetViewListener([&changes] { ++changes; });
  form.Recent1.SetViewListener([&changes] { ++changes; });
  namesLists = 0;
  form.BitBtnPL.Click();
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(namesLists, 1);
}

TEST_F(SetLanguageTest, ThePlaceholderFollowsTheLanguageAtOnceAndAfterARestart) {
  {
    TForm1 form;
    form.FormShow();
    ASSERT_EQ(form.Recent1.Items().size(), 1u);
    EXPECT_EQ(form.Recent1.Items()[0].Caption, "{none}");
    form.BitBtnPL.Click();
    EXPECT_EQ(form.Recent1.Items()[0].Caption, "{brak}");
    ASSERT_TRUE(form.FormStorage1.SavePlacement());
  }
  SetLangIndex(lgEnglish);
  TForm1 form;
  form.FormShow();
  EXPECT_EQ(form.Recent1.Items()[0].Caption, "{brak}");
  EXPECT_EQ(form.LabelInfo.Caption(), " Pusty obrazek");
}

TEST_F(SetLanguageTest, MessagesUseTheLanguageCurrentWhenShown) {
  TForm1 form;
  std::string shown;
  MessageBoxFunction = [&shown](const std::string& text, TMsgDlgType, TMsgDlgButtons, int) {
    shown = text;
    return mrNo;
  };
  form.BitBtnDE.Click();
  form.FormClose(TCloseAction::caFree);
  EXPECT_EQ(shown, "Anwendung beenden (ungesicherte Arbeit wird nicht gesichert)?");
  form.BitBtnES.Click();
  form.FormClose(TCloseAction::caFree);
  EXPECT_EQ(shown, "?Salir del programa (los datos no guardados se perderán)?");
}

}  // namespace
}  // namespace kestrova
