// Replacing a file safely: every step of a save made to fail in turn, short writes, the three ways
// of keeping the backup, and saves interrupted at a great many points (a failpoint that ends the
// saving process, and a saving process killed at random moments).
#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <random>
#include <thread>

#include "core/data/EditData.h"
#include "core/data/SafeFileWrite.h"
#include "support/FaultyFileCalls.h"
#include "support/RandomTable.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

namespace fs = std::filesystem;
using testing::FaultyFileCalls;
using testing::ReadFileBytes;
using testing::WriteFileBytes;
using Call = FaultyFileCalls::Call;

// Three versions of a file, each several write pieces long and each of a different length, so a
// mixture of two can never pass for one of them.
struct Versions {
  std::string Older, Old, New, Given;
};

Versions MakeVersions() {
  std::mt19937 random(12);
  Versions v;
  for (auto [text, size] :
       {std::pair{&v.Older, 150001}, {&v.Old, 200003}, {&v.New, 300007}, {&v.Given, 1234}}) {
    text->resize(static_cast<std::size_t>(size));
    for (char& c : *text) c = static_cast<char>(random());
  }
  return v;
}

class SafeFileWriteTest : public ::testing::Test {
 protected:
  testing::TempFolder folder;
  fs::path target = folder / "EDATA000.13S";
  fs::path backup = BackupPathOf(target);
  Versions v = MakeVersions();

  // The target holds Old, its backup Older.
  void Reset() const {
    for (const auto& entry : fs::directory_iterator(folder.Path())) fs::remove(entry.path());
    WriteFileBytes(target, v.Old);
    WriteFileBytes(backup, v.Older);
  }

  std::vector<std::string> TemporaryFiles() const {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder.Path()))
      if (entry.path().filename().string().find(".tmp-") != std::string::npos)
        found.push_back(entry.path().filename().string());
    return found;
  }

  // A save through `calls` of New, keeping the backup as `policy` says.
  FileError Save(FaultyFileCalls& calls, const BackupPolicy& policy) const {
    ScopedFileCalls use(calls);
    return ReplaceFileSafely(target, v.New, policy);
  }

  std::string BackupAfterSuccess(BackupPolicy::Kind policy) const {
    if (policy == BackupPolicy::Kind::KeepCurrentFile) return v.Old;
    if (policy == BackupPolicy::Kind::KeepTheseBytes) return v.Given;
    return v.Older;
  }

  BackupPolicy PolicyOf(BackupPolicy::Kind kind) const {
    if (kind == BackupPolicy::Kind::KeepTheseBytes) return BackupPolicy::KeepTheseBytes(v.Given);
    if (kind == BackupPolicy::Kind::LeaveAlone) return BackupPolicy::LeaveAlone();
    return BackupPolicy::KeepCurrentFile();
  }
};

constexpr BackupPolicy::Kind kPolicies[] = {
    BackupPolicy::Kind::KeepCurrentFile, BackupPolicy::Kind::KeepTheseBytes, BackupPolicy::Kind::LeaveAlone};

// The file a failing call's error must name: the temporary file with its random part hidden when it
// could not be created, otherwise the file the call concerned.
fs::path ExpectedErrorPath(const FaultyFileCalls::Logged& call) {
  if (call.What != Call::CreateNew && call.What != Call::Link) return call.File;
  std::string name = call.File.string();
  return name.substr(0, name.size() - 4) + "XXXX";
}

