// FIELD=VALUE edits of one general for `tavlor-cli edit` and `tavlor-cli add`: parsing and checking
// the values, and the shared load -> show -> apply -> write -> save run through the editor's core.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/editor/EditorValues.h"

namespace tavlor::cli {

// Applies FIELD=VALUE arguments to the editor's values and state, as the editor's controls would
// hold them: text values as typed in the Simplified interface, or in the Traditional one when
// `simplified` is false. `generalCount` bounds the registered General numbers a link may name.
// Returns an empty string, or a one-line message naming the argument that was refused (nothing is
// applied then).
QString ApplyEditArguments(const QStringList& arguments, int generalCount, EditorValues& values,
                           EditorState& state, TextTables& tables, bool simplified);

// The whole run: loads FILE (Blank slot, tables and lists from the program folder), shows slot
// `slot` (or starts from the editor's defaults when adding), applies the arguments, writes the
// general with the editor's own change or add, and saves the file atomically. Returns the exit
// code; on any refusal nothing is written. `traditional`: the texts are typed as in the Traditional
// interface.
int RunEdit(const QString& file, std::optional<int> slot, const QStringList& arguments, bool traditional);

// The field names, for usage lines.
QString EditFieldNames();

}  // namespace tavlor::cli
