// The help guide: reading help.ini, the picture references, the paging of the five buttons, and
// the guide shipped beside the program.
#include <gtest/gtest.h>

#include "core/lang/HelpIni.h"
#include "core/lang/HelpPaging.h"
#include "core/portraits/FaceArchive.h"
#include "core/text/PlainTextRules.h"
#include "support/ShippedFiles.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

using testing::TempFolder;
using testing::WriteFileBytes;

std::string Topic(const std::string& header, const std::string& cgpic, const std::string& name,
                  const std::string& content, const std::string& maxpic) {
  return header + "\r\nCGPIC=" + cgpic + "\r\nNAME=" + name + "\r\nCONTENT=" + content +
         "\r\nMAXPIC=" + maxpic + "\r\n";
}

TEST(HelpIniTest, KeepsTrimmedLinesDropsCommentsAndReadsTopicsOfFiveLines) {
  const std::string text =
      "; the guide\r\n"
      "   ; a comment after blanks\r\n"
      "\r\n"
      "text before any header is ignored\r\n"
      "  [One]  \r\n"
      "CGPIC=KAO_12\r\n"
      "   \r\n"  // blank lines between the key lines do not count
      "name=First; not a comment\r\n"
      "Content=  spaced text  \r\n"
      "MAXPIC=\r\n"
      "stray line between topics\n"
      "[Two]\n"
      "cgpic =\\help\\a.png\n"  // a blank before the separator: the value starts one early
      "NAME=Second\r"           // a lone CR ends a line too
      "CONTENT=\n"
      "MAXPICTURE=EKAO_3";  // the key is compared on the first characters only
  const HelpIniReading reading = ParseHelpIni(text);
  EXPECT_FALSE(reading.Failed);
  ASSERT_EQ(reading.Topics.size(), 2u);

  const HelpTopic& first = reading.Topics[0];
  EXPECT_EQ(first.Header, "[One]");
  EXPECT_EQ(first.CgPic, "KAO_12");
  EXPECT_EQ(first.Name, "First; not a comment");
  EXPECT_EQ(first.Content, "  spaced text");  // only the whole line is trimmed
  EXPECT_EQ(first.MaxPic, "");

  const HelpTopic& second = reading.Topics[1];
  EXPECT_EQ(second.CgPic, "=\\help\\a.png");
  EXPECT_EQ(second.Name, "Second");
  EXPECT_EQ(second.Content, "");
  EXPECT_EQ(second.MaxPic, "URE=EKAO_3");
}

TEST(HelpIniTest, HeadersNeedBracketsAtBothEndsCountedInCharacters) {
  const std::string body = "\nCGPIC=\nNAME=n\nCONTENT=c\nMAXPIC=\n";
  EXPECT_EQ(ParseHelpIni("[]" + body).Topics.size(), 1u);
  EXPECT_EQ(ParseHelpIni("[" + body).Topics.size(), 0u);
  EXPECT_EQ(ParseHelpIni("x[a]" + body).Topics.size(), 0u);
  // "[癩": the last character is the two-byte code b0 5d, whose second byte is "]".
  const HelpIniReading trail = ParseHelpIni("[\xb0\x5d" + body);
  EXPECT_EQ(trail.Topics.size(), 0u);
  EXPECT_FALSE(trail.Failed);
  // "[帮助]" in GBK is a header.
  EXPECT_EQ(ParseHelpIni("[\xb0\xef\xd6\xfa]" + body).Topics[0].Header, "[\xb0\xef\xd6\xfa]");
}

TEST(HelpIniTest, SeparatorIsOneCharacterEvenWhenItTakesTwoBytes) {
  // "NAME＝..." with a full-width equals sign (a3 bd): both of its bytes are skipped.
  const HelpIniReading reading =
      ParseHelpIni("[t]\nCGPIC=\nNAME\xa3\xbd\xb0\xef\xd6\xfa\nCONTENT=\nMAXPIC\n");
  ASSERT_EQ(reading.Topics.size(), 1u);
  EXPECT_EQ(reading.Topics[0].Name, "\xb0\xef\xd6\xfa");
  EXPECT_EQ(reading.Topics[0].MaxPic, "");  // the key alone: an empty value
  EXPECT_FALSE(reading.Failed);
}

