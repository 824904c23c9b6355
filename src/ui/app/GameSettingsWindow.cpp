// The settings window: widgets to SettingsValues and back; every rule is in core/app.
#include "ui/app/GameSettingsWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/app/GameInstallSearch.h"
#include "core/app/GamePathChecks.h"
#include "core/app/PathSettings.h"
#include "core/app/SettingsFile.h"
#include "core/data/OriginalBackup.h"
#include "ui/app/FileErrorText.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/ProgramStyle.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"
#include "ui/portraits/FaceDrawing.h"

namespace tavlor {
namespace {

const char* const kWindowStyleSheet =
    "QDialog { background: #2a1711; }"
    "QLabel, QRadioButton { color: #f0d68c; background: transparent; }"
    // The choice between the two modes must show on the dark ground whether chosen or not.
    "QRadioButton::indicator { width: 11px; height: 11px; border: 1px solid #c9a14a; border-radius: 6px;"
    " background: #1a0e0a; }"
    "QRadioButton::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, "
    "fy:0.5,"
    " stop:0 #fff2c4, stop:0.55 #c9a14a, stop:0.6 #1a0e0a); }"
    "QLabel[check=\"good\"] { color: #9be07a; }"
    "QLabel[check=\"bad\"] { color: #ff9a7a; }"
    "QLineEdit { color: #22180f; background: #f7f0e0; border: 1px solid #80622e; padding: 3px; }"
    "QLineEdit:disabled { color: #6b5a44; background: #bfb39b; }";

QString Native(const std::string& path) {
  return QDir::toNativeSeparators(FromNativePath(path));
}

QString Native(const std::filesystem::path& path) {
  return QDir::toNativeSeparators(TextOfFilePath(path));
}

QString CheckText(const PathCheck& check, bool editData) {
  switch (check.What) {
    case PathCheck::Kind::Empty:
      return InInterfaceScript(QStringLiteral("（未填写）"));
    case PathCheck::Kind::Found:
      return editData ? InInterfaceScript(QStringLiteral("找到：%1 名武将")).arg(check.Count)
                      : InInterfaceScript(QStringLiteral("找到头像文件：%1 张头像")).arg(check.Count);
    case PathCheck::Kind::Missing:
      return editData ? InInterfaceScript(QStringLiteral("找不到这个文件（读取时会新建一个空文件）"))
                      : InInterfaceScript(QStringLiteral("找不到这个文件夹"));
    case PathCheck::Kind::NotEditData:
      return InInterfaceScript(QStringLiteral("这不是武将数据文件"));
    case PathCheck::Kind::NoArchive:
      return InInterfaceScript(QStringLiteral("文件夹中没有头像文件 %1")).arg(Native(check.Detail));
    case PathCheck::Kind::DamagedArchive:
      return InInterfaceScript(QStringLiteral("头像文件已损坏"));
  }
  return {};
}

// The automatic search in a player's words: where the game and the edit-data file were found.
QString AutomaticText() {
  const GameInstallSearch search = FindGameInstall();
  QString text;
  if (!search.GamePath.empty()) {
    const QString where = search.RegistryFrom && *search.RegistryFrom < search.Looked.size()
                              ? InInterfaceScript(QStringLiteral("（Wine 环境 %1）"))
                                    .arg(Native(search.Looked[*search.RegistryFrom].Prefix))
                              : QString();
    text = InInterfaceScript(QStringLiteral("找到游戏：%1%2")).arg(Native(search.GamePath), where);
  } else {
    text = InInterfaceScript(
               QStringLiteral("没有找到游戏的安装记录（查看了 %1 个 Wine/Proton 环境）。请改用手动设置。"))
               .arg(search.Looked.size());
  }
  const std::string editData = search.DocumentsFolder + "/KOEI/Nobunaga13/EDIT/SETDATA/EDATA000.13S";
  const PathCheck check = CheckEditDataFile(editData);
  text += InInterfaceScript(QStringLiteral("\n武将数据文件：%1\n    %2"))
              .arg(Native(editData), CheckText(check, true));
  return text;
}

}  // namespace

GameSettingsWindow::GameSettingsWindow(ProgramContext& context, Form1* editor, Form2& list)
    : QDialog(&list), context_(context), editor_(editor), list_(list) {
  setObjectName(QStringLiteral("GameSettingsWindow"));
  setWindowTitle(InInterfaceScript(QStringLiteral("游戏与文件设置")));
  setFont(ProgramFont());
  setStyleSheet(ProgramStyleSheet() + QString::fromLatin1(kWindowStyleSheet));
  setMinimumWidth(620);

  lb_Why = new QLabel(this);
  lb_Why->setObjectName(QStringLiteral("lb_Why"));
  lb_Why->setProperty("check", QStringLiteral("bad"));
  lb_Why->setWordWrap(true);
  lb_Why->setContentsMargins(0, 0, 0, 8);
  lb_Why->hide();
  Opt_Auto = new QRadioButton(InInterfaceScript(QStringLiteral("自动查找游戏和武将数据文件")), this);
  Opt_Auto->setObjectName(QStringLiteral("Opt_Auto"));
  Opt_Manual = new QRadioButton(InInterfaceScript(QStringLiteral("手动指定")), this);
  Opt_Manual->setObjectName(QStringLiteral("Opt_Manual"));
  lb_AutoFound = new QLabel(this);
  lb_AutoFound->setObjectName(QStringLiteral("lb_AutoFound"));
  lb_AutoFound->setWordWrap(true);
  lb_AutoFound->setTextFormat(Qt::PlainText);
  lb_AutoFound->setContentsMargins(22, 0, 0, 6);

  auto* paths = new QGridLayout;
  const QString captions[3] = {InInterfaceScript(QStringLiteral("游戏文件夹")),
                               InInterfaceScript(QStringLiteral("武将数据文件")),
                               InInterfaceScript(QStringLiteral("新武将头像文件夹"))};
  for (int i = 0; i < 3; ++i) {
    tx_Path[i] = new QLineEdit(this);
    tx_Path[i]->setObjectName(QStringLiteral("tx_Path_%1").arg(i));
    Command_Browse[i] = new QPushButton(InInterfaceScript(QStringLiteral("浏览…")), this);
    Command_Browse[i]->setObjectName(QStringLiteral("Command_Browse_%1").arg(i));
    lb_Check[i] = new QLabel(this);
    lb_Check[i]->setObjectName(QStringLiteral("lb_Check_%1").arg(i));
    lb_Check[i]->setTextFormat(Qt::PlainText);
    lb_Check[i]->setWordWrap(true);
    paths->addWidget(new QLabel(captions[i], this), i * 2, 0);
    paths->addWidget(tx_Path[i], i * 2, 1);
    paths->addWidget(Command_Browse[i], i * 2, 2);
    paths->addWidget(lb_Check[i], i * 2 + 1, 1, 1, 2);
    connect(tx_Path[i], &QLineEdit::textChanged, this, &GameSettingsWindow::UpdateChecks);
    connect(Command_Browse[i], &QPushButton::clicked, this, [this, i] { Browse(i); });
  }
  paths->setContentsMargins(22, 0, 0, 0);

  Command_OK = new QPushButton(InInterfaceScript(QStringLiteral("确定")), this);
  Command_OK->setObjectName(QStringLiteral("Command_OK"));
  Command_OK->setDefault(true);
  Command_Cancel = new QPushButton(InInterfaceScript(QStringLiteral("取消")), this);
  Command_Cancel->setObjectName(QStringLiteral("Command_Cancel"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Command_OK);
  buttons->addWidget(Command_Cancel);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 14, 14, 14);
  layout->addWidget(lb_Why);
  layout->addWidget(Opt_Auto);
  layout->addWidget(lb_AutoFound);
  layout->addWidget(Opt_Manual);
  layout->addLayout(paths);
  layout->addSpacing(8);
  layout->addLayout(buttons);

  // The settings as start-up read them; a player with none starts in the automatic mode.
  const SettingsReading reading =
      context_.Settings ? ReadSettingsValues(context_.Settings->File) : SettingsReading{};
  (reading.Values.Automatic ? Opt_Auto : Opt_Manual)->setChecked(true);
  tx_Path[0]->setText(FromNativePath(reading.Values.GamePath));
  tx_Path[1]->setText(FromNativePath(reading.Values.CustomizeFile));
  tx_Path[2]->setText(FromNativePath(reading.Values.EditKaoPath));
  lb_AutoFound->setText(AutomaticText());
  connect(Opt_Auto, &QRadioButton::toggled, this, &GameSettingsWindow::UpdateChecks);
  connect(Command_OK, &QPushButton::clicked, this, [this] {
    if (Apply()) accept();
  });
  connect(Command_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  UpdateChecks();
}

void GameSettingsWindow::UpdateChecks() {
  const bool manual = Opt_Manual->isChecked();
  for (int i = 0; i < 3; ++i) {
    tx_Path[i]->setEnabled(manual);
    Command_Browse[i]->setEnabled(manual);
    const std::string value = ToNativePath(tx_Path[i]->text());
    const PathCheck check = i == 1 ? CheckEditDataFile(value) : CheckFaceFolder(value, i == 2);
    lb_Check[i]->setText(CheckText(check, i == 1));
    lb_Check[i]->setProperty("check", check.What == PathCheck::Kind::Found ? "good" : "bad");
    lb_Check[i]->style()->unpolish(lb_Check[i]);
    lb_Check[i]->style()->polish(lb_Check[i]);
  }
  lb_AutoFound->setEnabled(!manual);
}

void GameSettingsWindow::Browse(int index) {
  QString chosen;
  if (index == 1) {
    chosen = CurrentPrompter().ChooseFileToOpen(
        InInterfaceScript(QStringLiteral("武将数据文件")), tx_Path[1]->text(),
        InInterfaceScript(QStringLiteral("武将数据文件 (*.13S *.13s);;所有文件 (*)")));
  } else {
    chosen = QFileDialog::getExistingDirectory(this, InInterfaceScript(QStringLiteral("选择文件夹")),
                                               tx_Path[index]->text());
  }
  if (chosen.isEmpty()) return;
  const std::string value = ToNativePath(QDir::toNativeSeparators(chosen));
  tx_Path[index]->setText(FromNativePath(index == 1 ? value : AsSettingsFolder(value)));
}

bool GameSettingsWindow::Apply() {
  SettingsValues values;
  values.Automatic = Opt_Auto->isChecked();
  values.GamePath = ToNativePath(tx_Path[0]->text());
  values.CustomizeFile = ToNativePath(tx_Path[1]->text());
  values.EditKaoPath = ToNativePath(tx_Path[2]->text());
  // The changes belong to the file now open: settled before another one is loaded.
  if (!list_.SettleUnsavedChanges()) return false;
  const SettingsLocation before =
      context_.Settings ? *context_.Settings : LocateSettings(context_.ProgramFolder);
  const SettingsWriteResult written = WriteSettings(before, values);
  if (written.Error) {
    CurrentPrompter().Error(
        DescribeFileProblem(InInterfaceScript(QStringLiteral("无法保存设置！")), written.Error,
                            InInterfaceScript(QStringLiteral("设置没有改变，请换一个位置或检查权限。"))),
        windowTitle());
    return false;
  }
  if (written.FellBackToUserSettings) {
    CurrentPrompter().Inform(
        InInterfaceScript(QStringLiteral("程序文件夹无法写入（%1），设置已保存到你自己的设置文件：\n%2"))
            .arg(FromNativePath(written.BesideProgramError.Reason), Native(written.WrittenTo)),
        windowTitle());
  }
  context_.Settings = LocationAfterWrite(before, written);
  const MessageReporter report = [](std::string_view gbkMessage, const std::string& path) {
    CurrentPrompter().Warn(FromGbk(gbkMessage) + FromNativePath(path), ProgramTitle());
  };
  context_.Paths = ResolvePathsFrom(*context_.Settings, report);
  SharedPathSettings() = context_.Paths;
  context_.OpenedFile.clear();
  context_.Original = OriginalFileKeeper{};
  list_.ReloadFromFile();
  if (editor_ != nullptr && OpenFaceArchive(context_.Paths.KaoLPath)) DrawFace(0, editor_->CG_PIC);
  return true;
}

void GameSettingsWindow::SayWhy(const QString& sentence) {
  lb_Why->setText(sentence);
  lb_Why->show();
}

GameSettingsWindow* ShowGameSettings(ProgramContext& context, Form1* editor, Form2& list) {
  // Only a window still on the screen is shown again: a closed one is waiting to be deleted and
  // still holds the choices it was closed with.
  GameSettingsWindow* window = nullptr;
  for (auto* open : list.findChildren<GameSettingsWindow*>(QString(), Qt::FindDirectChildrenOnly))
    if (open->isVisible()) window = open;
  if (window == nullptr) {
    window = new GameSettingsWindow(context, editor, list);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setModal(true);
  }
  window->show();
  window->raise();
  return window;
}

}  // namespace tavlor
