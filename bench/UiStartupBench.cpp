// The start-up sequence to a ready editor on a game-sized folder: the shipped tables and built-in
// general list, the demo game's game-sized face archives and 1000 generals. Prints its time and,
// as the counter "x_read_bytes", its ratio to reading the bytes of the data files it loads.
#include <benchmark/benchmark.h>

#include "BaselineRatio.h"
#include "GameSizedProgram.h"
#include "QtBenchmarkMain.h"

#include <fstream>
#include <vector>

#include "support/TestPrompter.h"
#include "ui/RunningProgram.h"

namespace {

void ReadWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<char> bytes(std::filesystem::file_size(file));
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  benchmark::DoNotOptimize(bytes.data());
}

void BM_StartupToReadyEditor(benchmark::State& state) {
  tavlor::bench::GameSizedProgram program;
  if (!program.Ready()) {
    state.SkipWithError("this build paints no demo game");
    return;
  }
  tavlor::testing::TestPrompter prompter;  // a failure would be recorded, never shown
  std::vector<std::filesystem::path> files = {program.EditDataFile()};
  for (const char* name :
       {"Set.ini", "GBKN.dat", "JISN.dat", "GB.DAT", "BIG5.DAT", "Bk.N13", "BuiltinGenerals.tsv", "help.ini"})
    files.push_back(program.Folder() / name);

  int rows = 0;
  tavlor::bench::MeasureAgainstBaseline(
      state, "x_read_bytes",
      [&] {
        const tavlor::testing::RunningProgram running(
            tavlor::testing::RunningProgramOptions().WithProgramFolder(program.Folder()));
        rows = running.List->FlexRows();
        benchmark::DoNotOptimize(rows);
      },
      [&] {
        for (const auto& file : files) ReadWholeFile(file);
      });
  if (!prompter.Messages().isEmpty())
    state.SkipWithError(prompter.Texts().join(QStringLiteral(" | ")).toStdString().c_str());
  else if (rows != 1001)
    state.SkipWithError("the grid does not show the 1000 generals");
}
BENCHMARK(BM_StartupToReadyEditor)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return tavlor::bench::RunWithWidgets(argc, argv);
}
