// Writing a face in place: the journal makes every stop, failure or crash leave each face old or
// new once the next open has recovered; an archive changed behind the program's back is refused.
#include "core/portraits/FaceArchiveWriter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "support/ArchiveBuilder.h"
#include "support/FaultyFileCalls.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

using testing::ArchiveBuilder;
using testing::FaultyFileCalls;

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

FaceImage Picture(int width, int height) {
  FaceImage picture{width, height, {}};
  for (int i = 0; i < width * height; ++i)
    picture.Rgb.insert(picture.Rgb.end(), {9, static_cast<uint8_t>(i), 250});
  return picture;
}

class FaceArchiveWriterTest : public ::testing::TestWithParam<bool> {
 protected:
  // Face 1 (96 x 120) of three; with the parameter set, face 1 shares face 0's record.
  void SetUp() override {
    ArchiveBuilder builder;
    builder.AddFace(96, 120, 1);
    if (GetParam()) {
      builder.AddSharedFace(0);
    } else {
      builder.AddFace(96, 120, 2);
    }
    builder.AddFace(60, 60, 3);
    before = builder.Bytes();
    Reset();
    std::string error;
    const auto planned = PlanFaceReplacement(
        before.size(),
        [&](uint64_t at, char* out, std::size_t n) { return ReadArchiveBytes(archive, at, out, n); }, 1,
        Picture(96, 120), &error);
    ASSERT_TRUE(planned) << error;
    patch = *planned;
    after = before;
    for (const ByteRange& range : patch.Ranges) {
      if (after.size() < range.Offset + range.New.size()) after.resize(range.Offset + range.New.size());
      after.replace(range.Offset, range.New.size(), range.New);
    }
  }
  void Reset() {
    WriteBytes(archive, before);
    std::filesystem::remove(FaceJournalPathOf(archive));
  }
  // After recovery the archive is wholly old or wholly new and no journal is left.
  void ExpectOldOrNew(const std::string& where) {
    std::string done, error;
    ASSERT_TRUE(RecoverFaceArchive(archive, &done, &error)) << where << ": " << error;
    const std::string now = ReadBytes(archive);
    EXPECT_TRUE(now == before || now == after) << where << ": " << now.size() << " bytes, torn";
    EXPECT_FALSE(std::filesystem::exists(FaceJournalPathOf(archive))) << where;
    finished += now == after;
  }

  testing::TempFolder folder;
  std::filesystem::path archive = folder / "KAO_L.N13";
  std::string before, after;
  FacePatch patch;
  int finished = 0;
};

TEST_P(FaceArchiveWriterTest, ASaveWritesThePatchAndLeavesNoJournal) {
  std::string error;
  ASSERT_TRUE(WriteFacePatch(archive, patch, &error)) << error;
  EXPECT_EQ(ReadBytes(archive), after);
  EXPECT_FALSE(std::filesystem::exists(FaceJournalPathOf(archive)));
  std::string done;
  EXPECT_TRUE(RecoverFaceArchive(archive, &done, &error));
  EXPECT_TRUE(done.empty());
}

TEST_P(FaceArchiveWriterTest, EveryFailingCallLeavesEveryFaceOldOrNew) {
  FaultyFileCalls reference;
  {
    ScopedFileCalls use(reference);
    ASSERT_TRUE(WriteFacePatch(archive, patch, nullptr));
  }
  const int calls = static_cast<int>(reference.Log().size());
  ASSERT_GT(calls, 8);
  for (int call = 0; call < calls; ++call) {
    Reset();
    FaultyFileCalls faulty;
    faulty.FailAt(call, std::errc::no_space_on_device);
    std::string error;
    bool written;
    {
      ScopedFileCalls use(faulty);
      written = WriteFacePatch(archive, patch, &error);
    }
    const std::string where = std::string("failing ") + FaultyFileCalls::NameOf(reference.Log()[call].What) +
                              " (call " + std::to_string(call) + ")";
    if (!written) {
      EXPECT_FALSE(error.empty()) << where;
    }
    ExpectOldOrNew(where);
  }
  EXPECT_GT(finished, 0);
  EXPECT_LT(finished, calls);
}

