// An imported face as an edit of the open file: the editor shows it at once, undo and redo step it,
// the unsaved mark counts it, 保存数据 writes only its pixel bytes, 重新读取 drops it, 恢复原肖像
// brings the archive back byte for byte, and an archive changed behind the program's back keeps
// the face pending with nothing written.
#include <QPushButton>
#include <QTest>

#include "core/portraits/FaceArchive.h"
#include "core/portraits/FaceOriginals.h"
#include "support/ArchiveBuilder.h"
#include "support/FaceSeed.h"
#include "support/TestPrompter.h"
#include "ui/RunningProgram.h"
#include "ui/StartupTestFolder.h"
#include "ui/app/ProgramContext.h"
#include "ui/editor/EditorActions.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"
#include "ui/portraits/FaceImportActions.h"

namespace fs = std::filesystem;
using tavlor::FaceImage;
using tavlor::FaceSet;
using tavlor::FaceSlot;
using tavlor::testing::ReadFileBytes;
using tavlor::testing::TestPrompter;

namespace {

const char* const kEditNames[3] = {"EDIT_KAO_l.N13", "EDIT_KAO_M.n13", "EDIT_KAO_s.N13"};
constexpr int kSizes[3][2] = {{240, 240}, {96, 120}, {60, 60}};

FaceImage Plain(int width, int height, uint8_t red) {
  FaceImage picture{width, height, {}};
  for (int i = 0; i < width * height; ++i) picture.Rgb.insert(picture.Rgb.end(), {red, 1, 2});
  return picture;
}

std::array<FaceImage, 3> Pictures(uint8_t red) {
  return {Plain(240, 240, red), Plain(96, 120, red), Plain(60, 60, red)};
}

// Three edit faces a size (seeds 30 + index) and a first general whose face is edit face 1.
struct FaceProgram : tavlor::testing::RunningProgram {
  FaceProgram()
      : RunningProgram(tavlor::testing::RunningProgramOptions().WithTable(Table()).WithPrepare(
            [](const tavlor::testing::StartupFolder& folder) {
              for (int size = 0; size < 3; ++size) {
                tavlor::testing::ArchiveBuilder builder;
                for (int face = 0; face < 3; ++face)
                  builder.AddFace(kSizes[size][0], kSizes[size][1], 30 + face);
                builder.WriteTo(folder.Game() / "grp" / kEditNames[size]);
              }
            })) {}
  static std::shared_ptr<const tavlor::GeneralTable> Table() {
    std::shared_ptr<tavlor::GeneralTable> table =
        tavlor::testing::WithProgramBlank(tavlor::testing::SampleTable(3));
    table->Slots[0].Record.FaceNo = 1701;
    return table;
  }
  fs::path Archive(int size) const { return Folder().Game() / "grp" / kEditNames[size]; }
  std::array<std::string, 3> ArchiveBytes() const {
    return {ReadFileBytes(Archive(0)), ReadFileBytes(Archive(1)), ReadFileBytes(Archive(2))};
  }
  int Shown() const { return tavlor::testing::FaceSeed(Editor->CG_PIC); }
  bool Unsaved() const { return List->windowTitle().endsWith(QStringLiteral("*")); }
};

}  // namespace

