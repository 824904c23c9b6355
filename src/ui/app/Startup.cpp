// The start-up sequence, step by step in the order the program has always followed.
#include "ui/app/Startup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <vector>

#include "core/app/GamePathChecks.h"
#include "core/app/PathSettings.h"
#include "core/data/BuiltinGeneralLists.h"
#include "core/data/EditData.h"
#include "core/lang/InterfaceTexts.h"
#include "core/text/TextTables.h"
#include "ui/app/EditDataActions.h"
#include "ui/app/GameSettingsWindow.h"
#include "ui/app/ProgramContext.h"
#include "ui/portraits/FaceImportActions.h"
#include "ui/portraits/FaceImportWiring.h"
#include "ui/app/ProgramStyle.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/PictureBox.h"
#include "ui/editor/EditorActions.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"
#include "ui/lang/Form7.h"
#include "ui/pickers/PickerActions.h"
#include "ui/portraits/FaceDrawing.h"
#include "ui/portraits/PortraitBrowsing.h"

namespace tavlor {
namespace {

// The built-in generals that the related-general picker lists, installed beside the program.
constexpr const char* kBuiltinGeneralsFile = "BuiltinGenerals.tsv";

// Whether the game's faces and the edit-data file are where the settings say.
bool GameAndEditDataFound(const ProgramContext& context) {
  return CheckFaceFolder(context.Paths.GamePath, false).What == PathCheck::Kind::Found &&
         CheckEditDataFile(context.Paths.CustomizeFile).What == PathCheck::Kind::Found;
}

// Resolves the paths; true when the player is to be helped to the game instead (offered, and the
// game or the edit-data file is not found). The search's own messages are then not shown: the
// one sentence and the settings window take their place.
bool ResolveProgramPaths(ProgramContext& context) {
  std::vector<QString> messages;
  const MessageReporter report = [&messages](std::string_view gbkMessage, const std::string& path) {
    messages.push_back(FromGbk(gbkMessage) + FromNativePath(path));
  };
  if (!context.Settings) {
    context.Settings =
        SettingsInFolder(context.SettingsFolder.empty() ? context.ProgramFolder : context.SettingsFolder);
  }
  context.Paths = ResolvePathsFrom(*context.Settings, report);
  SharedPathSettings() = context.Paths;
  const bool helpToTheGame = context.OfferGameSettings && !GameAndEditDataFound(context);
  if (!helpToTheGame) {
    for (const QString& message : messages) CurrentPrompter().Warn(message, ProgramTitle());
  }
  return helpToTheGame;
}

QRect ScreenArea(const QWidget& window) {
  const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
}

// The editor sits at the right edge of the screen; the list window is shown at its left with the
// editor's height and is kept there by the editor's docking timer while CKAuto is checked.
void PlaceWindows(Form1& form1, Form2& form2) {
  const QRect screen = ScreenArea(form1);
  const int top = screen.top() + std::max(0, (screen.height() - form1.height()) / 2);
  form1.move(screen.right() + 1 - form1.width(), top);

  form2.show();
  const int frameExtra = form2.frameGeometry().height() - form2.height();
  form2.resize(form2.width(), std::max(200, form1.height() - frameExtra));
  form2.move(form1.x() - form2.frameGeometry().width(), form1.y());
  form1.SetDockedWindow(&form2, form2.CKAuto);
}

void DrawFirstPortraits(const ProgramContext& context, Form1& form1) {
  OpenFaceArchive(context.Paths.KaoSPath);
  DrawFace(0, form1.PIC_SWJ[0]);
  OpenFaceArchive(context.Paths.KaoLPath);
  DrawFace(0, form1.CG_PIC);
}

// Origin k shows its unselected plate, then origin 0 and status 0 (家臣) show as chosen.
void ShowFirstOptionImages(Form1& form1) {
  for (int k = 0; k < static_cast<int>(form1.Pic_opt_CZ.size()); ++k) {
    form1.Pic_opt_CZ[k]->SetPicture(form1.ImageOf(ImageListId::IML, k + 5));
  }
  form1.Pic_opt_CZ[0]->SetPicture(form1.ImageOf(ImageListId::IML, 13));
  form1.Pic_opt_SF[0]->SetPicture(form1.ImageOf(ImageListId::IML, 23));
  form1.Pic_opt_SF[1]->SetPicture(form1.ImageOf(ImageListId::IML, 22));
}

void SelectFirstEntry(QComboBox* list) {
  if (list != nullptr && list->count() > 0) list->setCurrentIndex(0);
}

void SetEditorDefaults(ProgramContext& context, Form1& form1) {
  context.State = EditorState{};
  context.State.CurFace = 0;
  context.State.CurSex = 1;
  context.State.CurVoice = 4;
  context.State.CurOrigin = 0;
  context.State.CurStatus = 7;
  context.State.CurCity = 36;
  // The editor showed its first texts before the character tables were read: shown again now, their
  // byte budgets are measured with the tables instead of naming every character as unstorable.
  form1.ApplyValues(DefaultEditorValues());
  form1.ApplyState(context.State);
  form1.lb_CityName->setText(Caption(texts::ListCity[context.State.CurCity]));
}

void LoadGenerals(ProgramContext& context) {
  // The built-in rows first: refreshing after the load appends the registered generals behind
  // them. A damaged list file costs only the related-general names, so it is not fatal.
  const auto problems =
      SharedBuiltinGeneralLists().LoadBuiltinRows(context.ProgramFolder / kBuiltinGeneralsFile);
  for (const auto& problem : problems) {
    qWarning("%s line %d: %s", kBuiltinGeneralsFile, problem.Line, problem.Reason.c_str());
  }
  context.SelectedSlot = 0;
  LoadGeneralsReporting(context);
}

// One message naming every table file that is missing or damaged and what its loss costs; names
// then show as far as the remaining tables allow.
void ReportDamagedTables(const ProgramContext& context) {
  const std::vector<DamagedTableFile> damaged = DamagedTableFiles(SharedTextTables());
  if (damaged.empty()) return;
  QString text = QStringLiteral("程序文件夹 %1 中的字符表有问题：\n")
                     .arg(QDir::toNativeSeparators(TextOfFilePath(context.ProgramFolder)));
  for (const DamagedTableFile& file : damaged) {
    const QString state =
        file.Bytes ? QStringLiteral("大小为 %1 字节，应为 %2 字节").arg(*file.Bytes).arg(file.ExpectedBytes)
                   : QStringLiteral("找不到或无法读取");
    QString cost;
    if (file.Name == "GBKN.dat")
      cost = QStringLiteral("名字改由 JISN.dat 反查显示，个别字可能显示为别的字形");
    if (file.Name == "JISN.dat")
      cost = QStringLiteral("新输入的名字、读音和列传无法保存（未改动的照原样保存）");
    if (file.Name == "GB.DAT" || file.Name == "BIG5.DAT") cost = QStringLiteral("繁体模式只能显示简体");
    text += QStringLiteral("\n%1：%2。\n    %3。").arg(QString::fromStdString(file.Name), state, cost);
  }
  text += QStringLiteral("\n\n请把这些文件放回程序文件夹后重新启动。");
  CurrentPrompter().Warn(text, QStringLiteral("字符表"));
}

// A first start without the game: one sentence, and the window where the player points at it.
void OfferGameSettings(ProgramContext& context, Form1& form1, Form2& form2) {
  // The list window is narrow: the sentence is also said at the top of the window it opens.
  const QString sentence =
      InInterfaceScript(QStringLiteral("没有找到游戏或武将数据文件，请在“游戏与文件设置”中指定。"));
  form2.statusBar()->showMessage(sentence);
  ShowGameSettings(context, &form1, form2)->SayWhy(sentence);
}

}  // namespace

void RunStartup(ProgramContext& context, Form1& form1, Form2& form2, QWidget* splash) {
  ShowPendingFacesOf(context);
  const bool helpToTheGame = ResolveProgramPaths(context);
  LoadAllTextTables(context.ProgramFolder);
  ReportDamagedTables(context);
  StyleProgramWindow(form1);
  StyleProgramWindow(form2);
  PlaceWindows(form1, form2);
  // Without the game there are no faces to draw, and no message about their missing archives.
  if (!helpToTheGame) DrawFirstPortraits(context, form1);
  ShowFirstOptionImages(form1);
  for (QComboBox* aptitude : form1.Com_SS) SelectFirstEntry(aptitude);
  LoadBlankSlot(context.ProgramFolder / "Bk.N13", context.Table);
  SetEditorDefaults(context, form1);
  SelectFirstEntry(form1.COB_ZF);
  LoadGenerals(context);
  form2.SetFlexRows(context.Table.GeneralCount + 1);
  form2.ResetMflx();
  form2.UpdateEditState();
  form2.WatchEditDataFile();
  ConnectEditorActions(context, form1, form2);
  QObject::connect(&form2, &Form2::helpRequested, &form2, [&context, &form2] { ShowForm7(context, &form2); });
  QObject::connect(&form2, &Form2::gameSettingsRequested, &form2,
                   [&context, &form1, &form2] { ShowGameSettings(context, &form1, form2); });
  ConnectPortraitBrowser(context, form1);
  ConnectFaceImport(context, form1, form2);
  ConnectPickers(context, form1);
  if (splash != nullptr) splash->hide();
  if (helpToTheGame) OfferGameSettings(context, form1, form2);
}

}  // namespace tavlor
