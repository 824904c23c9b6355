// The typefaces a release brings in fonts/ beside the data files: each readable face becomes one
// of the program's families, anything else in the folder is passed over, and no folder adds none.
#include <QFontDatabase>
#include <QTest>
#include <filesystem>

#include "support/TempFolder.h"
#include "ui/app/BundledFonts.h"

class BundledFontsTest : public QObject {
  Q_OBJECT

 private slots:
  void eachReadableFaceInTheFontsFolderIsLoadedAndTheRestPassedOver() {
    // Any small TrueType face of the machine stands in for the release's caption face.
    const std::filesystem::path face = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";
    if (!std::filesystem::exists(face))
      QSKIP("no DejaVu Serif on this machine to stand in for a bundled face");
    tavlor::testing::TempFolder data;
    QVERIFY(tavlor::LoadBundledFonts(data.Path()).isEmpty());  // no fonts folder at all

    std::filesystem::create_directories(data / "fonts");
    std::filesystem::copy_file(face, data / "fonts" / "Caption.ttf");
    tavlor::testing::WriteFileBytes(data / "fonts" / "broken.otf", std::string(3000, 'x'));
    tavlor::testing::WriteFileBytes(data / "fonts" / "OFL.txt", "the licence");
    QCOMPARE(tavlor::LoadBundledFonts(data.Path()), QStringList{QStringLiteral("DejaVu Serif")});
    QVERIFY(QFontDatabase::families().contains(QStringLiteral("DejaVu Serif")));
  }
};

QTEST_MAIN(BundledFontsTest)
#include "BundledFontsTest.moc"
