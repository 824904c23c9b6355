// The program: the splash first, then the editor and the list window after the start-up sequence.
// Closing either main window, or the list window's exit item, ends the program; with unsaved
// changes the windows ask first.
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTableWidget>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "core/app/DataFolder.h"
#include "core/app/SettingsLocation.h"
#include "ui/app/BundledFonts.h"
#include "ui/app/Form5.h"
#include "ui/app/GameSettingsWindow.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/ProgramInfo.h"
#include "ui/app/ProgramStyle.h"
#include "ui/app/Prompts.h"
#include "ui/app/Screenshots.h"
#include "ui/app/Startup.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"
#include "ui/lang/StandardButtonTexts.h"
#include "ui/pickers/Form6.h"
#include "ui/pickers/PickerActions.h"

namespace {

// In screenshot mode nobody is there to answer: messages go to stderr, questions get No or
// Cancel and file dialogs choose nothing.
class ConsolePrompter final : public tavlor::Prompter {
 public:
  bool AskYesNo(const QString& text, const QString& title) override {
    Print("question", text, title);
    return false;
  }
  tavlor::UnsavedChangesAnswer AskSaveDiscardCancel(const QString& text, const QString& title) override {
    Print("question", text, title);
    return tavlor::UnsavedChangesAnswer::Cancel;
  }
  tavlor::ChangedOnDiskAnswer AskReloadOverwriteCancel(const QString& text, const QString& title) override {
    Print("question", text, title);
    return tavlor::ChangedOnDiskAnswer::Cancel;
  }
  QString ChooseFileToOpen(const QString& title, const QString& start, const QString&) override {
    Print("file dialog", start, title);
    return {};
  }
  QString ChooseFileToSave(const QString& title, const QString& start, const QString&) override {
    Print("file dialog", start, title);
    return {};
  }
  void Inform(const QString& text, const QString& title) override { Print("information", text, title); }
  void Warn(const QString& text, const QString& title) override { Print("warning", text, title); }
  void Error(const QString& text, const QString& title) override { Print("error", text, title); }

