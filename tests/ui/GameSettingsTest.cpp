// "游戏与文件设置…": the window shows Set.ini as read with a live check per path, "确定" writes it
// keeping its other lines and loads the new file through the unsaved-change guard, "取消" and a
// cancelled guard change nothing, and an unwritable program folder falls back to the user's own.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

#include "core/app/SettingsLocation.h"
#include "core/data/BuiltinGeneralLists.h"
#include "core/data/EditData.h"
#include "core/data/FileCalls.h"
#include "support/FaultyFileCalls.h"
#include "support/ScopedEnvironment.h"
#include "support/TestPrompter.h"
#include "ui/RunningProgram.h"
#include "ui/StartupTestFolder.h"
#include "ui/app/GameSettingsWindow.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Startup.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"

using tavlor::testing::ReadFileBytes;
using tavlor::testing::StartupFolder;
using tavlor::testing::TestPrompter;
using tavlor::testing::WriteFileBytes;

namespace {

struct StartedProgram : tavlor::testing::RunningProgram {
  explicit StartedProgram(tavlor::testing::RunningProgramOptions options)
      : RunningProgram(std::move(options.WithIsolatedHome())) {}
  tavlor::GameSettingsWindow* Open() {
    List->M_GameSettings->trigger();
    return List->findChild<tavlor::GameSettingsWindow*>();
  }
  void ChangeSomething() {
    Context->History.RecordStep(Context->Table, tavlor::SharedBuiltinGeneralLists(), [this] {
      Context->Table.Slots[0].Appendix.AppearFlag = 0;
      return true;
    });
  }
};

}  // namespace

class GameSettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheSettingsWithLiveChecksAndWritesThemThroughTheGuard() {
    std::string setIni;  // as the test folder has it, before the theme line
    TestPrompter prompter;
    StartedProgram program(
        tavlor::testing::RunningProgramOptions().WithPrepare([&setIni](const StartupFolder& folder) {
          setIni = ReadFileBytes(folder.Program() / "Set.ini");
          WriteFileBytes(folder.Program() / "Set.ini", setIni + "THEME=dark\r\n");
        }));
    const StartupFolder& folder = program.Folder();
    tavlor::GameSettingsWindow* window = program.Open();
    QVERIFY(window != nullptr);
    QVERIFY(window->lb_Why->isHidden());  // opened by the player: no reason to give
    QVERIFY(window->Opt_Manual->isChecked());
    QCOMPARE(window->tx_Path[1]->text(), tavlor::FromNativePath(folder.EditDataFile().string()));
    QCOMPARE(window->lb_Check[1]->text(), QStringLiteral("找到：3 名武将"));
    QCOMPARE(window->lb_Check[0]->text(), QStringLiteral("找到头像文件：2 张头像"));

    // Another edit-data file: missing first, then found as it is written; a picture is no such file.
    const std::filesystem::path other = folder.Game() / "other.13S";
    window->tx_Path[1]->setText(tavlor::FromNativePath(other.string()));
    QVERIFY(window->lb_Check[1]->text().startsWith(QStringLiteral("找不到这个文件")));
    WriteFileBytes(folder.Game() / "picture.png", "\x89PNG\r\n\x1a\n" + std::string(4000, 'p'));
    window->tx_Path[1]->setText(tavlor::FromNativePath((folder.Game() / "picture.png").string()));
    QCOMPARE(window->lb_Check[1]->text(), QStringLiteral("这不是武将数据文件"));
    WriteFileBytes(other, tavlor::SerializeEditData(*tavlor::testing::SampleTable(6)));
    window->tx_Path[1]->setText(tavlor::FromNativePath(other.string()));
    QCOMPARE(window->lb_Check[1]->text(), QStringLiteral("找到：6 名武将"));
    window->tx_Path[0]->setText(tavlor::FromNativePath((folder.Program() / "nowhere").string()));
    QCOMPARE(window->lb_Check[0]->text(), QStringLiteral("找不到这个文件夹"));
    window->tx_Path[0]->setText(tavlor::FromNativePath(folder.Game().string()));

    // Unsaved changes and Cancel: nothing written, nothing loaded, the window stays.
    program.ChangeSomething();
    prompter.AnswerNext(tavlor::UnsavedChangesAnswer::Cancel);
    QVERIFY(!window->Apply());
    QCOMPARE(ReadFileBytes(folder.Program() / "Set.ini"), setIni + "THEME=dark\r\n");
    QCOMPARE(program.Context->Table.GeneralCount, 3);

