// tavlor-cli show: the texts and values the editor shows for one general, as JSON (UTF-8), shown
// through the same core and decoded by the same codec as the windows.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>

#include "cli/CliCommand.h"
#include "cli/TableLoading.h"
#include "core/data/BuiltinGeneralLists.h"
#include "core/editor/EditorValues.h"
#include "core/lang/InterfaceTexts.h"
#include "core/text/TextTables.h"
#include "ui/app/TextCodec.h"

namespace tavlor::cli {
namespace {

constexpr const char* kAptitudeLetters[] = {"D", "C", "B", "A", "S"};
constexpr const char* kLinkRows[] = {"Affinity", "Favoured", "Disliked", "Father"};
constexpr const char* kAbilityNames[] = {"Leadership", "Valor", "Intellect", "Politics", "Duty"};

struct Decoder {
  bool Big5;
  QString operator()(std::string_view bytes) const { return Big5 ? FromBig5(bytes) : FromGbk(bytes); }
};

// A list entry as its combo box shows it; a stored value outside the list as the box's extra entry.
QString ListEntry(int32_t value, int entries, const std::function<QString(int)>& entry) {
  if (value == -1) return {};
  if (value >= 0 && value < entries) return entry(value);
  return QStringLiteral("?%1").arg(value);
}

QJsonValue FaceJson(const std::optional<ResolvedFace>& face) {
  if (!face) return QJsonValue::Null;
  return QJsonObject{{"set", face->Set == FaceSet::Edit ? "edit" : "game"}, {"index", face->Index}};
}

QJsonObject ShownJson(const ShownGeneral& shown, int slot, bool traditional, const Decoder& decode,
                      TextTables& tables) {
  const EditorValues& values = shown.Values;
  const EditorState& state = shown.State;
  QJsonObject json{{"slot", slot}, {"language", traditional ? "traditional" : "simplified"}};
  json["FamilyName"] = decode(values.Names[0]);
  json["GivenName"] = decode(values.Names[1]);
  json["FamilyReading"] = decode(values.Readings[0]);
  json["GivenReading"] = decode(values.Readings[1]);
  QJsonArray lines, enabled;
  for (int i = 0; i < 4; ++i) {
    lines.append(decode(values.BioLines[i]));
    enabled.append(values.BioEnabled[i]);
  }
  json["BioLines"] = lines;
  json["BioLinesEnabled"] = enabled;
  json["BirthYear"] = decode(values.BirthYearText);
  json["Lifespan"] = decode(values.AgeText);
  json["DeathYear"] = decode(values.DeathYearText);
  QJsonObject abilities;
  for (int i = 0; i < 5; ++i) abilities[kAbilityNames[i]] = decode(values.AbilityTexts[i]);
  json["Abilities"] = abilities;
  QJsonArray aptitudes;
  for (int32_t value : values.Aptitudes)
    aptitudes.append(ListEntry(value, 5, [](int k) { return QString::fromLatin1(kAptitudeLetters[k]); }));
  json["Aptitudes"] = aptitudes;
  const bool simplified = !traditional;
  json["Tactic"] = ListEntry(values.Tactic, static_cast<int>(texts::TacticNames.size()), [&](int k) {
    const std::string_view name = texts::TacticNames[static_cast<std::size_t>(k)];
    return decode(simplified ? std::string(name) : GbToBig5(name, tables.GbBig5));
  });
  json["Sex"] = state.CurSex;
  json["Origin"] = state.CurOrigin;
  json["Status"] = state.CurStatus;
  json["Voice"] = state.CurVoice;
  json["FaceCode"] = state.CurFace;
  json["Portrait"] = FaceJson(shown.Portrait);
  QJsonArray links;
  for (std::size_t row = 0; row < 4; ++row) {
    links.append(QJsonObject{{"row", kLinkRows[row]},
                             {"number", decode(values.LinkNumberTexts[row])},
                             {"name", decode(values.LinkNames[row])},
                             {"portrait", FaceJson(shown.LinkPortraits[row])}});
  }
  json["Links"] = links;
  json["CityNo"] = state.CurCity;
  json["CityName"] = decode(values.CityName);
  return json;
}

int Show(const CommandArguments& command) {
  const QStringList& arguments = command.Positional;
  if (arguments.size() != 2) return Fail(QStringLiteral("usage: show FILE SLOT [--traditional]"));
  bool isNumber = false;
  const int slot = arguments[1].toInt(&isNumber);
  if (!isNumber) return Fail(QStringLiteral("SLOT must be a whole number: %1").arg(arguments[1]));
  LoadReport report;
  QString error;
  const auto table = LoadTableForCommand(arguments[0], report, error);
  if (!table) return Fail(error);
  if (slot < 0 || slot >= table->GeneralCount)
    return Fail(QStringLiteral("slot %1 is not in use (the file holds %2 generals)")
                    .arg(slot)
                    .arg(table->GeneralCount));

  const std::filesystem::path folder(ProgramFolder());
  LoadAllTextTables(folder);
  TextTables& tables = SharedTextTables();
  BuiltinGeneralLists lists;
  lists.LoadBuiltinRows(folder / "BuiltinGenerals.tsv");
  RefreshGeneralLists(lists, *table, tables.GbkJis);

  const bool traditional = command.Has("--traditional");
  const ShownGeneral shown =
      ShowGeneral(*table, slot, DefaultEditorValues(), EditorState{}, lists, tables, !traditional);
  // The windows decode Big5 only while the Traditional tables are loaded.
  const Decoder decode{traditional && GbBig5TablesReady(tables.GbBig5)};
  const QJsonObject json = ShownJson(shown, slot, traditional, decode, tables);
  PrintLine(QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented)).trimmed());
  return 0;
}

const Registration kShow("show",
                         "show FILE SLOT   the texts and values the editor shows for the general in SLOT, "
                         "as JSON",
                         {{"--traditional", "show them as the Traditional interface does"}}, Show);

}  // namespace
}  // namespace tavlor::cli
