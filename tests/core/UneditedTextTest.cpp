// A text the player did not edit keeps its stored bytes: showing and writing a general never
// rewrites a name, reading or biography line the player left alone, whatever the tables or the
// language make of it, and a change of language keeps both those fields and what was typed.
#include <gtest/gtest.h>

#include "core/data/BuiltinGeneralLists.h"
#include "core/editor/EditorValues.h"
#include "core/editor/GeneralEditing.h"
#include "core/editor/TextBudget.h"
#include "support/SmallTextTables.h"

namespace tavlor {
namespace {

using testing::Big5Of;
using testing::Code;
using testing::GbkOf;
using testing::SjisOf;

std::string Padded(std::string text, std::size_t width) {
  text.resize(width, '\0');
  return text;
}

// 山 (0x8E52) is not in the small tables: it shows as a zero byte and would be lost by converting.
const std::string kUnknownKanji = Code(0x8E52);

class UneditedTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GeneralRecord& record = table->Slots[0].Record;
    StoreField(record.FamilyName, Padded(SjisOf({0, 1}), kNameWidth));              // 織田
    StoreField(record.GivenName, Padded(kUnknownKanji + SjisOf({5}), kNameWidth));  // 山助
    StoreField(record.FamilyReading, Padded(SjisOf({12, 13}), kReadingWidth));      // おだ
    StoreField(record.GivenReading, Padded("AB" + SjisOf({14}), kReadingWidth));    // ASCII kept
    // All four biography lines filled, each its own way: ASCII after kanji, blanks before a kanji
    // and after it to the end of the line, a kanji the tables lack, digits.
    StoreField(record.BioLine1, Padded(SjisOf({2, 3}) + " x", kBioLineWidth));
    StoreField(record.BioLine2, "  " + SjisOf({7}) + std::string(kBioLineWidth - 4, ' '));
    StoreField(record.BioLine3, Padded(kUnknownKanji + SjisOf({8}), kBioLineWidth));
    StoreField(record.BioLine4, Padded(SjisOf({9}) + "1590", kBioLineWidth));
    record.BirthYear = 1540;
    record.DeathYear = 1590;
    original = table->Slots[0].Record;
  }

  EditorValues Show(bool simplified) {
    return ShowGeneral(*table, 0, DefaultEditorValues(), EditorState{}, lists, *tables, simplified).Values;
  }
  const GeneralRecord& Write(const EditorValues& values, bool simplified) {
    WriteGeneral(values, EditorState{}, 0, *table, *tables, simplified);
    return table->Slots[0].Record;
  }

  std::unique_ptr<TextTables> tables = testing::SmallTextTables();
  std::unique_ptr<GeneralTable> table = std::make_unique<GeneralTable>();
  BuiltinGeneralLists lists;
  GeneralRecord original;
};

void ExpectTextsAsStored(const GeneralRecord& written, const GeneralRecord& original) {
  EXPECT_EQ(FieldBytes(written.FamilyName), FieldBytes(original.FamilyName));
  EXPECT_EQ(FieldBytes(written.GivenName), FieldBytes(original.GivenName));
  EXPECT_EQ(FieldBytes(written.FamilyReading), FieldBytes(original.FamilyReading));
  EXPECT_EQ(FieldBytes(written.GivenReading), FieldBytes(original.GivenReading));
  EXPECT_EQ(FieldBytes(written.BioLine1), FieldBytes(original.BioLine1));
  EXPECT_EQ(FieldBytes(written.BioLine2), FieldBytes(original.BioLine2));
  EXPECT_EQ(FieldBytes(written.BioLine3), FieldBytes(original.BioLine3));
  EXPECT_EQ(FieldBytes(written.BioLine4), FieldBytes(original.BioLine4));
}

