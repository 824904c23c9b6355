// The start-up sequence to a ready editor on a made folder (1000 generals, archives, tables).
// Prints its time and, as the counter "x_read_bytes", its ratio to reading the same files' bytes.
#include <benchmark/benchmark.h>

#include "BaselineRatio.h"
#include "QtBenchmarkMain.h"

#include <chrono>
#include <fstream>
#include <vector>

#include "support/TestPrompter.h"
#include "ui/StartupTestFolder.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Startup.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"

namespace {

void ReadWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<char> bytes(std::filesystem::file_size(file));
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  benchmark::DoNotOptimize(bytes.data());
}

void BM_StartupToReadyEditor(benchmark::State& state) {
  tavlor::testing::StartupFolder folder(1000);
  tavlor::testing::TestPrompter prompter;  // a failure would be recorded, never shown
  const std::vector<std::filesystem::path> files = {
      folder.Program() / "Set.ini", folder.Program() / "GBKN.dat",       folder.Program() / "JISN.dat",
      folder.Program() / "GB.DAT",  folder.Program() / "BIG5.DAT",       folder.Program() / "Bk.N13",
      folder.EditDataFile(),        folder.Game() / "grp" / "KAO_s.N13", folder.Game() / "grp" / "KAO_l.N13"};

  tavlor::bench::MeasureAgainstBaseline(
      state, "x_read_bytes",
      [&] {
        tavlor::ProgramContext context;
        context.ProgramFolder = folder.Program();
        tavlor::Form1 editor(context);
        tavlor::Form2 list(context);
        tavlor::RunStartup(context, editor, list);
        benchmark::DoNotOptimize(list.FlexRows());
      },
      [&] {
        for (const auto& file : files) ReadWholeFile(file);
      });
  if (!prompter.Messages().isEmpty()) state.SkipWithError("start-up reported a failure");
}
BENCHMARK(BM_StartupToReadyEditor)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return tavlor::bench::RunWithWidgets(argc, argv);
}
