// Form7, the help viewer: a step-by-step guide to creating a new general, read from help.ini, paged
// with five buttons, each topic with a title, a text and up to two pictures.
#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "core/lang/HelpIni.h"
#include "core/lang/HelpPaging.h"

class QLabel;
class QPushButton;

namespace tavlor {

struct ProgramContext;
class HelpPictureBox;

class Form7 : public QWidget {
  Q_OBJECT
 public:
  // Reads the guide (LoadhelpIni) and sets HelpPage to 1; no topic is shown yet.
  explicit Form7(ProgramContext& context, QWidget* parent = nullptr);

  // --- Controls (object names are the member names; array members end in _<index>) ---
  HelpPictureBox* PicCG = nullptr;     // the main picture
  HelpPictureBox* Picture5 = nullptr;  // the second picture, hidden unless a topic has one
  std::array<QLabel*, 2> Label1{};     // 0 the title, 1 the text
  QPushButton* Command1 = nullptr;     // 完成: hides the window, keeping its state
  QPushButton* Command2 = nullptr;     // 上一步
  QPushButton* Command3 = nullptr;     // 下一步
  QPushButton* Command4 = nullptr;     // 开  始: shows the current page
  QPushButton* Command5 = nullptr;     // R: reads help.ini again, back to page 1

  // Rebuilds the topics from help.ini beside the program; a fault is reported once, and the topics
  // before it stay.
  void LoadhelpIni();
  // Shows topic n (from 1); any other number only hides the second picture.
  void Play(int n);

  const std::vector<HelpTopic>& Topics() const { return topics_; }
  const HelpPaging& Paging() const { return paging_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildControls();
  void ConnectButtons();
  // Shows a picture reference in `box`; returns false for the empty reference (the box is left).
  bool ShowPicture(const std::string& reference, HelpPictureBox* box);

  ProgramContext& context_;
  std::vector<HelpTopic> topics_;
  HelpPaging paging_;
};

// Opens the help viewer of `owner` (the list window), creating it on first use; later calls show
// the same window, with its topics and page, and bring it forward.
Form7* ShowForm7(ProgramContext& context, QWidget* owner);

}  // namespace tavlor