TEST_F(UneditedTextTest, ShowThenWriteKeepsEveryTextInEitherLanguageAndAcrossLanguages) {
  for (const bool shownSimplified : {true, false}) {
    for (const bool writtenSimplified : {true, false}) {
      SCOPED_TRACE(::testing::Message() << "shown " << shownSimplified << ", written " << writtenSimplified);
      ExpectTextsAsStored(Write(Show(shownSimplified), writtenSimplified), original);
    }
  }
}

TEST_F(UneditedTextTest, MissingTablesNeverRewriteWhatThePlayerLeftAlone) {
  tables = std::make_unique<TextTables>();  // nothing read: every entry zero, GB/Big5 not loaded
  const EditorValues values = Show(true);
  ExpectTextsAsStored(Write(values, true), original);
  ExpectTextsAsStored(Write(values, false), original);
}

TEST_F(UneditedTextTest, OnlyTheEditedBoxIsConverted) {
  EditorValues values = Show(true);
  values.Names[1] = GbkOf({4, 5});                      // typed 之助
  values.Readings[0] = " " + values.Readings[0] + " ";  // blanks around the same reading: unedited
  values.BioLines[0] += GbkOf({6});                     // a line is compared untrimmed
  const GeneralRecord& written = Write(values, true);
  EXPECT_EQ(FieldBytes(written.FamilyName), FieldBytes(original.FamilyName));
  EXPECT_EQ(FieldBytes(written.GivenName), Padded(SjisOf({4, 5}), kNameWidth));
  EXPECT_EQ(FieldBytes(written.FamilyReading), FieldBytes(original.FamilyReading));
  // The edited line goes through the conversion: its ASCII is dropped, the typed kanji added.
  EXPECT_EQ(FieldBytes(written.BioLine1), Padded(SjisOf({2, 3, 6}), kBioLineWidth));
}

TEST_F(UneditedTextTest, TypedTraditionalAndSimplifiedStoreTheSameShiftJis) {
  EditorValues simplified = Show(true);
  simplified.Names[0] = GbkOf({0, 1});  // 织田
  EditorValues traditional = Show(false);
  traditional.Names[0] = Big5Of({0, 1});  // 織田
  // Typed the same as shown, so the stored bytes stay; an empty origin makes it typed text.
  simplified.NameOrigins[0].reset();
  traditional.NameOrigins[0].reset();
  EXPECT_EQ(FieldBytes(Write(simplified, true).FamilyName), Padded(SjisOf({0, 1}), kNameWidth));
  EXPECT_EQ(FieldBytes(Write(traditional, false).FamilyName), Padded(SjisOf({0, 1}), kNameWidth));
}

TEST_F(UneditedTextTest, LanguageSwitchReshowsStoredFieldsAndConvertsTypedText) {
  EditorValues values = Show(true);
  values.Names[1] = GbkOf({4, 5});  // 之助 typed in Simplified, not yet written
  values.BioLines[2] = GbkOf({0});  // 织 typed over the third line
  const EditorValues beforeSwitch = values;

  RetextValues(values, 36, *tables, true, false);
  EXPECT_EQ(values.Names[0], Big5Of({0, 1})) << "the stored name, shown in Traditional";
  EXPECT_EQ(values.Names[1], Big5Of({4, 5})) << "typed text follows the language";
  EXPECT_EQ(values.BioLines[2], Big5Of({0}));
  EXPECT_EQ(values, [&] {
    EditorValues again = values;
    RetextValues(again, 36, *tables, false, false);  // the same language: nothing to do
    return again;
  }());

  // A change in the new language writes the stored fields unchanged and the typed name converted.
  const GeneralRecord& written = Write(values, false);
  EXPECT_EQ(FieldBytes(written.FamilyName), FieldBytes(original.FamilyName));
  EXPECT_EQ(FieldBytes(written.GivenName), Padded(SjisOf({4, 5}), kNameWidth));
  EXPECT_EQ(FieldBytes(written.GivenReading), FieldBytes(original.GivenReading));
  EXPECT_EQ(FieldBytes(written.BioLine3), Padded(SjisOf({0}), kBioLineWidth));

  // And back: the same texts as before the switch.
  RetextValues(values, 36, *tables, false, true);
  EXPECT_EQ(values.Names, beforeSwitch.Names);
  EXPECT_EQ(values.Readings, beforeSwitch.Readings);
  EXPECT_EQ(values.BioLines, beforeSwitch.BioLines);
  EXPECT_EQ(values.NameOrigins, beforeSwitch.NameOrigins);
}

