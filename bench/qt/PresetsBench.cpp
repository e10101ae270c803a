// The presets dialog on a set of a thousand presets: opening it until every
// preview in view is drawn, scrolling a page and drawing what comes into
// view, and the longest time the window goes without answering meanwhile
// (the "longest_wait_ms" counter: the largest gap between the ticks of a 1 ms
// timer). Runs offscreen unless a display platform is set, on a preset file
// in a temporary writable folder.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "bench/qt/QtBenchMain.h"
#include "core/files/PresetFiles.h"
#include "ui/qt/dialogs/PresetGrid.h"
#include "ui/qt/dialogs/PresetsDialog.h"

using namespace kestrova;

namespace {

constexpr unsigned kPresets = 1000;

// A thousand presets of every kind: gradients across and down, radial ones,
// round buttons with 3D rings, bevels and frames.
void WritePresetSet(const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  for (unsigned i = 1; i <= kPresets; ++i) {
    const bool round = i % 3 == 0;
    out << "[preset" << i << "]\r\n"
        << "BNX=" << i % 5 << "\r\nBNY=" << i % 4 << "\r\nBNOpacity=" << (i * 7) % 100 << "\r\n"
        << "BNColorBG=16777215\r\nBNColorFG=" << (i * 2654435u) % 16777216u << "\r\nBNColorBL=0\r\n"
        << "BNColorTR=16777215\r\nMyblack=3158064\r\nMywhite=15724527\r\n"
        << "Angle=" << (i * 45) % 360 << "\r\nExtRadius=0\r\nroundmargin=" << i % 3 << "\r\nsmooth=" << i % 2 << "\r\n"
        << "Round3DLike=" << (i % 2) << "\r\nRoundBtn=" << (round ? 1 : 0) << "\r\n"
        << "FrameOn=" << (i % 2) << "\r\nFrameColor=" << (i * 40503u) % 16777216u << "\r\nFrameWidth=" << 1 + i % 3
        << "\r\nFrameRound=" << (i % 4 == 0 ? 1 : 0) << "\r\nFrameMargin=0\r\nFrameRX=6\r\nFrameRY=6\r\n"
        << "gradient=1\r\nhorizontal=" << (i % 2) << "\r\ntwoonly=" << (i % 5 == 0 ? 1 : 0) << "\r\n"
        << "gc1=" << (i * 97531u) % 16777216u << "\r\ngc2=16777215\r\ngc3=" << (i * 13579u) % 16777216u << "\r\n"
        << "radial=" << (i % 7 == 0 ? 1 : 0) << "\r\n";
  }
}

// The writable folder in a temporary folder holding the thousand presets as the current set.
struct PresetSandbox {
  PresetSandbox() {
    char pattern[] = "/tmp/kestrova-bench-XXXXXX";
    folder = ::mkdtemp(pattern);
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    std::filesystem::create_directories(folder + "/kestrova");
    WritePresetSet(folder + "/kestrova/thousand.ini");
  }
  // The thousand presets as the current set (a new window clears the list of sets).
  static void Select() {
    PresetSets = {"thousand=thousand.ini"};
    CurrentPresetSet = "thousand";
  }
  ~PresetSandbox() { std::filesystem::remove_all(folder); }
  std::string folder;
};

// The largest gap between the ticks of a 1 ms timer while it runs.
class WaitMeter {
 public:
  WaitMeter() {
    timer_.setInterval(1);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    clock_.start();
    timer_.start();
  }
  double LongestMs() const { return longest_ / 1e6; }

 private:
  void Tick() {
    const qint64 now = clock_.nsecsElapsed();
    longest_ = std::max(longest_, now - last_);
    last_ = now;
  }
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 last_ = 0;
  qint64 longest_ = 0;
};

// Runs the event loop until every preview in view is drawn.
void DrawVisible(qt::PresetGrid* grid) {
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  } while (grid->MissingPreviews() > 0);
}

void Show(qt::PresetsDialog& dialog) {
  dialog.show();
  (void)QTest::qWaitForWindowExposed(&dialog);
}

qt::Dialogs NoDialogs() { return {}; }

// How many buttons in view show a preview.
int DrawnInView(qt::PresetGrid* grid) {
  int drawn = 0;
  for (int i = 0; i < static_cast<int>(grid->CellCount()); ++i) {
    if (grid->CellRect(i).intersects(grid->viewport()->rect()) && !grid->Preview(i).isNull()) ++drawn;
  }
  return drawn;
}

void BM_OpenThousandPresets(benchmark::State& state) {
  PresetSandbox sandbox;
  TForm1 form;
  PresetSandbox::Select();
  const qt::Dialogs dialogs = NoDialogs();
  double longest = 0;
  for (auto _ : state) {
    qt::PresetsDialog dialog(form, dialogs);
    dialog.Model().cbSquare.SetChecked(state.range(0) != 0);
    WaitMeter meter;
    Show(dialog);
    DrawVisible(dialog.Grid());
    longest = std::max(longest, meter.LongestMs());
    state.counters["previews_in_view"] = DrawnInView(dialog.Grid());
  }
  state.counters["longest_wait_ms"] = longest;
}
BENCHMARK(BM_OpenThousandPresets)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ScrollAPageOfThousandPresets(benchmark::State& state) {
  PresetSandbox sandbox;
  TForm1 form;
  PresetSandbox::Select();
  const qt::Dialogs dialogs = NoDialogs();
  qt::PresetsDialog dialog(form, dialogs);
  Show(dialog);
  DrawVisible(dialog.Grid());
  QScrollBar* bar = dialog.Grid()->verticalScrollBar();
  double longest = 0;
  for (auto _ : state) {
    WaitMeter meter;
    bar->setValue(bar->value() + bar->pageStep() > bar->maximum() ? 0 : bar->value() + bar->pageStep());
    QCoreApplication::processEvents();
    DrawVisible(dialog.Grid());
    longest = std::max(longest, meter.LongestMs());
  }
  state.counters["longest_wait_ms"] = longest;
  state.counters["previews_in_view"] = DrawnInView(dialog.Grid());
}
BENCHMARK(BM_ScrollAPageOfThousandPresets)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
