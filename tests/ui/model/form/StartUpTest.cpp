#include <gtest/gtest.h>

#include "core/files/IniFile.h"
#include "tests/support/TestFiles.h"
#include "ui/model/form/MainForm.h"

using namespace kestrova;

TEST(FormCreate, SetsTheStartColoursAndValues) {
  TForm1 form;
  EXPECT_EQ(form.ColorBitBtnPBN1Color.GlyphColor(), 0xC0C0C0u);
  EXPECT_EQ(form.ColorBitBtnPBN2Color.GlyphColor(), 0u);
  EXPECT_EQ(form.BitBtnShadowColor.GlyphColor(), 0xFFFFFFu);
  EXPECT_EQ(form.BitBtnAdjColor.GlyphColor(), 0u);
  EXPECT_EQ(form.BitBtnFrameColor.GlyphColor(), 0u);
  EXPECT_EQ(form.ColorBitBtnBK.GlyphColor(), 0xFFFFFFu);
  EXPECT_EQ(form.BitBtnTRColor.GlyphColor(), 0x0000FFu);
  EXPECT_EQ(form.BitBtnBNBlack.GlyphColor(), 0x303030u);
  EXPECT_EQ(form.BitBtnBNWhite.GlyphColor(), 0xEFEFEFu);
  EXPECT_EQ(form.ColorBitBtnIcoTrans.GlyphColor(), 0xFFFFFFu);
  EXPECT_EQ(form.BitBtnGC1.GlyphWidth(), 9);
  EXPECT_EQ(form.BitBtnGC1.GlyphHeight(), 14);
  EXPECT_EQ(form.ShadowOffset, (TPoint{1, 1}));
  EXPECT_EQ(form.CurrentSettings.postBNColorBG, 0xC0C0C0u);
  EXPECT_EQ(form.CurrentSettings.GlyphWidth, 16);
  EXPECT_EQ(form.ComboGIFRC.ItemIndex(), 7);
  EXPECT_EQ(form.ComboGIFDTR.ItemIndex(), 0);
  EXPECT_EQ(form.ComboGIFCompr.ItemIndex(), 0);
  EXPECT_EQ(form.RG1.ItemIndex(), 1);
  EXPECT_EQ(form.RGBullets.ItemIndex(), 2);
  EXPECT_EQ(form.EditPrefix.Text(), "b_");
  EXPECT_TRUE(form.cbLower.Checked());
  EXPECT_TRUE(form.cbNumber.Checked());
  EXPECT_TRUE(form.SpeedBtnUp.Down());
  EXPECT_EQ(form.BulletIndex, -1);
  EXPECT_TRUE(form.Timer1.Enabled);
  EXPECT_FALSE(form.Timer2.Enabled);
}

TEST(Timer1Timer, CommandsFollowCaptionsImageSelectionAndPreviews) {
  TForm1 form;
  form.Timer1Timer();
  for (const TButton* b : {&form.TBSaveBtns, &form.Savegeneratedbuttons1, &form.TBGen, &form.Generateimages1,
                           &form.TBProcess, &form.Processimage1, &form.BitBtnBullet}) {
    EXPECT_FALSE(b->Enabled()) << b->Name();
  }
  form.MemoTxt.SetText("Home\r\n");
  form.Timer1Timer();
  EXPECT_FALSE(form.TBGen.Enabled());
  form.ImageBase.SetPicture(Bitmap(96, 32));
  form.Timer1Timer();
  EXPECT_TRUE(form.TBGen.Enabled());
  EXPECT_TRUE(form.Generateimages1.Enabled());
  EXPECT_TRUE(form.Processimage1.Enabled());
  EXPECT_FALSE(form.BitBtnBullet.Enabled());
  form.BulletIndex = 0;
  form.ScrollBox2.AddImage("newbutton0");
  form.Timer1Timer();
  EXPECT_TRUE(form.BitBtnBullet.Enabled());
  EXPECT_TRUE(form.TBSaveBtns.Enabled());
  form.MemoTxt.SetText("");
  form.ClearPreviews();
  form.Timer1Timer();
  EXPECT_FALSE(form.TBGen.Enabled());
  EXPECT_FALSE(form.Savegeneratedbuttons1.Enabled());
}

TEST(Timer2Timer, RunsTheBatchJobOnce) {
  TForm1 form;
  std::vector<bool> calls;
  form.Hooks.OpenFromCommandLine = [&calls](bool batch) { calls.push_back(batch); };
  form.Timer2.Enabled = true;
  form.Timer2Timer();
  EXPECT_FALSE(form.Timer2.Enabled);
  form.FormShow();
  EXPECT_EQ(calls, (std::vector<bool>{true, false}));
}

TEST(WindowStore, PlacementAndLanguageSurviveARestart) {
  test::ProgramFolderSandbox sandbox;
  {
    TForm1 form;
    EXPECT_FALSE(form.FormStorage1.PlacementRestored);
    form.LangIndex = 3;
    form.FormStorage1.Placement = TWindowPlacement{10, 20, 810, 620, TWindowPlacement::Maximized};
    ASSERT_TRUE(form.FormStorage1.SavePlacement());
  }
  SetLangIndex(lgEnglish);
  TForm1 form;
  EXPECT_TRUE(form.FormStorage1.PlacementRestored);
  EXPECT_EQ(form.FormStorage1.Placement, (TWindowPlacement{10, 20, 810, 620, TWindowPlacement::Maximized}));
  EXPECT_EQ(form.LangIndex, 3);
  EXPECT_EQ(form.File1.Caption(), "Archivo");

  TIniFile(form.FormStorage1.FileName()).WriteInteger("TForm1", "Language", 9);
  TForm1 other;
  EXPECT_EQ(other.LangIndex, 0);
  EXPECT_EQ(other.File1.Caption(), "File");
}
