#pragma once
// Reading pictures into bitmaps and writing bitmaps, the kind of file chosen by
// the name's extension (upper-cased; trimmed when reading):
//
//   extension        reading            SaveBaseImage writes
//   .GIF             LoadGif            SaveGif
//   .PNG             PNG                SavePng
//   .JPG             JPEG               SaveJpeg
//   .JPEG, .JPE      JPEG               Windows bitmap
//   .EMF, .WMF       metafile, drawn    Windows bitmap
//   anything else    Windows bitmap     Windows bitmap
//
// Every reader and the three format writers clear the error text first and,
// on failure, return false with the error's message in it. A reader changes
// its target only when the whole picture was read. A reader takes from the
// file its header first and then only what the header says the picture
// needs: a file whose first bytes show that it is not of the kind its name
// chooses, or whose header asks for more than the file holds, is refused
// without the rest of it being read.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/SettingsRecord.h"
#include "core/images/PictureFormats.h"
#include "core/support/FileAccess.h"
#include "rendering/Bitmap.h"
#include "rendering/Color.h"
#include "rendering/Geometry.h"
#include "rendering/Settings.h"

namespace kestrova {

class TGIFImage;

// The output options the main window's controls hold.
struct ImageWriteOptions {
  int gifColorReduction = 7;       // ComboGIFRC item index; -1 when nothing is selected
  int gifDither = 0;               // ComboGIFDTR item index
  int gifCompression = 0;          // ComboGIFCompr item index; 1 is RLE
  int jpegQuality = 100;           // RxSliderJPG, 1..100
  int pngCompressionLevel = 0;     // RxSpinEditPNGLevel, 0..9
  bool pngTransparent = false;     // cbPNGTransp
  TColor pngTransparentColor = 0;  // the colour of ColorBitBtnPNGTr
};

// The options as the settings record holds them (each control mirrors one field).
ImageWriteOptions ImageWriteOptionsOf(const TSettings& settings);

// The reader for a file name: its extension trimmed and upper-cased.
PictureKind PictureKindForReading(std::string_view fileName);
// The writer SaveBaseImage uses: GIF, PNG and JPEG for ".GIF", ".PNG", ".JPG"
// exactly (upper-cased, not trimmed), a Windows bitmap for every other name.
PictureKind PictureKindForSaving(std::string_view fileName);

// The base-image writer's message box: type error, one OK button. It always
// shows a box (it runs only from the window); without one set, the text goes
// where ShowMessageOrLog sends it.
void ShowErrorBox(const std::string& text);
// A warning about a picture read (a message box, or a line of the batch log).
void ShowWarningMessage(const std::string& text);

// What the base-image reader and writer need of the main window.
struct BaseImageHost {
  Bitmap* image = nullptr;                 // the bitmap of ImageBase
  TSettings* settings = &CurrentSettings;  // its image_file follows the base image
  // UpdateImageInfo: refreshes the base-image information label. May be empty.
  std::function<void()> updateImageInfo;
  // Shows a message box of the error type with an OK button. May be empty.
  std::function<void(const std::string& text)> showErrorBox = ShowErrorBox;
  // Tells the user of a base image read with a warning. May be empty.
  std::function<void(const std::string& text)> showWarning = ShowWarningMessage;
  // The language table's "Error saving".
  std::string errorSavingText = "Error saving";
};

// Reads the file into the base image; on success image_file := fileName. Then,
// whatever happened, the information label is refreshed; last, a picture read
// with a warning (a metafile drawn without some of its records) is reported
// through showWarning as the file name, ": " and the warning.
bool LoadBaseImage(BaseImageHost& host, const std::string& fileName, std::string& errorText);

// Reads the file into the given bitmap; false at once (error text untouched)
// when there is none. Neither image_file nor the information label changes.
// A metafile gives the bitmap the metafile's size; the image control showing
// the bitmap takes that size from it. The reader's warning about a picture it
// read (PictureFormat::decode) goes to `warningText` when given, which is
// cleared first.
bool LoadPictureInto(const std::string& fileName, Bitmap* image, std::string& errorText,
                     std::string* warningText = nullptr);

// The width and height of the picture in the file, read from its header alone
// (the reader chosen as for LoadPictureInto), so that a picture too large for
// a purpose can be refused before memory is taken for it. A GIF file gives its
// logical screen: 0 x 0 when that has no size. False with the error's message
// when the file cannot be read or its header is not one of its kind.
bool ReadPictureSize(const std::string& fileName, TSize& size, std::string& errorText);
// Both from one reading of the file: the size as ReadPictureSize gives it
// and, only when `wanted` takes that size, the picture into `image` as
// LoadPictureInto reads it. False with the error's message when the size or
// the wanted picture cannot be read (`image` unchanged).
bool LoadPictureOfWantedSize(const std::string& fileName, const std::function<bool(TSize)>& wanted, TSize& size,
                             Bitmap& image, std::string& errorText);

// Reads a GIF file and puts its first frame, as a bitmap, into the target;
// false when no target is given, and ("GIF file contains no image") when the
// file holds no picture.
bool LoadGif(const std::string& fileName, Bitmap* target, std::string& errorText);

// Writers of one bitmap with the window's output options; false when no bitmap
// is given. The file is written only once the whole picture was encoded.
//
// SaveGif first sets the GIF unit's default colour reduction from the option
// (SetGifDefaults) and leaves it so: every GIF image created later starts with
// it.
bool SaveGif(const std::string& fileName, const Bitmap* bitmap, const ImageWriteOptions& options,
             std::string& errorText);
// The GIF unit's default colour reduction := the one the options select
// (ColorReductionForIndex).
void SetGifDefaults(const ImageWriteOptions& options);
// The bitmap becomes the one frame of the GIF image, made with the GIF
// options as SaveGif makes it (without setting the unit's default).
void AssignGif(TGIFImage& gif, const Bitmap& bitmap, const ImageWriteOptions& options);
// A Windows bitmap file in the bitmap's own pixel format (no options).
bool SaveBmp(const std::string& fileName, const Bitmap* bitmap, std::string& errorText);
bool SaveJpeg(const std::string& fileName, const Bitmap* bitmap, const ImageWriteOptions& options,
              std::string& errorText);
bool SavePng(const std::string& fileName, const Bitmap* bitmap, const ImageWriteOptions& options,
             std::string& errorText);

// The writers in steps, for saving many pictures: encoding, which changes no
// shared state (the GIF colour reduction comes from the options, not from the
// unit's default), and staging the file (StagedFile), both of which may run
// on several threads at once, then writing the file, which gives it its name.
// For a Gif, Jpeg, Png or WindowsBitmap kind they give the file and the error
// text of SaveGif, SaveJpeg, SavePng or SaveBmp; only SaveGif's setting of
// the default is left to the caller.
struct EncodedPicture {
  bool ok = false;
  std::vector<std::uint8_t> bytes;  // the whole file, until it is staged
  std::string errorText;            // why encoding failed
  std::optional<StagedFile> staged;
};
EncodedPicture EncodePicture(PictureKind kind, const Bitmap& bitmap, const ImageWriteOptions& options);
// Writes the encoded bytes of a picture ahead into the folder of its file,
// to be named there by WriteEncodedPicture (StagedFile), as one of the files
// of `area` when one is given; nothing happens to a picture that could not
// be encoded.
void StageEncodedPicture(const std::string& fileName, EncodedPicture& picture, LinkAtName link = LinkAtName::Follow,
                         StagingArea* area = nullptr);
// Writes the encoded file (the one staged, when it was); false with the error
// text of encoding or writing. `link` tells what happens to a symbolic link
// at the name (WriteFileAtomically); a staged picture was told at staging.
bool WriteEncodedPicture(const std::string& fileName, EncodedPicture picture, std::string& errorText,
                         LinkAtName link = LinkAtName::Follow);

// Writes the base image by the name's extension and reports errors itself in
// message boxes. A Windows bitmap written becomes the base-image file
// (image_file := fileName); GIF, JPEG and PNG copies leave image_file alone.
void SaveBaseImage(BaseImageHost& host, const ImageWriteOptions& options, const std::string& fileName);

}  // namespace kestrova
