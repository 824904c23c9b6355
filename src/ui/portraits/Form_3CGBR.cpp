// The hover preview: three portrait boxes and a gold number on painted lacquer, translucent.
#include "ui/portraits/Form_3CGBR.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "core/lang/BrowserTexts.h"
#include "core/portraits/FaceCategories.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/Artwork.h"
#include "ui/chrome/WindowChrome.h"
#include "ui/portraits/BrowserArtwork.h"
#include "ui/portraits/FaceArchiveOpener.h"
#include "ui/portraits/FaceDrawing.h"
#include "ui/portraits/Form_CGBRLayout.h"

namespace tavlor {
namespace {

namespace layout = form_cgbr_layout;

// The painted background; pressing it closes the preview window.
class PreviewBackground final : public QWidget {
 public:
  explicit PreviewBackground(QWidget* parent) : QWidget(parent), picture_(PaintPreviewBackground()) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
  }
  void mousePressEvent(QMouseEvent*) override { window()->close(); }

 private:
  QPixmap picture_;
};

}  // namespace

Form_3CGBR::Form_3CGBR(QWidget* parent) : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Form_3CGBR"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(layout::kPreviewSize);

  Picture1 = new PreviewBackground(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(rect());

  const QRect places[] = {layout::kPreviewLarge, layout::kPreviewMedium, layout::kPreviewSmall};
  for (int k = 0; k < 3; ++k) {
    PIC3[k] = new PortraitBox(this);
    PIC3[k]->setObjectName(QStringLiteral("PIC3_%1").arg(k));
    PIC3[k]->setGeometry(places[k]);
  }

  lb_CGNUM = new QLabel(this);
  lb_CGNUM->setObjectName(QStringLiteral("lb_CGNUM"));
  lb_CGNUM->setGeometry(layout::kPreviewNumber);
  lb_CGNUM->setFont(art::CaptionFont(16));
  lb_CGNUM->setStyleSheet(QStringLiteral("color: #ffe23a; background: transparent;"));

  SetFormAlpha(this, kOpacity);
  ApplyInterfaceLanguage();
}

Form_3CGBR::~Form_3CGBR() = default;

void Form_3CGBR::ShowFace(const PathSettings& paths, FaceSet set, int32_t index, FaceArchiveOpener& opener) {
  opener.DrawFrom(FaceArchivePath(paths, set, FaceArchiveSize::Large), index, PIC3[0]);
  opener.DrawFrom(FaceArchivePath(paths, set, FaceArchiveSize::Medium), index, PIC3[1]);
  opener.DrawFrom(FaceArchivePath(paths, set, FaceArchiveSize::Small), index, PIC3[2]);
  lb_CGNUM->setText(QStringLiteral("CG:") + QString::number(index));
}

void Form_3CGBR::ApplyInterfaceLanguage() {
  setWindowTitle(Caption(texts::BrowserCaption));
}

}  // namespace tavlor
