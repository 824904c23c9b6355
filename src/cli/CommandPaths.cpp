// tavlor-cli paths: where the editor would find the game and its files, and why: Set.ini's mode,
// the Wine and Proton prefixes searched for the game's registry entry, the Documents folder, and
// every path with whether it exists.
#include <QString>
#include <filesystem>
#include <system_error>

#include "cli/CliCommand.h"
#include "core/app/GameInstallSearch.h"
#include "core/app/PathSettings.h"
#include "core/app/Settings.h"
#include "core/app/SettingsLocation.h"
#include "core/data/PathText.h"
#include "core/text/PlainTextRules.h"
#include "ui/app/TextCodec.h"

namespace tavlor::cli {
namespace {

namespace fs = std::filesystem;

QString Text(const fs::path& path) {
  return QString::fromStdU16String(path.u16string());
}

QString Text(const std::string& text) {
  return FromNativePath(text);
}

QString ModeText(double mode) {
  if (mode == 1) return QStringLiteral("automatic: the game's registry entry and the Documents folder");
  if (mode == 0) return QStringLiteral("manual: GAMEPATH, CUSTOMIZEFILE and EDITKAOPATH of Set.ini");
  return QStringLiteral("neither 0 nor 1: every path stays empty");
}

QString PrefixText(const PrefixLook& look) {
  QString found;
  if (!look.HasUserRegistry) {
    found = QStringLiteral("no user.reg");
  } else if (look.InstallInfo.empty()) {
    found = QStringLiteral("user.reg has no InstallInfo");
  } else {
    found = QStringLiteral("InstallInfo = %1").arg(Text(look.InstallInfo));
  }
  found += look.Documents.empty() ? QStringLiteral("; no Documents folder")
                                  : (look.HasEditData ? QStringLiteral("; Documents hold EDATA000.13S")
                                                      : QStringLiteral("; Documents without EDATA000.13S"));
  return QStringLiteral("  %1  %2: %3").arg(QString::fromStdString(look.Source), Text(look.Prefix), found);
}

void PrintAutomaticSearch(const GameInstallSearch& search) {
  if (search.SteamRoots.empty()) {
    PrintLine(QStringLiteral("Steam folders: none found"));
  } else {
    for (const fs::path& root : search.SteamRoots)
      PrintLine(QStringLiteral("Steam folder: %1").arg(Text(root)));
  }
  PrintLine(QStringLiteral("Wine prefixes searched for HKEY_CURRENT_USER\\%1 \"%2\":")
                .arg(QString::fromLatin1(kInstallKey), QString::fromLatin1(kInstallValue)));
  if (search.Looked.empty()) PrintLine(QStringLiteral("  (none: the real registry is used)"));
  for (std::size_t i = 0; i < search.Looked.size(); ++i) {
    QString line = PrefixText(search.Looked[i]);
    if (search.RegistryFrom == i) line += QStringLiteral("  <- the game's folder");
    if (search.DocumentsFrom == i) line += QStringLiteral("  <- the Documents folder");
    PrintLine(line);
  }
  if (!search.RegistryFrom && !search.Looked.empty())
    PrintLine(QStringLiteral("The game's registry entry was not found: GamePath stays empty."));
  PrintLine(
      QStringLiteral("Documents folder: %1%2")
          .arg(Text(search.DocumentsFolder),
               search.DocumentsFrom ? QString() : QStringLiteral(" (no prefix gave one: the usual one)")));
}

// "  Name: path  (found: the file it resolves to)", resolved as the editor resolves game paths.
void PrintPath(const char* name, const std::string& path, bool folder) {
  const QString label = QString::fromLatin1(name);
  if (path.empty()) {
    PrintLine(QStringLiteral("  %1: (empty)").arg(label));
    return;
  }
  std::error_code code;
  const fs::path resolved = ResolveGameFile(path);
  const bool exists = folder ? fs::is_directory(resolved, code) : fs::is_regular_file(resolved, code);
  PrintLine(QStringLiteral("  %1: %2  (%3 %4)")
                .arg(label, Text(path), exists ? QStringLiteral("found:") : QStringLiteral("not found as"),
                     Text(resolved)));
}

// Which Set.ini is read and why, in the order the editor decides it.
void PrintSettingsChoice(const SettingsLocation& location) {
  const QString user =
      location.UserFile.empty() ? QStringLiteral("(no home folder)") : Text(location.UserFile);
  switch (location.Source) {
    case SettingsSource::BesideProgram:
      PrintLine(QStringLiteral("Set.ini: %1 (beside the program: it wins over the user's own, %2)")
                    .arg(Text(location.File), user));
      break;
    case SettingsSource::UserSettings:
      PrintLine(QStringLiteral("Set.ini: %1 (the user's own: there is none beside the program, %2)")
                    .arg(Text(location.File), Text(location.BesideProgram)));
      break;
    case SettingsSource::NoneYet:
      PrintLine(QStringLiteral("Set.ini: none (neither beside the program, %1, nor the user's own, %2): "
                               "automatic mode; the editor's settings window will write %3%4")
                    .arg(Text(location.BesideProgram), user, Text(location.File),
                         location.ProgramFolderReadOnly
                             ? QStringLiteral(" (the program's folder cannot be written)")
                             : QString()));
      break;
    case SettingsSource::GivenFolder:
      PrintLine(
          QStringLiteral("Set.ini: %1 (in the folder given by --settings-folder)").arg(Text(location.File)));
      break;
  }
}

int Paths(const CommandArguments& arguments) {
  if (!arguments.Positional.isEmpty())
    return Fail(QStringLiteral("usage: paths [--program-folder=DIR | --settings-folder=DIR]"));
  const fs::path programFolder = arguments.Has("--program-folder")
                                     ? fs::path(arguments.Value("--program-folder").toStdU16String())
                                     : ExecutableFolder();
  const SettingsLocation location =
      arguments.Has("--settings-folder")
          ? SettingsInFolder(fs::path(arguments.Value("--settings-folder").toStdU16String()))
          : LocateSettings(programFolder);
  PrintSettingsChoice(location);
  const fs::path settings = location.File;

  QStringList problems;
  const MessageReporter report = [&problems](std::string_view gbkMessage, const std::string& path) {
    problems << FromGbk(gbkMessage) + Text(path);
  };
  const MessageReporter quiet = [](std::string_view, const std::string&) {};
  const double mode =
      location.Source == SettingsSource::NoneYet
          ? 1
          : LeadingNumber(GetIniValue(TextOfPath(settings), "AUTOREADPATH", quiet).value_or(std::string()));
  GameInstallSearch search;
  const PathSettings paths = ResolvePathsFrom(location, report, &search);
  if (!problems.isEmpty()) {
    // Each lookup says it once; one line is enough here.
    PrintLine(QStringLiteral("Set.ini cannot be read (%1): every setting is empty").arg(problems.front()));
  }
  PrintLine(QStringLiteral("AUTOREADPATH: %1 (%2)").arg(mode).arg(ModeText(mode)));
  if (mode == 1) PrintAutomaticSearch(search);

  PrintLine(QStringLiteral("Will use:"));
  PrintPath("GamePath", paths.GamePath, true);
  PrintPath("CustomizeFile", paths.CustomizeFile, false);
  PrintPath("EditKaoPath", paths.EditKaoPath, true);
  PrintPath("KaoLPath", paths.KaoLPath, false);
  PrintPath("KaoMPath", paths.KaoMPath, false);
  PrintPath("KaoSPath", paths.KaoSPath, false);
  PrintPath("EditKaoLPath", paths.EditKaoLPath, false);
  PrintPath("EditKaoMPath", paths.EditKaoMPath, false);
  PrintPath("EditKaoSPath", paths.EditKaoSPath, false);
  return 0;
}

const Registration kPaths("paths",
                          "paths   where the editor looks for the game and its edit-data file, what it finds "
                          "and what it will use",
                          {{"--program-folder",
                            "decide as if the program were in the folder VALUE: its Set.ini, else the "
                            "user's own, else automatic mode",
                            true},
                           {"--settings-folder",
                            "read the Set.ini of the folder VALUE, as tavlor --settings does", true}},
                          Paths);

}  // namespace
}  // namespace tavlor::cli