TEST_F(SafeFileWriteTest, EveryStepFailingInTurnKeepsTheFileAndTheBackupAndNamesTheStep) {
  const std::string reason = std::make_error_code(std::errc::no_space_on_device).message();
  for (const BackupPolicy::Kind policy : kPolicies) {
    SCOPED_TRACE(static_cast<int>(policy));
    Reset();
    FaultyFileCalls reference;
    ASSERT_FALSE(Save(reference, PolicyOf(policy)));
    ASSERT_EQ(ReadFileBytes(target), v.New);
    ASSERT_EQ(ReadFileBytes(backup), BackupAfterSuccess(policy));
    const auto& log = reference.Log();
    // Where the backup is renamed into place (none when it is left alone).
    int backupRename = -1;
    for (std::size_t i = 0; i < log.size(); ++i)
      if (log[i].What == Call::Rename && log[i].File == backup) backupRename = static_cast<int>(i);
    ASSERT_EQ(backupRename >= 0, policy != BackupPolicy::Kind::LeaveAlone);
    ASSERT_GE(log.size(), 10u);

    for (std::size_t i = 0; i < log.size(); ++i) {
      SCOPED_TRACE(std::to_string(i) + ": " + FaultyFileCalls::NameOf(log[i].What) + " " +
                   log[i].File.string());
      Reset();
      FaultyFileCalls calls;
      calls.FailAt(static_cast<int>(i), std::errc::no_space_on_device);
      const FileError error = Save(calls, PolicyOf(policy));
      ASSERT_TRUE(error);
      ASSERT_GT(calls.Log().size(), i);
      EXPECT_EQ(error.Path, ExpectedErrorPath(calls.Log()[i]));
      const std::string message = DescribeFileError(error);
      EXPECT_NE(message.find(error.Path.string()), std::string::npos) << message;
      EXPECT_NE(message.find(reason), std::string::npos) << message;
      EXPECT_TRUE(TemporaryFiles().empty());

      const bool last = i + 1 == log.size();
      EXPECT_EQ(error.NewContentInPlace, last);
      EXPECT_EQ(ReadFileBytes(target), last ? v.New : v.Old);
      const bool backupReplaced = backupRename >= 0 && static_cast<int>(i) > backupRename;
      EXPECT_EQ(ReadFileBytes(backup), backupReplaced ? BackupAfterSuccess(policy) : v.Older);
    }
  }
}

TEST_F(SafeFileWriteTest, ShortWritesGoOnAndAWriteThatMovesNothingFails) {
  Reset();
  FaultyFileCalls reference;
  ASSERT_FALSE(Save(reference, BackupPolicy::KeepCurrentFile()));
  for (std::size_t i = 0; i < reference.Log().size(); ++i) {
    if (reference.Log()[i].What != Call::Write) continue;
    SCOPED_TRACE(i);
    Reset();
    FaultyFileCalls shortWrite;
    shortWrite.WriteShortAt(static_cast<int>(i), 1001);
    const FileError error = Save(shortWrite, BackupPolicy::KeepCurrentFile());
    EXPECT_FALSE(error) << DescribeFileError(error);
    EXPECT_EQ(ReadFileBytes(target), v.New);
    EXPECT_EQ(ReadFileBytes(backup), v.Old);

    Reset();
    FaultyFileCalls stuck;
    stuck.WriteShortAt(static_cast<int>(i), 0);
    EXPECT_EQ(Save(stuck, BackupPolicy::KeepCurrentFile()).What, FileError::Kind::CannotWrite);
    EXPECT_EQ(ReadFileBytes(target), v.Old);
    EXPECT_EQ(ReadFileBytes(backup), v.Older);
    EXPECT_TRUE(TemporaryFiles().empty());
  }
}

