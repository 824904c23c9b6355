// demogame: writes the bundled demo game into the program folder: demo/grp/ with the six face
// archives (portraits painted by code), demo/EDATA000.13S with a dozen registered generals, and a
// Set.ini that points the editor at the demo.
//
//   demogame PROGRAM_FOLDER BLANK_SLOT_FILE
//   demogame --game-only FOLDER BLANK_SLOT_FILE     (FOLDER/demo only, for the tests: no Set.ini)
//
// The build reruns it only when the tool changes. A demo EDATA000.13S that the user has saved since
// is kept unless the tool itself changed (the stamp file records which tool wrote it). Set.ini is
// written only where there is none yet or where it is the one this tool wrote: a player who
// pointed it at a real game keeps it.
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

#include "ArchiveWriter.h"
#include "DemoGenerals.h"
#include "PortraitPainter.h"

namespace {

using demogame::PortraitKind;

// Distinct pictures per set; entries share them, so the six archives stay small (about 28 MB).
constexpr int kGameWarriors = 34, kGameLadies = 8, kGameCulture = 6;
constexpr int kEditWarriors = 24, kEditLadies = 8;
constexpr int kGameEntries = 1456;  // game faces 0..1455
constexpr int kEditEntries = 1100;  // edit faces 0..1099

struct FaceSet {
  QList<demogame::Portrait> portraits;
  QList<int> entryPicture;
};

// The game set follows the browser's categories: princesses (1192-1214) are ladies, the men of
// culture (1215-1226) monks, tea masters and nobles; the game's registered faces (1277-1455) mix
// in a lady every fifth face. Neighbouring faces get different pictures.
FaceSet GameSet() {
  FaceSet set;
  for (int i = 0; i < kGameWarriors; ++i)
    set.portraits << demogame::MakePortrait(PortraitKind::Warrior, 100 + i);
  for (int i = 0; i < kGameLadies; ++i) set.portraits << demogame::MakePortrait(PortraitKind::Lady, 200 + i);
  for (int i = 0; i < kGameCulture; ++i)
    set.portraits << demogame::MakePortrait(PortraitKind::Culture, 300 + i);
  const int ladies = kGameWarriors, culture = kGameWarriors + kGameLadies;
  for (int face = 0; face < kGameEntries; ++face) {
    int picture = (face * 7) % kGameWarriors;
    if (face >= 1192 && face <= 1214) picture = ladies + (face * 3) % kGameLadies;
    if (face >= 1215 && face <= 1226) picture = culture + face % kGameCulture;
    if (face >= 1277 && face % 5 == 0) picture = ladies + (face / 5) % kGameLadies;
    set.entryPicture << picture;
  }
  return set;
}

// The edit set: every fourth face (3, 7, 11, ...) a lady.
FaceSet EditSet() {
  FaceSet set;
  for (int i = 0; i < kEditWarriors; ++i)
    set.portraits << demogame::MakePortrait(PortraitKind::Warrior, 400 + i);
  for (int i = 0; i < kEditLadies; ++i) set.portraits << demogame::MakePortrait(PortraitKind::Lady, 500 + i);
  for (int face = 0; face < kEditEntries; ++face)
    set.entryPicture << (face % 4 == 3 ? kEditWarriors + (face / 4) % kEditLadies
                                       : (face * 5) % kEditWarriors);
  return set;
}

bool WriteSet(const FaceSet& set, const QString& grp, const QStringList& names, QString* error) {
  const QSize sizes[] = {{240, 240}, {96, 120}, {60, 60}};
  for (int s = 0; s < 3; ++s) {
    QList<QImage> pictures;
    for (const auto& portrait : set.portraits)
      pictures << demogame::PaintPortrait(portrait, sizes[s].width(), sizes[s].height());
    if (!demogame::WriteFaceArchive(grp + "/" + names[s], pictures, set.entryPicture, error)) return false;
  }
  return true;
}

bool WriteText(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    *error = path + ": " + file.errorString();
    return false;
  }
  return true;
}

QByteArray ToolIdentity() {
  QFile self(QCoreApplication::applicationFilePath());
  if (!self.open(QIODevice::ReadOnly)) return QByteArray();
  return QCryptographicHash::hash(self.readAll(), QCryptographicHash::Sha256).toHex();
}

// The first line of the Set.ini this tool writes; a Set.ini that starts otherwise is the player's.
const QByteArray kSettingsFirstLine = "[Tavlor demo game: settings written by the build]";

bool IsOursOrMissing(const QString& settingsPath) {
  QFile settings(settingsPath);
  if (!settings.exists()) return true;
  return settings.open(QIODevice::ReadOnly) && settings.readLine().trimmed() == kSettingsFirstLine;
}

int Fail(const QString& message) {
  std::fprintf(stderr, "demogame: %s\n", message.toLocal8Bit().constData());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList arguments = app.arguments();
  const bool gameOnly = arguments.size() == 4 && arguments[1] == QStringLiteral("--game-only");
  if (gameOnly) arguments.removeAt(1);
  if (arguments.size() != 3) return Fail("usage: demogame [--game-only] PROGRAM_FOLDER BLANK_SLOT_FILE");
  const QDir program(arguments[1]);
  const QString demo = program.absoluteFilePath("demo");
  const QString grp = demo + "/grp";
  if (!QDir().mkpath(grp)) return Fail("cannot create " + grp);

  QString error;
  if (!WriteSet(GameSet(), grp, {"KAO_l.N13", "KAO_M.N13", "KAO_s.N13"}, &error) ||
      !WriteSet(EditSet(), grp, {"EDIT_KAO_l.N13", "EDIT_KAO_M.n13", "EDIT_KAO_s.N13"}, &error))
    return Fail(error);

  // The edit-data file: written fresh unless this very tool wrote it before (the user may have
  // saved changes into it since).
  const QString editData = demo + "/EDATA000.13S";
  const QString stampPath = demo + "/.demogame-stamp";
  const QByteArray identity = ToolIdentity();
  QFile stamp(stampPath);
  const bool sameTool = stamp.open(QIODevice::ReadOnly) && stamp.readAll().trimmed() == identity;
  stamp.close();
  if (!(sameTool && QFile::exists(editData))) {
    QFile blank(arguments[2]);
    if (!blank.open(QIODevice::ReadOnly)) return Fail("cannot read the Blank slot " + arguments[2]);
    const QByteArray blankBytes = blank.readAll();
    const std::string bytes = demogame::DemoEditData(std::string(blankBytes.constData(), blankBytes.size()));
    if (!WriteText(editData, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error))
      return Fail(error);
  }

  // Set.ini beside the program: line 1 is never read; manual mode with the demo's folders.
  const QString settingsPath = program.absoluteFilePath("Set.ini");
  if (!gameOnly && IsOursOrMissing(settingsPath)) {
    const QByteArray folder = (demo + "/").toLocal8Bit();
    const QByteArray settings = kSettingsFirstLine + "\r\nAUTOREADPATH=0\r\nGAMEPATH=" + folder +
                                "\r\nCUSTOMIZEFILE=" + editData.toLocal8Bit() + "\r\nEDITKAOPATH=" + folder +
                                "\r\n";
    if (!WriteText(settingsPath, settings, &error)) return Fail(error);
  }
  if (!WriteText(stampPath, identity + "\n", &error)) return Fail(error);
  std::printf("demogame: wrote %s\n", demo.toLocal8Bit().constData());
  return 0;
}
