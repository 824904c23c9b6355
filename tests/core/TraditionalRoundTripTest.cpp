// The whole JIS X 0208 set through the editor's show and change in the Traditional language, on
// the shipped tables: a player who types back exactly what a box shows stores the bytes the game
// wrote, in every name, reading and biography field.
#include <gtest/gtest.h>

#include <vector>

#include "core/data/BuiltinGeneralLists.h"
#include "core/editor/EditorValues.h"
#include "core/editor/TextBudget.h"
#include "core/text/TextTables.h"
#include "support/ShippedFiles.h"

namespace tavlor {
namespace {

// Every Shift-JIS code of JIS X 0208 (rows of lead bytes 0x81-0x84 and 0x88-0x9F, 0xE0-0xEA) that
// GBKN.dat gives a character.
std::vector<std::string> JisX0208Characters(const GbkJisTables& tables) {
  std::vector<std::string> characters;
  const auto visit = [&](int firstLead, int lastLead) {
    for (int lead = firstLead; lead <= lastLead; ++lead) {
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail == 0x7F) continue;
        const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
        if (SjisToGbk(code, tables).size() == 2) characters.push_back(code);
      }
    }
  };
  visit(0x81, 0x84);
  visit(0x88, 0x9F);
  visit(0xE0, 0xEA);
  return characters;
}

template <std::size_t Width>
void Fill(TextField<Width>& field, const std::vector<std::string>& characters, std::size_t& next) {
  std::string text;
  while (text.size() + 2 <= Width && next < characters.size()) text += characters[next++];
  text.resize(Width, '\0');
  StoreField(field, text);
}

class TraditionalRoundTripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(testing::ShippedFile("BIG5.DAT")))
      GTEST_SKIP() << "the shipped character tables are not in this checkout";
    tables = std::make_unique<TextTables>();
    LoadGbkJisTables(testing::ShippedFolder(), tables->GbkJis);
    tables->GbBig5.ProgramFolder = testing::ShippedFolder();
    tables->GbBig5.JisForms = &tables->GbkJis;
    LoadGbBig5Tables(tables->GbBig5);
    ASSERT_TRUE(tables->GbBig5.TablesLoaded);
  }

  std::unique_ptr<TextTables> tables;
};

TEST_F(TraditionalRoundTripTest, EveryJisX0208CharacterTypedBackAsShownStoresItsOwnBytes) {
  const std::vector<std::string> characters = JisX0208Characters(tables->GbkJis);
  ASSERT_EQ(characters.size(), 6879u);
  auto table = std::make_unique<GeneralTable>();
  std::size_t next = 0;
  int slot = 0;
  for (; next < characters.size(); ++slot) {
    GeneralRecord& record = table->Slots[static_cast<std::size_t>(slot)].Record;
    Fill(record.FamilyName, characters, next);
    Fill(record.GivenName, characters, next);
    Fill(record.FamilyReading, characters, next);
    Fill(record.GivenReading, characters, next);
    Fill(record.BioLine1, characters, next);
    Fill(record.BioLine2, characters, next);
    Fill(record.BioLine3, characters, next);
    Fill(record.BioLine4, characters, next);
    record.BirthYear = 1540;
    record.DeathYear = 1590;
  }
  const BuiltinGeneralLists lists;
  const auto original = std::make_unique<GeneralTable>(*table);
  int differing = 0;
  for (int s = 0; s < slot; ++s) {
    EditorValues values =
        ShowGeneral(*table, s, DefaultEditorValues(), EditorState{}, lists, *tables, false).Values;
    // As if the player had typed every box again: only the conversions decide the bytes.
    values.NameOrigins = {};
    values.ReadingOrigins = {};
    values.BioOrigins = {};
    ASSERT_FALSE(FirstUnstorableText(values, *tables, false)) << "slot " << s;
    WriteGeneral(values, EditorState{}, s, *table, *tables, false);
    const GeneralRecord& written = table->Slots[static_cast<std::size_t>(s)].Record;
    const GeneralRecord& stored = original->Slots[static_cast<std::size_t>(s)].Record;
    const bool same = FieldBytes(written.FamilyName) == FieldBytes(stored.FamilyName) &&
                      FieldBytes(written.GivenName) == FieldBytes(stored.GivenName) &&
                      FieldBytes(written.FamilyReading) == FieldBytes(stored.FamilyReading) &&
                      FieldBytes(written.GivenReading) == FieldBytes(stored.GivenReading) &&
                      FieldBytes(written.BioLine1) == FieldBytes(stored.BioLine1) &&
                      FieldBytes(written.BioLine2) == FieldBytes(stored.BioLine2) &&
                      FieldBytes(written.BioLine3) == FieldBytes(stored.BioLine3) &&
                      FieldBytes(written.BioLine4) == FieldBytes(stored.BioLine4);
    if (!same && ++differing <= 5) ADD_FAILURE() << "slot " << s << " was stored differently";
  }
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace tavlor
