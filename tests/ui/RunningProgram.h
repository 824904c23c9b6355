// One running program for the window tests and benchmarks: a program folder of the test's own
// (StartupFolder), the program context, the editor (Form1) and the list (Form2), started up the way
// the program starts, with helpers to pick a row and read back the saved file. Header-only.
//
//   RunningProgram program;                                // three sample generals
//   RunningProgram program(RunningProgramOptions().WithTable(MyTable()));
//   RunningProgram program(RunningProgramOptions().WithPrepare([](const StartupFolder& f) { ... }));
//   RunningProgram program(RunningProgramOptions().WithProgramFolder(folder));  // a folder of the caller's
//   QVERIFY(program.PickRow(2));                           // a real click on grid row 2
#pragma once

#include <QTableWidget>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/app/SettingsLocation.h"
#include "core/data/GeneralTable.h"
#include "core/lang/LanguageState.h"
#include "support/ScopedEnvironment.h"
#include "support/ShippedFiles.h"
#include "support/TestPrompter.h"
#include "ui/StartupTestFolder.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Startup.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"

namespace tavlor::testing {

// Puts the display language back as it was when the guard was made, also when the test fails
// half-way (a QVERIFY returns from the test function and runs the guard's destructor).
class LanguageGuard {
 public:
  LanguageGuard() : simplified_(SharedLanguageState().IsSimplified()) {}
  ~LanguageGuard() {
    if (SharedLanguageState().IsSimplified() != simplified_) SharedLanguageState().SetSimplified(simplified_);
  }
  LanguageGuard(const LanguageGuard&) = delete;
  LanguageGuard& operator=(const LanguageGuard&) = delete;

 private:
  bool simplified_;
};

// A table whose unused entries are the program's Blank slot, so that its file is byte for byte
// what the program writes for it.
inline std::unique_ptr<GeneralTable> WithProgramBlank(std::unique_ptr<GeneralTable> table) {
  const std::string blank = SampleBlankSlot();
  std::copy(blank.begin(), blank.end(), table->BlankSlot.begin());
  return table;
}

struct RunningProgramOptions {
  // Generals of the sample table written when no Table is given.
  int GeneralCount = 3;
  // The edit-data file's table; null: SampleTable(GeneralCount).
  std::shared_ptr<const GeneralTable> Table;
  // Extra files (archives, built-in list, Set.ini lines) written into the folder before start-up.
  std::function<void(const StartupFolder&)> Prepare;
  // False: the windows are made but start-up is left to the test (RunStartup()).
  bool StartUp = true;
  // True: the program gets a TestPrompter of its own (Prompter()), made before the windows. Leave
  // it false when the test makes its own TestPrompter before the program.
  bool OwnPrompter = false;
  // Shipped data files copied over the folder's (e.g. the real character tables and built-in list
  // instead of the small sample tables).
  std::vector<std::string> ShippedFiles;
  // True: HOME, XDG_CONFIG_HOME and WINEPREFIX point into a temporary folder for the program's
  // life, and the context's settings are located as start-up locates them (for tests of where the
  // settings are written).
  bool IsolatedHome = false;
  // Not empty: the program starts on this folder of the caller's (a shipped or game-sized one, or
  // an empty one) and makes no StartupFolder; Table, GeneralCount, ShippedFiles and Prepare are
  // then not used, and neither are Folder(), SavedBytes() and ReadBack().
  std::filesystem::path ProgramFolder;
  // True: a shown splash window (Splash()) is handed to start-up, which hides it at the end.
  bool ShowSplash = false;