TEST(HelpIniTest, AFaultyTopicEndsTheReadingAndKeepsWhatCameBefore) {
  // The third topic lacks its CONTENT line.
  const std::string missing = Topic("[1]", "KAO_1", "one", "first", "") +
                              Topic("[2]", "", "two", "second", "x") +
                              "[3]\nCGPIC=KAO_3\nNAME=three\nMAXPIC=\n" + Topic("[4]", "", "four", "", "");
  const HelpIniReading reading = ParseHelpIni(missing);
  EXPECT_TRUE(reading.Failed);
  ASSERT_EQ(reading.Topics.size(), 3u);
  EXPECT_EQ(reading.Topics[1].MaxPic, "x");
  EXPECT_EQ(reading.Topics[2].Header, "[3]");
  EXPECT_EQ(reading.Topics[2].CgPic, "KAO_3");
  EXPECT_EQ(reading.Topics[2].Name, "three");
  EXPECT_EQ(reading.Topics[2].Content, "");
  EXPECT_EQ(reading.Topics[2].MaxPic, "");

  // Keys out of order, a misspelt key, a header among the last four lines.
  EXPECT_TRUE(ParseHelpIni("[a]\nNAME=\nCGPIC=\nCONTENT=\nMAXPIC=\n").Failed);
  EXPECT_TRUE(ParseHelpIni("[a]\nCGPIC=\nNAME=\nCONTNET=\nMAXPIC=\n").Failed);
  const HelpIniReading cut = ParseHelpIni(Topic("[a]", "", "a", "", "") + "[b]\nCGPIC=\nNAME=b\n");
  EXPECT_TRUE(cut.Failed);
  EXPECT_EQ(cut.Topics.size(), 2u);

  // No header at all is no fault: simply no topics.
  const HelpIniReading empty = ParseHelpIni("; only comments\n\n  \nCGPIC=KAO_1\n");
  EXPECT_FALSE(empty.Failed);
  EXPECT_TRUE(empty.Topics.empty());
  EXPECT_TRUE(ParseHelpIni("").Topics.empty());
}

TEST(HelpIniTest, PictureReferencesNameFacesOrFiles) {
  const HelpPicture upper = ParseHelpPicture("KAO_12");
  EXPECT_EQ(upper.Kind, HelpPictureKind::GameFace);
  EXPECT_EQ(upper.FaceIndex, 12);
  const HelpPicture lower = ParseHelpPicture("kao_12");
  EXPECT_EQ(lower.Kind, HelpPictureKind::GameFace);
  EXPECT_EQ(lower.FaceIndex, 12);
  const HelpPicture bare = ParseHelpPicture("KAO_");
  EXPECT_EQ(bare.Kind, HelpPictureKind::GameFace);
  EXPECT_EQ(bare.FaceIndex, 0);
  EXPECT_EQ(ParseHelpPicture("KAO_x7").FaceIndex, 0);
  EXPECT_EQ(ParseHelpPicture("KAO_  40th").FaceIndex, 40);  // blanks skipped, the number's prefix read
  EXPECT_EQ(ParseHelpPicture("KAO_12.5").FaceIndex, 12);    // halves to even
  EXPECT_EQ(ParseHelpPicture("KAO_-3").FaceIndex, -3);      // drawn as nothing
  // A blank after the separator does not turn a face into a file name.
  EXPECT_EQ(ParseHelpPicture(" KAO_3").Kind, HelpPictureKind::GameFace);

  const HelpPicture edit = ParseHelpPicture("eKaO_1099");
  EXPECT_EQ(edit.Kind, HelpPictureKind::EditFace);
  EXPECT_EQ(edit.FaceIndex, 1099);

  const HelpPicture file = ParseHelpPicture("  \\help\\list.png ");
  EXPECT_EQ(file.Kind, HelpPictureKind::File);
  EXPECT_EQ(file.FileName, "\\help\\list.png");
  // The value of "CGPIC =KAO_12" keeps the separator, so it names a file.
  EXPECT_EQ(ParseHelpPicture("=KAO_12").Kind, HelpPictureKind::File);
  EXPECT_EQ(ParseHelpPicture("KAO").Kind, HelpPictureKind::File);

  EXPECT_EQ(ParseHelpPicture("").Kind, HelpPictureKind::None);
  EXPECT_EQ(ParseHelpPicture("   ").Kind, HelpPictureKind::None);
}

TEST(HelpIniTest, ReadsTheFileBesideTheProgramAndItsPicturesInAnyCase) {
  TempFolder folder;
  // A missing guide is reported like a damaged one, with no topics.
  EXPECT_TRUE(ReadHelpIni(HelpIniPath(folder.Path())).Failed);
  std::filesystem::create_directories(folder / "help.ini");  // a folder is no guide either
  EXPECT_TRUE(ReadHelpIni(HelpIniPath(folder.Path())).Failed);
  std::filesystem::remove(folder / "help.ini");

  // Far larger than any guide: refused rather than read into memory.
  WriteFileBytes(folder / "help.ini", Topic("[a]", "", "a", "b", "") + std::string(9 * 1024 * 1024, ';'));
  const HelpIniReading huge = ReadHelpIni(HelpIniPath(folder.Path()));
  EXPECT_TRUE(huge.Failed);
  EXPECT_TRUE(huge.Topics.empty());
  std::filesystem::remove(folder / "help.ini");

  WriteFileBytes(folder / "HELP.INI", Topic("[a]", "\\Help\\One.PNG", "a", "b", ""));
  const HelpIniReading reading = ReadHelpIni(HelpIniPath(folder.Path()));
  EXPECT_FALSE(reading.Failed);
  ASSERT_EQ(reading.Topics.size(), 1u);

  std::filesystem::create_directories(folder / "help");
  WriteFileBytes(folder / "help" / "one.png", "png");
  const auto expected = folder / "help" / "one.png";
#ifdef _WIN32
  // Windows finds a name in any letter case itself: the name is kept as the guide spells it.
  const auto same = [&](const std::filesystem::path& found) {
    return std::filesystem::equivalent(found, expected);
  };
  EXPECT_TRUE(same(HelpPictureFile(folder.Path(), "\\Help\\One.PNG")));
  EXPECT_TRUE(same(HelpPictureFile(folder.Path(), "help\\one.png")));  // no leading separator
  EXPECT_TRUE(same(HelpPictureFile(folder.Path() / "", "\\help\\one.png")));
#else
  EXPECT_EQ(HelpPictureFile(folder.Path(), "\\Help\\One.PNG"), expected);
  EXPECT_EQ(HelpPictureFile(folder.Path(), "help\\one.png"), expected);  // no leading separator
  EXPECT_EQ(HelpPictureFile(folder.Path() / "", "\\help\\one.png"), expected);
#endif
  EXPECT_FALSE(std::filesystem::exists(HelpPictureFile(folder.Path(), "\\help\\two.png")));
}

