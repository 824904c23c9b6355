// The program's name, version and the about box's text.
#pragma once

#include <QString>

namespace tavlor {

// "1.2": the project's version, given by the build.
QString ProgramVersion();

// The about box: the name and version, then a line on what the program edits.
QString AboutText();

}  // namespace tavlor
