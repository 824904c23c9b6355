// Noticing another program's write to the edit-data file: stamps by content, and one notice per
// change until the file is read or written again.
#include <gtest/gtest.h>

#include "core/data/FileStamp.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

using testing::TempFolder;
using testing::WriteFileBytes;

TEST(FileStampTest, StampsFollowTheContentOnly) {
  TempFolder folder;
  const auto file = folder / "EDATA000.13S";
  // Bigger than one read block, so the streamed stamp must agree with the one of the bytes.
  std::string bytes(200 * 1024, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + i / 256);
  WriteFileBytes(file, bytes);
  const FileStamp stamp = StampOfFile(file);
  EXPECT_EQ(stamp, StampOfBytes(bytes));
  EXPECT_EQ(stamp.Size, bytes.size());
  EXPECT_FALSE(FileDiffersFrom(file, stamp));

  // The same bytes written again (a new file, a new time) are no change; one byte is.
  std::filesystem::remove(file);
  WriteFileBytes(file, bytes);
  EXPECT_FALSE(FileDiffersFrom(file, stamp));
  std::string changed = bytes;
  changed[150 * 1024] ^= 0x20;
  WriteFileBytes(file, changed);
  EXPECT_TRUE(FileDiffersFrom(file, stamp));
  WriteFileBytes(file, bytes + "x");
  EXPECT_TRUE(FileDiffersFrom(file, stamp));

  // A missing file is the empty file that loading creates; a folder in its place matches nothing.
  const auto missing = folder / "missing";
  EXPECT_EQ(StampOfFile(missing), StampOfBytes(""));
  EXPECT_FALSE(StampOfFile(folder.Path()).Readable);
  EXPECT_TRUE(FileDiffersFrom(folder.Path(), StampOfBytes("")));
}

TEST(FileStampTest, AChangeIsAnnouncedOnceUntilTheFileIsKnownAgain) {
  TempFolder folder;
  const auto file = folder / "EDATA000.13S";
  WriteFileBytes(file, "loaded");
  DiskChangeWatch watch;
  EXPECT_FALSE(watch.ChangedOnDisk(file));  // nothing known yet
  watch.Know(StampOfFile(file));
  EXPECT_FALSE(watch.ShouldAnnounce(file));

  WriteFileBytes(file, "the game wrote");
  EXPECT_TRUE(watch.ChangedOnDisk(file));
  EXPECT_TRUE(watch.ShouldAnnounce(file));
  EXPECT_FALSE(watch.ShouldAnnounce(file));
  WriteFileBytes(file, "and wrote again");
  EXPECT_FALSE(watch.ShouldAnnounce(file));
  EXPECT_TRUE(watch.ChangedOnDisk(file));  // still known to differ when saving

  // Written back as it was known: no change, and nothing more to say.
  WriteFileBytes(file, "loaded");
  EXPECT_FALSE(watch.ChangedOnDisk(file));

  // After a reload or a save the next change is announced again.
  WriteFileBytes(file, "reloaded");
  watch.Know(StampOfFile(file));
  WriteFileBytes(file, "changed after the reload");
  EXPECT_TRUE(watch.ShouldAnnounce(file));
  watch.Forget();
  EXPECT_FALSE(watch.ChangedOnDisk(file));
}

}  // namespace
}  // namespace tavlor
