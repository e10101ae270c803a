// The icon palette: the list of icon files, the selected icon, its preview,
// and drawing it onto the base image. The palette keeps a thumbnail of each
// icon; the selected one is read at full size for the preview and drawing.

#include "core/images/ImageFiles.h"
#include "core/support/ProgramFolders.h"
#include "core/support/StrLib.h"
#include "rendering/Canvas.h"
#include "ui/model/form/MainForm.h"
#include "ui/model/form/TransparentBitmap.h"
#include "ui/model/language/FormatText.h"
#include "ui/model/lists/IconList.h"
#include "ui/model/lists/IconPictures.h"

namespace kestrova {

namespace {

// Thumbnail size by the RGBullets item: natural (0), 64 or 32 pixels.
int ThumbnailSize(int item) {
  if (item == 1) return 64;
  if (item == 2) return 32;
  return 0;
}

void ReportIconTooLarge(const std::string& fileName, TSize size) {
  ShowMessageOrLog(FormatText(Lang(LangMessages[lmIconTooLarge]),
                              {IconSizeText(size), IconSizeText({kMaxIconSide, kMaxIconSide}), fileName}),
                   mtError, mbOK);
}

}  // namespace

void TForm1::BuildBulletPalette() {
  SB1.RemoveImagesIf([](const TImage&) { return true; });
  const int size = ThumbnailSize(RGBullets.ItemIndex());
  const int perRow = size > 0 ? SB1.Width() / size : 0;
  const std::string folder = IconListFolder();
  int left = 2, top = 2, column = 1;
  for (std::size_t i = 0; i < BulletList.size(); ++i) {
    // An icon too large to use gets no cell, like one that cannot be read.
    TIconPicture icon = LoadIconPicture(ResolveIconEntry(BulletList[i], folder));
    if (icon.result != TIconLoad::Loaded) continue;
    if (size > 0 && i > 0) {
      ++column;
      left += 2 + size;
      if (column > perRow) {
        column = 1;
        left = 2;
        top += 2 + size;
      }
    }
    const int index = static_cast<int>(i);
    TImage& image = SB1.AddImage("BUL" + std::to_string(index));
    image.SetTag(index);
    image.SetHint(std::to_string(icon.size.cx) + "x" + std::to_string(icon.size.cy) + "\r\n" + BulletList[i]);
    image.SetShowHint(true);
    if (size > 0) {
      image.SetStretch(true);
      image.SetBounds(left, top, size, size);
      image.SetPicture(IconThumbnail(std::move(icon.picture), size));
    } else {
      image.SetAutoSize(true);
      image.SetBounds(left, top, 0, 0);
      image.SetPicture(std::move(icon.picture));
      top += 2 + image.Height();
    }
  }
}

void TForm1::BitBtn1Click(const std::vector<std::string>& chosenFiles) {
  for (const std::string& file : chosenFiles) {
    TSize size;
    if (IconTooLargeToUse(file, size)) {
      ReportIconTooLarge(file, size);
      continue;
    }
    AddBullet(file);
  }
  BuildBulletPalette();
}

void TForm1::BitBtn2Click() {
  if (BulletIndex <= -1) return;
  const std::string entry =
      BulletIndex < static_cast<int>(BulletList.size()) ? BulletList[static_cast<std::size_t>(BulletIndex)] : "";
  const std::string question = Lang(LangMessages[lmRemoveIcon]) + "\r\n" + entry;
  if (ShowMessageOrLog(question, mtConfirmation, mbYes | mbNo) != mrYes) return;
  RemoveBullet(BulletIndex);
  BuildBulletPalette();
  BulletIndex = -1;
  ShowSelectedBullet();
}

void TForm1::LoadBulletList() { ReadIconList(IconListFileForReading(), BulletList); }

bool TForm1::SaveBulletList(std::string* reason) {
  return EnsureWritableFolder(reason) && WriteIconList(IconListFileName(), BulletList, reason);
}

void TForm1::AddBullet(const std::string& fileName) {
  if (TrimControls(fileName).empty()) return;
  BulletList.push_back(IconEntryFor(fileName, IconListFolder()));
}

void TForm1::RemoveBullet(int index) {
  if (index >= 0 && index < static_cast<int>(BulletList.size())) {
    BulletList.erase(BulletList.begin() + index);
  }
}

TImage* TForm1::FindBulletImage(int tag) {
  TImage* found = nullptr;
  for (int i = 0; i < SB1.ImageCount(); ++i) {
    if (SB1.Image(i).Tag() == tag) found = &SB1.Image(i);
  }
  return found;
}

void TForm1::BulletImageClick(const TImage& image) {
  BulletIndex = image.Tag();
  ShowSelectedBullet();
}

void TForm1::ShowSelectedBullet() {
  if (BulletIndex == -1) {
    ImageIcnPrev.ClearPicture();
    return;
  }
  ImageIcnPrev.SetPicture(FindBulletImage(BulletIndex) != nullptr ? SelectedBulletPicture() : Bitmap());
}

Bitmap TForm1::SelectedBulletPicture() {
  if (BulletIndex < 0 || BulletIndex >= static_cast<int>(BulletList.size())) return {};
  const std::string file = ResolveIconEntry(BulletList[static_cast<std::size_t>(BulletIndex)], IconListFolder());
  TIconPicture icon = LoadIconPicture(file);
  // The file may have changed since the palette was built.
  if (icon.result == TIconLoad::TooLarge) ReportIconTooLarge(file, icon.size);
  return std::move(icon.picture);
}

void TForm1::UseSelectedBullet() {
  if (BulletIndex == -1) return;
  // The preview holds the selected icon at full size.
  if (FindBulletImage(BulletIndex) != nullptr) {
    DrawBullet(ImageIcnPrev.Picture(), ImageBase.Picture());
    ImageBase.PictureChanged();
  }
}

void TForm1::BitBtnClrIcnClick() {
  BulletIndex = -1;
  ShowSelectedBullet();
}

void TForm1::DrawBullet(const Bitmap& icon, Bitmap& target) {
  if (icon.Empty() || target.Empty()) return;
  const int x = RxSpinEditGlyphX.Value(), y = RxSpinEditGlyphY.Value();
  const int w = RxSpinEditGlyphW.Value(), h = RxSpinEditGlyphH.Value();
  const TRect whole{0, 0, icon.Width(), icon.Height()};
  TCanvas canvas(target);
  if (!cbIcoTRans.Checked()) {
    canvas.CopyRect(TRect{x, y, x + w, y + h}, icon, whole);
    return;
  }
  if (w <= 0 || h <= 0) return;
  Bitmap scaled(w, h, PixelFormat::pf24bit);
  TCanvas(scaled).CopyRect(TRect{0, 0, w, h}, icon, whole);
  DrawTransparentBitmap(canvas, x, y, scaled, ColorBitBtnIcoTrans.GlyphColor(), 0xFFFFFF);
}

}  // namespace kestrova
