// Where the program's own files are (the four character tables, Bk.N13, BuiltinGenerals.tsv,
// help.ini and its pictures): beside the program (the build folder, a portable folder, the Windows
// folder), or in ../share/tavlor when it is installed.
#pragma once

#include <array>
#include <filesystem>

namespace tavlor {

// The files the program reads from its data folder.
inline constexpr std::array<const char*, 7> kDataFileNames = {
    "GBKN.dat", "JISN.dat", "GB.DAT", "BIG5.DAT", "Bk.N13", "BuiltinGenerals.tsv", "help.ini"};

// The program folder when it holds any of the data files; else `programFolder`/../share/tavlor
// when that does; else the program folder, so that a message about a missing file names the
// place where it belongs.
std::filesystem::path FindDataFolder(const std::filesystem::path& programFolder);

}  // namespace tavlor
