#include "core/generation/TestPages.h"

#include "core/generation/HtmlEscaping.h"
#include "core/support/StrLib.h"

namespace kestrova {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kTableTag = R"(<TABLE BORDER="0" CELLSPACING="0" CELLPADDING="0">)";

// How the cells are put into rows: 0 a row each, 1 one row, 2 rows of `columns`.
struct TableShape {
  int layout = 0;
  int columns = 1;
};

TableShape ShapeOf(const TPageInput& input) {
  TableShape shape = input.joinMode == 2 ? TableShape{input.imageLayout, input.imageColumns}
                                         : TableShape{input.buttonLayout, input.buttonColumns};
  if (shape.columns < 1) shape.columns = 1;
  return shape;
}

std::string RowOpening(const TableShape& shape, long long i) {
  const bool opens = shape.layout == 0 || (shape.layout == 2 && i % shape.columns == 0);
  return opens ? "<TR>\r\n" : "";
}

std::string RowClosing(const TableShape& shape, long long i) {
  const bool closes = shape.layout == 0 || (shape.layout == 2 && i % shape.columns == shape.columns - 1);
  return closes ? "</TR>\r\n" : "";
}

// Line `index` of the captions; empty beyond the end.
std::string_view CaptionLine(const TPageInput& input, long long index) {
  if (index < 0 || index >= static_cast<long long>(input.captionLines.size())) return {};
  return input.captionLines[static_cast<std::size_t>(index)];
}

// The caption the test page links image i to.
std::string TestPageCaption(const TPageInput& input, long long i) {
  const long long rows = input.rowsPerButton;
  switch (input.joinMode) {
    case 1: return "allinone";
    case 2: return std::string(CaptionLine(input, rows * input.buttonsPerImage * i));
    default: return std::string(CaptionLine(input, rows * i));
  }
}

std::string PageLink(std::string_view caption) { return LowerAscii(caption) + ".html"; }

void WriteMapAreas(const TPageInput& input, long long i, const PageSink& out) {
  const long long slots = input.joinMode == 1 ? input.buttonCount : input.buttonsPerImage;
  for (long long j = 0; j < slots; ++j) {
    const std::string_view line = CaptionLine(input, (input.buttonsPerImage * i + j) * input.rowsPerButton);
    if (line.empty()) continue;
    const std::string coords = j < static_cast<long long>(input.mapRects.size())
                                   ? input.mapRects[static_cast<std::size_t>(j)]
                                   : std::string("0,0,0,0");
    out(HTMLArea(coords, PageLink(line), line));
    out(kLineEnd);
  }
}

std::string MapImage(const TPageImage& image, long long i) {
  const std::string n = std::to_string(i);
  return "<img src=\"" + HtmlText(image.fileName) + "\" alt=\"" + HtmlText(image.hint) + "\" width=\"" + std::to_string(image.width) +
         "\" height=\"" + std::to_string(image.height) + "\" usemap=\"#kestro" + n + "\"/>";
}

std::string TextOf(void (*write)(const TPageInput&, const PageSink&), const TPageInput& input) {
  std::string text;
  write(input, [&text](std::string_view piece) { text.append(piece); });
  return text;
}

}  // namespace

std::string HTMLHeader() {
  return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\r\n"
         "<HTML>\r\n"
         "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">\r\n"
         "<BODY TEXT=\"#FFFFFF\" BGCOLOR=\"#000000\">\r\n";
}

std::string HTMLLinkImg(std::string_view href, std::string_view src, std::string_view alt, int width, int height) {
  std::string line = "<a href=\"";
  line.append(HtmlLinkTarget(href)).append("\"><img src=\"").append(HtmlText(src));
  line.append("\" border=\"0\" width=\"").append(std::to_string(width));
  line.append("\" height=\"").append(std::to_string(height));
  line.append("\" alt=\"").append(HtmlText(alt)).append("\"></a>");
  return line;
}

std::string HTMLArea(std::string_view coords, std::string_view href, std::string_view alt) {
  std::string line = "<area shape=\"rect\" coords=\"";
  line.append(HtmlText(coords)).append("\" href=\"").append(HtmlLinkTarget(href));
  line.append("\" alt=\"").append(HtmlText(alt)).append("\"/>");
  return line;
}

void SetPageImages(TPageInput& input, std::vector<TPageImage> images) {
  input.imageCount = static_cast<int>(images.size());
  input.image = [held = std::move(images)](int i) { return held[static_cast<std::size_t>(i)]; };
}

void WriteTestPage(const TPageInput& input, const PageSink& out) {
  const TableShape shape = ShapeOf(input);
  out(HTMLHeader());
  out("<H2>Kestrova - test HTML: " + HtmlText(input.projectFile) + "</H2>\r\n");
  out(kTableTag);
  out(kLineEnd);
  if (shape.layout == 1) out("<TR>\r\n");
  for (int i = 0; i < input.imageCount; ++i) {
    const TPageImage image = input.image(i);
    const std::string caption = TestPageCaption(input, i);
    out(RowOpening(shape, i));
    out(" <TD>\r\n  ");
    out(HTMLLinkImg(PageLink(caption), image.fileName, caption, image.width, image.height));
    out("\r\n </TD>\r\n");
    out(RowClosing(shape, i));
  }
  if (shape.layout == 1) out("</TR>\r\n");
  out("</TABLE>\r\n</BODY>\r\n</HTML>\r\n");
}

void WriteMapPage(const TPageInput& input, const PageSink& out) {
  const TableShape shape = ShapeOf(input);
  const bool inTable = input.joinMode == 2;
  out(HTMLHeader());
  out("<H2>Kestrova - test HTML (map): " + HtmlText(input.projectFile) + "</H2>\r\n\r\n");
  if (inTable) {
    out(kTableTag);
    out("\r\n\r\n");
  }
  if (shape.layout == 1) out("<TR>\r\n");
  for (int i = 0; i < input.imageCount; ++i) {
    const std::string n = std::to_string(i);
    out(RowOpening(shape, i));
    out("<map name=\"kestro" + n + "\" id=\"kestro" + n + "\">\r\n");
    WriteMapAreas(input, i, out);
    out("</map>\r\n\r\n <TD>\r\n");
    out(MapImage(input.image(i), i) + "\r\n\r\n");
    out(" </TD>\r\n");
    out(RowClosing(shape, i));
  }
  if (shape.layout == 1) out("</TR>\r\n");
  if (inTable) out("</TABLE>\r\n\r\n");
  out("</BODY>\r\n</HTML>\r\n");
}

std::string BuildTestPage(const TPageInput& input) { return TextOf(WriteTestPage, input); }

std::string BuildMapPage(const TPageInput& input) { return TextOf(WriteMapPage, input); }

}  // namespace kestrova
