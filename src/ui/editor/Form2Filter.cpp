// The list window's search box and appear filter: they hide grid rows and never touch the table,
// so every row keeps its slot and the picked general stays picked while rows come and go.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTableWidget>
#include <algorithm>
#include <string_view>

#include "core/editor/GeneralSearch.h"
#include "core/lang/LanguageState.h"
#include "core/text/TextTables.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form2.h"
#include "ui/lang/LanguageSwitch.h"

namespace tavlor {
namespace {

// GBK literals, shown through Caption so the Traditional language gets them converted.
constexpr std::string_view kFindPlaceholder = "\xb2\xe9\xd5\xd2";                    // 查找
constexpr std::string_view kFilterAll = "\xb3\xf6\xb3\xa1\xd3\xeb\xb4\xfd\xbb\xfa";  // 出场与待机
constexpr std::string_view kFilterAppearing = "\xb3\xf6\xb3\xa1";                    // 出场
constexpr std::string_view kFilterStandby = "\xb4\xfd\xbb\xfa";                      // 待机

}  // namespace

QHBoxLayout* Form2::BuildFilterBar() {
  TxtFind = new QLineEdit(this);
  TxtFind->setObjectName(QStringLiteral("TxtFind"));
  TxtFind->setClearButtonEnabled(true);
  CmbAppear = new QComboBox(this);
  CmbAppear->setObjectName(QStringLiteral("CmbAppear"));
  CmbAppear->addItems({QString(), QString(), QString()});  // All, Appearing, Standby
  ApplyFilterCaptions();
  connect(TxtFind, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
  connect(CmbAppear, &QComboBox::currentIndexChanged, this, [this] { ApplyFilter(); });
  RetextOnSwitch(this, SwitchStep::OtherTexts, [this] {
    ApplyFilterCaptions();
    ApplyFilter();  // typed text is read in the language now in force
  });
  auto* bar = new QHBoxLayout;
  bar->setSpacing(6);
  bar->addWidget(TxtFind, 1);
  bar->addWidget(CmbAppear);
  return bar;
}

void Form2::ApplyFilterCaptions() {
  TxtFind->setPlaceholderText(Caption(kFindPlaceholder));
  CmbAppear->setItemText(0, Caption(kFilterAll));
  CmbAppear->setItemText(1, Caption(kFilterAppearing));
  CmbAppear->setItemText(2, Caption(kFilterStandby));
}

void Form2::ApplyFilter() {
  if (TxtFind == nullptr || CmbAppear == nullptr) return;
  const int shownSlots = std::min(static_cast<int>(searchIndex_.Entries.size()), context_.Table.GeneralCount);
  const AppearFilter filter = CmbAppear->currentIndex() == 1   ? AppearFilter::Appearing
                              : CmbAppear->currentIndex() == 2 ? AppearFilter::Standby
                                                               : AppearFilter::All;
  if (TxtFind->text().trimmed().isEmpty() && filter == AppearFilter::All) {
    for (int row = 0; row < MFLX->rowCount(); ++row) MFLX->setRowHidden(row, false);
    return;
  }
  // The index is the refill's: a keystroke only searches (see bench/).
  const std::vector<int> found = FindGenerals(searchIndex_, ToInterfaceBytes(TxtFind->text()), filter,
                                              SharedTextTables(), SharedLanguageState().IsSimplified());
  std::vector<bool> shown(static_cast<std::size_t>(shownSlots), false);
  for (int slot : found)
    if (slot >= 0 && slot < shownSlots) shown[static_cast<std::size_t>(slot)] = true;
  MFLX->setUpdatesEnabled(false);
  for (int row = 0; row < MFLX->rowCount(); ++row) {
    const int slot = SlotOfRow(row + 1);
    MFLX->setRowHidden(row, slot < 0 || slot >= shownSlots || !shown[static_cast<std::size_t>(slot)]);
  }
  MFLX->setUpdatesEnabled(true);
}

}  // namespace tavlor