  // Chained setters, so a test names only what it changes (designated initialisers would warn
  // about the fields it leaves out).
  RunningProgramOptions& WithTable(std::shared_ptr<const GeneralTable> table) {
    Table = std::move(table);
    return *this;
  }
  RunningProgramOptions& WithGeneralCount(int count) {
    GeneralCount = count;
    return *this;
  }
  RunningProgramOptions& WithPrepare(std::function<void(const StartupFolder&)> prepare) {
    Prepare = std::move(prepare);
    return *this;
  }
  RunningProgramOptions& WithOwnPrompter() {
    OwnPrompter = true;
    return *this;
  }
  RunningProgramOptions& WithShippedFiles(std::vector<std::string> names) {
    ShippedFiles = std::move(names);
    return *this;
  }
  RunningProgramOptions& WithIsolatedHome() {
    IsolatedHome = true;
    return *this;
  }
  RunningProgramOptions& WithProgramFolder(std::filesystem::path folder) {
    ProgramFolder = std::move(folder);
    return *this;
  }
  RunningProgramOptions& WithSplash() {
    ShowSplash = true;
    return *this;
  }
  RunningProgramOptions& WithoutStartUp() {
    StartUp = false;
    return *this;
  }
};

class RunningProgram {
 public:
  explicit RunningProgram(RunningProgramOptions options = {}) {
    if (options.ProgramFolder.empty()) {
      folder_ = std::make_unique<StartupFolder>(options.GeneralCount);
      if (options.Table) folder_->WriteTable(*options.Table);
      for (const std::string& name : options.ShippedFiles) {
        std::filesystem::copy_file(ShippedFile(name), folder_->Program() / name,
                                   std::filesystem::copy_options::overwrite_existing);
      }
      if (options.Prepare) options.Prepare(*folder_);
      Context->ProgramFolder = folder_->Program();
    } else {
      Context->ProgramFolder = options.ProgramFolder;
    }
    if (options.OwnPrompter) prompter_ = std::make_unique<TestPrompter>();
    if (options.IsolatedHome) {
      home_ = std::make_unique<TempFolder>();
      environment_ = std::make_unique<ScopedEnvironment>();
      environment_->Set("HOME", home_->Path().string());
      environment_->Set("XDG_CONFIG_HOME", (*home_ / "config").string());
      environment_->Set("WINEPREFIX", (*home_ / "prefix").string());
      Context->Settings = LocateSettings(Context->ProgramFolder);
    }
    Editor = std::make_unique<Form1>(*Context);
    List = std::make_unique<Form2>(*Context);
    if (folder_) Loaded = ReadFileBytes(folder_->EditDataFile());
    if (options.ShowSplash) {
      splash_ = std::make_unique<QWidget>();
      splash_->show();
    }
    if (options.StartUp) RunStartup();
  }

  void RunStartup() const { tavlor::RunStartup(*Context, *Editor, *List, splash_.get()); }

  const StartupFolder& Folder() const { return *folder_; }
  // The splash window; only with ShowSplash.
  const QWidget& Splash() const { return *splash_; }
  // The temporary home folder; only with IsolatedHome.
  const std::filesystem::path& Home() const { return home_->Path(); }
  // The program's own prompter; only with OwnPrompter.
  TestPrompter& Prompter() const { return *prompter_; }
  // The edit-data file as it is on disk now.
  std::string SavedBytes() const { return ReadFileBytes(folder_->EditDataFile()); }
  // The edit-data file read back as a table, or null when it does not load.
  std::unique_ptr<GeneralTable> ReadBack() const {
    auto table = std::make_unique<GeneralTable>();
    if (LoadEditData(folder_->EditDataFile(), *table).Error) return nullptr;
    return table;
  }

  // Picks grid row `row` (from 1) as the list's signal does.
  void Pick(int row) const { emit List->generalPicked(row); }
  // A real mouse click on the name cell of grid row `row` (from 1), with Ctrl or Shift held to add
  // to the selection. False when the grid has no such row: the caller's QVERIFY sees it (a QVERIFY
  // in here would only return from the helper).
  [[nodiscard]] bool PickRow(int row, Qt::KeyboardModifiers keys = {}) const {
    QTableWidget* grid = List->MFLX;
    QTableWidgetItem* cell = grid->item(row - 1, 2);
    if (cell == nullptr) return false;
    grid->scrollToItem(cell);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, keys, grid->visualItemRect(cell).center());
    return true;
  }

 private:
  std::unique_ptr<StartupFolder> folder_;   // made first, removed last; null on a caller's folder
  std::unique_ptr<TestPrompter> prompter_;  // made before the windows, removed after them
  std::unique_ptr<QWidget> splash_;
  std::unique_ptr<TempFolder> home_;
  std::unique_ptr<ScopedEnvironment> environment_;  // restored before home_ is removed

 public:
  std::unique_ptr<ProgramContext> Context = std::make_unique<ProgramContext>();
  std::unique_ptr<Form1> Editor;
  std::unique_ptr<Form2> List;
  std::string Loaded;  // the edit-data file as start-up read it (empty on a caller's folder)
};

}  // namespace tavlor::testing
