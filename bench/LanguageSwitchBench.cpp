// A full language switch on the shipped tables: 1000 registered generals in the grid, the
// related-general picker's 3307 names (each read back as the list shows it), the browser, the city
// picker's 66 icons and every caption. Each round switches once, to Traditional and back in turn.
// The counter "x_decode" is its ratio to decoding the same Simplified texts with Qt's GBK decoder
// into a plain QStringList.
#include <benchmark/benchmark.h>

#include "BaselineRatio.h"
#include "QtBenchmarkMain.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QListView>
#include <QStringDecoder>
#include <QStringList>
#include <filesystem>

#include "core/data/BuiltinGeneralLists.h"
#include "core/editor/GridRows.h"
#include "core/lang/InterfaceTexts.h"
#include "core/lang/LanguageState.h"
#include "core/text/TextTables.h"
#include "support/ShippedFiles.h"
#include "support/TestPrompter.h"
#include "ui/StartupTestFolder.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Startup.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"
#include "ui/pickers/Form6.h"
#include "ui/pickers/PickerActions.h"

namespace {

void BM_LanguageSwitch(benchmark::State& state) {
  tavlor::testing::StartupFolder folder(1000);
  for (const char* name : {"GBKN.dat", "JISN.dat", "GB.DAT", "BIG5.DAT", "BuiltinGenerals.tsv"}) {
    std::filesystem::copy_file(tavlor::testing::ShippedFile(name), folder.Program() / name,
                               std::filesystem::copy_options::overwrite_existing);
  }
  tavlor::testing::TestPrompter prompter;  // the test archives hold no medium faces
  tavlor::ProgramContext context;
  context.ProgramFolder = folder.Program();
  tavlor::Form1 editor(context);
  tavlor::Form2 list(context);
  tavlor::RunStartup(context, editor, list);
  const tavlor::BuiltinGeneralLists& lists = tavlor::SharedBuiltinGeneralLists();
  if (lists.RowCount() < 3307) {
    state.SkipWithError("the built-in lists hold fewer than 3307 rows");
    return;
  }

  // The first switch prepares the windows; the rounds then measure switches alone.
  list.M_BIG->trigger();
  list.M_GB->trigger();
  const tavlor::Form6* picker = editor.findChild<tavlor::PickerActions*>()->RelatedGeneralPicker();
  const QAbstractItemModel* names = picker->List1[0]->model();

  // The Simplified texts a switch writes, as bytes.
  std::vector<std::string> texts;
  for (int row = 0; row < lists.RowCount(); ++row) texts.push_back(lists.Name(row));
  for (const auto& row : tavlor::GridRowsOfTable(context.Table, tavlor::SharedTextTables(), true)) {
    texts.push_back(row.Number.Text);
    texts.push_back(row.Name.Text);
    texts.push_back(row.Appear.Text);
  }
  for (std::string_view tactic : tavlor::texts::TacticNames) texts.emplace_back(tactic);
  for (std::string_view city : tavlor::texts::ListCity) texts.emplace_back(city);

  bool traditional = false;
  tavlor::bench::MeasureAgainstBaseline(
      state, "x_decode",
      [&] {
        traditional = !traditional;
        (traditional ? list.M_BIG : list.M_GB)->trigger();
        // The picker's rows are converted when read: read every one as the list would.
        qsizetype characters = 0;
        for (int row = 0; row < names->rowCount(); ++row)
          characters += names->index(row, 0).data().toString().size();
        benchmark::DoNotOptimize(characters);
      },
      [&] {
        QStringDecoder gbk("GBK");
        QStringList decoded;
        decoded.reserve(static_cast<qsizetype>(texts.size()));
        for (const std::string& text : texts)
          decoded.append(gbk.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size()))));
        benchmark::DoNotOptimize(decoded.size());
      });
  tavlor::SharedLanguageState().SetSimplified(true);
}
BENCHMARK(BM_LanguageSwitch)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return tavlor::bench::RunWithWidgets(argc, argv);
}
