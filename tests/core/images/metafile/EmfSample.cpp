#include "tests/core/images/metafile/EmfSample.h"

#include <libEMF/emf.h>

#include <cstdio>
#include <cstdlib>

namespace kestrova::testing {

std::vector<std::uint8_t> SampleEmf() {
  char* buffer = nullptr;
  size_t size = 0;
  FILE* fp = open_memstream(&buffer, &size);
  if (!fp) return {};
  RECT frame{0, 0, 5080, 2540};
  HDC dc = CreateEnhMetaFileWithFILEA(0, fp, &frame, nullptr);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  SelectObject(dc, red);
  Rectangle(dc, 10, 10, 60, 40);
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  SelectObject(dc, blue);
  SelectObject(dc, GetStockObject(NULL_PEN));
  Ellipse(dc, 80, 5, 150, 45);
  HFONT font = CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  TextOutA(dc, 20, 50, "Hi", 2);
  DeleteEnhMetaFile(CloseEnhMetaFileWithFILE(dc));
  std::fclose(fp);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

}  // namespace kestrova::testing
