// tavlor-cli convert MODE [HEX...]: converts texts given as hex bytes through the shipped character
// tables (sjis2gbk, gbk2sjis, gb2big5, big52gb); with no HEX arguments, each line of stdin.
#include <QTextStream>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>

#include "cli/CliCommand.h"
#include "core/text/TextTables.h"

namespace tavlor::cli {
namespace {

using Conversion = std::function<std::string(std::string_view)>;

std::optional<std::string> BytesOfHex(const QString& hex) {
  QString digits = hex.trimmed();
  if (digits.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) digits = digits.mid(2);
  if (digits.size() % 2 != 0) return std::nullopt;
  for (const QChar digit : digits) {
    if (!digit.isDigit() && !(digit.toLower() >= u'a' && digit.toLower() <= u'f')) return std::nullopt;
  }
  std::string bytes;
  for (qsizetype i = 0; i < digits.size(); i += 2) {
    bool ok = false;
    const int value = digits.mid(i, 2).toInt(&ok, 16);
    if (!ok) return std::nullopt;
    bytes.push_back(static_cast<char>(value));
  }
  return bytes;
}

QString HexOfBytes(const std::string& bytes) {
  return QString::fromLatin1(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())).toHex());
}

int ConvertCommand(const QStringList& arguments) {
  if (arguments.isEmpty())
    return Fail(QStringLiteral("usage: convert sjis2gbk|gbk2sjis|gb2big5|big52gb [HEX...]"));
  const std::filesystem::path folder = ProgramFolder();
  TextTables& tables = SharedTextTables();
  const std::map<QString, std::pair<std::vector<const char*>, Conversion>> modes = {
      {"sjis2gbk", {{"GBKN.dat"}, [&](std::string_view text) { return SjisToGbk(text, tables.GbkJis); }}},
      {"gbk2sjis", {{"JISN.dat"}, [&](std::string_view text) { return GbkToSjis(text, tables.GbkJis); }}},
      {"gb2big5",
       {{"GB.DAT", "BIG5.DAT"}, [&](std::string_view text) { return GbToBig5(text, tables.GbBig5); }}},
      {"big52gb",
       {{"GB.DAT", "BIG5.DAT"}, [&](std::string_view text) { return Big5ToGb(text, tables.GbBig5); }}},
  };
  const auto mode = modes.find(arguments[0]);
  if (mode == modes.end()) {
    return Fail(QStringLiteral("unknown mode %1 (sjis2gbk, gbk2sjis, gb2big5 or big52gb)").arg(arguments[0]));
  }
  // The program itself carries on without a table; a script asking for a conversion wants to know.
  for (const char* name : mode->second.first) {
    if (!std::filesystem::is_regular_file(folder / name)) {
      return Fail(QStringLiteral("no %1 in %2").arg(name, QString::fromStdU16String(folder.u16string())));
    }
  }
  LoadAllTextTables(folder);

  QStringList inputs = arguments.mid(1);
  if (inputs.isEmpty()) {
    QTextStream in(stdin);
    QString line;
    while (in.readLineInto(&line)) inputs.push_back(line);
  }
  QStringList results;
  for (const QString& input : inputs) {
    const auto bytes = BytesOfHex(input);
    if (!bytes) return Fail(QStringLiteral("not hex bytes: %1").arg(input.left(80)));
    results.push_back(HexOfBytes(mode->second.second(*bytes)));
  }
  for (const QString& result : results) PrintLine(result);
  return 0;
}

const Registration kConvert("convert",
                            "convert sjis2gbk|gbk2sjis|gb2big5|big52gb [HEX...]   convert texts given as hex "
                            "bytes (or hex lines of stdin) through the character tables",
                            ConvertCommand);

}  // namespace
}  // namespace tavlor::cli
