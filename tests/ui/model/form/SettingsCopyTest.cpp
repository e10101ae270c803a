#include <gtest/gtest.h>

#include "core/images/ImageFiles.h"
#include "core/support/ProgramFolders.h"
#include "ui/model/form/MainForm.h"

using namespace kestrova;

namespace {

// A project whose every value lies within the controls' limits and agrees
// with the rules between the controls.
TSettings SampleProject() {
  TSettings s = DefaultSettings();
  s.projectfile = "/p/menu.btn";
  s.image_file = "/p/base.png";
  s.image_file_rel = "base.png";
  s.prefix = "pre";
  s.postfix = "post";
  s.outputdir = "/out";
  s.captions = "Home\r\nAbout us\r\nContact\r\n";
  s.lcname = false;
  s.gradient = true;
  s.horizontal = true;
  s.twoonly = true;
  s.cutbig = true;
  s.shadow = true;
  s.shdouble = true;
  s.newx = 120;
  s.newy = 40;
  s.x = -4;
  s.y = 7;
  s.cutx = 50;
  s.cuty = 20;
  s.cutx0 = 3;
  s.cuty0 = 4;
  s.shx = -2;
  s.shy = 3;
  s.gc1 = 0x102030;
  s.gc2 = 0x405060;
  s.gc3 = 0x708090;
  s.shcolor = 0x00AA00;
  s.FileFormat = 2;
  s.FrameColor = 0x0000AA;
  s.FrameWidth = 4;
  s.FrameOn = true;
  s.BNOpacity = 45;
  s.BNX = 5;
  s.BNY = 6;
  s.BNColorBG = 0x111111;
  s.BNColorFG = 0x222222;
  s.BNColorBL = 0x333333;
  s.fontcolor = 0x0000FF;
  s.fontname = "Arial";
  s.fontstyle = fsBold | fsStrikeOut;
  s.fontcharset = 238;
  s.fontsize = 14;
  s.vhmode = 2;
  s.vhmode0 = 1;
  s.savehtml = true;
  s.textalign = 2;
  s.cuth = 2;
  s.matrix_cols = 3;
  s.jpg_qual = 77;
  s.useautonum = true;
  s.spacing = true;
  s.notitles = true;
  s.postBNx = 2;
  s.postBNy = 3;
  s.postBNopacity = 60;
  s.postBNColorBG = 0x444444;
  s.postBNColorBL = 0x555555;
  s.GlyphFile = "icons/star.gif";
  s.GlyphX = -5;
  s.GlyphY = 6;
  s.GlyphWidth = 20;
  s.GlyphHeight = 21;
  s.GlyphMargin = 4;
  s.RowPerBtn = 3;
  s.ForceDirs = true;
  s.GIFColorReduc = 8;
  s.GIFDither = 6;
  s.GIFCompr = 1;
  s.PNGTransparentColor = 0x00FF00;
  s.PNGCompressionLevel = 9;
  s.PNGTransparent = true;
  s.MarSize = 4;
  s.GapSize = 2;
  s.BKColor = 0x666666;
  s.FrameRound = true;
  s.FrameMargin = 3;
  s.FrameRX = 8;
  s.FrameRY = 9;
  s.BtnPerImgMode = 2;
  s.BtnPerImgCnt = 4;
  s.IgnBlank = true;
  s.HTMLMap = true;
  s.textyalign = 1;
  s.radial = false;
  s.RoundBtn = true;
  s.Round3DLike = true;
  s.Angle = 45;
  s.ExtRadius = 7;
  s.Myblack = 0x070707;
  s.Mywhite = 0xF0F0F0;
  s.BNColorTR = 0x0000FE;
  s.smooth = 2;
  s.roundmargin = -3;
  s.antialias = true;
  s.rowoffset = -2;
  s.IconTransparent = true;
  s.IconTranspColor = 0xFF00FF;
  return s;
}

// Copies a record into a new window's controls and reads it back.
TSettings RoundTrip(TForm1& form, const TSettings& s) {
  form.CurrentSettings = s;
  form.SettingsToControls();
  form.ControlsToSettings();
  return form.CurrentSettings;
}

}  // namespace

