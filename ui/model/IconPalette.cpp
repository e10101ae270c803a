// The icon palette: the list of icon files, the selected icon, its preview,
// and drawing it onto the base image.

#include "core/ProgramFolders.h"
#include "core/StrLib.h"
#include "rendering/Canvas.h"
#include "ui/model/IconList.h"
#include "ui/model/MainForm.h"
#include "ui/model/TransparentBitmap.h"

namespace kestrova {

void TForm1::LoadBulletList() { ReadIconList(IconListFileName(), BulletList); }

bool TForm1::SaveBulletList() {
  EnsureWritableFolder();
  return WriteIconList(IconListFileName(), BulletList);
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
  const TImage* image = FindBulletImage(BulletIndex);
  ImageIcnPrev.SetPicture(image != nullptr ? image->Picture() : Bitmap());
}

void TForm1::UseSelectedBullet() {
  if (BulletIndex == -1) return;
  if (const TImage* image = FindBulletImage(BulletIndex)) {
    DrawBullet(image->Picture(), ImageBase.Picture());
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