TEST_F(SafeFileWriteTest, TheKeptFileIsLinkedWhereTheFileSystemCanElseCopied) {
  Reset();
  FaultyFileCalls linking;
  ASSERT_FALSE(Save(linking, BackupPolicy::KeepCurrentFile()));
  int link = -1;
  for (std::size_t i = 0; i < linking.Log().size(); ++i) {
    EXPECT_NE(linking.Log()[i].What, Call::OpenForReading);  // nothing is copied
    if (linking.Log()[i].What == Call::Link) link = static_cast<int>(i);
  }
  ASSERT_GE(link, 0);
  // The backup is a file of its own: writing the new file in place (as the game does) leaves it be.
  EXPECT_EQ(fs::hard_link_count(backup), 1u);
  WriteFileBytes(target, "written in place");
  EXPECT_EQ(ReadFileBytes(backup), v.Old);

  // A file system without links: the bytes are copied instead.
  for (const std::errc unsupported :
       {std::errc::operation_not_permitted, std::errc::operation_not_supported}) {
    Reset();
    FaultyFileCalls copying;
    copying.FailAt(link, unsupported);
    const FileError error = Save(copying, BackupPolicy::KeepCurrentFile());
    ASSERT_FALSE(error) << DescribeFileError(error);
    EXPECT_EQ(ReadFileBytes(target), v.New);
    EXPECT_EQ(ReadFileBytes(backup), v.Old);
    EXPECT_TRUE(TemporaryFiles().empty());
    bool copied = false;
    for (const auto& call : copying.Log()) copied = copied || call.What == Call::OpenForReading;
    EXPECT_TRUE(copied);
  }

  // Windows refuses to rename the linked name while another program holds the file open without
  // delete sharing (a sharing violation): the bytes are copied then too. Any other refusal fails.
  int linkedRename = -1;
  for (std::size_t i = static_cast<std::size_t>(link); i < linking.Log().size(); ++i)
    if (linking.Log()[i].What == Call::Rename && linking.Log()[i].File == backup)
      linkedRename = static_cast<int>(i);
  ASSERT_GT(linkedRename, link);
  Reset();
  FaultyFileCalls shared;
  shared.FailAt(linkedRename, std::errc::device_or_resource_busy);
  const FileError error = Save(shared, BackupPolicy::KeepCurrentFile());
  ASSERT_FALSE(error) << DescribeFileError(error);
  EXPECT_EQ(ReadFileBytes(target), v.New);
  EXPECT_EQ(ReadFileBytes(backup), v.Old);
  EXPECT_TRUE(TemporaryFiles().empty());
  Reset();
  FaultyFileCalls refused;
  refused.FailAt(linkedRename, std::errc::permission_denied);
  EXPECT_EQ(Save(refused, BackupPolicy::KeepCurrentFile()).What, FileError::Kind::CannotReplace);
  EXPECT_EQ(ReadFileBytes(target), v.Old);
  EXPECT_EQ(ReadFileBytes(backup), v.Older);
}

TEST_F(SafeFileWriteTest, GivenBytesStillOnTheDiskAreKeptWithoutWritingThemAgain) {
  // The session's first save: the file is still as the session loaded it.
  Reset();
  FaultyFileCalls calls;
  ASSERT_FALSE(Save(calls, BackupPolicy::KeepTheseBytes(v.Old)));
  int writes = 0;
  for (const auto& call : calls.Log())
    writes += call.What == Call::Write && call.File.string().find(".bak") != std::string::npos;
  EXPECT_EQ(writes, 0);
  EXPECT_EQ(ReadFileBytes(backup), v.Old);
  EXPECT_EQ(ReadFileBytes(target), v.New);
  EXPECT_EQ(fs::hard_link_count(backup), 1u);

  // The same length but other bytes on the disk: the given bytes are written.
  Reset();
  std::string changed = v.Old;
  changed[changed.size() / 2] ^= 1;
  WriteFileBytes(target, changed);
  ASSERT_FALSE(ReplaceFileSafely(target, v.New, BackupPolicy::KeepTheseBytes(v.Old)));
  EXPECT_EQ(ReadFileBytes(backup), v.Old);
}

TEST_F(SafeFileWriteTest, ANewFileHasNoBackupUnlessBytesAreGiven) {
  FaultyFileCalls calls;
  ASSERT_FALSE(Save(calls, BackupPolicy::KeepCurrentFile()));
  EXPECT_FALSE(fs::exists(backup));
  for (const auto& call : calls.Log()) EXPECT_NE(call.What, Call::OpenForReading);

  fs::remove(target);
  ASSERT_FALSE(Save(calls, BackupPolicy::KeepTheseBytes(v.Given)));
  EXPECT_EQ(ReadFileBytes(backup), v.Given);
  EXPECT_EQ(ReadFileBytes(target), v.New);
}

