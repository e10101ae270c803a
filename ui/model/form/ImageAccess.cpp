// The window's base image and output options as the image readers and
// writers take them.

#include "ui/model/form/MainForm.h"

namespace kestrova {

BaseImageHost TForm1::BaseImage() {
  BaseImageHost host;
  host.image = &ImageBase.Picture();
  host.settings = &CurrentSettings;
  host.updateImageInfo = [this] {
    ImageBase.PictureChanged();
    UpdateImageInfo();
  };
  return host;
}

ImageWriteOptions TForm1::WriteOptions() const {
  ImageWriteOptions options;
  options.gifColorReduction = ComboGIFRC.ItemIndex();
  options.gifDither = ComboGIFDTR.ItemIndex();
  options.gifCompression = ComboGIFCompr.ItemIndex();
  options.jpegQuality = RxSliderJPG.Value();
  options.pngCompressionLevel = RxSpinEditPNGLevel.Value();
  options.pngTransparent = cbPNGTransp.Checked();
  options.pngTransparentColor = ColorBitBtnPNGTr.GlyphColor();
  return options;
}

}  // namespace kestrova
