// Face archive hot paths: one large face read and scaled into the editor's 201 x 201 box, a page
// of 40 medium thumbnails, and reopening a game-sized archive. Each prints its time and, as the
// counter "x_read_bytes", its ratio to plainly reading the same bytes from the same file.
#include <benchmark/benchmark.h>

#include "BaselineRatio.h"

#include <QImage>
#include <chrono>
#include <fstream>
#include <vector>

#include "core/portraits/FaceArchive.h"
#include "support/ArchiveBuilder.h"
#include "support/TempFolder.h"

namespace {

using tavlor::testing::ArchiveBuilder;

struct BenchArchives {
  tavlor::testing::TempFolder folder;
  std::filesystem::path large = folder / "KAO_l.N13";
  std::filesystem::path medium = folder / "KAO_M.N13";
  std::filesystem::path gameSized = folder / "KAO_s.N13";
  ArchiveBuilder largeBuilder, mediumBuilder;

  BenchArchives() {
    largeBuilder.AddFace(240, 240, 1);
    largeBuilder.WriteTo(large);
    for (int i = 0; i < 40; ++i) mediumBuilder.AddFace(96, 120, i);
    mediumBuilder.WriteTo(medium);
    ArchiveBuilder game;  // 1456 entries, as many as the game set, sharing one record
    game.AddFace(60, 60, 1);
    for (int i = 1; i < 1456; ++i) game.AddSharedFace(0);
    game.WriteTo(gameSized);
  }
};

BenchArchives& Archives() {
  static BenchArchives archives;
  return archives;
}

// The baseline: open the file, seek and read `length` bytes at each offset.
void ReadPlainBytes(const std::filesystem::path& file,
                    const std::vector<std::pair<std::size_t, std::size_t>>& spans) {
  std::ifstream in(file, std::ios::binary);
  std::vector<char> buffer;
  for (const auto& [offset, length] : spans) {
    buffer.resize(length);
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(buffer.data(), static_cast<std::streamsize>(length));
    benchmark::DoNotOptimize(buffer.data());
  }
}

QImage ToImage(const tavlor::FaceImage& face) {
  QImage image(face.Width, face.Height, QImage::Format_RGB888);
  for (int y = 0; y < face.Height; ++y)
    std::copy_n(face.Rgb.data() + static_cast<std::size_t>(y) * face.Width * 3, face.Width * 3,
                image.scanLine(y));
  return image;
}

void BM_LargeFaceIntoEditorBox(benchmark::State& state) {
  BenchArchives& archives = Archives();
  const std::size_t record = archives.largeBuilder.ImageRecordOffset(0);
  tavlor::bench::MeasureAgainstBaseline(
      state, "x_read_bytes",
      [&] {
        std::string error;
        auto archive = tavlor::FaceArchive::Open(archives.large, &error);
        const QImage face = ToImage(*archive->ReadFace(0));
        const QImage shown = face.scaled(201, 201, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(shown.constBits());
      },
      [&] {
        ReadPlainBytes(archives.large, {{0, 32}, {32, 20}, {record, 56 + 256 * 256 * 4}});
      });
}
BENCHMARK(BM_LargeFaceIntoEditorBox)->Unit(benchmark::kMicrosecond);

void BM_PageOfFortyMediumThumbnails(benchmark::State& state) {
  BenchArchives& archives = Archives();
  std::vector<std::pair<std::size_t, std::size_t>> spans{{0, 32}, {32, 40 * 20}};
  for (int i = 0; i < 40; ++i)
    spans.emplace_back(archives.mediumBuilder.ImageRecordOffset(i), 56 + 128 * 128 * 4);
  tavlor::bench::MeasureAgainstBaseline(
      state, "x_read_bytes",
      [&] {
        std::string error;
        auto archive = tavlor::FaceArchive::Open(archives.medium, &error);  // the browser opens once a page
        for (int i = 0; i < 40; ++i) {
          const QImage face = ToImage(*archive->ReadFace(i));
          const QImage thumbnail = face.scaled(64, 80, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
          benchmark::DoNotOptimize(thumbnail.constBits());
        }
      },
      [&] { ReadPlainBytes(archives.medium, spans); });
}
BENCHMARK(BM_PageOfFortyMediumThumbnails)->Unit(benchmark::kMicrosecond);

// Every caller reopens its archive before drawing: the cost of reading both tables again.
void BM_ReopenGameSizedArchive(benchmark::State& state) {
  BenchArchives& archives = Archives();
  tavlor::bench::MeasureAgainstBaseline(
      state, "x_read_bytes",
      [&] {
        std::string error;
        auto archive = tavlor::FaceArchive::Open(archives.gameSized, &error);
        benchmark::DoNotOptimize(archive.get());
      },
      [&] {
        ReadPlainBytes(archives.gameSized, {{0, 32}, {32, 1456 * 8}, {32 + 1456 * 8, 1456 * 12}});
      });
}
BENCHMARK(BM_ReopenGameSizedArchive)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
