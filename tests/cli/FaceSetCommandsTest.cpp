// tavlor-cli face-import and face-restore on a game folder the test makes: a picture becomes one
// face of all three archives, only that face's pixel bytes change, and originals come back.
#include <gtest/gtest.h>

#include <QColorSpace>
#include <QImage>
#include <array>
#include <filesystem>
#include <functional>
#include <string>

#include "core/portraits/FaceArchiveWriter.h"
#include "core/portraits/FacePatch.h"
#include "support/ArchiveBuilder.h"
#include "support/CliRunner.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using tavlor::testing::ArchiveBuilder;
using tavlor::testing::Quoted;
using tavlor::testing::ReadFileBytes;
using tavlor::testing::RunCli;
using tavlor::testing::RunResult;
using tavlor::testing::TempFolder;
using tavlor::testing::WriteFileBytes;

struct Rgb {
  int Red, Green, Blue;
};
using Colouring = std::function<Rgb(int x, int y)>;

// "" for equal bytes, else where they first differ (whole archives are too long to print).
std::string Difference(const std::string& got, const std::string& expected) {
  if (got == expected) return "";
  std::size_t at = 0;
  while (at < got.size() && at < expected.size() && got[at] == expected[at]) ++at;
  return "sizes " + std::to_string(got.size()) + " and " + std::to_string(expected.size()) +
         ", first difference at " + std::to_string(at) +
         (at < got.size() ? ": byte " + std::to_string(uint8_t(got[at])) : std::string()) +
         (at < expected.size() ? " instead of " + std::to_string(uint8_t(expected[at])) : std::string());
}

// A game folder with grp/KAO_l.N13 (240 x 240), KAO_M.N13 (96 x 120) and KAO_s.N13 (60 x 60), each
// of two faces; the large archive's second face shares the first one's record.
class FaceSetCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder_ / "grp");
    large_.AddFace(240, 240, 1);
    large_.AddSharedFace(0);
    medium_.AddFace(96, 120, 3);
    medium_.AddFace(96, 120, 4);
    small_.AddFace(60, 60, 5);
    small_.AddFace(60, 60, 6);
    for (int i = 0; i < 3; ++i) {
      Builder(i).WriteTo(Archive(i));
      before_[i] = ReadFileBytes(Archive(i));
    }
  }

  const ArchiveBuilder& Builder(int i) const { return i == 0 ? large_ : i == 1 ? medium_ : small_; }
  fs::path Archive(int i) const {
    static const char* const kNames[3] = {"KAO_l.N13", "KAO_M.N13", "KAO_s.N13"};
    return folder_.Path() / "grp" / kNames[i];
  }
  std::string Folder() const { return Quoted(folder_.Path().string()); }
  std::string Picture(const QImage& image, const char* name = "picture.png") {
    const fs::path file = folder_ / name;
    EXPECT_TRUE(image.save(QString::fromStdString(file.string()), "PNG"));
    return Quoted(file.string());
  }

  // Archive i's bytes as they were with face `index`'s pixels (width x height, texture side S)
  // set to `colour`, each pixel's fourth byte kept.
  std::string Expected(int i, int index, int width, int height, const Colouring& colour,
                       std::string bytes = {}) const {
    if (bytes.empty()) bytes = before_[i];
    const int side = width <= 64 ? 64 : width <= 128 ? 128 : 256;
    const std::size_t pixels = Builder(i).ImageRecordOffset(index) + 56;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const std::size_t at = pixels + (static_cast<std::size_t>(y) * side + x) * 4;
        const Rgb rgb = colour(x, y);
        bytes[at] = static_cast<char>(rgb.Blue);
        bytes[at + 1] = static_cast<char>(rgb.Green);
        bytes[at + 2] = static_cast<char>(rgb.Red);
      }
    return bytes;
  }
  // The pixel (x, y) of face `index` in archive i's `bytes`, found through its entry row.
  Rgb PixelIn(const std::string& bytes, int i, int index, int x, int y) const {
    const int side = i == 0 ? 256 : i == 1 ? 128 : 64;
    std::size_t record = 0;
    for (int b = 3; b >= 0; --b)
      record = (record << 8) | uint8_t(bytes[Builder(i).EntryRowOffset(index) + b]);
    const std::size_t at = record + 56 + (static_cast<std::size_t>(y) * side + x) * 4;
    return Rgb{uint8_t(bytes[at + 2]), uint8_t(bytes[at + 1]), uint8_t(bytes[at])};
  }
  Rgb Pixel(int i, int index, int x, int y) const {
    return PixelIn(ReadFileBytes(Archive(i)), i, index, x, y);
  }
  // "" when every pixel of face `index` in archive i (found through its entry row) is `colour`.
  std::string FaceDiffers(int i, int index, int width, int height, const Colouring& colour) const {
    const std::string bytes = ReadFileBytes(Archive(i));
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const Rgb got = PixelIn(bytes, i, index, x, y), want = colour(x, y);
        if (got.Red != want.Red || got.Green != want.Green || got.Blue != want.Blue)
          return "at " + std::to_string(x) + "," + std::to_string(y) + ": " + std::to_string(got.Red) + " " +
                 std::to_string(got.Green) + " " + std::to_string(got.Blue);
      }
    return "";
  }
  void ExpectUntouched() const {
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(Difference(ReadFileBytes(Archive(i)), before_[i]), "") << Archive(i);
  }

  TempFolder folder_;
  ArchiveBuilder large_, medium_, small_;
  std::array<std::string, 3> before_;
};