 private:
  static void Print(const char* kind, const QString& text, const QString& title) {
    std::fprintf(stderr, "[%s] %s: %s\n", kind, qUtf8Printable(title), qUtf8Printable(text));
  }
};

// Opens a window the screenshot door asks for that start-up does not show: the way a player
// would, through the menu item or the button that opens it.
void OpenWindowForScreenshot(const QString& window, tavlor::ProgramContext& context, tavlor::Form1& form1,
                             tavlor::Form2& form2) {
  if (window == QLatin1String("Form7")) form2.M_MkWJ->trigger();
  if (window == QLatin1String("Form_CGBR")) emit form1.portraitBrowserRequested();
  if (window == QLatin1String("FaceImportWindow")) form2.M_FaceImport->trigger();
  if (window == QLatin1String("Form3")) emit form1.abilityPickerRequested();
  if (window == QLatin1String("Form4")) emit form1.cityPickerRequested();
  if (window == QLatin1String("Form6")) {
    context.State.CurLinkSlot = 4;  // the favoured general's change button
    emit form1.linkPickerRequested(context.State.CurLinkSlot);
    // Then, as a player would, search for the favoured general by name, so the picture shows one.
    tavlor::Form6* picker = tavlor::ConnectPickers(context, form1).RelatedGeneralPicker();
    const QString favoured = form1.LB_XXWJ[1]->text();
    if (picker != nullptr && !favoured.isEmpty()) {
      picker->Tx_ser->setText(favoured);
      picker->Search();
    }
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavlor"));
  QApplication::setApplicationVersion(tavlor::ProgramVersion());
  // The editor and the list window end the program themselves; a closed picker must not.
  QApplication::setQuitOnLastWindowClosed(false);

  QCommandLineParser options;
  options.setApplicationDescription(QStringLiteral("Editor for the registered generals of Nobunaga13"));
  options.addHelpOption();
  options.addVersionOption();
  const QCommandLineOption screenshotOption(
      QStringLiteral("screenshot"),
      QStringLiteral(
          "After start-up, save a picture and quit (may be repeated). <shot> is PATH for the "
          "whole screen, WINDOW=PATH for one window (Form1, Form2, Form3, Form4, Form6, Form7, Form_CGBR, "
          "FaceImportWindow), "
          "WINDOW,WINDOW=PATH "
          "for windows together, or WINDOW/CONTROL+CONTROL[/MARGIN]=PATH for the part of a "
          "window around those controls."),
      QStringLiteral("shot"));
  const QCommandLineOption pickOption(QStringLiteral("pick"),
                                      QStringLiteral("After start-up, pick grid row <row> (from 1)."),
                                      QStringLiteral("row"));
  const QCommandLineOption settingsOption(
      QStringLiteral("settings"), QStringLiteral("Read Set.ini from <folder> instead of the program folder."),
      QStringLiteral("folder"));
  const QCommandLineOption traditionalOption(
      QStringLiteral("traditional"),
      QStringLiteral("After start-up, switch to Traditional Chinese as the language menu's BIG码 does."));
  options.addOption(traditionalOption);
  options.addOption(screenshotOption);
  options.addOption(pickOption);
  options.addOption(settingsOption);
  options.process(application);
  QList<tavlor::ScreenshotRequest> screenshots;
  for (const QString& shot : options.values(screenshotOption)) {
    const auto request = tavlor::ParseScreenshotRequest(shot);
    if (!request) options.showHelp(2);
    screenshots << *request;
  }

  tavlor::ApplyProgramStyle(application);
  tavlor::FollowLanguageWithQtTranslations();
  ConsolePrompter consolePrompter;
  if (!screenshots.isEmpty()) tavlor::SetPrompter(&consolePrompter);

  tavlor::ProgramContext context;
  const std::filesystem::path programFolder(
      QDir::toNativeSeparators(QDir(QCoreApplication::applicationDirPath()).absolutePath()).toStdU16String());
  context.ProgramFolder = tavlor::FindDataFolder(programFolder);
  tavlor::LoadBundledFonts(context.ProgramFolder);
  if (options.isSet(settingsOption)) {
    context.SettingsFolder = std::filesystem::path(
        QDir::toNativeSeparators(QDir(options.value(settingsOption)).absolutePath()).toStdU16String());
    context.Settings = tavlor::SettingsInFolder(context.SettingsFolder);
  } else {
    context.Settings = tavlor::LocateSettings(programFolder);
  }
  // Screenshots are taken of the windows as they stand; a player is helped to the game.
  context.OfferGameSettings = screenshots.isEmpty();

  tavlor::Form5 splash;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    splash.move(screen->availableGeometry().center() - splash.rect().center());
  }
  std::unique_ptr<tavlor::Form1> form1;
  std::unique_ptr<tavlor::Form2> form2;

  QObject::connect(&splash, &tavlor::Form5::finished, &application, [&] {
    if (!form1) {
      form1 = std::make_unique<tavlor::Form1>(context);
      form2 = std::make_unique<tavlor::Form2>(context);
      // The windows have settled any unsaved changes before they ask: the program ends here, without
      // the round of window closes a quit would start (each close a place that could ask again).
      const auto endProgram = [] { QCoreApplication::exit(0); };
      QObject::connect(form1.get(), &tavlor::Form1::exitRequested, &application, endProgram);
      QObject::connect(form2.get(), &tavlor::Form2::exitRequested, &application, endProgram);
      tavlor::RunStartup(context, *form1, *form2, &splash);
    }
    form1->show();
    form2->show();
    form1->raise();
    // A first start without the game opened the settings window: it stays in front of both.
    for (auto* settings : form2->findChildren<tavlor::GameSettingsWindow*>()) {
      if (!settings->isVisible()) continue;
      settings->raise();
      settings->activateWindow();
    }
    splash.close();
    if (options.isSet(traditionalOption)) form2->M_BIG->trigger();
    if (options.isSet(pickOption)) {
      const int row = options.value(pickOption).toInt();
      form2->MFLX->selectRow(row - 1);
      form2->PickRow(row);
    }
    if (!screenshots.isEmpty()) {
      tavlor::ScheduleScreenshots(screenshots, [&](const QString& window) {
        OpenWindowForScreenshot(window, context, *form1, *form2);
      });
    }
  });
  splash.show();

  const int result = QApplication::exec();
  tavlor::SetPrompter(nullptr);
  return result;
}
