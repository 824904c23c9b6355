// Form6, the related-general picker.
#include "ui/pickers/Form6.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "core/data/BuiltinGeneralLists.h"
#include "core/lang/LanguageState.h"
#include "core/lang/PickerTexts.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/Artwork.h"
#include "ui/lang/LanguageSwitch.h"
#include "ui/pickers/Form6Layout.h"
#include "ui/pickers/GeneralListModel.h"
#include "ui/pickers/PickerArtwork.h"
#include "ui/portraits/FaceDrawing.h"
#include "ui/portraits/FaceImportActions.h"
#include "ui/portraits/LargeFaceDrawer.h"

namespace tavlor {

namespace layout = form6_layout;

namespace {

constexpr std::array<std::string_view, 4> kAbilityNames = {texts::AbilityLeadership, texts::AbilityValor,
                                                           texts::AbilityIntellect, texts::AbilityPolitics};

QPushButton* MakeButton(QWidget* parent, const char* name, const QRect& place) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(place);
  button->setFont(art::CaptionFont(15));
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

}  // namespace

Form6::Form6(ProgramContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window),
      context_(context),
      model_(new GeneralListModel(SharedBuiltinGeneralLists(), this)),
      drawer_(std::make_unique<LargeFaceDrawer>(context.Paths)) {
  setObjectName(QStringLiteral("Form6"));
  setFixedSize(layout::kWindow);
  setStyleSheet(PickerStyleSheet());
  BuildListSide();
  BuildDetailSide();
  ApplyInterfaceLanguage();
  RetextOnSwitch(this, SwitchStep::RelatedGeneralRows, [this] { ApplyInterfaceLanguage(); });
  // An imported or restored face shows on the portrait at once.
  connect(&FaceEvents::Instance(), &FaceEvents::facesChanged, this, [this] {
    if (isVisible() && SelectedRow() >= 0) ShowRow(SelectedRow());
  });
}

Form6::~Form6() = default;

void Form6::BuildListSide() {
  Tx_ser = new QLineEdit(this);
  Tx_ser->setObjectName(QStringLiteral("Tx_ser"));
  Tx_ser->setGeometry(layout::kSearchBox);
  Tx_ser->setFont(art::FieldFont(15));
  connect(Tx_ser, &QLineEdit::returnPressed, this, &Form6::Search);
  Command3 = MakeButton(this, "Command3", layout::kSearchButton);
  connect(Command3, &QPushButton::clicked, this, &Form6::Search);

  for (int element = 0; element < static_cast<int>(List1.size()); ++element) {
    auto* list = new QListView(this);
    list->setObjectName(QStringLiteral("List1_%1").arg(element));
    list->setModel(model_);
    list->setModelColumn(element);
    list->setUniformItemSizes(true);  // 3307 rows scroll without measuring each one
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setGeometry(layout::kList);
    list->setFont(art::FieldFont(15));
    if (element != 0) list->hide();  // the parallel lists are read, never shown
    List1[static_cast<std::size_t>(element)] = list;
  }
  connect(List1[0]->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) ShowRow(current.row());
          });
  // A double click (or Enter) on a general chooses it at once.
  connect(List1[0], &QListView::activated, this, [this] { Confirm(); });
}

void Form6::BuildDetailSide() {
  Picture2 = new PortraitBox(this);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  Picture2->setGeometry(layout::kPortrait);

  tx_4W[4] = new QLineEdit(this);
  tx_4W[4]->setObjectName(QStringLiteral("tx_4W_4"));
  tx_4W[4]->setGeometry(layout::kName);
  tx_4W[4]->setFont(art::CaptionFont(18));
  tx_4W[4]->setAlignment(Qt::AlignCenter);
  tx_4W[4]->setReadOnly(true);
  for (int j = 0; j < 4; ++j) {
    AbilityCaptions[j] = new QLabel(this);
    AbilityCaptions[j]->setObjectName(QStringLiteral("AbilityCaption_%1").arg(j));
    AbilityCaptions[j]->setGeometry(layout::AbilityCaption(j));
    AbilityCaptions[j]->setFont(art::CaptionFont(16));
    AbilityCaptions[j]->setAlignment(Qt::AlignCenter);

    PB_4W[j] = new QProgressBar(this);
    PB_4W[j]->setObjectName(QStringLiteral("PB_4W_%1").arg(j));
    PB_4W[j]->setGeometry(layout::AbilityBar(j));
    PB_4W[j]->setRange(0, layout::kAbilityBarMaximum);
    PB_4W[j]->setValue(0);
    PB_4W[j]->setTextVisible(false);

    tx_4W[j] = new QLineEdit(this);
    tx_4W[j]->setObjectName(QStringLiteral("tx_4W_%1").arg(j));
    tx_4W[j]->setGeometry(layout::AbilityBox(j));
    tx_4W[j]->setFont(art::CaptionFont(16));
    tx_4W[j]->setAlignment(Qt::AlignCenter);
    tx_4W[j]->setReadOnly(true);
  }

  Command1 = MakeButton(this, "Command1", layout::kConfirmButton);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, &Form6::Confirm);
  Command2 = MakeButton(this, "Command2", layout::kCancelButton);
  connect(Command2, &QPushButton::clicked, this, &QWidget::hide);
}

