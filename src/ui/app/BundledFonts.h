// Typefaces a release brings with it, in a `fonts` folder beside the data files (the Windows
// package's caption serif), so the painted captions do not depend on the fonts a machine has.
#pragma once

#include <QStringList>
#include <filesystem>

namespace tavlor {

// Makes every OpenType or TrueType face in `dataFolder`/fonts available to the program; returns
// the families they add. Must run before the first caption is painted.
QStringList LoadBundledFonts(const std::filesystem::path& dataFolder);

}  // namespace tavlor
