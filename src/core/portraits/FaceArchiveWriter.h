// Writing a planned face patch into an archive in place, crash-proof without rewriting the
// archive: the patch (old and new bytes of every range) first becomes "<archive>.journal" beside
// it, written safely (temporary file, flush, rename); then the ranges are written in place and
// flushed; then the journal is removed. A journal left by a stop is rolled forward on the next
// open: every range gets its new bytes again, which is the same whether the stop came before,
// during or after the in-place writes. So every face is either as before or as imported.
// Every call goes through CurrentFileCalls().
#pragma once

#include <filesystem>
#include <string>

#include "core/portraits/FacePatch.h"

namespace tavlor {

std::filesystem::path FaceJournalPathOf(const std::filesystem::path& archive);

// Reads `length` bytes at `offset` of `archive` through the file calls (the planner's reader).
bool ReadArchiveBytes(const std::filesystem::path& archive, uint64_t offset, char* out, std::size_t length);

// Writes `patch` into `archive`. Refused, with nothing written, when a journal is already there,
// when the archive's size is no longer the patch's SizeBefore or a range no longer holds its old
// bytes (changed behind the program's back), or when the journal cannot be written (unwritable
// folder, full disk). On failure `error` says which file and why.
bool WriteFacePatch(const std::filesystem::path& archive, const FacePatch& patch, std::string* error);

// Finishes what a stopped WriteFacePatch left: rolls a journal forward and removes it. True when
// the archive can be read (no journal, or one finished); `done` says what was done, if anything.
// A journal that is not whole, or one whose archive no longer has a size the save could have left,
// is refused (the archive is not touched) and the journal stays for a person to look at.
bool RecoverFaceArchive(const std::filesystem::path& archive, std::string* done, std::string* error);

}  // namespace tavlor
