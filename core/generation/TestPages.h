#pragma once
// The test HTML pages written beside the saved images: the test page (every
// image as a linked table cell) and the image-map page (every joined image with
// a client-side map of its buttons). Both are texts with CR LF line ends,
// handed out a piece at a time, so that the page of many images is never held
// whole. Every text taken from a caption or a file name is escaped
// (HtmlText), every link target is kept inside the page's folder
// (HtmlLinkTarget).

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/support/TextLines.h"

namespace kestrova {

// One saved image as the pages show it.
struct TPageImage {
  std::string fileName;  // the name it was saved under
  std::string hint;      // the preview's caption text
  int width = 0;
  int height = 0;
};

// What the pages are built from, as the window holds it.
struct TPageInput {
  std::string projectFile;                // shown in the heading; may be empty
  int joinMode = 0;                       // 0 one image per button, 1 all in one, 2 N per image
  int buttonLayout = 0;                   // layout of single buttons: 0 column, 1 row, 2 grid
  int buttonColumns = 1;                  // grid columns of single buttons
  int imageLayout = 0;                    // layout of the N-per-image images
  int imageColumns = 1;                   // grid columns of the N-per-image images
  int rowsPerButton = 1;                  // caption lines per button
  int buttonsPerImage = 2;                // N
  int buttonCount = 0;                    // buttons of the whole run
  TextLines captionLines;                 // the caption text's lines
  int imageCount = 0;                     // the saved images, in order:
  std::function<TPageImage(int)> image;   // image i, made when the page asks for it
  std::vector<std::string> mapRects;      // "left,top,right,bottom" per placed button
};

// Sets the input's images to a list held in memory.
void SetPageImages(TPageInput& input, std::vector<TPageImage> images);

// Where a page goes, a piece at a time.
using PageSink = std::function<void(std::string_view)>;

// The page head: document type, <HTML>, the character-set line and the body tag.
std::string HTMLHeader();
// One linked image and one map area; the texts given are escaped here.
std::string HTMLLinkImg(std::string_view href, std::string_view src, std::string_view alt, int width, int height);
std::string HTMLArea(std::string_view coords, std::string_view href, std::string_view alt);

void WriteTestPage(const TPageInput& input, const PageSink& out);
void WriteMapPage(const TPageInput& input, const PageSink& out);
// The same pages as one text.
std::string BuildTestPage(const TPageInput& input);
std::string BuildMapPage(const TPageInput& input);

}  // namespace kestrova
