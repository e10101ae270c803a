#pragma once
// The main of the window's benchmarks: a Qt application (offscreen unless a
// display platform is set) around Google Benchmark's run.

#include <benchmark/benchmark.h>

#include "ui/qt/application/Application.h"

inline int RunQtBenchmarks(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  kestrova::qt::Application app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