QImage TwoHalves(int width, int height, QColor left, QColor right) {
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixelColor(x, y, x < width / 2 ? left : right);
  return image;
}

const Colouring kBlue = [](int, int) { return Rgb{0, 0, 255}; };

TEST_F(FaceSetCommandsTest, ImportWritesOnlyTheFacesPixelsOfAllThreeArchivesAndRestoreUndoesIt) {
  // Red on the left, blue on the right: a crop of the right half makes every size plain blue.
  const std::string picture = Picture(TwoHalves(480, 240, Qt::red, Qt::blue));
  const RunResult run = RunCli("face-import " + Folder() + " game 0 " + picture + " --crop 240,0,240");
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_NE(run.Out.find("KAO_M.N13: face 0 (medium, 96 x 120)"), std::string::npos) << run.Out;
  // The large face shares its record with face 1, so face 0 gets a copy at the end: compared below
  // through its own pixels; medium and small are patched in place.
  EXPECT_EQ(Difference(ReadFileBytes(Archive(1)), Expected(1, 0, 96, 120, kBlue)), "");
  EXPECT_EQ(Difference(ReadFileBytes(Archive(2)), Expected(2, 0, 60, 60, kBlue)), "");
  const std::string large = ReadFileBytes(Archive(0));
  ASSERT_GT(large.size(), before_[0].size());
  const std::size_t shared = large_.ImageRecordOffset(1);
  EXPECT_EQ(large.compare(shared, before_[0].size() - shared, before_[0], shared), 0)
      << "face 1's record must keep its pixels";

  const RunResult restored = RunCli("face-restore " + Folder() + " game 0");
  ASSERT_EQ(restored.ExitCode, 0) << restored.Output;
  EXPECT_NE(restored.Out.find("KAO_s.N13: restored face 0"), std::string::npos) << restored.Out;
  EXPECT_EQ(Difference(ReadFileBytes(Archive(1)), before_[1]), "");
  EXPECT_EQ(Difference(ReadFileBytes(Archive(2)), before_[2]), "");
  EXPECT_EQ(Pixel(0, 0, 10, 10).Red, 1) << "the large face has its seed again";
}

TEST_F(FaceSetCommandsTest, RestoreAllPutsBackEveryChangedFaceAndRefusesWhenNoneIsKept) {
  const RunResult none = RunCli("face-restore " + Folder() + " game all");
  EXPECT_NE(none.ExitCode, 0);
  EXPECT_NE(none.Error.find("no archive"), std::string::npos) << none.Output;

  const std::string picture = Picture(TwoHalves(200, 200, Qt::green, Qt::green));
  for (const char* index : {"0", "1"})
    ASSERT_EQ(RunCli("face-import " + Folder() + " game " + index + " " + picture).ExitCode, 0);
  const Colouring green = [](int, int) { return Rgb{0, 255, 0}; };
  EXPECT_EQ(
      Difference(ReadFileBytes(Archive(2)), Expected(2, 1, 60, 60, green, Expected(2, 0, 60, 60, green))),
      "");
  EXPECT_EQ(Pixel(0, 1, 239, 239).Green, 255);

  const RunResult all = RunCli("face-restore " + Folder() + " game all");
  ASSERT_EQ(all.ExitCode, 0) << all.Output;
  EXPECT_NE(all.Out.find("KAO_M.N13: restored faces 0, 1"), std::string::npos) << all.Out;
  EXPECT_EQ(Difference(ReadFileBytes(Archive(1)), before_[1]), "");
  EXPECT_EQ(Difference(ReadFileBytes(Archive(2)), before_[2]), "");
  for (const int index : {0, 1}) EXPECT_EQ(Pixel(0, index, 5, 5).Red, 1) << "large face " << index;
  const RunResult again = RunCli("face-restore " + Folder() + " game 1");
  EXPECT_EQ(again.ExitCode, 0) << "an original stays kept after a restore: " << again.Output;
}

