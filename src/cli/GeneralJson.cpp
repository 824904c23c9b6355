// One list of field codecs serves export and import, so the two can never disagree on a name.
#include "cli/GeneralJson.h"

#include <QJsonArray>
#include <QJsonValue>
#include <cmath>
#include <limits>
#include <vector>

#include "ui/app/TextCodec.h"

namespace tavlor::cli {
namespace {

struct FieldCodec {
  const char* Name;
  std::function<QJsonValue(const GeneralEntry&)> Get;
  std::function<bool(GeneralEntry&, const QJsonValue&, QString&)> Set;
};

// `access` is a generic lambda returning a reference to the field, for const and non-const
// entries alike.
template <typename Access>
FieldCodec Number(const char* name, Access access) {
  return {name, [access](const GeneralEntry& e) { return QJsonValue(static_cast<double>(access(e))); },
          [access, name](GeneralEntry& e, const QJsonValue& value, QString& error) {
            using Int = std::remove_reference_t<decltype(access(e))>;
            const double number = value.toDouble(std::nan(""));
            if (!value.isDouble() || std::trunc(number) != number ||
                number < static_cast<double>(std::numeric_limits<Int>::min()) ||
                number > static_cast<double>(std::numeric_limits<Int>::max())) {
              error = QStringLiteral("%1 must be a whole number from %2 to %3")
                          .arg(QString::fromLatin1(name))
                          .arg(static_cast<qint64>(std::numeric_limits<Int>::min()))
                          .arg(static_cast<qint64>(std::numeric_limits<Int>::max()));
              return false;
            }
            access(e) = static_cast<Int>(number);
            return true;
          }};
}

template <typename Access>
FieldCodec Hex(const char* name, Access access) {
  return {name,
          [access](const GeneralEntry& e) {
            const auto& field = access(e);
            return QJsonValue(HexOfBytes(field.data(), field.size()));
          },
          [access, name](GeneralEntry& e, const QJsonValue& value, QString& error) {
            auto& field = access(e);
            if (!value.isString() || !BytesOfHex(value.toString(), field.data(), field.size())) {
              error = QStringLiteral("%1 must be %2 bytes as hex (%3 hex digits)")
                          .arg(QString::fromLatin1(name))
                          .arg(field.size())
                          .arg(field.size() * 2);
              return false;
            }
            return true;
          }};
}

#define TAVLOR_NUMBER(part, field) \
  Number(                          \
      #field, [](auto& e) -> auto& { return e.part.field; })
#define TAVLOR_HEX(part, field) \
  Hex(                          \
      #field, [](auto& e) -> auto& { return e.part.field; })

const std::vector<FieldCodec>& Codecs() {
  static const std::vector<FieldCodec> codecs = {
      TAVLOR_HEX(Record, Tag),
      TAVLOR_HEX(Record, TagFill),
      TAVLOR_NUMBER(Record, HeadA),
      TAVLOR_NUMBER(Record, HeadB),
      TAVLOR_NUMBER(Record, HeadC),
      TAVLOR_NUMBER(Record, HeadD),
      TAVLOR_NUMBER(Record, HeadE),
      TAVLOR_HEX(Record, FamilyName),
      TAVLOR_HEX(Record, FamilyReading),
      TAVLOR_HEX(Record, GivenName),
      TAVLOR_HEX(Record, GivenReading),
      TAVLOR_HEX(Record, BioLine1),
      TAVLOR_NUMBER(Record, BioBreak1),
      TAVLOR_HEX(Record, BioLine2),
      TAVLOR_NUMBER(Record, BioBreak2),
      TAVLOR_HEX(Record, BioLine3),
      TAVLOR_NUMBER(Record, BioBreak3),
      TAVLOR_HEX(Record, BioLine4),
      TAVLOR_HEX(Record, BioTail),
      TAVLOR_NUMBER(Record, Sex),
      TAVLOR_NUMBER(Record, FaceNo),
      TAVLOR_NUMBER(Record, BirthYear),
      TAVLOR_NUMBER(Record, DeathYear),
      TAVLOR_NUMBER(Record, Origin),
      TAVLOR_NUMBER(Record, Reserved1),
      TAVLOR_NUMBER(Record, FatherNo),
      TAVLOR_NUMBER(Record, AffinityNo),
      TAVLOR_NUMBER(Record, Leadership),
      TAVLOR_NUMBER(Record, Valor),
      TAVLOR_NUMBER(Record, Intellect),
      TAVLOR_NUMBER(Record, Politics),
      TAVLOR_NUMBER(Record, AptAshigaru),
      TAVLOR_NUMBER(Record, AptCavalry),
      TAVLOR_NUMBER(Record, AptBow),
      TAVLOR_NUMBER(Record, AptGun),
      TAVLOR_NUMBER(Record, AptSiege),
      TAVLOR_NUMBER(Links, HiddenLinkFlag),
      TAVLOR_NUMBER(Links, HiddenLinkNo),
      TAVLOR_NUMBER(Links, FavouredFlag),
      TAVLOR_NUMBER(Links, FavouredNo),
      TAVLOR_NUMBER(Links, DislikedFlag),
      TAVLOR_NUMBER(Links, DislikedNo),
      TAVLOR_NUMBER(Appendix, Duty),
      TAVLOR_NUMBER(Appendix, CityNo),
      TAVLOR_NUMBER(Appendix, Status),
      TAVLOR_NUMBER(Appendix, GeneralNo),
      TAVLOR_NUMBER(Appendix, AppearFlag),
      TAVLOR_NUMBER(Appendix, Voice),
      TAVLOR_NUMBER(Appendix, Tactic),
      TAVLOR_HEX(Appendix, AppendixTail),
  };
  return codecs;
}

#undef TAVLOR_NUMBER
#undef TAVLOR_HEX

int HexValue(QChar c) {
  if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
  if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
  return -1;
}

template <std::size_t Width>
QString TrimmedField(const TextField<Width>& field) {
  std::string_view text(field.data(), Width);
  text = text.substr(0, text.find('\0'));
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return FromSjis(text);
}

}  // namespace

QString HexOfBytes(const void* data, std::size_t size) {
  return QString::fromLatin1(
      QByteArray(static_cast<const char*>(data), static_cast<qsizetype>(size)).toHex());
}

bool BytesOfHex(const QString& hex, void* out, std::size_t size) {
  if (static_cast<std::size_t>(hex.size()) != size * 2) return false;
  auto* bytes = static_cast<uint8_t*>(out);
  std::vector<uint8_t> decoded(size);
  for (std::size_t i = 0; i < size; ++i) {
    const int high = HexValue(hex[static_cast<qsizetype>(2 * i)]);
    const int low = HexValue(hex[static_cast<qsizetype>(2 * i + 1)]);
    if (high < 0 || low < 0) return false;
    decoded[i] = static_cast<uint8_t>(high * 16 + low);
  }
  std::copy(decoded.begin(), decoded.end(), bytes);  // nothing changes unless all of it is hex
  return true;
}

QJsonObject GeneralToJson(const GeneralEntry& entry, int slot) {
  QJsonObject object;
  object.insert(QStringLiteral("slot"), slot);
  for (const FieldCodec& codec : Codecs()) object.insert(QString::fromLatin1(codec.Name), codec.Get(entry));
  return object;
}

bool ApplyGeneralJson(const QJsonObject& object, GeneralEntry& entry, bool requireAll, QString& error) {
  GeneralEntry changed = entry;
  for (const FieldCodec& codec : Codecs()) {
    const auto found = object.constFind(QString::fromLatin1(codec.Name));
    if (found == object.constEnd()) {
      if (!requireAll) continue;
      error = QStringLiteral("%1 is missing").arg(QString::fromLatin1(codec.Name));
      return false;
    }
    if (!codec.Set(changed, *found, error)) return false;
  }
  entry = changed;
  return true;
}

QJsonObject TableToJson(const GeneralTable& table, const DisplayNameFunction& displayName) {
  QJsonObject root;
  root.insert(QStringLiteral("HeaderBlock"), HexOfBytes(table.HeaderBlock.data(), table.HeaderBlock.size()));
  root.insert(QStringLiteral("GeneralCount"), table.GeneralCount);
  QJsonArray generals;
  for (int slot = 0; slot < table.GeneralCount; ++slot) {
    const GeneralEntry& entry = table.Slots[static_cast<std::size_t>(slot)];
    QJsonObject general = GeneralToJson(entry, slot);
    if (displayName) general.insert(QStringLiteral("DisplayName"), displayName(entry));
    generals.append(general);
  }
  root.insert(QStringLiteral("generals"), generals);
  return root;
}

bool TableFromJson(const QJsonObject& root, GeneralTable& table, QString& error) {
  const QJsonValue header = root.value(QStringLiteral("HeaderBlock"));
  std::array<uint8_t, kHeaderSize> headerBytes{};
  if (!header.isString() || !BytesOfHex(header.toString(), headerBytes.data(), headerBytes.size())) {
    error = QStringLiteral("HeaderBlock must be %1 bytes as hex").arg(kHeaderSize);
    return false;
  }
  const QJsonValue generalsValue = root.value(QStringLiteral("generals"));
  if (!generalsValue.isArray()) {
    error = QStringLiteral("generals must be an array");
    return false;
  }
  const QJsonArray generals = generalsValue.toArray();
  if (generals.size() > static_cast<qsizetype>(kSlotCount)) {
    error =
        QStringLiteral("at most %1 generals fit in the file, not %2").arg(kSlotCount).arg(generals.size());
    return false;
  }
  const auto count = static_cast<int>(generals.size());
  if (root.contains(QStringLiteral("GeneralCount")) &&
      root.value(QStringLiteral("GeneralCount")).toDouble(-1) != count) {
    error = QStringLiteral("GeneralCount does not match the %1 generals listed").arg(count);
    return false;
  }

  auto filled = std::make_unique<GeneralTable>(table);
  std::vector<bool> seen(static_cast<std::size_t>(count), false);
  for (const QJsonValue& value : generals) {
    const QJsonObject general = value.toObject();
    const double slotNumber = general.value(QStringLiteral("slot")).toDouble(-1);
    const bool slotValid = value.isObject() && slotNumber >= 0 && slotNumber < count &&
                           std::trunc(slotNumber) == slotNumber &&
                           !seen[static_cast<std::size_t>(slotNumber)];
    if (!slotValid) {
      error = QStringLiteral("every general needs its own slot from 0 to %1").arg(count - 1);
      return false;
    }
    const int slot = static_cast<int>(slotNumber);
    seen[static_cast<std::size_t>(slot)] = true;
    GeneralEntry& entry = filled->Slots[static_cast<std::size_t>(slot)];
    if (!ApplyGeneralJson(general, entry, true, error)) {
      error = QStringLiteral("slot %1: %2").arg(slot).arg(error);
      return false;
    }
    if (entry.Record.BirthYear < 1) {
      error = QStringLiteral("slot %1: BirthYear must be at least 1, or the file ends there").arg(slot);
      return false;
    }
  }
  filled->HeaderBlock = headerBytes;
  filled->GeneralCount = count;
  table = *filled;
  return true;
}

QString StoredName(const GeneralEntry& entry) {
  return TrimmedField(entry.Record.FamilyName) + TrimmedField(entry.Record.GivenName);
}

}  // namespace tavlor::cli
