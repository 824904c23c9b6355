// The style sheet of the editor's fields: paper boxes with gold rims on the painted screen.
#pragma once

#include <QString>

namespace tavlor {

QString Form1StyleSheet();

}  // namespace tavlor