TEST_F(UneditedTextTest, BudgetsCountTheShiftJisBytesOfNamesOf10To12Bytes) {
  // Stored as the game may store it: five kanji and a one-byte character, 11 bytes.
  StoreField(table->Slots[0].Record.FamilyName, SjisOf({0, 1, 2, 3, 4}) + "\xB1");
  EditorValues values = Show(true);
  TextBudget stored = BudgetOfTextBox(values, TextBoxId::FamilyName, *tables, true);
  EXPECT_EQ(stored.Bytes, 11u);
  EXPECT_FALSE(stored.OverWidth());
  EXPECT_FALSE(stored.Unstorable) << "an untouched field is written back as it is";

  values.Names[0] = GbkOf({5, 6, 7, 8, 9});
  const TextBudget ten = BudgetOfTextBox(values, TextBoxId::FamilyName, *tables, true);
  EXPECT_EQ(ten.Bytes, 10u);
  EXPECT_EQ(ten.Width, kNameWidth);
  EXPECT_FALSE(ten.OverWidth());

  values.Names[0] = Big5Of({0, 1, 2, 3, 4, 5});  // typed in Traditional: 12 bytes
  const TextBudget twelve = BudgetOfTextBox(values, TextBoxId::FamilyName, *tables, false);
  EXPECT_EQ(twelve.Bytes, 12u);
  EXPECT_TRUE(twelve.OverWidth());
  EXPECT_FALSE(twelve.Unstorable);
}

TEST_F(UneditedTextTest, UnstorableCharactersAreFoundBeforeAnythingIsWritten) {
  EditorValues values = Show(true);
  const std::string mountainGbk = "\xC9\xBD";  // 山: no entry in the small JISN table
  values.Readings[1] = GbkOf({14}) + mountainGbk;
  auto found = FirstUnstorableText(values, *tables, true);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->Box, TextBoxId::GivenReading);
  EXPECT_EQ(found->Character, mountainGbk);

  values.Readings[1] = GbkOf({14});
  values.BioLines[3] = GbkOf({0}) + " " + GbkOf({1});  // a blank is padding, not a lost character
  EXPECT_FALSE(FirstUnstorableText(values, *tables, true));
  values.BioLines[3] = GbkOf({0}) + "A";  // a letter would vanish
  found = FirstUnstorableText(values, *tables, true);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->Box, TextBoxId::BioLine4);
  EXPECT_EQ(found->Character, "A");

  // In Traditional a Big5 code BIG5.DAT has no entry for would be read as an unrelated GBK code.
  EditorValues traditional = Show(false);
  traditional.Names[1] = Big5Of({0}) + "\xA4\x40";  // 一 in Big5, not in the small tables
  found = FirstUnstorableText(traditional, *tables, false);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->Box, TextBoxId::GivenName);

  // Change and add refuse such a general and leave the table as it was.
  table->GeneralCount = 1;
  const auto before = std::make_unique<GeneralTable>(*table);
  BuiltinGeneralLists editLists;
  EXPECT_EQ(ChangeGeneral(traditional, EditorState{}, 0, *table, editLists, *tables, false).Outcome,
            EditOutcome::TextNotStorable);
  EXPECT_EQ(AddGeneral(traditional, EditorState{}, *table, editLists, *tables, false).Outcome,
            EditOutcome::TextNotStorable);
  EXPECT_TRUE(*table == *before);
}

}  // namespace
}  // namespace tavlor
