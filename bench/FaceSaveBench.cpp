// Saving one imported face into a game-sized large archive (1100 distinct 240 x 240 faces, about
// 290 MB) in place through the journal, flushes included, against rewriting the whole archive the
// safe way (temporary file, flush, rename) in the same run. Writes into the temporary folder named
// in the run's context (see WriteFolder.h).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "BaselineRatio.h"
#include "WriteFolder.h"
#include "core/data/SafeFileWrite.h"
#include "core/portraits/FaceOriginals.h"
#include "support/ArchiveBuilder.h"

namespace {

void BM_SaveOneImportedFace(benchmark::State& state) {
  tavlor::bench::DescribeWriteFolder();
  const auto folder = std::filesystem::temp_directory_path() / "tavlor-face-save-bench";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  tavlor::testing::ArchiveBuilder builder;
  for (int face = 0; face < 1100; ++face) builder.AddFace(240, 240, face);
  const std::string bytes = builder.Bytes();
  const auto archive = folder / "KAO_L.N13";
  const auto whole = folder / "KAO_L_whole.N13";
  builder.WriteTo(archive);

  tavlor::FaceImage picture{240, 240, std::vector<uint8_t>(240 * 240 * 3)};
  int round = 0;
  bool ok = true;
  tavlor::bench::MeasureAgainstBaseline(
      state, "import_over_whole_rewrite",
      [&] {
        for (auto& byte : picture.Rgb) byte = static_cast<uint8_t>(round);
        std::string error;
        ok = ok && tavlor::ImportFace(archive, 500, picture, &error);
        if (!error.empty()) std::fprintf(stderr, "%s\n", error.c_str());
        ++round;
      },
      [&] { ok = ok && !tavlor::ReplaceFileSafely(whole, bytes, tavlor::BackupPolicy::LeaveAlone()); });
  if (!ok) state.SkipWithError("a save failed");
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveOneImportedFace)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