TEST_F(FaceSetCommandsTest, TheDefaultSquareIsAtTheTopOfATallPictureAndTheMediumFaceReachesBelowIt) {
  // 240 x 480: the top half yellow, the bottom half cyan. The large face is the top square; the
  // medium face is as wide and 5/4 as tall (300 rows), so its last fifth comes from below.
  QImage image(240, 480, QImage::Format_RGB32);
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 240; ++x) image.setPixelColor(x, y, y < 240 ? Qt::yellow : Qt::cyan);
  const RunResult run = RunCli("face-import " + Folder() + " game 1 " + Picture(image));
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_NE(run.Out.find("from 0,0 240 x 300"), std::string::npos) << run.Out;
  for (const int y : {0, 120, 239}) EXPECT_EQ(Pixel(0, 1, 100, y).Blue, 0) << "large row " << y;
  EXPECT_EQ(Pixel(1, 1, 50, 0).Blue, 0);
  EXPECT_EQ(Pixel(1, 1, 50, 119).Red, 0) << "medium, bottom row";
  EXPECT_EQ(Pixel(2, 1, 30, 59).Blue, 0) << "the small face stays inside the square";
}

TEST_F(FaceSetCommandsTest, PicturesThatCannotBeReadAndFacesOneArchiveLacksWriteNothing) {
  // A PNG whose header declares 20000 x 20000 pixels, followed by an empty data chunk.
  auto chunk = [](const std::string& type, const std::string& data) {
    std::string bytes;
    for (int b = 3; b >= 0; --b) bytes.push_back(static_cast<char>((data.size() >> (8 * b)) & 0xff));
    uint32_t crc = 0xffffffffu;  // over the type and the data
    for (const char c : type + data) {
      crc ^= uint8_t(c);
      for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    crc ^= 0xffffffffu;
    bytes += type + data;
    for (int b = 3; b >= 0; --b) bytes.push_back(static_cast<char>((crc >> (8 * b)) & 0xff));
    return bytes;
  };
  std::string size;
  for (const uint32_t side : {20000u, 20000u})
    for (int b = 3; b >= 0; --b) size.push_back(static_cast<char>((side >> (8 * b)) & 0xff));
  const std::string header = std::string("\x89PNG\r\n\x1a\n", 8) +
                             chunk("IHDR", size + std::string("\x08\x02\0\0\0", 5)) + chunk("IDAT", "");
  WriteFileBytes(folder_ / "huge.png", header);
  WriteFileBytes(folder_ / "damaged.png", "\x89PNG\r\n this is no picture");

  const RunResult huge =
      RunCli("face-import " + Folder() + " game 0 " + Quoted((folder_ / "huge.png").string()));
  EXPECT_NE(huge.ExitCode, 0);
  EXPECT_NE(huge.Error.find("huge.png"), std::string::npos) << huge.Output;
  EXPECT_NE(huge.Error.find("20000 x 20000"), std::string::npos) << huge.Output;
  const RunResult damaged =
      RunCli("face-import " + Folder() + " game 0 " + Quoted((folder_ / "damaged.png").string()));
  EXPECT_NE(damaged.ExitCode, 0);
  EXPECT_NE(damaged.Error.find("damaged.png"), std::string::npos) << damaged.Output;
  const std::string picture = Picture(TwoHalves(100, 100, Qt::red, Qt::red));
  const RunResult outside = RunCli("face-import " + Folder() + " game 0 " + picture + " --crop=50,0,60");
  EXPECT_NE(outside.ExitCode, 0);
  EXPECT_NE(outside.Error.find("inside the picture"), std::string::npos) << outside.Output;
  ExpectUntouched();

  // The small archive has one face only: face 1 cannot go into all three, so into none.
  ArchiveBuilder oneFace;
  oneFace.AddFace(60, 60, 5);
  oneFace.WriteTo(Archive(2));
  before_[2] = ReadFileBytes(Archive(2));
  const RunResult lacking = RunCli("face-import " + Folder() + " game 1 " + picture);
  EXPECT_NE(lacking.ExitCode, 0);
  EXPECT_NE(lacking.Error.find("KAO_s.N13: face 1 cannot be read"), std::string::npos) << lacking.Output;
  ExpectUntouched();
  EXPECT_FALSE(fs::exists(folder_ / "grp" / "KAO_l.N13.originals" / "face-1.bin"));
}

TEST_F(FaceSetCommandsTest, AJournalLeftBehindIsFinishedBeforeTheArchiveIsRead) {
  // A stopped save of new pixel bytes for face 0 of the medium archive and face 1 of the small one.
  auto leaveJournal = [&](int i, int index) {
    const std::size_t at = Builder(i).ImageRecordOffset(index) + 56;
    tavlor::FacePatch patch;
    patch.SizeBefore = patch.SizeAfter = before_[i].size();
    patch.Ranges.push_back({at, before_[i].substr(at, 3), std::string("\x11\x22\x33", 3)});
    WriteFileBytes(tavlor::FaceJournalPathOf(Archive(i)), tavlor::EncodeJournal(patch));
    std::string bytes = before_[i];
    bytes.replace(at, 3, "\x11\x22\x33");
    return bytes;
  };
  const std::string medium = leaveJournal(1, 0), small = leaveJournal(2, 1);

  const RunResult faces = RunCli("faces " + Quoted(Archive(1).string()));
  ASSERT_EQ(faces.ExitCode, 0) << faces.Output;
  EXPECT_EQ(Difference(ReadFileBytes(Archive(1)), medium), "");
  EXPECT_FALSE(fs::exists(tavlor::FaceJournalPathOf(Archive(1))));

  const std::string picture = Picture(TwoHalves(240, 240, Qt::blue, Qt::blue));
  const RunResult run = RunCli("face-import " + Folder() + " game 0 " + picture);
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_FALSE(fs::exists(tavlor::FaceJournalPathOf(Archive(2))));
  EXPECT_EQ(Difference(ReadFileBytes(Archive(2)), Expected(2, 0, 60, 60, kBlue, small)), "");
}

TEST_F(FaceSetCommandsTest, ColourProfilesAreHonouredAndTransparencyIsFilled) {
  // Left half opaque red, right half fully transparent: the fill shows through on the right.
  const std::string halves = Picture(TwoHalves(240, 240, Qt::red, QColor(255, 255, 255, 0)), "alpha.png");
  auto redThenFill = [](Rgb fill) {
    return Colouring([fill](int x, int) { return x < 120 ? Rgb{255, 0, 0} : fill; });
  };
  ASSERT_EQ(RunCli("face-import " + Folder() + " game 1 " + halves + " --fill=336699").ExitCode, 0);
  EXPECT_EQ(FaceDiffers(0, 1, 240, 240, redThenFill({0x33, 0x66, 0x99})), "");
  ASSERT_EQ(RunCli("face-import " + Folder() + " game 1 " + halves).ExitCode, 0);
  EXPECT_EQ(FaceDiffers(0, 1, 240, 240, redThenFill({0, 0, 0})), "") << "black by default";
  EXPECT_NE(RunCli("face-import " + Folder() + " game 1 " + halves + " --fill=blue").ExitCode, 0);

  // A plain colour in Adobe RGB arrives as the same colour in sRGB.
  QImage adobe = TwoHalves(240, 240, QColor(40, 160, 90), QColor(40, 160, 90));
  adobe.setColorSpace(QColorSpace(QColorSpace::AdobeRgb));
  const RunResult run = RunCli("face-import " + Folder() + " game 1 " + Picture(adobe, "adobe.png"));
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  const QColor expected = QColorSpace(QColorSpace::AdobeRgb)
                              .transformationToColorSpace(QColorSpace(QColorSpace::SRgb))
                              .map(QColor(40, 160, 90));
  ASSERT_GT(std::abs(expected.red() - 40), 10) << "the two spaces must differ for this colour";
  for (const int i : {0, 1, 2}) {
    const Rgb got = Pixel(i, 1, 20, 20);
    EXPECT_NEAR(got.Red, expected.red(), 2) << i;
    EXPECT_NEAR(got.Green, expected.green(), 2) << i;
    EXPECT_NEAR(got.Blue, expected.blue(), 2) << i;
  }
}

}  // namespace
