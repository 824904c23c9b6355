// The spreadsheet round trip of a full table: export 1000 generals (texts through the shipped
// tables and the interface codec) and import the sheet again. The baseline is the edit-data file's
// own round trip of the same table in the same round: serialize, then parse.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "BaselineRatio.h"
#include "cli/CsvCodecForCommands.h"
#include "core/data/EditData.h"
#include "core/editor/GeneralCsv.h"
#include "core/text/TextTables.h"
#include "support/RandomTable.h"
#include "support/ShippedFiles.h"

namespace {

using namespace tavlor;

void BM_CsvExportAndImportOfFullTable(benchmark::State& state) {
  LoadAllTextTables(testing::ShippedFolder());
  std::mt19937 random(6);
  auto table = testing::RandomTable(random, 1000);
  // Tagged records, so that the baseline's parse reads every entry instead of refusing the file.
  for (GeneralEntry& entry : table->Slots) StoreField(entry.Record.Tag, "NOBU13EDITB_V6");
  auto scratch = std::make_unique<GeneralTable>();
  BuiltinGeneralLists lists;
  const cli::InterfaceCsvCodec codec;
  bench::MeasureAgainstBaseline(
      state, "ratio_to_file_round_trip",
      [&] {
        const std::string sheet = ExportGeneralsCsv(*table, SharedTextTables(), codec);
        const CsvImportResult result = ImportGeneralsCsv(sheet, *table, lists, SharedTextTables(), codec);
        if (result.Problem)
          state.SkipWithError(("the sheet was refused at line " + std::to_string(result.Problem->Line) +
                               ", column " + result.Problem->Column)
                                  .c_str());
        benchmark::DoNotOptimize(result.Changed);
      },
      [&] {
        const std::string bytes = SerializeEditData(*table);
        benchmark::DoNotOptimize(ParseEditData(bytes, *scratch).Error);
      });
}

}  // namespace

BENCHMARK(BM_CsvExportAndImportOfFullTable)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
