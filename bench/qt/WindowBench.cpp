// The window's speed: the first window shown, one spin-edit change with the
// samples and a drawn 400 x 400 base image painted again, and the output
// panel with ten thousand previews (laid out, painted, scrolled). Runs
// offscreen unless a display platform is set.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <memory>
#include <string>

#include "bench/qt/QtBenchMain.h"
#include "ui/model/commands/WindowCommands.h"
#include "ui/qt/widgets/ImageBoxView.h"
#include "ui/qt/widgets/ImageView.h"
#include "ui/qt/widgets/RendererWidget.h"
#include "ui/qt/window/MainWindow.h"

using namespace kestrova;

namespace {

qt::Dialogs SilentDialogs() {
  qt::Dialogs d;
  d.MessageBox = [](const std::string&, TMsgDlgType, TMsgDlgButtons) { return static_cast<int>(mrNo); };
  return d;
}

std::unique_ptr<qt::MainWindow> ShownWindow() {
  auto window = std::make_unique<qt::MainWindow>(SilentDialogs());
  window->show();
  (void)QTest::qWaitForWindowExposed(window.get());
  QCoreApplication::processEvents();
  return window;
}

void Captions(TForm1& form, int count) {
  form.ImageBase.SetPicture(Bitmap(60, 16));
  form.MemoTxt.SetFont(TFont{"DejaVu Sans", 7, 0, 1, 0, 0});
  std::string text;
  for (int i = 0; i < count; ++i) text += "Button " + std::to_string(i) + "\r\n";
  form.MemoTxt.SetText(text);
}

void BM_FirstWindowShown(benchmark::State& state) {
  for (auto _ : state) {
    auto window = ShownWindow();
    window->repaint();
  }
}
BENCHMARK(BM_FirstWindowShown)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SpinEditChangeRepaintsSamplesAndBaseImage(benchmark::State& state) {
  auto window = ShownWindow();
  TForm1& form = window->Form();
  form.RxSpinEditNewX.SetValue(400);
  form.RxSpinEditNewY.SetValue(400);
  form.cbGradient.SetChecked(true);
  form.Createempty1Click();
  auto* spin = window->findChild<QSpinBox*>("RxSpinEditBX");
  auto* effect = window->findChild<qt::RendererWidget*>("Buttonizer1");
  auto* gradient = window->findChild<qt::RendererWidget*>("GradientImage1");
  auto* base = window->findChild<qt::ImageWidget*>("ImageBase");
  int value = 3;
  for (auto _ : state) {
    value = value == 3 ? 9 : 3;
    spin->setValue(value);
    base->PictureChanged();  // as after the base image was drawn again
    effect->repaint();
    gradient->repaint();
    base->repaint();
  }
}
BENCHMARK(BM_SpinEditChangeRepaintsSamplesAndBaseImage)->Unit(benchmark::kMillisecond);

void BM_GenerateTenThousandButtons(benchmark::State& state) {
  auto window = ShownWindow();
  Captions(window->Form(), 10000);
  for (auto _ : state) {
    Generateimages1Click(window->Form());
    window->OutputPanel()->Sync();
    window->OutputPanel()->viewport()->repaint();
  }
  state.counters["previews"] = window->Form().ScrollBox2.ImageCount();
}
BENCHMARK(BM_GenerateTenThousandButtons)->Unit(benchmark::kMillisecond)->Iterations(2);

// What the window adds to a generation of ten thousand buttons: laying out
// and painting the panel once the previews exist.
void BM_OutputPanelAfterTenThousandPreviews(benchmark::State& state) {
  auto window = ShownWindow();
  Captions(window->Form(), 10000);
  for (auto _ : state) {
    state.PauseTiming();
    Generateimages1Click(window->Form());
    state.ResumeTiming();
    window->OutputPanel()->Sync();
    window->OutputPanel()->viewport()->repaint();
  }
}
BENCHMARK(BM_OutputPanelAfterTenThousandPreviews)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ScrollThroughTenThousandPreviews(benchmark::State& state) {
  auto window = ShownWindow();
  Captions(window->Form(), 10000);
  Generateimages1Click(window->Form());
  qt::ImageBoxView* panel = window->OutputPanel();
  panel->Sync();
  QScrollBar* bar = panel->verticalScrollBar();
  for (auto _ : state) {
    bar->setValue(bar->value() + bar->pageStep() > bar->maximum() ? 0 : bar->value() + bar->pageStep());
    panel->viewport()->repaint();
  }
}
BENCHMARK(BM_ScrollThroughTenThousandPreviews)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
