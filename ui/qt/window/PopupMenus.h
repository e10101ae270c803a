#pragma once
// The window's two pop-up menus, bound to their items of the model:
// PopupMenuImg on the base image and its scroll box (open and save the base
// image, copy it to the clipboard) and BtnOnPopup on every preview of the
// output panel (copy that preview). A copy puts the bitmap on the clipboard
// as an image, without loss, and beside it as a GIF file made with the GIF
// output options; a failure is ignored.

#include <QMenu>
#include <QObject>
#include <QPoint>
#include <string>

#include "core/images/ImageFiles.h"
#include "rendering/Bitmap.h"
#include "ui/model/form/MainForm.h"

namespace kestrova::qt {

class PopupMenus : public QObject {
 public:
  PopupMenus(TForm1& form, QWidget* window);

  QMenu* ImageMenu() const { return imageMenu_; }
  QMenu* ButtonMenu() const { return buttonMenu_; }

  // A request for a context menu on the widget opens PopupMenuImg.
  void AttachImageMenu(QWidget* widget);
  // Opens PopupMenuImg at the point of the screen.
  void PopupOnBaseImage(const QPoint& globalPos);
  // Opens the preview's pop-up menu (when it has one) at the point of the screen.
  void PopupOnPreview(const TImage& preview, const QPoint& globalPos);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CopyPreview();

  TForm1& form_;
  QMenu* imageMenu_;
  QMenu* buttonMenu_;
  // The preview BtnOnPopup was opened on last (found again by name when its item runs).
  std::string previewName_;
};

// Puts the bitmap on the clipboard as an image and, made with the options'
// GIF colour reduction, dithering and compression, as a GIF file (under
// kGIFClipboardFormat; left out when the bitmap makes no GIF). An empty
// bitmap puts nothing.
void CopyToClipboard(const Bitmap& bitmap, const ImageWriteOptions& gifOptions);

}  // namespace kestrova::qt
