// A copy to the clipboard offers the picture as a GIF file beside the image.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

#include "gif/GIFException.h"
#include "gif/GIFFormat.h"
#include "gif/GIFImage.h"
#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/qt/widgets/QtText.h"
#include "ui/qt/window/MimeDataClipboard.h"
#include "ui/qt/window/PopupMenus.h"

using namespace kestrova;
using kestrova::test::TestWindow;

namespace {

// The GIF file the clipboard holds, read back.
std::unique_ptr<TGIFImage> GifOnClipboard() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasFormat(kGIFClipboardFormat)) return nullptr;
  auto gif = std::make_unique<TGIFImage>();
  gif->LoadFromClipboardFormat(qt::MimeDataClipboard(*data), kGIFClipboardFormat);
  return gif;
}

void CopyBaseImage(TestWindow& w) {
  w.window->Popups()->ImageMenu()->findChild<QAction*>("Copytoclipboard1")->trigger();
}

}  // namespace

TEST(ClipboardGif, ACopyOffersTheGifBesideTheImage) {
  Bitmap base(7, 3);
  base.Fill(0x204080);
  base.SetPixel(5, 2, 0x0000FF);
  TestWindow w;
  TForm1& form = w.Form();
  form.ImageBase.SetPicture(base);
  CopyBaseImage(w);

  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->hasImage());
  EXPECT_EQ(data->data(kGIFClipboardFormat).left(6), QByteArray("GIF87a"));
  const auto gif = GifOnClipboard();
  ASSERT_NE(gif, nullptr);
  const Bitmap* picture = gif->GetBitmap();
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Width(), 7);
  EXPECT_EQ(picture->GetPixel(0, 0), 0x204080u);
  EXPECT_EQ(picture->GetPixel(5, 2), 0x0000FFu);
  // The image itself stays the bitmap, read back through the same clipboard view.
  EXPECT_TRUE(qt::MimeDataClipboard(*data).Picture() == base);

  // The GIF is made with the GIF output options: monochrome here.
  form.ComboGIFRC.SetItemIndex(4);
  CopyBaseImage(w);
  const auto mono = GifOnClipboard();
  ASSERT_NE(mono, nullptr);
  EXPECT_EQ(mono->GetBitmap()->GetPixel(5, 2), 0u);
  EXPECT_EQ(qt::FromQColor(QApplication::clipboard()->image().pixelColor(5, 2)), 0x0000FFu);

  // A picture that makes no GIF (too many colours without reduction) goes as the image alone.
  form.ComboGIFRC.SetItemIndex(0);
  Bitmap many(300, 1);
  for (int x = 0; x < 300; ++x) many.SetPixel(x, 0, RGBColor(x % 256, x / 256, 7));
  form.ImageBase.SetPicture(many);
  CopyBaseImage(w);
  EXPECT_EQ(GifOnClipboard(), nullptr);
  EXPECT_EQ(QApplication::clipboard()->image().width(), 300);
}

TEST(ClipboardGif, APreviewsCopyOffersTheGifToo) {
  TestWindow w;
  TForm1& form = w.Form();
  form.MemoTxt.SetFont(TFont{"DejaVu Sans", 6, 0, 1, 0, 0});
  Bitmap white(40, 12);
  white.Fill(0xFFFFFF);
  form.ImageBase.SetPicture(white);
  form.MemoTxt.SetText("One\r\nTwo\r\n");
  form.Timer1Timer();
  w.window->findChild<QAction*>("Generateimages1")->trigger();
  const TImage& second = form.ScrollBox2.Image(1);
  QMenu* menu = kestrova::test::OpenPreviewMenu(w, second);
  ASSERT_TRUE(menu->isVisible());
  menu->actions()[0]->trigger();
  menu->close();
  const auto gif = GifOnClipboard();
  ASSERT_NE(gif, nullptr);
  ASSERT_NE(gif->GetBitmap(), nullptr);
  EXPECT_TRUE(gif->GetBitmap()->Converted(PixelFormat::pf24bit) == second.Picture().Converted(PixelFormat::pf24bit));
}

TEST(ClipboardGif, WhatTheClipboardHoldsRefusesNewData) {
  QMimeData held;
  TGIFImage gif;
  Bitmap one(2, 2);
  one.Fill(0xFFFFFF);
  gif.Assign(one);
  qt::MimeDataClipboard readOnly(static_cast<const QMimeData&>(held));
  try {
    gif.SaveToClipboardFormat(readOnly);
    FAIL() << "stored";
  } catch (const GIFException& e) {
    EXPECT_STREQ(e.what(), "Failed to store GIF on clipboard");
  }
  EXPECT_FALSE(held.hasFormat(kGIFClipboardFormat));
}
