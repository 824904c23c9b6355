// Lacquer and gold for the framed windows; the editor paints its own screen.
#include "ui/app/ProgramStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

#include "ui/app/ProgramArtwork.h"
#include "ui/chrome/Artwork.h"

namespace tavlor {

QFont ProgramFont(int pointSize) {
  QFont font;
  font.setFamilies(art::InterfaceFontFamilies());
  font.setPointSize(pointSize);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QString ProgramStyleSheet() {
  return QStringLiteral(
      "QMainWindow, QMainWindow > QWidget { background: #2a1711; }"
      "QMenuBar { background: #1a0e0a; color: #f0d68c; border-bottom: 1px solid #80622e; }"
      "QMenuBar::item { padding: 3px 10px; background: transparent; }"
      "QMenuBar::item:selected { background: #5c1a14; color: #fff2c4; }"
      "QMenu { background: #2a1711; color: #f0d68c; border: 1px solid #c9a14a; padding: 3px; }"
      "QMenu::item { padding: 4px 22px 4px 22px; }"
      "QMenu::item:selected { background: #5c1a14; color: #fff2c4; }"
      "QMenu::indicator { width: 12px; height: 12px; left: 5px; }"
      "QMenu::indicator:checked { background: #c9a14a; border: 1px solid #f0d68c; border-radius: 6px; }"
      "QPushButton { color: #f7e3a3; padding: 5px 8px; border: 1px solid #c9a14a; border-radius: 4px;"
      " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #74261b, stop:1 #3e120c); }"
      "QPushButton:hover { border-color: #f0d68c;"
      " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #8c3224, stop:1 #4c1710); }"
      "QPushButton:pressed { background: #2e0d09; }"
      "QCheckBox { color: #f0d68c; }"
      "QCheckBox::indicator { width: 13px; height: 13px; border: 1px solid #c9a14a; background: #1a0e0a; }"
      "QCheckBox::indicator:checked { background: #c9a14a; image: none; }"
      "QToolTip { color: #22180f; background: #eee3cb; border: 1px solid #80622e; }");
}

QString MessageBoxStyleSheet() {
  return QStringLiteral(
      "QMessageBox { background: #2a1711; border: 1px solid #80622e; }"
      "QMessageBox QLabel { color: #f0d68c; }"
      "QMessageBox QPushButton { color: #f7e3a3; padding: 5px 14px; min-width: 48px;"
      " border: 1px solid #c9a14a; border-radius: 4px;"
      " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #74261b, stop:1 #3e120c); }"
      "QMessageBox QPushButton:hover { border-color: #f0d68c; }"
      "QMessageBox QPushButton:pressed { background: #2e0d09; }"
      "QToolTip { color: #22180f; background: #eee3cb; border: 1px solid #80622e; }");
}

QString FileDialogStyleSheet() {
  return QStringLiteral(
      "QFileDialog { background: #2a1711; }"
      "QFileDialog QLabel { color: #f0d68c; }"
      "QFileDialog QPushButton { color: #f7e3a3; padding: 5px 14px; min-width: 48px;"
      " border: 1px solid #c9a14a; border-radius: 4px;"
      " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #74261b, stop:1 #3e120c); }"
      "QFileDialog QPushButton:hover { border-color: #f0d68c; }"
      "QFileDialog QPushButton:pressed { background: #2e0d09; }"
      "QFileDialog QPushButton:disabled { color: #9c8760; }"
      "QFileDialog QLineEdit, QFileDialog QComboBox, QFileDialog QAbstractItemView {"
      " color: #22180f; background: #f7f0e0; selection-background-color: #74261b;"
      " selection-color: #fff2c4; }"
      "QToolTip { color: #22180f; background: #eee3cb; border: 1px solid #80622e; }");
}

void ApplyProgramStyle(QApplication& application) {
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) application.setStyle(fusion);
  application.setFont(ProgramFont());
  // Message boxes and tooltips belong to no window of ours: they get the look from here. The
  // other windows keep the plain style unless they are styled themselves.
  application.setStyleSheet(MessageBoxStyleSheet());
  application.setWindowIcon(ProgramIcon());
}

void StyleProgramWindow(QWidget& window) {
  window.setFont(ProgramFont());
  window.setWindowIcon(ProgramIcon());
  // The editor paints its own screen; the framed list window takes the lacquer sheet.
  if (window.isWindow() && window.windowFlags().testFlag(Qt::FramelessWindowHint)) return;
  window.setStyleSheet(ProgramStyleSheet());
}

}  // namespace tavlor
