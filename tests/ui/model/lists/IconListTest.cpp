#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/support/ProgramFolders.h"
#include "tests/support/TestFiles.h"
#include "ui/model/form/MainForm.h"
#include "ui/model/lists/IconList.h"

using namespace kestrova;

TEST(IconList, LinesAreTrimmedAndEmptyLinesKept) {
  test::TempFolder dir;
  test::WriteBytes(dir / "bullets.ini", "  icons\\a.gif \t\r\n\r\n/abs/b.png\r\n");
  std::vector<std::string> list{"old"};
  ASSERT_TRUE(ReadIconList(dir / "bullets.ini", list));
  EXPECT_EQ(list, (std::vector<std::string>{"icons/a.gif", "", "/abs/b.png"}));
  EXPECT_FALSE(ReadIconList(dir / "missing.ini", list));
  EXPECT_EQ(list.size(), 3u);

  ASSERT_TRUE(WriteIconList(dir / "out.ini", list));
  EXPECT_EQ(test::ReadBytes(dir / "out.ini"), "icons/a.gif\r\n\r\n/abs/b.png\r\n");
  EXPECT_FALSE(WriteIconList(dir / "no/such/folder/out.ini", list));
}

TEST(IconList, EntriesAreRelativeToTheProgramFolderAndResolveThere) {
  const std::string folder = "/home/u/.config/kestrova/";
  EXPECT_EQ(IconEntryFor(folder + "star.gif", folder), "star.gif");
  EXPECT_EQ(IconEntryFor(folder + "icons/a.gif", folder), "icons/a.gif");
  EXPECT_EQ(ResolveIconEntry("icons/a.gif", folder), folder + "icons/a.gif");
  EXPECT_EQ(ResolveIconEntry("star.gif", folder), folder + "star.gif");
  const std::string other = IconEntryFor("/srv/art/b.png", folder);
  EXPECT_EQ(other, "../../../../srv/art/b.png");
  // Resolved in the text: the folder need not exist for ".." to lead out of it.
  EXPECT_EQ(ResolveIconEntry(other, folder), "/srv/art/b.png");
}

TEST(DrawBullet, OpaqueIconIsStretchedOntoItsRectangle) {
  TForm1 form;
  Bitmap icon(2, 2);
  icon.Fill(0x0000FF);
  Bitmap target(8, 8);
  target.Fill(0xFFFFFF);
  form.RxSpinEditGlyphX.SetValue(1);
  form.RxSpinEditGlyphY.SetValue(2);
  form.RxSpinEditGlyphW.SetValue(4);
  form.RxSpinEditGlyphH.SetValue(3);
  form.DrawBullet(icon, target);
  EXPECT_EQ(target.GetPixel(1, 2), 0x0000FFu);
  EXPECT_EQ(target.GetPixel(4, 4), 0x0000FFu);
  EXPECT_EQ(target.GetPixel(5, 4), 0xFFFFFFu);
  EXPECT_EQ(target.GetPixel(4, 5), 0xFFFFFFu);
  EXPECT_EQ(target.GetPixel(0, 2), 0xFFFFFFu);

  Bitmap untouched = target;
  form.RxSpinEditGlyphW.SetValue(0);
  form.DrawBullet(icon, target);
  EXPECT_EQ(target, untouched);
}

TEST(DrawBullet, TransparentDrawingKeysOutExactlyOneColour) {
  TForm1 form;
  Bitmap icon(3, 1);
  icon.SetPixel(0, 0, 0xFF00FF);  // the key
  icon.SetPixel(1, 0, 0xFE00FF);  // one step off in one channel
  icon.SetPixel(2, 0, 0x000000);
  Bitmap target(5, 2);
  target.Fill(0x3366CC);
  form.cbIcoTRans.SetChecked(true);
  form.ColorBitBtnIcoTrans.SetGlyphColor(0xFF00FF);
  form.RxSpinEditGlyphX.SetValue(1);
  form.RxSpinEditGlyphY.SetValue(0);
  form.RxSpinEditGlyphW.SetValue(3);
  form.RxSpinEditGlyphH.SetValue(1);
  form.DrawBullet(icon, target);
  EXPECT_EQ(target.GetPixel(0, 0), 0x3366CCu);
  EXPECT_EQ(target.GetPixel(1, 0), 0x3366CCu);
  EXPECT_EQ(target.GetPixel(2, 0), 0xFE00FFu);
  EXPECT_EQ(target.GetPixel(3, 0), 0x000000u);
  EXPECT_EQ(target.GetPixel(4, 0), 0x3366CCu);
  EXPECT_EQ(target.GetPixel(2, 1), 0x3366CCu);
}

TEST(IconList, ShippedListIsReadUntilTheUsersOwnExistsAndItsIconsResolveToTheResourceFolder) {
  test::ProgramFolderSandbox sandbox;
  ASSERT_EQ(::mkdir(sandbox.Shared("").c_str(), 0755), 0);
  ASSERT_EQ(::mkdir(sandbox.Shared("icons").c_str(), 0755), 0);
  test::WriteBytes(sandbox.Shared("bullets.ini"), "icons/dot.bmp\r\n");
  test::WriteBytes(sandbox.Shared("icons/dot.bmp"), "BM");
  EXPECT_EQ(IconListFileForReading(), sandbox.Shared("bullets.ini"));
  const std::string folder = IconListFolder();
  EXPECT_EQ(ResolveIconEntry("icons/dot.bmp", folder), sandbox.Shared("icons/dot.bmp"));
  EXPECT_EQ(ResolveIconEntry("icons/other.bmp", folder), folder + "icons/other.bmp");

  // The user's own copy of an icon wins over the shipped one, and so does the user's list.
  ASSERT_TRUE(EnsureWritableFolder());
  ASSERT_EQ(::mkdir(sandbox.Writable("icons").c_str(), 0755), 0);
  test::WriteBytes(sandbox.Writable("icons/dot.bmp"), "BM");
  EXPECT_EQ(ResolveIconEntry("icons/dot.bmp", folder), folder + "icons/dot.bmp");
  TForm1 form;
  form.LoadBulletList();
  EXPECT_EQ(form.BulletList, (std::vector<std::string>{"icons/dot.bmp"}));
  ASSERT_TRUE(form.SaveBulletList());
  test::WriteBytes(sandbox.Shared("bullets.ini"), "icons/changed.bmp\r\n");
  EXPECT_EQ(IconListFileForReading(), IconListFileName());
  form.LoadBulletList();
  EXPECT_EQ(form.BulletList, (std::vector<std::string>{"icons/dot.bmp"}));
}