TEST(HelpIniTest, ButtonsPageWithinTheTopics) {
  HelpPaging paging;
  paging.Restart(3);
  EXPECT_EQ(paging.Current(), 1);
  std::vector<int> shown;
  for (int press = 0; press < 5; ++press) shown.push_back(paging.Next());
  EXPECT_EQ(shown, (std::vector<int>{2, 3, 3, 3, 3}));
  EXPECT_EQ(paging.Previous(), 2);
  EXPECT_EQ(paging.Previous(), 1);
  EXPECT_EQ(paging.Previous(), 1);  // on topic 1 it shows topic 1 again
  EXPECT_TRUE(paging.HasTopic(1));
  EXPECT_TRUE(paging.HasTopic(3));
  EXPECT_FALSE(paging.HasTopic(4));

  paging.Next();
  paging.Restart(2);  // "R": back to page 1
  EXPECT_EQ(paging.Current(), 1);

  // With no topic, "下一步" moves to 0 and "上一步" back to 1, and nothing can be shown.
  paging.Restart(0);
  EXPECT_EQ(paging.Next(), 0);
  EXPECT_FALSE(paging.HasTopic(paging.Current()));
  EXPECT_EQ(paging.Previous(), 1);
  EXPECT_FALSE(paging.HasTopic(1));
}

// The guide installed beside the program reads cleanly, tells a whole story, and every picture it
// names is there: files built into the program folder, faces inside the demo game's archives.
TEST(HelpIniTest, ShippedGuideReadsCleanlyAndItsPicturesExist) {
  const auto shipped = std::filesystem::path(TAVLOR_SOURCE_DIR) / "assets" / "help.ini";
  const HelpIniReading reading = ReadHelpIni(shipped);
  EXPECT_FALSE(reading.Failed);
  EXPECT_GE(reading.Topics.size(), 8u);
  EXPECT_LE(reading.Topics.size(), 12u);
  for (const HelpTopic& topic : reading.Topics) {
    EXPECT_FALSE(TrimBlanks(topic.Name).empty()) << topic.Header;
    EXPECT_GT(topic.Content.size(), 40u) << topic.Header;
  }

  const auto pictures = testing::GuidePicturesFolder();
  if (pictures.empty() || testing::DemoGameFolder().empty()) GTEST_SKIP() << "guide pictures not built";
  const auto program = pictures.parent_path();  // help.ini names them from the program folder on
  std::string error;
  auto gameFaces = FaceArchive::Open(testing::DemoGameFolder() / "grp" / "KAO_l.N13", &error);
  ASSERT_TRUE(gameFaces) << error;  // an archive that fails to open would leave its faces unchecked
  auto editFaces = FaceArchive::Open(testing::DemoGameFolder() / "grp" / "EDIT_KAO_l.N13", &error);
  ASSERT_TRUE(editFaces) << error;
  int files = 0;
  for (const HelpTopic& topic : reading.Topics) {
    for (const std::string& reference : {topic.CgPic, topic.MaxPic}) {
      const HelpPicture picture = ParseHelpPicture(reference);
      switch (picture.Kind) {
        case HelpPictureKind::File:
          ++files;
          EXPECT_TRUE(std::filesystem::is_regular_file(HelpPictureFile(program, picture.FileName)))
              << topic.Header << " " << picture.FileName;
          break;
        case HelpPictureKind::GameFace:
          EXPECT_TRUE(gameFaces->ReadFace(picture.FaceIndex).has_value()) << topic.Header;
          break;
        case HelpPictureKind::EditFace:
          EXPECT_TRUE(editFaces->ReadFace(picture.FaceIndex).has_value()) << topic.Header;
          break;
        case HelpPictureKind::None:
          break;
      }
    }
  }
  EXPECT_GE(files, 8);  // most topics show the window they describe
}

}  // namespace
}  // namespace tavlor
