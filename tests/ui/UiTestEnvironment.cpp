// Linked into every UI test program: before main, gives Qt a runtime folder inside a temporary
// folder of the test's own (Qt would otherwise make /tmp/runtime-<user>), so that a UI test leaves
// nothing behind outside its temporary folders.
#include <cstdlib>
#include <filesystem>

#include "support/TempFolder.h"

namespace {

struct RuntimeFolder {
  RuntimeFolder() {
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);
    ::setenv("XDG_RUNTIME_DIR", folder.Path().c_str(), 1);
  }
  tavlor::testing::TempFolder folder;
};

const RuntimeFolder kRuntimeFolder;

}  // namespace
