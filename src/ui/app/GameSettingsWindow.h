// "游戏与文件设置": where the game, the edit-data file and the edit faces are. Automatic mode shows
// what the search finds; manual mode takes three paths with a browse button and a live check each.
// "确定" writes Set.ini (core/app/SettingsFile.h) and loads the game at once through the list
// window's unsaved-change guard; "取消" changes nothing.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavlor {

struct ProgramContext;
class Form1;
class Form2;

class GameSettingsWindow : public QDialog {
  Q_OBJECT
 public:
  GameSettingsWindow(ProgramContext& context, Form1* editor, Form2& list);

  QLabel* lb_Why = nullptr;  // why the window opened by itself (hidden when the player opened it)
  QRadioButton* Opt_Auto = nullptr;
  QRadioButton* Opt_Manual = nullptr;
  QLabel* lb_AutoFound = nullptr;                // what the automatic search finds
  std::array<QLineEdit*, 3> tx_Path{};           // 0 game folder, 1 edit-data file, 2 edit-face folder
  std::array<QPushButton*, 3> Command_Browse{};  // 浏览…
  std::array<QLabel*, 3> lb_Check{};             // the live check of each path
  QPushButton* Command_OK = nullptr;             // 确定
  QPushButton* Command_Cancel = nullptr;         // 取消

  // 确定: writes, reports and loads; returns whether the settings were written (the window closes).
  bool Apply();
  // Shows at the top of the window why it opened by itself (a first start without the game).
  void SayWhy(const QString& sentence);
  // The checks again, from the fields as they stand.
  void UpdateChecks();

 private:
  void Browse(int index);

  ProgramContext& context_;
  Form1* editor_;
  Form2& list_;
};

// Opens the window over the list window (one at a time), not blocking.
GameSettingsWindow* ShowGameSettings(ProgramContext& context, Form1* editor, Form2& list);

}  // namespace tavlor
