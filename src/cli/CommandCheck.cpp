// tavlor-cli check: loads a file and reports the count and anything odd in it. The file loads,
// so the exit code is 0 whatever is found; the findings are for a person or a script to read.
#include <string_view>

#include "cli/CliCommand.h"
#include "cli/TableLoading.h"
#include "core/portraits/FaceNumbers.h"

namespace tavlor::cli {
namespace {

class Findings {
 public:
  void Add(int slot, const QString& text) {
    PrintLine(QStringLiteral("slot %1: %2").arg(slot).arg(text));
    ++count_;
  }
  void Range(int slot, const char* field, int32_t value, int32_t lowest, int32_t highest) {
    if (value < lowest || value > highest)
      Add(slot, QStringLiteral("%1 %2 outside %3-%4")
                    .arg(QString::fromLatin1(field))
                    .arg(value)
                    .arg(lowest)
                    .arg(highest));
  }
  int Count() const { return count_; }

 private:
  int count_ = 0;
};

// A link names nothing (-1), a built-in general, or a registered general that is in the file.
void CheckLink(Findings& findings, int slot, const char* field, int32_t number, int generalCount) {
  if (number == -1) return;
  const auto row = ListRowOfGeneralNumber(number);
  const bool registered = number >= kRegisteredGeneralBase;
  if (!row || number == kBuiltinRowCount - 1 ||
      (registered && number - kRegisteredGeneralBase >= generalCount))
    findings.Add(slot, QStringLiteral("%1 %2 names no general").arg(QString::fromLatin1(field)).arg(number));
}

template <std::size_t Width>
bool FillsField(const TextField<Width>& field) {
  return std::string_view(field.data(), Width).find('\0') == std::string_view::npos;
}

void CheckEntry(Findings& findings, int slot, const GeneralEntry& entry, int generalCount) {
  const GeneralRecord& r = entry.Record;
  const GeneralLinks& l = entry.Links;
  const GeneralAppendix& a = entry.Appendix;
  if (FieldBytes(r.Tag) != "NOBU13EDITB_V6") findings.Add(slot, QStringLiteral("Tag is not NOBU13EDITB_V6"));
  findings.Range(slot, "Sex", r.Sex, 0, 1);
  findings.Range(slot, "Origin", r.Origin, 0, 7);
  findings.Range(slot, "AptAshigaru", r.AptAshigaru, 0, 4);
  findings.Range(slot, "AptCavalry", r.AptCavalry, 0, 4);
  findings.Range(slot, "AptBow", r.AptBow, 0, 4);
  findings.Range(slot, "AptGun", r.AptGun, 0, 4);
  findings.Range(slot, "AptSiege", r.AptSiege, 0, 4);
  findings.Range(slot, "Tactic", a.Tactic, 0, 56);
  findings.Range(slot, "Voice", a.Voice, 1, 12);
  findings.Range(slot, "CityNo", a.CityNo, 0, 65);
  if (a.Status != 7 && a.Status != 3)
    findings.Add(slot, QStringLiteral("Status %1 is neither 7 (retainer) nor 3 (ronin)").arg(a.Status));
  if (ResolveFace(r.FaceNo).Set == FaceSet::None)
    findings.Add(slot, QStringLiteral("FaceNo %1 resolves to no face").arg(r.FaceNo));
  if (r.DeathYear < r.BirthYear)
    findings.Add(slot,
                 QStringLiteral("DeathYear %1 is before BirthYear %2").arg(r.DeathYear).arg(r.BirthYear));
  if (a.GeneralNo != kRegisteredGeneralBase + slot)
    findings.Add(
        slot, QStringLiteral("GeneralNo %1 is not %2").arg(a.GeneralNo).arg(kRegisteredGeneralBase + slot));

  const struct {
    const char* Name;
    int32_t Flag;
  } flags[] = {{"HiddenLinkFlag", l.HiddenLinkFlag},
               {"FavouredFlag", l.FavouredFlag},
               {"DislikedFlag", l.DislikedFlag}};
  for (const auto& flag : flags)
    if (flag.Flag != 0 && flag.Flag != 1)
      findings.Add(
          slot,
          QStringLiteral("%1 %2 is neither 0 nor 1").arg(QString::fromLatin1(flag.Name)).arg(flag.Flag));
  CheckLink(findings, slot, "FatherNo", r.FatherNo, generalCount);
  CheckLink(findings, slot, "AffinityNo", r.AffinityNo, generalCount);
  if (l.FavouredFlag == 1) CheckLink(findings, slot, "FavouredNo", l.FavouredNo, generalCount);
  if (l.DislikedFlag == 1) CheckLink(findings, slot, "DislikedNo", l.DislikedNo, generalCount);

  // A line break follows a biography line exactly when the line fills its 36 bytes.
  const struct {
    int Line;
    bool Full;
    uint8_t Break;
  } lines[] = {{1, FillsField(r.BioLine1), r.BioBreak1},
               {2, FillsField(r.BioLine2), r.BioBreak2},
               {3, FillsField(r.BioLine3), r.BioBreak3}};
  for (const auto& line : lines)
    if (line.Break != (line.Full ? 10 : 0))
      findings.Add(slot,
                   QStringLiteral("BioBreak%1 %2 does not match BioLine%1").arg(line.Line).arg(line.Break));
}

int Check(const QStringList& arguments) {
  if (arguments.size() != 1) return Fail(QStringLiteral("usage: check FILE"));
  LoadReport report;
  QString error;
  const auto table = LoadTableForCommand(arguments[0], report, error);
  if (!table) return Fail(error);
  PrintLine(QStringLiteral("GeneralCount %1").arg(table->GeneralCount));
  Findings findings;
  if (report.TruncatedEntry) {
    PrintLine(QStringLiteral("truncated: the file ends inside entry %1; the table ends before it")
                  .arg(table->GeneralCount));
  }
  for (int slot = 0; slot < table->GeneralCount; ++slot)
    CheckEntry(findings, slot, table->Slots[static_cast<std::size_t>(slot)], table->GeneralCount);
  PrintLine(QStringLiteral("%1 finding(s)").arg(findings.Count() + (report.TruncatedEntry ? 1 : 0)));
  return 0;
}

const Registration kCheck("check", "check FILE   the count of generals and anything odd in them", Check);

}  // namespace
}  // namespace tavlor::cli
