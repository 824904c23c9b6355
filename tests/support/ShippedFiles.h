// Where tests find the program's own files, read-only, and how they get a program folder of their
// own. Rules every test follows (so the suite runs as any user, from any folder):
//   - Write only inside a TempFolder (support/TempFolder.h), never beside the test or the program.
//   - Never read the build's program folder (build/bin): a player may have pointed its Set.ini at a
//     real game. Shipped data files come from ShippedFile(); a test that needs a whole program
//     folder makes a ShippedProgramFolder (or the small-table StartupFolder of tests/ui).
//   - A test that cannot run here says so with GTEST_SKIP() or QSKIP(); ctest reports it skipped
//     (every GoogleTest case and every QtTest function is a ctest test of its own).
#pragma once

#include <filesystem>
#include <string>

#include "support/TempFolder.h"

namespace tavlor::testing {

// The repository's shipped data files (character tables, Bk.N13, BuiltinGenerals.tsv, ...).
std::filesystem::path ShippedFolder();
inline std::filesystem::path ShippedFile(const std::string& name) {
  return ShippedFolder() / name;
}

// The demo game painted by the build for the tests (grp/ with the six face archives and
// EDATA000.13S), or an empty path when this build paints none: the test then skips.
std::filesystem::path DemoGameFolder();

// The guide's pictures the build photographs into the program folder's help/ (a folder of generated
// pictures only), or an empty path when this build makes none: the test then skips.
std::filesystem::path GuidePicturesFolder();

// A program folder of the test's own: a temporary folder with a copy of every shipped data file and
// no Set.ini until the test writes one.
class ShippedProgramFolder {
 public:
  ShippedProgramFolder();

  const std::filesystem::path& Path() const { return folder_.Path(); }
  std::filesystem::path operator/(const std::string& name) const { return folder_ / name; }

  // Set.ini in manual mode: the game and edit-face folders and the edit-data file.
  void WriteSetIni(const std::filesystem::path& gameFolder, const std::filesystem::path& editDataFile) const;

 private:
  TempFolder folder_;
};

}  // namespace tavlor::testing
