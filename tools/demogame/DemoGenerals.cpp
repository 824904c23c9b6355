#include "DemoGenerals.h"

#include <QString>
#include <algorithm>

#include "core/data/EditData.h"
#include "core/text/UnicodeTables.h"

namespace demogame {
namespace {

struct DemoGeneral {
  const char* familyName;
  const char* familyReading;
  const char* givenName;
  const char* givenReading;
  const char* biography[4];
  int sex;  // 0 female, 1 male
  int faceNo;
  int birthYear, deathYear;
  int origin;  // 0 samurai .. 7 commoner
  int fatherNo, affinityNo;
  int leadership, valor, intellect, politics, duty;
  int aptitudes[5];  // ashigaru, cavalry, bow, gun, siege: 0 D .. 4 S
  int hiddenFlag, hiddenNo, favouredFlag, favouredNo, dislikedFlag, dislikedNo;
  int cityNo, status, appearFlag, voice, tactic;
};

// Names and lives invented for the demo. Biography lines are at most 18 full-width characters
// (36 bytes); a line that fills its field is followed by a line feed, as the editor writes it.
const DemoGeneral kGenerals[] = {
    {"鷲尾",
     "わしお",
     "隼人",
     "はやと",
     {"鷲尾家当主。若くして家督を継ぎ北国に", "名を馳せた。騎馬隊を巧みに操る。", "", ""},
     1,
     1700,
     1536,
     1589,
     0,
     -1,
     339,
     88,
     84,
     62,
     55,
     70,
     {2, 4, 2, 1, 1},
     0,
     0,
     1,
     10001,
     1,
     120,
     12,
     7,
     1,
     4,
     5},
    {"朝霧",
     "あさぎり",
     "千代",
     "ちよ",
     {"鷲尾隼人の妻。才知に優れ信望が厚い。", "", "", ""},
     0,
     4003,
     1541,
     1602,
     1,
     -1,
     10000,
     22,
     18,
     79,
     74,
     85,
     {0, 0, 1, 0, 0},
     0,
     0,
     1,
     10000,
     0,
     55,
     12,
     7,
     1,
     9,
     0},
    {"黒川",
     "くろかわ",
     "宗兵衛",
     "そうべえ",
     {"鷲尾家の宿老。", "槍の名手として知られ、数々の戦で先陣", "を務めた。", ""},
     1,
     40,
     1518,
     1580,
     0,
     -1,
     120,
     74,
     90,
     41,
     38,
     92,
     {4, 2, 1, 1, 2},
     0,
     0,
     0,
     10005,
     1,
     10005,
     12,
     7,
     1,
     2,
     12},
    {"氷見",
     "ひみ",
     "頼綱",
     "よりつな",
     {"越中の国人。鷲尾家に従うも野心を秘む", "", "", ""},
     1,
     1712,
     1530,
     1584,
     0,
     -1,
     1,
     68,
     61,
     77,
     70,
     30,
     {2, 1, 3, 2, 1},
     1,
     10000,
     0,
     0,
     1,
     10000,
     20,
     7,
     1,
     5,
     20},
    {"葛城",
     "かつらぎ",
     "道全",
     "どうぜん",
     {"諸国を巡る禅僧。茶の湯にも通じ諸将の", "相談役となる。", "", ""},
     1,
     5002,
     1512,
     1591,
     2,
     -1,
     700,
     30,
     20,
     91,
     83,
     76,
     {0, 0, 0, 0, 0},
     0,
     0,
     1,
     10000,
     0,
     0,
     30,
     3,
     1,
     11,
     30},
    {"霧島",
     "きりしま",
     "玄蕃",
     "げんば",
     {"流浪の武芸者。腕一本で身を立てる。", "", "", ""},
     1,
     1729,
     1545,
     1599,
     6,
     -1,
     339,
     58,
     93,
     40,
     22,
     60,
     {3, 2, 2, 1, 0},
     0,
     0,
     0,
     0,
     1,
     10002,
     40,
     3,
     1,
     3,
     40},
    {"早瀬",
     "はやせ",
     "凛",
     "りん",
     {"忍びの里の出。", "", "", "身軽さは天下無双と噂される。"},
     0,
     1703,
     1552,
     1611,
     5,
     10002,
     10005,
     45,
     71,
     80,
     35,
     55,
     {2, 1, 3, 3, 0},
     0,
     0,
     1,
     10005,
     0,
     0,
     36,
     3,
     1,
     7,
     50},
    {"古賀",
     "こが",
     "重蔵",
     "じゅうぞう",
     {"鉄砲鍛冶から身を起こした男。出陣を待", "つ。", "", ""},
     1,
     8012,
     1534,
     1590,
     7,
     -1,
     339,
     50,
     52,
     66,
     71,
     58,
     {1, 0, 2, 4, 3},
     0,
     0,
     0,
     0,
     0,
     0,
     8,
     7,
     0,
     6,
     35},
    {"望月",
     "もちづき",
     "左近",
     "さこん",
     {"甲賀の忍び頭。", "", "", ""},
     1,
     1255,
     1528,
     1583,
     5,
     -1,
     339,
     60,
     68,
     86,
     42,
     40,
     {2, 1, 2, 3, 1},
     0,
     0,
     1,
     10006,
     1,
     10000,
     44,
     7,
     1,
     8,
     45},
    {"伊吹",
     "いぶき",
     "正成",
     "まさなり",
     {"堺の豪商。海外との交易で莫大な富を築", "き上げた。南蛮渡来の品々を好む。", "", ""},
     1,
     1777,
     1525,
     1597,
     3,
     -1,
     339,
     35,
     28,
     72,
     90,
     50,
     {0, 0, 0, 2, 1},
     0,
     0,
     0,
     0,
     0,
     0,
     50,
     3,
     1,
     10,
     2},
    {"波切",
     "なみきり",
     "鬼丸",
     "おにまる",
     {"瀬戸内の海賊衆の頭目。", "", "", ""},
     1,
     1101,
     1538,
     1595,
     4,
     -1,
     339,
     79,
     85,
     50,
     40,
     45,
     {3, 0, 3, 2, 2},
     0,
     0,
     0,
     0,
     1,
     10000,
     58,
     3,
     1,
     1,
     25},
    {"月岡",
     "つきおか",
     "剣之助",
     "けんのすけ",
     {"剣の道一筋に生きる若武者。", "", "", ""},
     1,
     1890,
     1558,
     1620,
     6,
     10000,
     339,
     55,
     96,
     48,
     30,
     80,
     {3, 3, 1, 0, 0},
     0,
     0,
     1,
     10000,
     1,
     10003,
     12,
     7,
     1,
     12,
     8},
    {"桜庭",
     "さくらば",
     "実晴",
     "さねはる",
     {"都の公家。和歌と蹴鞠を好む。", "", "", ""},
     1,
     5008,
     1520,
     1588,
     1,
     -1,
     339,
     12,
     10,
     70,
     81,
     66,
     {0, 0, 1, 0, 0},
     0,
     0,
     1,
     10001,
     0,
     0,
     0,
     7,
     1,
     4,
     0},
};

std::string Sjis(const char* utf8) {
  const QString text = QString::fromUtf8(utf8);
  return tavlor::EncodeLeniently(tavlor::CodePage::ShiftJis,
                                 std::u16string_view(reinterpret_cast<const char16_t*>(text.constData()),
                                                     static_cast<std::size_t>(text.size())));
}

template <std::size_t Width>
void StoreText(tavlor::TextField<Width>& field, const char* utf8) {
  const std::string bytes = Sjis(utf8);
  if (bytes.size() > Width) qFatal("demo text too long for its %zu-byte field: %s", Width, utf8);
  tavlor::StoreField(field, bytes);
}

tavlor::GeneralEntry EntryOf(const DemoGeneral& g, int slot) {
  tavlor::GeneralEntry entry;
  tavlor::GeneralRecord& r = entry.Record;
  const std::string tag = "NOBU13EDITB_V6";
  std::copy(tag.begin(), tag.end(), r.Tag.begin());
  r.TagFill = {32, 32};
  r.HeadA = 6;
  r.HeadC = 1;
  StoreText(r.FamilyName, g.familyName);
  StoreText(r.FamilyReading, g.familyReading);
  StoreText(r.GivenName, g.givenName);
  StoreText(r.GivenReading, g.givenReading);
  tavlor::TextField<36>* lines[] = {&r.BioLine1, &r.BioLine2, &r.BioLine3, &r.BioLine4};
  uint8_t* breaks[] = {&r.BioBreak1, &r.BioBreak2, &r.BioBreak3, nullptr};
  for (int i = 0; i < 4; ++i) {
    StoreText(*lines[i], g.biography[i]);
    if (breaks[i]) *breaks[i] = Sjis(g.biography[i]).size() == 36 ? 10 : 0;
  }
  r.Sex = g.sex;
  r.FaceNo = g.faceNo;
  r.BirthYear = g.birthYear;
  r.DeathYear = g.deathYear;
  r.Origin = g.origin;
  r.FatherNo = g.fatherNo;
  r.AffinityNo = g.affinityNo;
  r.Leadership = g.leadership;
  r.Valor = g.valor;
  r.Intellect = g.intellect;
  r.Politics = g.politics;
  r.AptAshigaru = g.aptitudes[0];
  r.AptCavalry = g.aptitudes[1];
  r.AptBow = g.aptitudes[2];
  r.AptGun = g.aptitudes[3];
  r.AptSiege = g.aptitudes[4];

  entry.Links = {g.hiddenFlag, g.hiddenNo, g.favouredFlag, g.favouredNo, g.dislikedFlag, g.dislikedNo};

  tavlor::GeneralAppendix& a = entry.Appendix;
  a.Duty = g.duty;
  a.CityNo = g.cityNo;
  a.Status = g.status;
  a.GeneralNo = tavlor::kRegisteredGeneralBase + slot;
  a.AppearFlag = g.appearFlag;
  a.Voice = g.voice;
  a.Tactic = static_cast<int16_t>(g.tactic);
  a.AppendixTail.fill(255);
  return entry;
}

}  // namespace

std::string DemoEditData(const std::string& blankSlot) {
  auto table = std::make_unique<tavlor::GeneralTable>();
  std::copy_n(blankSlot.begin(), std::min(blankSlot.size(), table->BlankSlot.size()),
              table->BlankSlot.begin());
  int slot = 0;
  for (const DemoGeneral& general : kGenerals) {
    table->Slots[static_cast<std::size_t>(slot)] = EntryOf(general, slot);
    ++slot;
  }
  table->GeneralCount = slot;
  return tavlor::SerializeEditData(*table);
}

}  // namespace demogame
