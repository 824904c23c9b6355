// Form1, the editor window: a borderless 985 x 660 painting of a general-editing screen with the
// controls of one general on its drawn fields.
#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "core/editor/EditorState.h"
#include "core/editor/EditorValues.h"
#include "ui/chrome/HoverButtons.h"
#include "ui/chrome/ImageList.h"
#include "ui/chrome/WindowChrome.h"

class QCheckBox;
class QComboBox;
class QInputMethodEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QVariantAnimation;

namespace tavlor {

struct ProgramContext;
class PictureBox;
class PortraitBox;

class Form1 : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kWidth = 985;
  static constexpr int kHeight = 660;
  static constexpr int kVoicePanelOpenTwips = 2700;

  explicit Form1(ProgramContext& context, QWidget* parent = nullptr);
  ~Form1() override;

  // --- Controls (object names are the member names; array members end in _<index>) ---
  std::array<QLineEdit*, 2> tx_Name1{};  // 0 family name, 1 given name
  std::array<QLineEdit*, 2> tx_DY{};     // readings
  // Under each name and reading box: the bytes its Shift-JIS form takes against the field's width
  // ("8/11"), red past the width or when a character cannot be stored (that character is named).
  std::array<QLabel*, 2> NameBudget{};
  std::array<QLabel*, 2> ReadingBudget{};
  QLineEdit* TX_year = nullptr;          // birth year
  QProgressBar* pbar_year = nullptr;     // 1460..1650, dragged with the left button
  QLineEdit* TX_age = nullptr;           // lifespan, counting both end years
  QProgressBar* pbar_age = nullptr;      // 16..110
  std::array<PictureBox*, 2> Pic_Min{};  // 0 birth year, 1 lifespan
  std::array<PictureBox*, 2> Pic_Max{};
  std::array<QLabel*, 7> lb_sm{};             // 0 death year, 1..6 the age in each scenario year
  std::array<QLabel*, 5> lb4W{};              // 統率 武勇 知略 政治 義理
  std::array<QComboBox*, 5> Com_SS{};         // aptitudes 足軽 騎馬 弓 鉄砲 兵器: D C B A S
  QComboBox* COB_ZF = nullptr;                // tactic, list index = stored value
  QComboBox* COB_ZF_BAK = nullptr;            // hidden copy of the 57 names for the language switch
  std::array<PictureBox*, 2> Pic_opt{};       // sex: 0 女, 1 男
  std::array<PictureBox*, 8> Pic_opt_CZ{};    // origin; even indexes in the left column
  std::array<PictureBox*, 2> Pic_opt_SF{};    // status: 0 家臣, 1 浪人
  std::array<PictureBox*, 13> PIC_snd{};      // 0 the chosen voice, 1..12 the choices in Pic_sen2
  PictureBox* Pic_Sen = nullptr;              // opens and closes the voice panel
  QWidget* Pic_sen2 = nullptr;                // the voice panel (height 0 when closed)
  std::array<QLineEdit*, 4> tx_XXWJ{};        // related general numbers: 相性 親愛 嫌悪 実父
  std::array<QLabel*, 4> LB_XXWJ{};           // their names
  std::array<PortraitBox*, 4> PIC_SWJ{};      // their small portraits (41 x 41)
  PortraitBox* CG_PIC = nullptr;              // the large portrait (201 x 201)
  PictureBox* Pic_CG = nullptr;               // 变更肖像: opens the portrait browser
  std::array<PictureBox*, 3> Pic_cancel{};    // clear tx_XXWJ(k + 1)
  std::array<PictureBox*, 8> Pic_Chang_LL{};  // 0 abilities .. 3-6 relations .. 7 home base
  QLabel* lb_CityName = nullptr;
  std::array<QLineEdit*, 4> Tx_Lz{};    // biography lines, 18 double-byte characters each
  QLabel* Label3 = nullptr;             // hidden scratch label
  QLabel* Label4 = nullptr;             // echoes the code of the last key typed into a biography line
  std::array<PictureBox*, 3> Pic_YN{};  // 0 change, 1 add, 2 quit
  QPushButton* Command2 = nullptr;      // shows the message "确定1555" in Traditional characters
  QTimer* Timer1 = nullptr;             // hover timer of Pic_Chang_LL
  QTimer* Timer3 = nullptr;             // docks the list window (100 ms)
  QTimer* Timer4 = nullptr;             // hover timer of Pic_YN
  QTimer* Timer5 = nullptr;             // hover timer of Pic_Min
  QTimer* Timer6 = nullptr;             // hover timer of Pic_Max
  QTimer* Timer7 = nullptr;             // hover timer of Pic_cancel
  QTimer* Timer8 = nullptr;             // hover timer of Pic_CG

