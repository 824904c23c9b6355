// The main of a benchmark program that needs widgets: the benchmarks run inside a QApplication
// on the offscreen platform (unless the caller chose one).
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

namespace tavlor::bench {

inline int RunWithWidgets(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace tavlor::bench
