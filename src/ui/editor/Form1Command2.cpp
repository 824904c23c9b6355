// Form1: the button Command2, which shows the message "确定1555" in Traditional characters in
// either language.
#include <QPushButton>

#include "core/lang/PickerTexts.h"
#include "core/text/TextTables.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/Artwork.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form1Layout.h"

namespace tavlor {

namespace {

// The message passes through GbToBig5 whatever the language; without the tables that returns the
// GBK text unchanged, which is then shown as GBK rather than misread as Big5.
QString Command2Message() {
  const std::string_view gbk = texts::EditorCommand2Message;
  const std::string big5 = GbToBig5(gbk, SharedTextTables().GbBig5);
  return big5 == gbk ? FromGbk(gbk) : FromBig5(big5);
}

}  // namespace

void Form1::BuildCommand2() {
  Command2 = new QPushButton(Caption(texts::EditorCommand2Caption), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command2->setGeometry(form1_layout::kCommand2);
  Command2->setFont(art::CaptionFont(13));
  Command2->setCursor(Qt::PointingHandCursor);
  connect(Command2, &QPushButton::clicked, this,
          [] { CurrentPrompter().Inform(Command2Message(), ProgramTitle()); });
}

}  // namespace tavlor
