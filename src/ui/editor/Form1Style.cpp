// The editor's field style: boxes of pale paper with a gold-brown rim, gold slider bars on
// lacquer, vermilion selections, lacquer push buttons with gold rims.
#include "ui/editor/Form1Style.h"

namespace tavlor {

QString Form1StyleSheet() {
  return QStringLiteral(
      "QLineEdit, QComboBox { background: rgba(255, 251, 238, 235); color: #22180f;"
      " border: 1px solid #8a6a34; border-radius: 2px; padding: 0px 4px;"
      " selection-background-color: #b23224; selection-color: #fff6dc; }"
      "QLineEdit:focus, QComboBox:focus { border: 1px solid #b23224; background: #fffdf4; }"
      "QLineEdit[unstorable=\"true\"] { background: #fbe0d6; border: 1px solid #b3180c; }"
      "QLineEdit:disabled { background: rgba(196, 182, 150, 150); color: #7a6a50; border-color: #a89060; }"
      "QComboBox { padding-right: 16px; }"
      "QComboBox::drop-down { width: 16px; border: none; border-left: 1px solid #c9a14a;"
      " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5a2c1c, stop:1 #2a140c); }"
      "QComboBox QAbstractItemView { background: #fbf4e2; color: #22180f; border: 1px solid #c9a14a;"
      " selection-background-color: #8c2a1c; selection-color: #fff2c4; outline: 0; }"
      "QProgressBar { border: 1px solid #c9a14a; border-radius: 3px; background:"
      " qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #150c08, stop:1 #3a2218); }"
      "QProgressBar::chunk { border-radius: 2px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
      " stop:0 #f7e3a3, stop:0.45 #d6ae58, stop:1 #8a6428); }"
      "QLabel { color: #22180f; background: transparent; }"
      "QLabel#lb_sm_0 { color: #8c1f14; }"
      "QLabel[role=\"plate\"] { background: rgba(255, 251, 238, 160); border: 1px solid #b89a62;"
      " border-radius: 2px; padding: 0px 4px; }"
      "QLabel#Label4 { color: #8a7a5a; }"
      "QWidget#Pic_sen2 { background: #2a1711; border: 1px solid #c9a14a; border-top: none; }"
      "QPushButton { color: #f0d68c; border: 1px solid #c9a14a; border-radius: 4px;"
      " padding: 2px 10px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
      " stop:0 #5a3220, stop:0.5 #3a2016, stop:1 #22120c); }"
      "QPushButton:hover { color: #fff2c4; border-color: #f0d68c; background:"
      " qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #724026, stop:0.5 #4a2618, stop:1 #2c160e); }"
      "QPushButton:pressed { background: #7a2418; color: #fff2c4; }"
      "QPushButton:focus { border-color: #f0d68c; }"
      "QPushButton:disabled { color: #8a7a5a; border-color: #6a5434; }");
}

}  // namespace tavlor
