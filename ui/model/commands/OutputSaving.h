#pragma once
// The output files of a generation: their names, writing them into the output
// folder with the test page, and the names list that shows what a save writes.

#include <functional>
#include <string>
#include <vector>

#include "core/generation/TestPages.h"
#include "rendering/Bitmap.h"
#include "rendering/Geometry.h"
#include "ui/model/form/MainForm.h"

namespace kestrova {

// The images a save writes, in output order.
class TOutputImages {
 public:
  virtual ~TOutputImages() = default;
  virtual int Count() const = 0;
  // The caption text the image's file name is built from.
  virtual std::string Hint(int k) const = 0;
  // The picture's size, as the pages show it.
  virtual TSize Size(int k) const = 0;
  // Hands image k's picture to `use`. Several threads call it at once, each
  // for another image.
  virtual void UsePicture(int k, const std::function<void(const Bitmap&)>& use) const = 0;
};

// The previews of the output panel.
class TPanelImages : public TOutputImages {
 public:
  explicit TPanelImages(const TForm1& form) : panel_(form.ScrollBox2) {}
  int Count() const override { return panel_.ImageCount(); }
  std::string Hint(int k) const override { return panel_.Image(k).Hint(); }
  TSize Size(int k) const override;
  void UsePicture(int k, const std::function<void(const Bitmap&)>& use) const override { use(Picture(k)); }

 private:
  const Bitmap& Picture(int k) const { return panel_.Image(k).Picture(); }
  const TScrollBox& panel_;
};

// The file name (with extension) that image k (from 0) is saved under, from
// its hint and the naming controls.
std::string OutputImageFileName(const TForm1& form, const std::string& hint, int k);

// The output folder with a trailing "/"; the current folder when the folder
// edit is empty.
std::string OutputFolder(const TForm1& form);

// Fills MemoNames with the names a save will use (from the captions as typed)
// and LCNT with the line, button and file counts.
void UpdateNamesList(TForm1& form);

// Writes every preview of the output panel into the output folder in the
// chosen format (images too large for it fail the save before anything is
// made or written: "Image too large for GIF: ..."; the folder is made first
// when "Force dirs" is on: one that cannot be made is reported once, with the
// reason, and nothing is written), then the test page or image-map page when
// asked, also when images failed (it then shows them missing). Reports each failure, each image whose file name
// an earlier image of the run has (a warning: the later file replaces the
// earlier; names are compared as the folder's file system does, so names
// that differ only in case collide on a FAT volume or an SMB share), and,
// when nothing of this happened, "OK. Files saved to: <folder>".
// Nothing happens when there are no previews. False when the folder, a file or the page
// could not be written, names collided or the format index is not one of 0..3.
// Nothing is written through a symbolic link at an output's name (in a folder
// others may write to, it could point to any of the user's files): the link
// itself gives way to the new file, and what it points to stays untouched.
bool SaveGeneratedImages(TForm1& form);

// The same for the given images. The images are encoded and written on
// WorkerThreadCount() threads, while the calling thread reports in image
// order: the files, the page and every message are those of one thread.
bool SaveImages(TForm1& form, const TOutputImages& images);

// The page builders' input: the window's settings and the images, each
// saved under OutputImageFileName; the page takes each image (and its name)
// when it comes to it, so the images must outlive the input.
TPageInput PageInput(const TForm1& form, const TOutputImages& images);
// The pages made from the previews of the output panel.
std::string BuildTestPage(const TForm1& form);
std::string BuildMapPage(const TForm1& form);

}  // namespace kestrova
