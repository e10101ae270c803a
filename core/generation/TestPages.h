#pragma once
// The test HTML pages written beside the saved images: the test page (every
// image as a linked table cell) and the image-map page (every joined image with
// a client-side map of its buttons). Both are built as one text with CR LF
// line ends. Every text taken from a caption or a file name is escaped
// (HtmlText), every link target is kept inside the page's folder
// (HtmlLinkTarget).

#include <string>
#include <string_view>
#include <vector>

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
  std::vector<std::string> captionLines;  // the caption text's lines
  std::vector<TPageImage> images;         // the saved images in order
  std::vector<std::string> mapRects;      // "left,top,right,bottom" per placed button
};

// The page head: document type, <HTML>, the character-set line and the body tag.
std::string HTMLHeader();
// One linked image and one map area; the texts given are escaped here.
std::string HTMLLinkImg(std::string_view href, std::string_view src, std::string_view alt, int width, int height);
std::string HTMLArea(std::string_view coords, std::string_view href, std::string_view alt);

std::string BuildTestPage(const TPageInput& input);
std::string BuildMapPage(const TPageInput& input);

}  // namespace kestrova