void Form6::ApplyInterfaceLanguage() {
  setWindowTitle(Caption(texts::RelatedPickerCaption));
  Command3->setText(Caption(texts::SearchButton));
  Command1->setText(Caption(texts::RelatedConfirm));
  Command2->setText(Caption(texts::RelatedCancel));
  for (int j = 0; j < 4; ++j) AbilityCaptions[j]->setText(Caption(kAbilityNames[j]));
  const BuiltinGeneralLists& lists = SharedBuiltinGeneralLists();
  if (shownRow_ >= 0 && shownRow_ < lists.RowCount()) tx_4W[4]->setText(Caption(lists.Name(shownRow_)));
  // List1(0) shows every name through the interface's conversion: a repaint is all it takes.
  model_->Sync();
}

void Form6::SyncWithLists() {
  model_->Sync();
}

int Form6::SelectedRow() const {
  const QModelIndex current = List1[0]->currentIndex();
  if (!current.isValid() || current.row() >= SharedBuiltinGeneralLists().RowCount()) return -1;
  return current.row();
}

void Form6::SelectRow(int row) {
  if (row < 0 || row >= model_->rowCount()) return;
  const QModelIndex index = model_->index(row, 0);
  const bool alreadyCurrent = List1[0]->currentIndex() == index;
  List1[0]->setCurrentIndex(index);
  List1[0]->scrollTo(index, QAbstractItemView::PositionAtCenter);
  if (alreadyCurrent) ShowRow(row);
}

void Form6::ShowRow(int row) {
  const SelectedGeneral selected = SelectGeneralRow(SharedBuiltinGeneralLists(), row);
  // A face number that names no face leaves the previous portrait in place.
  if (selected.Portrait) {
    drawer_->ForgetOpenArchive();
    drawer_->Draw(*selected.Portrait, Picture2);
  }
  if (!selected.ShowsGeneral) return;  // the heading row "无" leaves the abilities as they were
  for (int j = 0; j < 4; ++j) {
    PB_4W[j]->setValue(std::clamp(selected.Abilities[j], 0, layout::kAbilityBarMaximum));
    tx_4W[j]->setText(QString::number(selected.Abilities[j]));
  }
  tx_4W[4]->setText(Caption(selected.Name));
  shownRow_ = row;
}

void Form6::Search() {
  SyncWithLists();
  // Typed in the language now in force; the lists hold Simplified GBK.
  const std::string text = SharedLanguageState().FromInput(ToInterfaceBytes(Tx_ser->text()));
  if (const std::optional<int> row = search_.Next(SharedBuiltinGeneralLists(), text)) SelectRow(*row);
}

void Form6::Confirm() {
  SyncWithLists();
  const LinkConfirmation confirmation =
      ConfirmRelatedGeneral(SharedBuiltinGeneralLists(), SelectedRow(), context_.State.CurLinkSlot);
  if (confirmation.Outcome == LinkOutcome::Refused) {
    CurrentPrompter().Error(Caption(confirmation.RefusalMessage), Caption(texts::PromptTitle));
    return;  // the picker stays open
  }
  if (confirmation.Outcome != LinkOutcome::Unchanged) emit linkConfirmed(confirmation);
  hide();
}

void Form6::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Painted at the first show: a picker a language switch prepares may never be opened.
  if (background_.isNull()) {
    background_ = PaintPickerBackground(layout::kWindow, {layout::kListPanel, layout::kDetailPanel});
    PaintPortraitWell(background_, layout::kPortrait);
  }
  painter.drawPixmap(0, 0, background_);
}

void Form6::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();  // as the cancel button
    return;
  }
  QWidget::keyPressEvent(event);
}

void Form6::showEvent(QShowEvent* event) {
  // Each use tries the archives afresh: the game folder may have been put right meanwhile.
  drawer_ = std::make_unique<LargeFaceDrawer>(context_.Paths);
  SyncWithLists();
  QWidget::showEvent(event);
}

void Form6::changeEvent(QEvent* event) {
  // The editor stays usable while the picker is open: a general added or a file reloaded there
  // shows here as soon as the picker is active again.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) SyncWithLists();
  QWidget::changeEvent(event);
}

}  // namespace tavlor
