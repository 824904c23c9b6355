// FIELD=VALUE edits through the same core the editor window uses.
#include "cli/EditFields.h"

#include <QMap>
#include <filesystem>
#include <functional>
#include <memory>

#include "cli/CliCommand.h"
#include "core/data/BuiltinGeneralLists.h"
#include "core/data/EditData.h"
#include "core/editor/GeneralEditing.h"
#include "core/editor/LifespanLine.h"
#include "core/editor/StoredText.h"
#include "core/editor/TextBudget.h"
#include "core/lang/InterfaceTexts.h"
#include "core/text/PlainTextRules.h"
#include "core/text/TextTables.h"
#include "ui/app/TextCodec.h"

namespace tavlor::cli {
namespace {

// The ranges the editor's controls and pickers offer.
constexpr int kMinBirthYear = 1460, kMaxBirthYear = 1650;
constexpr int kMinLifespan = 16, kMaxLifespan = 110;
constexpr int kMaxAbility = 120, kMaxDuty = 100;
constexpr int kLastBuiltinGeneral = 2305;

struct EditContext {
  EditorValues& Values;
  EditorState& State;
  TextTables& Tables;
  int GeneralCount;
  bool Simplified;
};

// Applies one value; returns a reason when the field cannot take it.
using FieldSetter = std::function<QString(const QString& value, EditContext& context)>;

std::optional<long long> WholeNumber(const QString& text) {
  bool ok = false;
  const long long number = text.trimmed().toLongLong(&ok);
  if (!ok) return std::nullopt;
  return number;
}

FieldSetter NumberField(long long low, long long high, std::function<void(EditContext&, int)> store) {
  return [=](const QString& value, EditContext& context) -> QString {
    const auto number = WholeNumber(value);
    if (!number) return QStringLiteral("not a whole number");
    if (*number < low || *number > high) return QStringLiteral("must be %1 to %2").arg(low).arg(high);
    store(context, static_cast<int>(*number));
    return {};
  };
}

FieldSetter NumberTextField(long long low, long long high, std::string EditorValues::*text) {
  return NumberField(low, high, [=](EditContext& c, int n) { c.Values.*text = std::to_string(n); });
}

// A text typed in UTF-8: to the interface's bytes (GBK, or Big5 as typed in the Traditional
// interface), then checked against the field's Shift-JIS width and the characters the tables carry,
// the way the editor checks the boxes before a write.
FieldSetter TextValueField(std::size_t width, bool trimmed,
                           std::function<std::string&(EditorValues&)> target) {
  return [=](const QString& value, EditContext& context) -> QString {
    const QString text = trimmed ? value.trimmed() : value;
    const bool big5 = !context.Simplified && GbBig5TablesReady(context.Tables.GbBig5);
    const EncodedText typed = big5 ? EncodeBig5(text) : EncodeGbk(text);
    if (!typed.Unencodable.isEmpty())
      return QStringLiteral("has characters %1 cannot hold: \"%2\"")
          .arg(big5 ? QStringLiteral("Big5") : QStringLiteral("GBK"), typed.Unencodable);
    const TextBudget budget =
        BudgetOfBox(std::nullopt, typed.Bytes, width, trimmed, context.Tables, context.Simplified);
    if (budget.Unstorable) {
      const QString character = big5 ? FromBig5(*budget.Unstorable) : FromGbk(*budget.Unstorable);
      if (budget.Unstorable->size() == 1)
        return QStringLiteral(
                   "\"%1\" is a one-byte character, which the game's text drops (use full-width characters)")
            .arg(character);
      return QStringLiteral("cannot store the character \"%1\" (no Shift-JIS form)").arg(character);
    }
    if (budget.OverWidth())
      return QStringLiteral("is %1 bytes in Shift-JIS; the field holds %2 (%3 characters)")
          .arg(budget.Bytes)
          .arg(width)
          .arg(width / 2);
    target(context.Values) = typed.Bytes;
    return {};
  };
}

// A link: -1 (none), a built-in general 0..2305, or a registered general in use.
FieldSetter LinkField(int row) {
  return [=](const QString& value, EditContext& context) -> QString {
    const auto number = WholeNumber(value);
    if (!number) return QStringLiteral("not a whole number");
    const long long registered = *number - kRegisteredGeneralBase;
    const bool valid = *number == -1 || (*number >= 0 && *number <= kLastBuiltinGeneral) ||
                       (registered >= 0 && registered < context.GeneralCount);
    if (!valid)
      return QStringLiteral("must be -1, 0 to %1, or 10000 + a slot in use (10000 to %2)")
          .arg(kLastBuiltinGeneral)
          .arg(kRegisteredGeneralBase + context.GeneralCount - 1);
    context.Values.LinkNumberTexts[static_cast<std::size_t>(row)] = std::to_string(*number);
    return {};
  };
}

QString SetFaceCode(const QString& value, EditContext& context) {
  const auto number = WholeNumber(value);
  if (!number || *number < INT32_MIN || *number > INT32_MAX) return QStringLiteral("not a whole number");
  const auto code = static_cast<int32_t>(*number);
  // A code outside every category of the portrait browser would silently keep the old face.
  if (FaceNumberOfFaceCode(code, INT32_MIN) == INT32_MIN)
    return QStringLiteral("is no face of the portrait browser (0-1455 or 1700-2799, without 1254-1260)");
  context.State.CurFace = code;
  return {};
}

QString SetStatus(const QString& value, EditContext& context) {
  const auto number = WholeNumber(value);
  if (!number || (*number != 7 && *number != 3)) return QStringLiteral("must be 7 (retainer) or 3 (ronin)");
  context.State.CurStatus = static_cast<int>(*number);
  return {};
}

const QMap<QString, FieldSetter>& Fields() {
  static const QMap<QString, FieldSetter> fields = [] {
    QMap<QString, FieldSetter> f;
    f["FamilyName"] =
        TextValueField(kNameWidth, true, [](EditorValues& v) -> std::string& { return v.Names[0]; });
    f["GivenName"] =
        TextValueField(kNameWidth, true, [](EditorValues& v) -> std::string& { return v.Names[1]; });
    f["FamilyReading"] =
        TextValueField(kReadingWidth, true, [](EditorValues& v) -> std::string& { return v.Readings[0]; });
    f["GivenReading"] =
        TextValueField(kReadingWidth, true, [](EditorValues& v) -> std::string& { return v.Readings[1]; });
    for (int line = 0; line < 4; ++line) {
      f[QStringLiteral("BioLine%1").arg(line + 1)] = TextValueField(
          kBioLineWidth, false, [line](EditorValues& v) -> std::string& { return v.BioLines[line]; });
    }
    f["BirthYear"] = NumberTextField(kMinBirthYear, kMaxBirthYear, &EditorValues::BirthYearText);
    f["Lifespan"] = NumberTextField(kMinLifespan, kMaxLifespan, &EditorValues::AgeText);
    // The death year is checked against the lifespan range once the birth year is known.
    f["DeathYear"] = NumberTextField(INT32_MIN, INT32_MAX, &EditorValues::DeathYearText);
    const char* abilities[] = {"Leadership", "Valor", "Intellect", "Politics", "Duty"};
    for (int i = 0; i < 5; ++i) {
      f[abilities[i]] = NumberField(1, i < 4 ? kMaxAbility : kMaxDuty, [i](EditContext& c, int n) {
        c.Values.AbilityTexts[i] = std::to_string(n);
      });
    }
    const char* aptitudes[] = {"AptAshigaru", "AptCavalry", "AptBow", "AptGun", "AptSiege"};
    for (int i = 0; i < 5; ++i)
      f[aptitudes[i]] = NumberField(0, 4, [i](EditContext& c, int n) { c.Values.Aptitudes[i] = n; });
    f["Tactic"] = NumberField(0, 56, [](EditContext& c, int n) { c.Values.Tactic = n; });
    f["Sex"] = NumberField(0, 1, [](EditContext& c, int n) { c.State.CurSex = n; });
    f["Origin"] = NumberField(0, 7, [](EditContext& c, int n) { c.State.CurOrigin = n; });
    f["Status"] = SetStatus;
    f["Voice"] = NumberField(1, 12, [](EditContext& c, int n) { c.State.CurVoice = n; });
    f["CityNo"] = NumberField(0, 65, [](EditContext& c, int n) {
      c.State.CurCity = n;
      c.Values.CityName = std::string(texts::ListCity[static_cast<std::size_t>(n)]);
    });
    f["AffinityNo"] = LinkField(0);
    f["FavouredNo"] = LinkField(1);
    f["DislikedNo"] = LinkField(2);
    f["FatherNo"] = LinkField(3);
    f["FaceCode"] = SetFaceCode;
    return f;
  }();
  return fields;
}

// The years after the fields are applied: the death year follows birth year and lifespan
// (B + A - 1) unless it was given, in which case the lifespan follows it.
QString SettleYears(const QMap<QString, QString>& given, EditorValues& values) {
  const bool deathGiven = given.contains("DeathYear");
  if (deathGiven && given.contains("Lifespan")) return QStringLiteral("give Lifespan or DeathYear, not both");
  if (deathGiven) {
    const int64_t lifespan =
        LifespanOf(LeadingInteger(values.BirthYearText), LeadingInteger(values.DeathYearText));
    if (lifespan < kMinLifespan || lifespan > kMaxLifespan)
      return QStringLiteral("DeathYear=%1: the lifespan would be %2 years; it must be %3 to %4")
          .arg(given["DeathYear"])
          .arg(lifespan)
          .arg(kMinLifespan)
          .arg(kMaxLifespan);
    values.AgeText = std::to_string(lifespan);
  } else if (given.contains("BirthYear") || given.contains("Lifespan")) {
    values.DeathYearText = ComputeLifespanLine(values.BirthYearText, values.AgeText).DeathYearText;
  }
  return {};
}

}  // namespace

QString EditFieldNames() {
  return Fields().keys().join(QStringLiteral(", "));
}

QString ApplyEditArguments(const QStringList& arguments, int generalCount, EditorValues& values,
                           EditorState& state, TextTables& tables, bool simplified) {
  EditorValues newValues = values;
  EditorState newState = state;
  EditContext context{newValues, newState, tables, generalCount, simplified};
  QMap<QString, QString> given;
  for (const QString& argument : arguments) {
    const qsizetype equals = argument.indexOf('=');
    if (equals <= 0) return QStringLiteral("expected FIELD=VALUE: %1").arg(argument);
    const QString field = argument.left(equals);
    const QString value = argument.mid(equals + 1);
    const auto setter = Fields().constFind(field);
    if (setter == Fields().constEnd())
      return QStringLiteral("unknown field: %1 (fields: %2)").arg(field, EditFieldNames());
    if (given.contains(field)) return QStringLiteral("%1 is given twice").arg(field);
    given[field] = value;
    if (const QString reason = (*setter)(value, context); !reason.isEmpty())
      return QStringLiteral("%1=%2: %3").arg(field, value, reason);
  }
  if (const QString reason = SettleYears(given, newValues); !reason.isEmpty()) return reason;
  values = newValues;
  state = newState;
  return {};
}

int RunEdit(const QString& file, std::optional<int> slot, const QStringList& arguments, bool traditional) {
  const std::filesystem::path path(file.toStdU16String());
  // The loader would create a missing file; an edit names a file that exists.
  if (!std::filesystem::is_regular_file(path)) return Fail(QStringLiteral("no such file: %1").arg(file));
  const std::filesystem::path folder(ProgramFolder());

  // The shared tables: the codec's user-defined characters come from them too.
  LoadAllTextTables(folder);
  TextTables* tables = &SharedTextTables();
  const bool simplified = !traditional;
  auto table = std::make_unique<GeneralTable>();
  LoadBlankSlot(folder / "Bk.N13", *table);
  const LoadReport report = LoadEditData(path, *table);
  if (report.Error) return Fail(QString::fromStdString(DescribeFileError(report.Error)));
  BuiltinGeneralLists lists;
  lists.LoadBuiltinRows(folder / "BuiltinGenerals.tsv");  // only names the linked generals
  RefreshGeneralLists(lists, *table, tables->GbkJis);

  EditorValues values = DefaultEditorValues();
  EditorState state;
  // The defaults are the editor's start-up texts, which a switch to Traditional converts.
  RetextValues(values, state.CurCity, *tables, true, simplified);
  if (slot) {
    if (*slot < 0 || *slot >= table->GeneralCount)
      return Fail(QStringLiteral("slot %1 is not in use (the file holds %2 generals, slots 0 to %3)")
                      .arg(*slot)
                      .arg(table->GeneralCount)
                      .arg(table->GeneralCount - 1));
    const ShownGeneral shown = ShowGeneral(*table, *slot, values, state, lists, *tables, simplified);
    values = shown.Values;
    state = shown.State;
  }
  if (const QString reason =
          ApplyEditArguments(arguments, table->GeneralCount, values, state, *tables, simplified);
      !reason.isEmpty())
    return Fail(reason);

  const EditResult result = slot ? ChangeGeneral(values, state, slot, *table, lists, *tables, simplified)
                                 : AddGeneral(values, state, *table, lists, *tables, simplified);
  if (!result.Succeeded()) return Fail(FromGbk(result.Message));
  if (const FileError error = SaveEditData(path, *table))
    return Fail(QString::fromStdString(DescribeFileError(error)));
  PrintLine(QStringLiteral("%1 slot %2 (general %3): %4%5")
                .arg(slot ? QStringLiteral("changed") : QStringLiteral("added"))
                .arg(result.Slot)
                .arg(kRegisteredGeneralBase + result.Slot)
                .arg(FromGbk(GbkOfShownText(values.Names[0], *tables, simplified)),
                     FromGbk(GbkOfShownText(values.Names[1], *tables, simplified))));
  return 0;
}

}  // namespace tavlor::cli