class PendingFaceFlowTest : public QObject {
  Q_OBJECT
 private slots:
  void anImportIsAnEditUntilSavedAndOnlyItsPixelsAreWritten() {
    TestPrompter prompter;
    FaceProgram program;
    tavlor::ProgramContext& context = *program.Context;
    tavlor::ShowPickedGeneral(context, *program.Editor, 1);
    QCOMPARE(program.Shown(), 31);
    QCOMPARE(tavlor::GeneralsUsingFace(context, FaceSlot{FaceSet::Edit, 1}).size(), 1);
    QVERIFY(tavlor::GeneralsUsingFace(context, FaceSlot{FaceSet::Edit, 2}).isEmpty());
    QCOMPARE(tavlor::InitialImportSlot(context), (FaceSlot{FaceSet::Edit, 1}));
    const std::array<std::string, 3> before = program.ArchiveBytes();

    QString error;
    QVERIFY2(tavlor::ImportPendingFace(context, FaceSlot{FaceSet::Edit, 1}, Pictures(201), &error),
             qPrintable(error));
    QCOMPARE(program.Shown(), 201);
    QVERIFY(program.Unsaved());
    QVERIFY(program.ArchiveBytes() == before);

    program.List->M_Undo->trigger();
    QCOMPARE(program.Shown(), 31);
    QVERIFY(!program.Unsaved());
    program.List->M_Redo->trigger();
    QCOMPARE(program.Shown(), 201);
    QVERIFY(program.Unsaved());

    prompter.AnswerNext(true);
    program.List->Command1->click();
    QVERIFY2(!program.Unsaved(), qPrintable(prompter.Texts().join(" | ")));
    QVERIFY(context.Faces.Empty());
    // Only face 1's blue, green and red bytes changed: its record starts after the header, the
    // two tables of three rows and face 0's record; the fourth byte of every pixel stays.
    for (int size = 0; size < 3; ++size) {
      const std::string now = ReadFileBytes(program.Archive(size));
      QCOMPARE(now.size(), before[size].size());
      const int side = kSizes[size][0] == 240 ? 256 : kSizes[size][0] == 96 ? 128 : 64;
      const std::size_t record = 32 + 3 * 8 + 3 * 12 + (56 + std::size_t(side) * side * 4);
      for (std::size_t at = 0; at < now.size(); ++at) {
        if (now[at] == before[size][at]) continue;
        const std::size_t pixel = at - record - 56;
        QVERIFY2(at >= record + 56 && pixel < std::size_t(side) * side * 4, qPrintable(QString::number(at)));
        const std::size_t x = pixel / 4 % side, y = pixel / 4 / side;
        QVERIFY(pixel % 4 != 3 && x < std::size_t(kSizes[size][0]) && y < std::size_t(kSizes[size][1]));
      }
      QVERIFY(fs::exists(tavlor::OriginalsFolderOf(program.Archive(size)) / "face-1.bin"));
    }
    QCOMPARE(program.Shown(), 201);

    // A new import, then 重新读取 with the changes discarded: the face on disk shows again.
    QVERIFY(tavlor::ImportPendingFace(context, FaceSlot{FaceSet::Edit, 1}, Pictures(50), &error));
    QCOMPARE(program.Shown(), 50);
    prompter.AnswerNext(tavlor::UnsavedChangesAnswer::Discard);
    program.List->Command2->click();
    QVERIFY(context.Faces.Empty());
    tavlor::ShowPickedGeneral(context, *program.Editor, 1);
    QCOMPARE(program.Shown(), 201);

    // 恢复原肖像 of one face, then of every face Tavlor changed (face 2 too, saved meanwhile).
    QVERIFY(tavlor::CanRestoreFace(context, FaceSet::Edit, 1));
    QVERIFY(!tavlor::CanRestoreFace(context, FaceSet::Edit, 2));
    QVERIFY2(tavlor::RestorePendingFaces(context, FaceSet::Edit, 1, &error), qPrintable(error));
    QCOMPARE(program.Shown(), 31);
    QVERIFY(tavlor::ImportPendingFace(context, FaceSlot{FaceSet::Edit, 2}, Pictures(77), &error));
    prompter.AnswerNext(true);
    program.List->Command1->click();
    QVERIFY(ReadFileBytes(program.Archive(1)) != before[1]);
    QVERIFY2(tavlor::RestorePendingFaces(context, FaceSet::Edit, std::nullopt, &error), qPrintable(error));
    QCOMPARE(tavlor::CurrentFacePictures(context, FaceSlot{FaceSet::Edit, 2})[2].pixelColor(1, 1).red(), 32);
    prompter.AnswerNext(true);
    program.List->Command1->click();
    // Every archive is byte for byte as the test wrote it, and nothing is left to put back.
    QVERIFY(program.ArchiveBytes() == before);
    QVERIFY(!tavlor::CanRestoreFace(context, FaceSet::Edit, std::nullopt));
    QVERIFY(!tavlor::RestorePendingFaces(context, FaceSet::Edit, std::nullopt, &error));
  }

  void anArchiveChangedBehindTheProgramsBackKeepsTheFacePendingAndWritesNothing() {
    TestPrompter prompter;
    FaceProgram program;
    tavlor::ProgramContext& context = *program.Context;
    tavlor::ShowPickedGeneral(context, *program.Editor, 1);
    QString error;
    QVERIFY(tavlor::ImportPendingFace(context, FaceSlot{FaceSet::Edit, 1}, Pictures(90), &error));
    // Another tool adds a face to the small archive.
    tavlor::testing::ArchiveBuilder other;
    for (int face = 0; face < 4; ++face) other.AddFace(60, 60, 60 + face);
    other.WriteTo(program.Archive(2));
    const std::array<std::string, 3> changed = program.ArchiveBytes();
    const std::string editData = program.SavedBytes();

    prompter.AnswerNext(true);
    program.List->Command1->click();
    QCOMPARE(prompter.CountOf(TestPrompter::Kind::Error), 1);
    QVERIFY(prompter.Texts().join(" ").contains(QStringLiteral("保存肖像失败")));
    QVERIFY(program.ArchiveBytes() == changed);
    QVERIFY(program.SavedBytes() == editData);
    QVERIFY(program.Unsaved());
    QCOMPARE(program.Shown(), 90);

    // A face that does not fit the archive's size is refused before it becomes an edit.
    std::array<FaceImage, 3> wrong = Pictures(5);
    wrong[1] = Plain(96, 96, 5);
    QVERIFY(!tavlor::ImportPendingFace(context, FaceSlot{FaceSet::Edit, 0}, wrong, &error));
    QVERIFY(!error.isEmpty());
  }
};

QTEST_MAIN(PendingFaceFlowTest)
#include "PendingFaceFlowTest.moc"
