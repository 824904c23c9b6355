// The codec boundary on the shipped tables: every character Shift-JIS text can hold shows as a
// character of its own in both languages and is typed back to the same stored bytes.
#include <QSet>
#include <QTest>

#include "core/lang/LanguageState.h"
#include "core/text/TextTables.h"
#include "support/ShippedFiles.h"
#include "support/TempFolder.h"
#include "ui/app/TextCodec.h"

namespace {

std::string Code(uint16_t code) {
  return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

bool IsReadable(const QString& text) {
  if (text.size() != 1) return false;
  const char16_t c = text[0].unicode();
  return c != 0xFFFD && !(c >= 0xE000 && c <= 0xF8FF) && c >= 0x80;
}

// Each two-byte code of Shift-JIS that holds a character (JIS X 0208 and the vendor rows).
template <typename Visit>
void ForEachShiftJisCharacter(Visit&& visit) {
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead >= 0xA0 && lead <= 0xDF) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const auto code = static_cast<uint16_t>((lead << 8) | trail);
      if (IsReadable(tavlor::FromSjis(Code(code)))) visit(code);
    }
  }
}

}  // namespace

class TextCodecTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { tavlor::LoadAllTextTables(tavlor::testing::ShippedFolder()); }
  void cleanup() { tavlor::SharedLanguageState().SetSimplified(true); }

  // Shown, then typed back as shown, in either language: the same Shift-JIS code, and no two codes
  // that convert to different GBK codes share a shown character.
  void everyShiftJisCharacterShowsAsItsOwnAndComesBack_data() {
    QTest::addColumn<bool>("simplified");
    QTest::newRow("Simplified") << true;
    QTest::newRow("Traditional") << false;
  }
  void everyShiftJisCharacterShowsAsItsOwnAndComesBack() {
    QFETCH(bool, simplified);
    tavlor::TextTables& tables = tavlor::SharedTextTables();
    tavlor::SharedLanguageState().SetSimplified(simplified);
    QCOMPARE(tavlor::InterfaceUsesBig5(), !simplified);

    QHash<QString, std::string> gbkOfShown;
    int characters = 0;
    int jisX0208 = 0;
    ForEachShiftJisCharacter([&](uint16_t code) {
      if (QTest::currentTestFailed()) return;  // one failed character is told, not every later one
      const std::string gbk = tavlor::SjisToGbk(Code(code), tables.GbkJis);
      const QString shown = tavlor::FromInterfaceBytes(tavlor::SharedLanguageState().ForDisplay(gbk));
      ++characters;
      const int lead = code >> 8;
      const bool vendor = lead == 0x87 || lead >= 0xED;
      if (!vendor) ++jisX0208;
      QVERIFY2(IsReadable(shown), qPrintable(QString::number(code, 16) + " shows as " + shown));
      const auto other = gbkOfShown.constFind(shown);
      if (other == gbkOfShown.constEnd()) {
        gbkOfShown.insert(shown, gbk);
      } else {
        QVERIFY2(other.value() == gbk,
                 qPrintable(QString::number(code, 16) + " shows like another: " + shown));
      }

      const tavlor::EncodedText typed = tavlor::EncodeInterfaceText(shown);
      QVERIFY2(typed.Unencodable.isEmpty(), qPrintable(QString::number(code, 16)));
      const std::string stored =
          tavlor::GbkToSjis(tavlor::SharedLanguageState().FromInput(typed.Bytes), tables.GbkJis);
      // Vendor rows repeat characters of each other: those come back as a code of the same character.
      if (vendor) {
        QCOMPARE(tavlor::FromSjis(stored), tavlor::FromSjis(Code(code)));
      } else {
        QVERIFY2(stored == Code(code), qPrintable(QString::number(code, 16) + " " + shown));
      }
    });
    if (QTest::currentTestFailed()) return;  // a check above returned from the lambda only
    QCOMPARE(jisX0208, 6879);
    QVERIFY(characters > 7700);
  }

  void kanaAndJapaneseFormsShowAsThemselvesInTraditional() {
    tavlor::SharedLanguageState().SetSimplified(false);
    tavlor::TextTables& tables = tavlor::SharedTextTables();
    auto shown = [&](const QString& japanese) {
      const std::string gbk = tavlor::SjisToGbk(tavlor::ToSjis(japanese), tables.GbkJis);
      return tavlor::FromInterfaceBytes(tavlor::SharedLanguageState().ForDisplay(gbk));
    };
    QCOMPARE(shown(QStringLiteral("あさぎり")), QStringLiteral("あさぎり"));
    QCOMPARE(shown(QStringLiteral("サスケ")), QStringLiteral("サスケ"));
    QCOMPARE(shown(QStringLiteral("佐々木")), QStringLiteral("佐々木"));
    QCOMPARE(shown(QStringLiteral("峠之介")), QStringLiteral("峠之介"));
    QCOMPARE(shown(QStringLiteral("織田信長")), QStringLiteral("織田信長"));
    QCOMPARE(shown(QStringLiteral("沢")), QStringLiteral("沢"));
    QCOMPARE(shown(QStringLiteral("澤")), QStringLiteral("澤"));
    // Where Japanese keeps the preferred Traditional form apart (当 and 當), the character shows as
    // itself, never as a further form that is another word (噹, 糰, 噁, 縴, 菸).
    QCOMPARE(shown(QStringLiteral("当主")), QStringLiteral("当主"));
    QCOMPARE(shown(QStringLiteral("當")), QStringLiteral("當"));
    QCOMPARE(shown(QStringLiteral("団悪繊烟")), QStringLiteral("団悪繊烟"));
    QCOMPARE(shown(QStringLiteral("暦")), QStringLiteral("曆"));  // the Japanese character's own form
  }

  // 織田 typed in Traditional and 织田 typed in Simplified store the same Shift-JIS; a simplified
  // character typed in Traditional goes in through its Traditional form.
  void typedTextStoresTheJapaneseCharacter() {
    tavlor::TextTables& tables = tavlor::SharedTextTables();
    auto stored = [&](bool simplified, const QString& typed) {
      tavlor::SharedLanguageState().SetSimplified(simplified);
      const tavlor::EncodedText bytes = tavlor::EncodeInterfaceText(typed);
      if (!bytes.Unencodable.isEmpty()) return QStringLiteral("unencodable ") + bytes.Unencodable;
      return tavlor::FromSjis(
          tavlor::GbkToSjis(tavlor::SharedLanguageState().FromInput(bytes.Bytes), tables.GbkJis));
    };
    QCOMPARE(stored(false, QStringLiteral("織田")), QStringLiteral("織田"));
    QCOMPARE(stored(true, QStringLiteral("织田")), QStringLiteral("織田"));
    QCOMPARE(stored(false, QStringLiteral("说")), QStringLiteral("説"));
    QCOMPARE(stored(false, QStringLiteral("ぎり")), QStringLiteral("ぎり"));
    QCOMPARE(stored(true, QStringLiteral("∋")), QStringLiteral("∋"));
    QCOMPARE(stored(false, QStringLiteral("a😀")), QStringLiteral("unencodable 😀"));
  }

  // Text cut in the middle of a surrogate pair is named as unencodable, never silently shortened;
  // default-ignorable characters count as unencodable too.
  void cutOrInvisibleCharactersAreNamedAsUnencodable() {
    const QString cut = QStringLiteral("a") + QChar(0xD83D);
    const tavlor::EncodedText gbk = tavlor::EncodeGbk(cut);
    QCOMPARE(QByteArray::fromStdString(gbk.Bytes), QByteArray("a?"));
    QCOMPARE(gbk.Unencodable, QString(QChar(0xD83D)));
    const tavlor::EncodedText big5 = tavlor::EncodeBig5(QStringLiteral("一\u00AD"));
    QCOMPARE(QByteArray::fromStdString(big5.Bytes), QByteArray("\xA4\x40?"));
    QCOMPARE(big5.Unencodable, QString(QChar(0xAD)));
    QCOMPARE(QByteArray::fromStdString(tavlor::ToSjis(cut)), QByteArray("a\xFC\xFC"));
    // Malformed GBK as the interface shows it: a cut code at the end shows nothing.
    QCOMPARE(tavlor::FromGbk("\xB0\xA1\xB0"), QStringLiteral("啊"));
    QCOMPARE(tavlor::FromGbk("\xB0\x21"), QStringLiteral("\uFFFD!"));
  }
};

QTEST_GUILESS_MAIN(TextCodecTest)
#include "TextCodecTest.moc"
