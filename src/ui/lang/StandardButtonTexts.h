// The standard buttons of message boxes in the interface's language: Qt's own Chinese translations
// (Simplified or Traditional, following the language menu), and our own texts where those are not
// installed.
#pragma once

#include <QMessageBox>
#include <QString>

namespace tavlor {

// Installs Qt's translation for the language now in force and follows every later change of the
// language. Returns whether Qt's translation could be loaded for the current language.
bool FollowLanguageWithQtTranslations();

// Replaces the Qt translation with the one for `simplified` (zh_CN or zh_TW). Returns whether it
// was found; without it the buttons use our own texts.
bool InstallQtTranslation(bool simplified);
// Removes the Qt translation (as on a system without it).
void RemoveQtTranslation();

// The caption of a standard button in the language now in force: Qt's translation when there is
// one, else our own (是, 否, 确定, 取消 and their Traditional forms).
QString StandardButtonText(QMessageBox::StandardButton button);

}  // namespace tavlor
