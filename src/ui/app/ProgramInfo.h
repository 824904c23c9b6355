// The program's name, version and the about box's text.
#pragma once

#include <QString>

namespace tavlor {

struct ProgramContext;

// "1.2": the project's version, given by the build.
QString ProgramVersion();

// The list window's title: "TavlorV1.2", then the open edit-data file's name when it is not the
// one Set.ini names (a file opened with 打开…), then " *" while changes are unsaved.
QString ListWindowTitle(const ProgramContext& context);

// The about box: the name and version, then a line on what the program edits.
QString AboutText();

}  // namespace tavlor
