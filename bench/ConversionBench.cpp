// The text conversions of a full load and of a language switch: the names of 1000 generals
// Shift-JIS -> GBK and back, and the 3307 names of the general lists GB -> Big5. Each is measured
// against a plain copy of the same input bytes in the same run.
#include <benchmark/benchmark.h>

#include <random>

#include "BaselineRatio.h"
#include "core/data/BuiltinGeneralLists.h"
#include "core/text/TextTables.h"
#include "support/ShippedFiles.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

struct Fixture {
  Fixture() {
    LoadAllTextTables(testing::ShippedFolder());
    TextTables& tables = SharedTextTables();
    // Names of two kanji each (first-level kanji, leads 0x88-0x98), family and given.
    std::mt19937 random(13);
    auto kanji = [&] {
      const int lead = 0x89 + static_cast<int>(random() % 15);
      const int trail = 0x40 + static_cast<int>(random() % 0x3F);
      return std::string{static_cast<char>(lead), static_cast<char>(trail)};
    };
    for (int i = 0; i < 2000; ++i) sjisNames.push_back(kanji() + kanji() + std::string(7, '\0'));
    for (const auto& name : sjisNames) gbkNames.push_back(SjisToGbk(name, tables.GbkJis));

    BuiltinGeneralLists lists;
    lists.LoadBuiltinRows(testing::ShippedFolder() / "BuiltinGenerals.tsv");
    auto table = std::make_unique<GeneralTable>();
    table->GeneralCount = 1000;
    for (int slot = 0; slot < 1000; ++slot) {
      StoreField(table->Slots[slot].Record.FamilyName, sjisNames[2 * slot]);
      StoreField(table->Slots[slot].Record.GivenName, sjisNames[2 * slot + 1]);
    }
    RefreshGeneralLists(lists, *table, tables.GbkJis);
    for (int row = 0; row < lists.RowCount(); ++row) listNames.push_back(lists.Name(row));
  }
  std::vector<std::string> sjisNames;
  std::vector<std::string> gbkNames;
  std::vector<std::string> listNames;
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

template <typename Convert>
void ConvertAll(const std::vector<std::string>& texts, Convert convert) {
  for (const auto& text : texts) {
    std::string result = convert(text);
    benchmark::DoNotOptimize(result.data());
  }
}

std::string Copy(const std::string& text) {
  return text;
}

// Converts every text, against copying every text in the same run.
template <typename Convert>
void MeasureConversion(benchmark::State& state, const std::vector<std::string>& texts, Convert convert) {
  bench::MeasureAgainstBaseline(
      state, "ratio_to_copy", [&] { ConvertAll(texts, convert); }, [&] { ConvertAll(texts, Copy); });
}

void BM_SjisToGbkNames(benchmark::State& state) {
  MeasureConversion(state, Shared().sjisNames,
                    [](const std::string& t) { return SjisToGbk(t, SharedTextTables().GbkJis); });
}
void BM_GbkToSjisNames(benchmark::State& state) {
  MeasureConversion(state, Shared().gbkNames,
                    [](const std::string& t) { return GbkToSjis(t, SharedTextTables().GbkJis); });
}
void BM_GbToBig5ListNames(benchmark::State& state) {
  MeasureConversion(state, Shared().listNames,
                    [](const std::string& t) { return GbToBig5(t, SharedTextTables().GbBig5); });
}

BENCHMARK(BM_SjisToGbkNames);
BENCHMARK(BM_GbkToSjisNames);
BENCHMARK(BM_GbToBig5ListNames);

}  // namespace
}  // namespace tavlor

BENCHMARK_MAIN();
