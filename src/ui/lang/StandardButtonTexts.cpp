// Qt's translations of its own texts, switched with the interface language, and the fallback
// captions of the message-box buttons.
#include "ui/lang/StandardButtonTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "core/lang/LanguageState.h"

namespace tavlor {
namespace {

std::unique_ptr<QTranslator>& InstalledTranslator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

// The source texts Qt translates its standard buttons from (context "QPlatformTheme").
const char* QtSourceText(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Yes:
      return "&Yes";
    case QMessageBox::No:
      return "&No";
    case QMessageBox::Ok:
      return "OK";
    case QMessageBox::Cancel:
      return "Cancel";
    default:
      return nullptr;
  }
}

QString OwnText(QMessageBox::StandardButton button, bool simplified) {
  switch (button) {
    case QMessageBox::Yes:
      return QStringLiteral("是");
    case QMessageBox::No:
      return QStringLiteral("否");
    case QMessageBox::Ok:
      return simplified ? QStringLiteral("确定") : QStringLiteral("確定");
    case QMessageBox::Cancel:
      return QStringLiteral("取消");
    default:
      return QString();
  }
}

}  // namespace

bool InstallQtTranslation(bool simplified) {
  RemoveQtTranslation();
  auto translator = std::make_unique<QTranslator>();
  const QString name = simplified ? QStringLiteral("qtbase_zh_CN") : QStringLiteral("qtbase_zh_TW");
  if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
  QCoreApplication::installTranslator(translator.get());
  InstalledTranslator() = std::move(translator);
  return true;
}

void RemoveQtTranslation() {
  if (!InstalledTranslator()) return;
  QCoreApplication::removeTranslator(InstalledTranslator().get());
  InstalledTranslator().reset();
}

bool FollowLanguageWithQtTranslations() {
  SharedLanguageState().OnChange([](bool simplified) { InstallQtTranslation(simplified); });
  return InstallQtTranslation(IsSimplified());
}

QString StandardButtonText(QMessageBox::StandardButton button) {
  const char* source = QtSourceText(button);
  if (source != nullptr && InstalledTranslator()) {
    const QString translated = QCoreApplication::translate("QPlatformTheme", source);
    if (translated != QLatin1String(source) && !translated.isEmpty()) return translated;
  }
  return OwnText(button, IsSimplified());
}

}  // namespace tavlor