#ifndef _WIN32
TEST_P(FaceArchiveWriterTest, AProcessEndedAtEveryCallLeavesEveryFaceOldOrNew) {
  FaultyFileCalls reference;
  {
    ScopedFileCalls use(reference);
    ASSERT_TRUE(WriteFacePatch(archive, patch, nullptr));
  }
  int points = 0;
  for (int call = 0; call < static_cast<int>(reference.Log().size()); ++call)
    for (const std::size_t part : {std::size_t{0}, std::size_t{1000}}) {
      if (part > 0 && reference.Log()[call].What != FaultyFileCalls::Call::Write) continue;
      Reset();
      const pid_t child = ::fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        FaultyFileCalls calls;
        calls.EndProcessAt(call, part);
        ScopedFileCalls use(calls);
        WriteFacePatch(archive, patch, nullptr);
        ::_exit(0);
      }
      int status = 0;
      ::waitpid(child, &status, 0);
      ASSERT_TRUE(WIFEXITED(status));
      ExpectOldOrNew("ended at call " + std::to_string(call) + " after " + std::to_string(part) + " bytes");
      ++points;
    }
  EXPECT_GT(finished, 0);
  EXPECT_LT(finished, points);
}
#else
TEST_P(FaceArchiveWriterTest, AProcessEndedAtEveryCallLeavesEveryFaceOldOrNew) {
  GTEST_SKIP() << "ends saving processes made with fork(); the POSIX build runs it";
}
#endif

TEST_P(FaceArchiveWriterTest, AnArchiveChangedSinceReadingIsRefusedUntouched) {
  std::string grown = before + "x";
  WriteBytes(archive, grown);
  std::string error;
  EXPECT_FALSE(WriteFacePatch(archive, patch, &error));
  EXPECT_NE(error.find("changed since it was read"), std::string::npos) << error;
  EXPECT_EQ(ReadBytes(archive), grown);

  std::string edited = before;
  edited[patch.Ranges.back().Offset] ^= 0x40;
  WriteBytes(archive, edited);
  EXPECT_FALSE(WriteFacePatch(archive, patch, &error));
  EXPECT_EQ(ReadBytes(archive), edited);
  EXPECT_FALSE(std::filesystem::exists(FaceJournalPathOf(archive)));
}

TEST_P(FaceArchiveWriterTest, AJournalThatIsNotWholeOrDoesNotFitIsKeptAndTheArchiveUntouched) {
  const std::string journal = EncodeJournal(patch);
  WriteBytes(FaceJournalPathOf(archive), journal.substr(0, journal.size() - 3));
  std::string done, error;
  EXPECT_FALSE(RecoverFaceArchive(archive, &done, &error));
  EXPECT_NE(error.find("cut short"), std::string::npos) << error;
  EXPECT_EQ(ReadBytes(archive), before);
  EXPECT_TRUE(std::filesystem::exists(FaceJournalPathOf(archive)));
  // A further save waits for it.
  EXPECT_FALSE(WriteFacePatch(archive, patch, &error));
  EXPECT_EQ(ReadBytes(archive), before);

  WriteBytes(FaceJournalPathOf(archive), journal);
  WriteBytes(archive, before.substr(0, 100));
  EXPECT_FALSE(RecoverFaceArchive(archive, &done, &error));
  EXPECT_EQ(ReadBytes(archive), before.substr(0, 100));

  WriteBytes(archive, before);
  ASSERT_TRUE(RecoverFaceArchive(archive, &done, &error)) << error;
  EXPECT_FALSE(done.empty());
  EXPECT_EQ(ReadBytes(archive), after);
}

INSTANTIATE_TEST_SUITE_P(OwnAndSharedRecord, FaceArchiveWriterTest, ::testing::Bool());

}  // namespace
}  // namespace tavlor
