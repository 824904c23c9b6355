// Message boxes a player can read: each kind of prompt, parented to each window, shows its text
// and buttons in a legible colour on its background (measured on the grabbed pixels), carries the
// program's icon, and captions its buttons in the interface's language in both modes.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>

#include "core/lang/LanguageState.h"
#include "core/pickers/CityPicking.h"
#include "core/text/TextTables.h"
#include "support/SmallTextTables.h"
#include "support/TempFolder.h"
#include "support/TestPrompter.h"
#include "ui/ContrastCheck.h"
#include "ui/RunningProgram.h"
#include "ui/app/ProgramArtwork.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/ProgramStyle.h"
#include "ui/app/Prompts.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"
#include "ui/lang/Form7.h"
#include "ui/lang/StandardButtonTexts.h"
#include "ui/pickers/Form3.h"
#include "ui/pickers/Form4.h"
#include "ui/pickers/Form6.h"
#include "ui/portraits/Form_CGBR.h"

using tavlor::PromptKind;
using tavlor::testing::MeasureInk;

namespace {

constexpr double kLegible = 4.5;

const PromptKind kKinds[] = {PromptKind::Question,          PromptKind::Information,
                             PromptKind::Warning,           PromptKind::Error,
                             PromptKind::SaveDiscardCancel, PromptKind::ReloadOverwriteCancel};

int ButtonCount(PromptKind kind) {
  switch (kind) {
    case PromptKind::Question:
      return 2;
    case PromptKind::SaveDiscardCancel:
    case PromptKind::ReloadOverwriteCancel:
      return 3;
    default:
      return 1;
  }
}

// A caption as it reads, without its keyboard mnemonic: "是(&Y)" reads 是.
QString Reading(QString caption) {
  caption.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
  return caption.remove(QLatin1Char('&'));
}

QStringList ButtonReadings(QMessageBox& box) {
  QStringList readings;
  for (QMessageBox::StandardButton which : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok}) {
    if (QAbstractButton* button = box.button(which)) readings << Reading(button->text());
  }
  return readings;
}

QStringList ReadingsOf(PromptKind kind) {
  const auto box = tavlor::BuildPromptBox(kind, QStringLiteral("?"), QStringLiteral("提示"), nullptr);
  return ButtonReadings(*box);
}

QImage IconPicture(const QIcon& icon) {
  return icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Shows the prompt over `window` and checks its text, every button and its icon; a failed check
// returns from here only, so the caller looks at QTest::currentTestFailed().
void CheckPromptOver(QWidget* window, PromptKind kind) {
  const QString where =
      QStringLiteral("%1, prompt kind %2").arg(window->objectName()).arg(static_cast<int>(kind));
  const auto box = tavlor::BuildPromptBox(kind, QStringLiteral("你确定要修改并保存所选择的武将数据吗？"),
                                          QStringLiteral("提示"), window);
  box->show();
  QVERIFY(QTest::qWaitForWindowExposed(box.get()));
  const QImage picture = box->grab().toImage();

  const QLabel* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  QVERIFY(text != nullptr);
  const auto ink = MeasureInk(picture, QRect(text->mapTo(box.get(), QPoint(0, 0)), text->size()));
  QVERIFY2(ink.Ratio >= kLegible, qPrintable(QStringLiteral("%1: text %2 on %3, contrast %4")
                                                 .arg(where, ink.Text.name(), ink.Background.name())
                                                 .arg(ink.Ratio)));
  const QList<QAbstractButton*> buttons = box->buttons();
  QCOMPARE(buttons.size(), ButtonCount(kind));
  for (const QAbstractButton* button : buttons) {
    // Inside the rim, so only the caption stands against the button's face.
    const QRect face = QRect(button->mapTo(box.get(), QPoint(0, 0)), button->size()).adjusted(4, 4, -4, -4);
    const auto caption = MeasureInk(picture, face);
    QVERIFY2(caption.Ratio >= kLegible,
             qPrintable(
                 QStringLiteral("%1: button %2 contrast %3").arg(where, button->text()).arg(caption.Ratio)));
  }
  QCOMPARE(IconPicture(box->windowIcon()), IconPicture(tavlor::ProgramIcon()));
  box->close();
}

}  // namespace

class PromptsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    tavlor::SharedTextTables() = *tavlor::testing::SmallTextTables();
    tavlor::ApplyProgramStyle(*qApp);
  }
  void cleanup() {
    tavlor::SharedLanguageState().SetSimplified(true);
    tavlor::RemoveQtTranslation();
  }

  void theContrastCheckTellsInkFromLacquer() {
    QImage picture(60, 20, QImage::Format_RGB32);
    picture.fill(QColor(0x2a, 0x17, 0x11));
    for (int x = 10; x < 30; ++x) picture.setPixelColor(x, 10, QColor(0x22, 0x18, 0x0f));  // dark ink
    QVERIFY(MeasureInk(picture, picture.rect()).Ratio < 1.5);
    for (int x = 35; x < 50; ++x) picture.setPixelColor(x, 12, QColor(0xf0, 0xd6, 0x8c));  // gold ink
    const auto ink = MeasureInk(picture, picture.rect());
    QCOMPARE(ink.Background, QColor(0x2a, 0x17, 0x11));
    QCOMPARE(ink.Text, QColor(0xf0, 0xd6, 0x8c));
    QVERIFY(ink.Ratio > 8);
  }

  void everyPromptIsLegibleOverEveryWindow() {
    tavlor::testing::TempFolder folder;  // no help.ini: the viewer reports it, and the tester hears it
    tavlor::testing::TestPrompter prompter;
    const tavlor::testing::RunningProgram program(
        tavlor::testing::RunningProgramOptions().WithProgramFolder(folder.Path()).WithoutStartUp());
    tavlor::ProgramContext& context = *program.Context;
    tavlor::Form1& editor = *program.Editor;
    tavlor::Form2& list = *program.List;
    tavlor::StyleProgramWindow(editor);
    tavlor::StyleProgramWindow(list);
    tavlor::Form7* viewer = tavlor::ShowForm7(context, &list);
    tavlor::Form_CGBR browser(context.Paths);  // no archives: it reports them, and shows empty boxes
    // The pickers ask too (the affinity refusal over the related-general picker).
    tavlor::Form3 abilities;
    tavlor::CitySelection cities;
    tavlor::Form4 cityMap(cities);
    tavlor::Form6 relatedGenerals(context);
    QList<QWidget*> windows{&editor, &list, viewer, &browser, &abilities, &cityMap, &relatedGenerals};
    for (QWidget* window : windows) window->show();
    for (QWidget* window : windows) {
      for (PromptKind kind : kKinds) {
        CheckPromptOver(window, kind);
        if (QTest::currentTestFailed()) return;
      }
    }
  }

  void fileDialogsAreLegibleOverTheListWindow() {
    // The list window's lacquer reaches what is parented to it: the export and import dialogs
    // must still read (dark captions on it did not).
    tavlor::testing::TempFolder folder;
    tavlor::testing::TestPrompter prompter;
    tavlor::ProgramContext context;
    context.ProgramFolder = folder.Path();
    tavlor::Form2 list(context);
    tavlor::StyleProgramWindow(list);
    list.show();
    const QString start = QString::fromStdString((folder.Path() / "share.n13general").string());
    for (const bool save : {false, true}) {
      const auto dialog = tavlor::BuildFileDialog(save, QStringLiteral("导出武将"), start,
                                                  QStringLiteral("武将文件 (*.n13general)"), &list);
      dialog->setOption(QFileDialog::DontUseNativeDialog);  // the dialog drawn by the program itself
      dialog->show();
      QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
      const QImage picture = dialog->grab().toImage();
      int captions = 0;
      for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty()) continue;
        const auto ink = MeasureInk(picture, QRect(label->mapTo(dialog.get(), QPoint(0, 0)), label->size()));
        QVERIFY2(ink.Ratio >= kLegible, qPrintable(QStringLiteral("%1 \"%2\": text %3 on %4, contrast %5")
                                                       .arg(save ? "save" : "open", label->text(),
                                                            ink.Text.name(), ink.Background.name())
                                                       .arg(ink.Ratio)));
        ++captions;
      }
      QVERIFY(captions >= 2);
      QCOMPARE(IconPicture(dialog->windowIcon()), IconPicture(tavlor::ProgramIcon()));
      dialog->close();
    }
  }

  void buttonsSpeakQtsOwnChineseInBothModes() {
    if (!tavlor::InstallQtTranslation(true)) QSKIP("Qt's Chinese translations are not installed here");
    tavlor::FollowLanguageWithQtTranslations();
    QCOMPARE(ReadingsOf(PromptKind::Question), (QStringList{QStringLiteral("是"), QStringLiteral("否")}));
    QCOMPARE(ReadingsOf(PromptKind::Information), QStringList{QStringLiteral("确定")});
    // Qt's translation, with its keyboard mnemonics.
    const auto question = tavlor::BuildPromptBox(PromptKind::Question, QString(), QString(), nullptr);
    QCOMPARE(question->button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));

    tavlor::SharedLanguageState().SetSimplified(false);
    QCOMPARE(ReadingsOf(PromptKind::Question), (QStringList{QStringLiteral("是"), QStringLiteral("否")}));
    QCOMPARE(ReadingsOf(PromptKind::Error), QStringList{QStringLiteral("確定")});
    QCOMPARE(tavlor::StandardButtonText(QMessageBox::Cancel), QStringLiteral("取消"));
    tavlor::SharedLanguageState().SetSimplified(true);
    QCOMPARE(ReadingsOf(PromptKind::Warning), QStringList{QStringLiteral("确定")});
  }

  void buttonsUseOwnTextsWithoutQtsTranslations() {
    tavlor::RemoveQtTranslation();
    QCOMPARE(ReadingsOf(PromptKind::Question), (QStringList{QStringLiteral("是"), QStringLiteral("否")}));
    QCOMPARE(ReadingsOf(PromptKind::Information), QStringList{QStringLiteral("确定")});
    QCOMPARE(tavlor::StandardButtonText(QMessageBox::Cancel), QStringLiteral("取消"));
    tavlor::SharedLanguageState().SetSimplified(false);
    tavlor::RemoveQtTranslation();  // whatever follows the language, none is installed
    QCOMPARE(ReadingsOf(PromptKind::Question), (QStringList{QStringLiteral("是"), QStringLiteral("否")}));
    QCOMPARE(ReadingsOf(PromptKind::Warning), QStringList{QStringLiteral("確定")});
  }
};

QTEST_MAIN(PromptsTest)
#include "PromptsTest.moc"