    // Discard: written in place (line 1 and the unknown line kept) and the new file loaded at once.
    prompter.AnswerNext(tavlor::UnsavedChangesAnswer::Discard);
    QVERIFY(window->Apply());
    const std::string written = ReadFileBytes(folder.Program() / "Set.ini");
    QVERIFY(written.rfind("[Tavlor]\r\nAUTOREADPATH=0\r\n", 0) == 0);
    QVERIFY(written.find("CUSTOMIZEFILE=" + other.string() + "\r\n") != std::string::npos);
    QVERIFY(written.find("THEME=dark\r\n") != std::string::npos);
    QCOMPARE(program.Context->Table.GeneralCount, 6);
    QCOMPARE(program.List->FlexRows(), 7);
    QCOMPARE(program.Context->Paths.CustomizeFile, other.string());
  }

  void cancelChangesNothingAndAnUnwritableFolderFallsBackToTheUsersOwn() {
    std::string setIni;  // as the test folder has it, before start-up
    TestPrompter prompter;
    StartedProgram program(tavlor::testing::RunningProgramOptions().WithGeneralCount(2).WithPrepare(
        [&setIni](const StartupFolder& folder) { setIni = ReadFileBytes(folder.Program() / "Set.ini"); }));
    const StartupFolder& folder = program.Folder();
    tavlor::GameSettingsWindow* window = program.Open();
    window->Opt_Auto->setChecked(true);
    window->Command_Cancel->click();
    QCOMPARE(ReadFileBytes(folder.Program() / "Set.ini"), setIni);

    window = program.Open();
    window->tx_Path[2]->setText(tavlor::FromNativePath(folder.Game().string()));
    tavlor::testing::FaultyFileCalls calls;
    calls.FailAt(0, std::errc::permission_denied);
    {
      tavlor::ScopedFileCalls use(calls);
      QVERIFY(window->Apply());
    }
    QCOMPARE(ReadFileBytes(folder.Program() / "Set.ini"), setIni);
    const std::filesystem::path user = program.Home() / "config" / "tavlor" / "Set.ini";
    QVERIFY(std::filesystem::exists(user));
    QCOMPARE(prompter.CountOf(TestPrompter::Kind::Information), 1);
    // The fallback is told in the one information message; the demo's missing archives may follow.
    bool toldWhere = false;
    for (const auto& message : prompter.Messages())
      if (message.What == TestPrompter::Kind::Information)
        toldWhere = message.Text.contains(tavlor::FromNativePath(user.string()));
    QVERIFY2(toldWhere, qPrintable(prompter.Messages().last().Text));
    QCOMPARE(program.Context->Settings->File, user);
  }

  void aFirstStartWithoutTheGameSaysSoOnceAndOpensTheWindow() {
    for (const bool gameThere : {false, true}) {
      TestPrompter prompter;
      StartedProgram program(tavlor::testing::RunningProgramOptions().WithoutStartUp().WithPrepare(
          [gameThere](const StartupFolder& folder) {
            if (!gameThere) std::filesystem::remove_all(folder.Game() / "grp");
          }));
      program.Context->OfferGameSettings = true;
      program.RunStartup();
      auto* window = program.List->findChild<tavlor::GameSettingsWindow*>();
      QCOMPARE(window != nullptr && window->isVisible(), !gameThere);
      if (gameThere) continue;
      // No message about the archives it could not open: the one sentence takes their place.
      QCOMPARE(prompter.Messages().size(), 0);
      QCOMPARE(program.List->statusBar()->currentMessage(),
               QStringLiteral("没有找到游戏或武将数据文件，请在“游戏与文件设置”中指定。"));
      QVERIFY(window->lb_Check[0]->text().startsWith(QStringLiteral("文件夹中没有头像文件")));
      QVERIFY(!window->lb_Why->isHidden());  // said in the window too: the list window is narrow
      QCOMPARE(window->lb_Why->text(), program.List->statusBar()->currentMessage());
      QCOMPARE(program.Context->Table.GeneralCount, 3);  // the generals are there to edit all the same
    }
  }

  void inTraditionalTheMenuItemsAndTheWindowSpeakTraditional() {
    TestPrompter prompter;
    tavlor::testing::LanguageGuard language;
    StartedProgram program{tavlor::testing::RunningProgramOptions().WithShippedFiles(
        {"GBKN.dat", "JISN.dat", "GB.DAT", "BIG5.DAT"})};
    program.List->M_BIG->trigger();
    QCOMPARE(program.List->M_Open->text(), QStringLiteral("打開…"));
    tavlor::GameSettingsWindow* window = program.Open();
    QVERIFY(window != nullptr);
    QCOMPARE(window->Opt_Manual->text(), QStringLiteral("手動指定"));
    QCOMPARE(window->lb_Check[0]->text(), QStringLiteral("找到頭像文件：2 張頭像"));
    window->Command_Cancel->click();
    program.List->M_GB->trigger();
    QCOMPARE(program.List->M_Open->text(), QStringLiteral("打开…"));
  }
};

QTEST_MAIN(GameSettingsTest)
#include "GameSettingsTest.moc"
