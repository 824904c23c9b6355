// What the commands that change many generals at once share: loading the file, reading slot
// arguments, and saving the result the way the editor's save does.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/data/GeneralTable.h"

namespace tavlor::cli {

// Slot arguments: whole numbers of slots in use. Nothing, with `error` set, otherwise.
std::optional<std::vector<int>> SlotArguments(const QStringList& arguments, const GeneralTable& table,
                                              QString& error);

// Loads FILE and the program's Blank slot, runs `step` on the table (which returns an empty string
// to save, or a one-line refusal), then saves FILE atomically with its backup. Nothing is written
// on a refusal. Returns the exit code.
int RunTableStep(const QString& file, const std::function<QString(GeneralTable& table)>& step);

}  // namespace tavlor::cli
