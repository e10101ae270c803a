// The window on the screen's available area, whatever the window store holds,
// at the scale factor the tests run with (ctest runs these at 1, 1.5 and 2 on
// an offscreen screen of 1600 x 1000 pixels).

#include <gtest/gtest.h>

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <cmath>
#include <filesystem>
#include <string>

#include "tests/support/TestFiles.h"
#include "tests/ui/qt/OnScreen.h"
#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/qt/window/StoredLayout.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

void WriteWindowStore(const ProgramFolderSandbox& sandbox, const std::string& values) {
  std::filesystem::create_directories(sandbox.Writable(""));
  WriteBytes(sandbox.Writable("kestrova-ui.ini"), "[TForm1]\r\nFormVersion=0\r\n" + values);
}

}  // namespace

TEST(WindowOnScreen, TheFirstWindowKeepsItsSizeWhereItFitsAndShrinksWhereNot) {
  ProgramFolderSandbox sandbox;
  TestWindow w;
  EXPECT_TRUE(OnScreen(*w.window));
  const QRect area = w.window->screen()->availableGeometry();
  const QSize frame = w.window->frameGeometry().size() - w.window->size();
  const QSize expected = QSize(qt::kDefaultWindowWidth, qt::kDefaultWindowHeight).boundedTo(area.size() - frame);
  // (at a fractional scale less a pixel that would end past the screen's last
  // one, and a pixel on each side of the frame, which the manager tells rounded)
  EXPECT_GE(w.window->width(), expected.width() - 3);
  EXPECT_GE(w.window->height(), expected.height() - 3);
  // The option pages keep their whole width beside the captions and the output.
  auto* pages = w.Find<QScrollArea>("PanelCtlArea");
  ASSERT_NE(pages, nullptr);
  EXPECT_FALSE(pages->horizontalScrollBar()->isVisible());
}

// Hand-made window stores with numbers no window of ours would have written.
TEST(WindowOnScreen, AnyStoredPlacementComesOntoTheScreen) {
  const char* placements[] = {
      "NormPos=-2147483648,-2147483648,2147483647,2147483647\r\n",
      "NormPos=2147483647,2147483647,-2147483648,-2147483648\r\n",
      "NormPos=0,0,30000,30000\r\n",
      "NormPos=32767,32767,33767,33467\r\n",
      "NormPos=-32768,-32768,-31768,-32068\r\n",
      "NormPos=2147483000,2147483000,2147483647,2147483647\r\n",
      "NormPos=-2147483648,-2147483648,-2147483000,-2147483000\r\nShowCmd=3\r\n",
  };
  for (const char* placement : placements) {
    ProgramFolderSandbox sandbox;
    WriteWindowStore(sandbox, placement);
    TestWindow w;
    EXPECT_TRUE(OnScreen(*w.window)) << placement;
  }
}

TEST(WindowOnScreen, AStoredPlacementOnTheScreenComesBackAsItWas) {
  ProgramFolderSandbox sandbox;
  WriteWindowStore(sandbox, "NormPos=20,30,620,430\r\nShowCmd=1\r\n");
  TestWindow w;
  EXPECT_EQ(w.window->geometry(), QRect(20, 30, 600, 400));
}

TEST(WindowOnScreen, AWindowSmallerThanTheOptionPagesScrollsThem) {
  TestWindow w;
  // Well below the 800 x 500 that a screen of 1600 x 1000 at scale 2 leaves.
  const QSize small(480, 360);
  EXPECT_LE(w.window->minimumSizeHint().width(), small.width());
  EXPECT_LE(w.window->minimumSizeHint().height(), small.height());
  w.window->resize(small);
  QCoreApplication::processEvents();
  ASSERT_EQ(w.window->size(), small);
  auto* area = w.Find<QScrollArea>("PanelCtlArea");
  auto* pages = w.Find<QTabWidget>("PageControl1");
  ASSERT_NE(area, nullptr);
  // The pages keep their size: the area shows a part of them and scrolls to the rest.
  EXPECT_EQ(pages->size(), QSize(qt::kPanelMainWidth, 415));
  EXPECT_LT(area->viewport()->height(), w.Find<QWidget>("PanelCtl")->height());
  EXPECT_TRUE(area->verticalScrollBar()->isVisible());
  EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
  area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
  area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
  const QRect shown = QRect(pages->mapTo(area->viewport(), QPoint(0, 0)), pages->size());
  EXPECT_LE(shown.bottom(), area->viewport()->height() - 1);
  EXPECT_LE(shown.right(), area->viewport()->width() - 1);
  // A window large enough again shows the pages whole.
  w.window->resize(qt::kDefaultWindowWidth, qt::kDefaultWindowHeight);
  QCoreApplication::processEvents();
  EXPECT_FALSE(area->verticalScrollBar()->isVisible());
}
