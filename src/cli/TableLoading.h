// What the file commands share: loading a file they were given, the program's Blank slot, and
// display names through the shipped character tables.
#pragma once

#include <QString>
#include <filesystem>
#include <memory>

#include "cli/GeneralJson.h"
#include "core/data/EditData.h"

namespace tavlor::cli {

std::filesystem::path PathOfArgument(const QString& argument);

// Loads an existing edit-data file (a command never creates a file it was asked to read).
// Nothing, with `error` set, when the file is missing or cannot be read.
std::unique_ptr<GeneralTable> LoadTableForCommand(const QString& file, LoadReport& report, QString& error);

// The Blank slot from Bk.N13 beside the program, as the editor's save uses it. False when the
// file is missing or is not 363 bytes.
bool LoadProgramBlankSlot(GeneralTable& table, QString& error);

// Writes the table to `file` the way the editor's save does; false with `error` on failure.
bool SaveTableForCommand(const QString& file, const GeneralTable& table, QString& error);

// The name as the interface shows it: family and given name through the shipped Shift-JIS to
// GBK table, trimmed and joined, as UTF-8 text. Loads the tables from the program folder once.
QString ShippedDisplayName(const GeneralEntry& entry);

}  // namespace tavlor::cli
