#pragma once
// The image-processing dialog: resizes a working copy of the main window's
// base image. Each resize is drawn afresh from the base image, so repeated
// resizes lose nothing; Use puts the working copy in place of the base image,
// Close drops it. Made once when the program starts and kept for the whole run.

#include "rendering/Bitmap.h"
#include "ui/model/controls/Button.h"
#include "ui/model/controls/Image.h"
#include "ui/model/controls/Label.h"
#include "ui/model/controls/SpinEdit.h"
#include "ui/model/controls/StatusBar.h"
#include "ui/model/dialogs/DialogForm.h"
#include "ui/model/form/MainForm.h"

namespace kestrova {

class TProcessForm : public TDialogForm {
 public:
  explicit TProcessForm(TForm1& form);
  TProcessForm(const TProcessForm&) = delete;
  TProcessForm& operator=(const TProcessForm&) = delete;

  TPanel Panel1{this, "Panel1", "ProcessForm"};
  TLabel Label2{this, "Label2", "Panel1"};
  TRxSpinEdit RxSpinEditRX{this, "RxSpinEditRX", "Panel1"};
  TRxSpinEdit RxSpinEditRY{this, "RxSpinEditRY", "Panel1"};
  TButton BitBtnResize{this, "BitBtnResize", "Panel1"};
  TButton BitBtnU{this, "BitBtnU", "Panel1"};
  TButton BitBtnC{this, "BitBtnC", "Panel1"};
  TPanel ScrollBox1{this, "ScrollBox1", "ProcessForm"};
  // The working copy; it sizes itself to its picture.
  TImage Img1{this, "Img1", "ScrollBox1"};
  TStatusBar StatusBar1{this, "StatusBar1", "ProcessForm", 1};

  // Each showing: texts in the current language, a fresh copy of the base
  // image, its size in the spin edits, the status line.
  void FormShow();
  // The status line: the image information of the working copy.
  void UpdateProcessStatus();
  // Resizes the working copy to the spin edits' size, drawn from the base
  // image. A size the bitmap cannot have is reported; nothing changes then.
  void BitBtnResizeClick();
  // Puts the working copy in place of the base image and closes.
  void BitBtnUClick();
  // Closes; the base image stays as it was.
  void BitBtnCClick();

 private:
  TForm1& form_;
};

// The new size's limits in each direction.
inline constexpr int kProcessMinSize = 1;
inline constexpr int kProcessMaxSize = 32768;

// `source` stretched onto a new bitmap of width x height in the source's pixel
// format and palette (an empty source gives a white bitmap). Throws
// BitmapError when that size cannot be held.
Bitmap StretchedCopy(const Bitmap& source, int width, int height);

}  // namespace kestrova
