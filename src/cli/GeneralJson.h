// The JSON form of the General table used by export and import: every field under its own name,
// numbers as JSON numbers, text and byte fields as lower-case hex of all their stored bytes.
#pragma once

#include <QJsonObject>
#include <QString>
#include <functional>

#include "core/data/GeneralTable.h"

namespace tavlor::cli {

// Lower-case hex of bytes, and back (nothing when the text is not exactly `size` bytes of hex).
QString HexOfBytes(const void* data, std::size_t size);
bool BytesOfHex(const QString& hex, void* out, std::size_t size);

// {"slot": k, every field of the record, the link pairs and the appendix}.
QJsonObject GeneralToJson(const GeneralEntry& entry, int slot);

// Sets the fields present in `object` (other keys are ignored). With `requireAll` every field
// must be present. False, with a message naming the field, for a missing field, a number that is
// not whole or does not fit its field, or hex of the wrong length.
bool ApplyGeneralJson(const QJsonObject& object, GeneralEntry& entry, bool requireAll, QString& error);

// {"HeaderBlock": hex, "GeneralCount": n, "generals": [...]}; `displayName`, when given, adds
// "DisplayName" to every general.
using DisplayNameFunction = std::function<QString(const GeneralEntry&)>;
QJsonObject TableToJson(const GeneralTable& table, const DisplayNameFunction& displayName = {});

// Fills HeaderBlock, GeneralCount and slots 0 .. GeneralCount - 1 from the JSON form. The
// generals' slots must be 0 .. n - 1, each once, and each BirthYear at least 1 (a lower one would
// end the table when the file is read back and lose the generals behind it).
bool TableFromJson(const QJsonObject& root, GeneralTable& table, QString& error);

// The stored name for a terminal: family and given name, Shift-JIS decoded, each trimmed.
QString StoredName(const GeneralEntry& entry);

}  // namespace tavlor::cli
