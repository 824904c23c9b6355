// Form4, the city picker: a painted map with one castle icon per city; clicking an icon selects
// the city and the confirm button hands it to the editor as the general's home city.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QTimer;

namespace tavlor {

class CitySelection;
class PictureBox;

class Form4 : public QWidget {
  Q_OBJECT
 public:
  // The picker over `selection`, which outlives it (the city last clicked stays selected for the
  // next use). The window deletes itself when closed.
  explicit Form4(CitySelection& selection, QWidget* parent = nullptr);
  ~Form4() override;

  std::array<PictureBox*, 66> Pic_ico{};  // city i, tooltip: its name
  QLabel* lb_CityName = nullptr;          // "所选择城市：" and the city clicked
  QPushButton* Command1 = nullptr;        // 确定
  QLabel* Lb_MoveCityName = nullptr;      // follows the pointer with the name of the city under it
  QTimer* Timer1 = nullptr;               // moves Lb_MoveCityName (50 ms)

  // A click on Pic_ico(city).
  void ClickCity(int city);
  // Rewrites the caption, the labels, the button and the 66 tooltips in the language now in force
  // (every language switch calls it). The tooltips come from ListCity, which keeps its GBK.
  void ApplyInterfaceLanguage();

 signals:
  void cityConfirmed(int city);  // Command1; then the picker closes

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void FollowPointer();
  void ShowIconLooks();
  void SetSelectedCityCaption(const QString& caption);
  int CityUnder(QPoint position) const;  // -1 when no icon is there

  CitySelection& selection_;
  bool clicked_ = false;  // the label names a city only after a click in this use
  int hovered_ = -1;      // the city under the pointer
};

}  // namespace tavlor