TEST(SettingsCopy, ControlsGiveBackTheRecordTheyWereGiven) {
  TForm1 form;
  form.BulletList = {"other.gif", "icons/star.gif"};
  const TSettings s = SampleProject();
  EXPECT_EQ(RoundTrip(form, s), s);
  EXPECT_EQ(form.BulletIndex, 1);
  EXPECT_EQ(form.ShadowColor, 0x00AA00u);
  EXPECT_EQ(form.ShadowOffset, (TPoint{-2, 3}));
  EXPECT_EQ(form.MemoTxt.LineCount(), 3);
}

TEST(SettingsCopy, ValuesOutsideTheLimitsReadBackClamped) {
  TForm1 form;
  TSettings s = SampleProject();
  s.RowPerBtn = 12;
  s.jpg_qual = 0;
  s.roundmargin = -100000;  // unlimited
  s.BNOpacity = 150;
  s.Angle = 12.7f;
  const TSettings back = RoundTrip(form, s);
  EXPECT_EQ(form.RxSpinEditRPB.Value(), 10);
  EXPECT_EQ(back.RowPerBtn, 10);
  EXPECT_EQ(back.jpg_qual, 1);
  EXPECT_EQ(back.roundmargin, -100000);
  EXPECT_EQ(back.BNOpacity, 100);
  EXPECT_EQ(form.RxSpinEditAngle.Value(), 13);
  EXPECT_EQ(back.Angle, 13.0f);
  s.Angle = 12.5f;
  EXPECT_EQ(RoundTrip(form, s).Angle, 12.0f);  // halves go to the even neighbour
}

TEST(SettingsCopy, AlignmentOutsideItsRangeKeepsTheButtons) {
  TForm1 form;
  TSettings s = SampleProject();
  s.textalign = 1;
  s.textyalign = 2;
  RoundTrip(form, s);
  s.textalign = 5;
  s.textyalign = -1;
  const TSettings back = RoundTrip(form, s);
  EXPECT_EQ(back.textalign, 1);
  EXPECT_EQ(back.textyalign, 2);
  EXPECT_TRUE(form.SpeedBtnCen.Down());

  TForm1 fresh;  // no horizontal button is down at start
  EXPECT_EQ(RoundTrip(fresh, s).textalign, 0);
}

TEST(SettingsCopy, ItemIndexOutsideTheItemsKeepsARadioGroupsItem) {
  TForm1 form;
  TSettings s = SampleProject();
  s.FileFormat = 7;
  s.vhmode = -1;
  s.BtnPerImgMode = 3;
  const TSettings back = RoundTrip(form, s);
  EXPECT_EQ(back.FileFormat, 1);
  EXPECT_EQ(back.vhmode, 0);
  EXPECT_EQ(back.BtnPerImgMode, 0);
}

TEST(SettingsCopy, NoCaptionsInNamesForcesNumbering) {
  TForm1 form;
  TSettings s = SampleProject();
  s.useautonum = false;
  s.notitles = true;
  const TSettings back = RoundTrip(form, s);
  EXPECT_TRUE(back.useautonum);
  EXPECT_TRUE(back.notitles);
}

TEST(SettingsCopy, BmpFormatTurnsTheTestPageOff) {
  TForm1 form;
  TSettings s = SampleProject();
  s.FileFormat = 0;
  const TSettings back = RoundTrip(form, s);
  EXPECT_FALSE(back.savehtml);
  EXPECT_FALSE(back.HTMLMap);
  EXPECT_FALSE(form.cbHTML.Enabled());
}

TEST(SettingsCopy, RadialGradientClearsHorizontalAndTwoColours) {
  TForm1 form;
  TSettings s = SampleProject();
  s.radial = true;
  const TSettings back = RoundTrip(form, s);
  EXPECT_FALSE(back.horizontal);
  EXPECT_FALSE(back.twoonly);
  EXPECT_TRUE(back.radial);
}

TEST(SettingsCopy, IgnoreBlanksSurvivesOneLinePerButton) {
  TForm1 form;
  TSettings s = SampleProject();
  RoundTrip(form, s);  // three lines per button
  s.RowPerBtn = 1;
  s.IgnBlank = true;
  const TSettings back = RoundTrip(form, s);
  EXPECT_TRUE(back.IgnBlank);
  EXPECT_EQ(back.RowPerBtn, 1);
}