TEST_F(SafeFileWriteTest, TheReplacedFileKeepsItsPermissions) {
#ifdef _WIN32
  GTEST_SKIP() << "POSIX permission bits: Windows files have none beyond read-only";
#endif
  Reset();
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_FALSE(ReplaceFileSafely(target, v.New));
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// --- Interrupted saves -------------------------------------------------------------------------

#ifndef _WIN32
// How many interruptions the crash test makes: TAVLOR_CRASH_POINTS, or a short run by default.
int CrashPoints() {
  const char* asked = std::getenv("TAVLOR_CRASH_POINTS");
  return asked != nullptr && std::atoi(asked) > 0 ? std::atoi(asked) : 80;
}

// Runs `save` in a child process; returns the child's wait status. `killAfter`, when set, kills
// the child with SIGKILL after that long.
int RunChild(const std::function<void()>& save, std::optional<std::chrono::microseconds> killAfter) {
  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    save();
    ::_exit(0);
  }
  if (killAfter) {
    std::this_thread::sleep_for(*killAfter);
    ::kill(child, SIGKILL);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

class InterruptedSaveTest : public SafeFileWriteTest {
 protected:
  // After an interrupted save of New over Old (backup Older): the target is Old or New, whole; the
  // backup is Older or what the policy keeps, whole; and a New target always has its new backup.
  void CheckAfterInterruption(BackupPolicy::Kind policy, const std::string& where) {
    const std::string now = ReadFileBytes(target);
    const std::string kept = ReadFileBytes(backup);
    const bool targetWhole = now == v.Old || now == v.New;
    const bool backupWhole = kept == v.Older || kept == BackupAfterSuccess(policy);
    if (!targetWhole || !backupWhole || (now == v.New && kept != BackupAfterSuccess(policy))) {
      ADD_FAILURE() << where << ": target " << now.size() << " bytes, backup " << kept.size() << " bytes";
      ++failures_;
    }
    if (now == v.New) ++finished_;
    ++points_;
  }

  int points_ = 0, finished_ = 0, failures_ = 0;
};

TEST_F(InterruptedSaveTest, ASaveEndedAtAnyPointLeavesTheOldOrTheNewFileAndAWholeBackup) {
  const int wanted = CrashPoints();
  std::mt19937 random(77);
  // Half the points end the process at a chosen call (a write first writing part of its bytes),
  // the other half kill it at a random moment.
  for (const BackupPolicy::Kind policy : kPolicies) {
    Reset();
    FaultyFileCalls reference;
    ASSERT_FALSE(Save(reference, PolicyOf(policy)));
    const auto log = reference.Log();
    std::vector<int> writes;
    for (std::size_t i = 0; i < log.size(); ++i)
      if (log[i].What == Call::Write) writes.push_back(static_cast<int>(i));
    ASSERT_FALSE(writes.empty());
    const int perPolicy = wanted / 2 / 3 + 1;
    for (int n = 0; n < std::max<int>(perPolicy, log.size()) && failures_ < 5; ++n) {
      // Every call once; then writes that end after a random part of their bytes.
      const bool everyCall = n < static_cast<int>(log.size());
      const int call = everyCall ? n : writes[random() % writes.size()];
      const std::size_t part = everyCall ? 0 : 1 + random() % 65535;
      Reset();
      const int status = RunChild(
          [&] {
            FaultyFileCalls calls;
            calls.EndProcessAt(call, part);
            Save(calls, PolicyOf(policy));
          },
          std::nullopt);
      ASSERT_TRUE(WIFEXITED(status)) << "the saving process crashed";
      CheckAfterInterruption(
          policy, "ended at call " + std::to_string(call) + " after " + std::to_string(part) + " bytes");
    }

    // How long a whole save takes here, so that the kills spread over it.
    Reset();
    const auto start = std::chrono::steady_clock::now();
    RunChild([&] { ReplaceFileSafely(target, v.New, PolicyOf(policy)); }, std::nullopt);
    const auto saveTime =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    ASSERT_EQ(ReadFileBytes(target), v.New);
    for (int n = 0; n < perPolicy && failures_ < 5; ++n) {
      Reset();
      const auto delay = std::chrono::microseconds(random() % (saveTime.count() + 1));
      const int status = RunChild([&] { ReplaceFileSafely(target, v.New, PolicyOf(policy)); }, delay);
      ASSERT_TRUE(WIFEXITED(status) || (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL));
      CheckAfterInterruption(policy, "killed after " + std::to_string(delay.count()) + " us");
    }
  }
  std::printf("%d interrupted saves checked (%d had finished), %d failures\n", points_, finished_, failures_);
  EXPECT_GE(points_, wanted);
  // Both outcomes must really occur, or the interruptions missed the save.
  EXPECT_GT(finished_, 0);
  EXPECT_LT(finished_, points_);
}
#else
TEST(InterruptedSaveTest, ASaveEndedAtAnyPointLeavesTheOldOrTheNewFileAndAWholeBackup) {
  GTEST_SKIP() << "ends saving processes made with fork(); the POSIX build runs it";
}
#endif

}  // namespace
}  // namespace tavlor
