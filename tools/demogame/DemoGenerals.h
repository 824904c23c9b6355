// The demo edit-data file: a dozen registered generals of our own invention that exercise the
// editor (links set and unset, a hidden link, faces of both sets, a general on standby, full and
// short biography lines, kana readings).
#pragma once

#include <string>

namespace demogame {

// The bytes of EDATA000.13S; `blankSlot` is the 363-byte Blank slot written for unused entries.
std::string DemoEditData(const std::string& blankSlot);

}  // namespace demogame