  // --- Methods other windows call ---
  // Recomputes the death year and the six scenario ages from TX_year and TX_age.
  void SMJS();
  void Click_opt(int k);         // sex option k; CurSex = k
  void Click_Pic_opt_CZ(int k);  // origin option k; CurOrigin = k
  void Click_opt_sf(int k);      // status option k; CurStatus = 7 (k = 0) or 3 (k = 1)
  void Click_snd(int k);         // voice k (1..12): shows it in PIC_snd(0), closes the panel
  // Focus with caret placement: 0 select all, 1 caret at start, 2 caret at end; other modes do
  // nothing. An empty box only takes the focus.
  static void FocusText(QLineEdit* box, int mode);
  // Image `number` (from 1) of the editor's image list IML or IML1.
  const QPixmap& ImageOf(ImageListId list, int number) const;

  // The controls' contents as plain values (texts are interface bytes) and back.
  EditorValues CollectValues() const;
  void ApplyValues(const EditorValues& values);
  // The first character typed into a name, reading or biography box that cannot be stored (no code
  // in the interface's encoding, or no Shift-JIS form), as a message naming it and its box; empty
  // when every typed character can be stored. Boxes the player left alone are never named.
  QString UnstorableTextMessage() const;
  // After a change of the interface language: the name, reading and biography boxes the player
  // left alone show their stored fields in the new language, and typed text is converted to it and
  // kept. Does nothing when the boxes already show the language in force, so calling it twice is
  // harmless.
  void RetextValueBoxes();
  // Shows the sex, origin, status and voice options of `state` and takes its values.
  void ApplyState(const EditorState& state);

  // The list window docked at the editor's left while `autoFollow` is checked (Timer3).
  void SetDockedWindow(QWidget* listWindow, QCheckBox* autoFollow);
  // Asked before the quit button or closing the window ends the program with unsaved changes:
  // true lets it end (the changes were saved or discarded).
  void SetUnsavedChangesGuard(std::function<bool()> guard);

  // The voice panel's target height in pixels (its height once the slide has finished).
  int VoicePanelTargetHeight() const { return voicePanelTarget_; }
  // The hover state shared by all button families of this window.
  HoverWatch& Hover() { return hover_; }
  HoverFamily& Family(int timerNumber);  // the family watched by Timer1, 4, 5, 6, 7 or 8

 signals:
  void changeRequested();  // Pic_YN(0) released
  void addRequested();     // Pic_YN(1) released
  void exitRequested();    // the window was closed: the program ends, without saving
  // The change buttons and the face button: the pickers connect here.
  void abilityPickerRequested();           // Pic_Chang_LL(0)
  void linkPickerRequested(int linkSlot);  // Pic_Chang_LL(3..6); CurLinkSlot is set first
  void cityPickerRequested();              // Pic_Chang_LL(7)
  void portraitBrowserRequested();         // Pic_CG pressed with the left button

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildNameFields();
  void BuildTextBudgets();
  void UpdateTextBudgets();
  void BuildYearFields();
  void BuildLifespanLine();
  void BuildOptions();
  void BuildVoicePanel();
  void BuildAbilityFields();
  void BuildRelationRows();
  void BuildBiographyLines();
  void BuildButtons();
  void BuildCommand2();
  void BuildTimers();
  void ConnectButtons();
  void FollowLanguageSwitches();
  void ApplyTacticNames();  // COB_ZF from COB_ZF_BAK in the language now in force
  void RetextShownTexts();  // the button, labels and value boxes after a switch

  void OnSliderMouse(QProgressBar* bar, double x, Qt::MouseButtons buttons);
  void ToggleVoicePanel();
  void SetVoicePanelHeight(int pixels);
  bool OnBiographyKey(int line, QKeyEvent* event);
  bool OnBiographyInput(QLineEdit* box, QInputMethodEvent* event);
  void OnBiographyChanged(int line);
  void OnChangeButton(int index);
  void OnQuit();
  void DockListWindow();
  // The name, reading and biography boxes in one order, with what ApplyValues last put there.
  std::array<QLineEdit*, 8> TextBoxes() const;
  EditorValues CollectValuesIn(bool big5) const;
  void ApplyTextBoxes(const EditorValues& values);

  ProgramContext& context_;
  HoverWatch hover_;
  std::array<HoverFamily*, 6> families_{};  // Timer1, 4, 5, 6, 7, 8 in that order
  WindowDragger dragger_;
  QPixmap background_;
  QVariantAnimation* voiceSlide_ = nullptr;
  int voicePanelTarget_ = 0;
  bool applyingValues_ = false;  // line-change handling is quiet while values are applied
  QPointer<QWidget> dockedWindow_;
  QPointer<QCheckBox> autoFollow_;
  std::function<bool()> unsavedChangesGuard_;
  // What ApplyValues put into each of TextBoxes(): the text shown and the bytes it came from. A box
  // still showing that text gives those bytes back as they were, not its text encoded again.
  std::array<QString, 8> appliedTexts_;
  std::array<std::string, 8> appliedBytes_;
  std::array<std::optional<StoredOrigin>, 8> textOrigins_;  // the stored field behind each box
  bool textsSimplified_ = true;                             // the language the boxes' texts are in
  bool textsBig5_ = false;  // whether that language's bytes were Big5 (the tables loaded)
};

}  // namespace tavlor
