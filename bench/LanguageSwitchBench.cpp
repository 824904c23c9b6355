// A full language switch on the shipped tables: 1000 registered generals in the grid, the
// related-general picker's 3307 names (each read back as the list shows it), the browser, the city
// picker's 66 icons and every caption. BM_LanguageSwitch switches once a round, to Traditional and
// back in turn; BM_FirstLanguageSwitch is the first switch of a run, which also prepares the
// browser and the two pickers. The counter "x_decode" is each one's ratio to decoding the same
// Simplified texts with Qt's GBK decoder into a plain QStringList.
#include <benchmark/benchmark.h>

#include "BaselineRatio.h"
#include "QtBenchmarkMain.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QListView>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>

#include "core/data/BuiltinGeneralLists.h"
#include "core/editor/GridRows.h"
#include "core/lang/InterfaceTexts.h"
#include "core/lang/LanguageState.h"
#include "core/text/TextTables.h"
#include "support/ShippedFiles.h"
#include "ui/RunningProgram.h"
#include "ui/pickers/Form6.h"
#include "ui/pickers/PickerActions.h"

namespace {

using Clock = std::chrono::steady_clock;

// One run of the program on the shipped tables and built-in list, with 1000 registered generals;
// its own prompter hears that the test archives hold no medium faces.
struct SwitchProgram : tavlor::testing::RunningProgram {
  tavlor::testing::LanguageGuard Language;  // back to Simplified before the windows go

  explicit SwitchProgram(const tavlor::testing::StartupFolder& folder)
      : RunningProgram(
            tavlor::testing::RunningProgramOptions().WithProgramFolder(folder.Program()).WithOwnPrompter()) {}

  // The picker's rows are converted when read: every one is read as the list would.
  void ReadPickerRows() const {
    const tavlor::Form6* picker = Editor->findChild<tavlor::PickerActions*>()->RelatedGeneralPicker();
    const QAbstractItemModel* names = picker->List1[0]->model();
    qsizetype characters = 0;
    for (int row = 0; row < names->rowCount(); ++row)
      characters += names->index(row, 0).data().toString().size();
    benchmark::DoNotOptimize(characters);
  }
};

std::unique_ptr<tavlor::testing::StartupFolder> MakeFolder() {
  auto folder = std::make_unique<tavlor::testing::StartupFolder>(1000);
  for (const char* name : {"GBKN.dat", "JISN.dat", "GB.DAT", "BIG5.DAT", "BuiltinGenerals.tsv"}) {
    std::filesystem::copy_file(tavlor::testing::ShippedFile(name), folder->Program() / name,
                               std::filesystem::copy_options::overwrite_existing);
  }
  return folder;
}

// The Simplified texts a switch writes, as bytes.
std::vector<std::string> SwitchedTexts(const tavlor::ProgramContext& context) {
  std::vector<std::string> texts;
  const tavlor::BuiltinGeneralLists& lists = tavlor::SharedBuiltinGeneralLists();
  for (int row = 0; row < lists.RowCount(); ++row) texts.push_back(lists.Name(row));
  for (const auto& row : tavlor::GridRowsOfTable(context.Table, tavlor::SharedTextTables(), true)) {
    texts.push_back(row.Number.Text);
    texts.push_back(row.Name.Text);
    texts.push_back(row.Appear.Text);
  }
  for (std::string_view tactic : tavlor::texts::TacticNames) texts.emplace_back(tactic);
  for (std::string_view city : tavlor::texts::ListCity) texts.emplace_back(city);
  return texts;
}

void DecodePlainly(const std::vector<std::string>& texts) {
  QStringDecoder gbk("GBK");
  QStringList decoded;
  decoded.reserve(static_cast<qsizetype>(texts.size()));
  for (const std::string& text : texts)
    decoded.append(gbk.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size()))));
  benchmark::DoNotOptimize(decoded.size());
}

bool HoldsAFullList(benchmark::State& state) {
  if (tavlor::SharedBuiltinGeneralLists().RowCount() >= 3307) return true;
  state.SkipWithError("the built-in lists hold fewer than 3307 rows");
  return false;
}

void BM_LanguageSwitch(benchmark::State& state) {
  const auto folder = MakeFolder();
  SwitchProgram program(*folder);
  if (!HoldsAFullList(state)) return;
  // The first switch prepares the windows; the rounds then measure switches alone.
  program.List->M_BIG->trigger();
  program.List->M_GB->trigger();
  const std::vector<std::string> texts = SwitchedTexts(*program.Context);

  bool traditional = false;
  tavlor::bench::MeasureAgainstBaseline(
      state, "x_decode",
      [&] {
        traditional = !traditional;
        (traditional ? program.List->M_BIG : program.List->M_GB)->trigger();
        program.ReadPickerRows();
      },
      [&] { DecodePlainly(texts); });
}
BENCHMARK(BM_LanguageSwitch)->Unit(benchmark::kMillisecond);

void BM_FirstLanguageSwitch(benchmark::State& state) {
  const auto folder = MakeFolder();
  std::vector<std::string> texts;
  Clock::duration switchTime{};
  int64_t rounds = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto program = std::make_unique<SwitchProgram>(*folder);
    if (!HoldsAFullList(state)) return;
    if (texts.empty()) texts = SwitchedTexts(*program->Context);
    state.ResumeTiming();
    const auto start = Clock::now();
    program->List->M_BIG->trigger();
    program->ReadPickerRows();
    switchTime += Clock::now() - start;
    ++rounds;
    state.PauseTiming();
    program.reset();
    state.ResumeTiming();
  }
  const auto start = Clock::now();
  for (int64_t i = 0; i < rounds; ++i) DecodePlainly(texts);
  const auto baselineTime = Clock::now() - start;
  state.counters["x_decode"] = static_cast<double>(switchTime.count()) /
                               static_cast<double>(std::max<Clock::rep>(1, baselineTime.count()));
}
BENCHMARK(BM_FirstLanguageSwitch)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return tavlor::bench::RunWithWidgets(argc, argv);
}