TEST(SettingsCopy, AnUnusableFontSizeDependsOnTheSpinEditsHistory) {
  TSettings s = SampleProject();
  s.fontsize = 0;
  // The spin edit stands at 8: it moves to 1, and its handler sets the font to 1.
  TForm1 first;
  EXPECT_EQ(RoundTrip(first, s).fontsize, 1);
  // The spin edit already stands at 1: nothing changes, the font keeps 0.
  EXPECT_EQ(RoundTrip(first, s).fontsize, 0);
  EXPECT_EQ(first.RxSpinEditFontSize.Value(), 1);
}

TEST(SettingsCopy, HandlersRunForRealChangesOnly) {
  TForm1 form;
  int names = 0;
  form.Hooks.UpdateNamesList = [&names] { ++names; };
  TSettings s = SampleProject();
  RoundTrip(form, s);
  EXPECT_GT(names, 0);
  form.RxSpinEditRPB.SetValue(2);
  names = 0;
  RoundTrip(form, s);  // the memo and the naming controls did not change; RowPerBtn did
  EXPECT_EQ(names, 2);  // RxSpinEditRPBChange, then RG1Click's refresh
}

TEST(SettingsCopy, TheIconEntryIsMatchedWithoutCaseAndTheLastOneWins) {
  TForm1 form;
  form.BulletList = {"Icons/Star.GIF", "x.gif", "icons/star.gif"};
  TSettings s = SampleProject();
  s.GlyphFile = "ICONS/STAR.gif";
  RoundTrip(form, s);
  EXPECT_EQ(form.BulletIndex, 2);
  s.GlyphFile = "none.gif";
  const TSettings back = RoundTrip(form, s);
  EXPECT_EQ(form.BulletIndex, -1);
  EXPECT_EQ(back.GlyphFile, "");
}

TEST(SettingsCopy, AProjectWithoutImageFileGetsANewBaseImageWithItsIcon) {
  TForm1 form;
  // The icon lies in the writable folder; the palette shows it.
  Bitmap star(2, 2);
  star.Fill(0x0000FF);
  std::string error;
  ASSERT_TRUE(EnsureWritableFolder());
  ASSERT_TRUE(SaveBmp(WritableFolder() + "star.bmp", &star, error)) << error;
  form.BulletList = {"star.bmp"};
  form.BuildBulletPalette();
  TSettings s = SampleProject();
  s.image_file.clear();
  s.GlyphFile = "star.bmp";
  s.GlyphX = 1;
  s.GlyphY = 1;
  s.IconTransparent = false;
  form.CurrentSettings = s;
  form.SettingsToControls();
  EXPECT_EQ(form.ImageBase.Picture().Width(), 120);
  EXPECT_EQ(form.ImageBase.Picture().Height(), 40);
  EXPECT_EQ(form.ImageBase.Width(), 120);
  EXPECT_TRUE(form.CurrentSettings.image_file.empty());
  EXPECT_EQ(form.CurrentSettings.GlyphFile, "star.bmp");
  EXPECT_EQ(form.ImageBase.Picture().GetPixel(1, 1), 0x0000FFu);
  EXPECT_EQ(form.ImageIcnPrev.Picture().Width(), 2);
}

TEST(SettingsCopy, EffectPreviewMirrorsItsControls) {
  TForm1 form;
  TSettings s = SampleProject();
  s.RoundBtn = false;
  form.CurrentSettings = s;
  form.SettingsToControls();
  EXPECT_EQ(form.Buttonizer1.Opacity(), 45);
  EXPECT_EQ(form.Buttonizer1.X(), 5);
  EXPECT_EQ(form.Buttonizer1.Y(), 6);
  EXPECT_EQ(form.Buttonizer1.ExtMargin(), -3);
  EXPECT_EQ(form.Buttonizer1.ColorTR(), 0x0000FEu);
  form.RxSlider1.SetValue(10);
  EXPECT_EQ(form.Buttonizer1.Opacity(), 10);
  EXPECT_TRUE(form.GradientImage1.TwoOnly());
  EXPECT_TRUE(form.GradientImage1.Horizontal());
}
