#include "ui/app/BundledFonts.h"

#include <QDir>
#include <QFontDatabase>

#include "ui/app/TextCodec.h"

namespace tavlor {

QStringList LoadBundledFonts(const std::filesystem::path& dataFolder) {
  QStringList families;
  const QDir folder(TextOfFilePath(dataFolder / "fonts"));
  const QStringList files = folder.entryList(
      {QStringLiteral("*.otf"), QStringLiteral("*.ttf"), QStringLiteral("*.ttc")}, QDir::Files, QDir::Name);
  for (const QString& file : files) {
    // A file Qt cannot read as a font is passed over: the platform's faces still draw the text.
    const int id = QFontDatabase::addApplicationFont(folder.filePath(file));
    if (id >= 0) families << QFontDatabase::applicationFontFamilies(id);
  }
  return families;
}

}  // namespace tavlor
