// The portrait browser on the demo game's archives: a page of 40 thumbnails read and painted,
// and the hover preview's three faces read and painted. Each prints its time and, as the counter
// "x_read_bytes", its ratio to plainly reading the same bytes (tables and pixel rows) from the
// same files. The budgets are a frame (16 ms) for a page and half of one (8 ms) for a preview.
#include <benchmark/benchmark.h>

#include "BaselineRatio.h"
#include "QtBenchmarkMain.h"

#include <QImage>
#include <QPainter>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/portraits/FaceArchive.h"
#include "core/portraits/FaceCategories.h"
#include "support/ArchivePaths.h"
#include "support/ShippedFiles.h"
#include "support/TestPrompter.h"
#include "ui/portraits/FaceArchiveOpener.h"
#include "ui/portraits/Form_3CGBR.h"
#include "ui/portraits/Form_CGBR.h"
#include "ui/portraits/ThumbnailPanel.h"

namespace {

namespace fs = std::filesystem;

const fs::path kDemoGrp = tavlor::testing::DemoGameFolder() / "grp";

bool DemoBuilt() {
  std::error_code code;
  return fs::exists(kDemoGrp / "KAO_M.N13", code) && fs::exists(kDemoGrp / "KAO_l.N13", code);
}

int32_t Long(const std::vector<char>& bytes, std::size_t at) {
  uint32_t value = 0;
  for (int b = 3; b >= 0; --b) value = (value << 8) | static_cast<uint8_t>(bytes[at + b]);
  return static_cast<int32_t>(value);
}

// What the archive reader reads for `faces`: the header, both tables, and each face's shown rows.
struct ByteSpans {
  fs::path File;
  std::vector<std::pair<std::size_t, std::size_t>> Spans;
};

ByteSpans SpansOf(const fs::path& file, const std::vector<int>& faces) {
  std::ifstream in(file, std::ios::binary);
  std::vector<char> header(32);
  in.read(header.data(), 32);
  const int32_t entries = Long(header, 4), entryTable = Long(header, 8);
  const int32_t sizes = Long(header, 12), sizeTable = Long(header, 16);
  std::vector<char> entryRows(static_cast<std::size_t>(entries) * 8),
      sizeRows(static_cast<std::size_t>(sizes) * 12);
  in.seekg(entryTable);
  in.read(entryRows.data(), static_cast<std::streamsize>(entryRows.size()));
  in.seekg(sizeTable);
  in.read(sizeRows.data(), static_cast<std::streamsize>(sizeRows.size()));
  ByteSpans spans{file, {{0, 32}, {entryTable, entryRows.size()}, {sizeTable, sizeRows.size()}}};
  for (int face : faces) {
    const std::size_t row = static_cast<std::size_t>(face) * 12;
    const int width =
        static_cast<uint8_t>(sizeRows[row + 4]) | (static_cast<uint8_t>(sizeRows[row + 5]) << 8);
    const int height =
        static_cast<uint8_t>(sizeRows[row + 6]) | (static_cast<uint8_t>(sizeRows[row + 7]) << 8);
    const std::size_t side = width <= 64 ? 64 : width <= 128 ? 128 : 256;
    spans.Spans.emplace_back(Long(entryRows, static_cast<std::size_t>(face) * 8) + 56, side * 4 * height);
  }
  return spans;
}

void ReadPlainBytes(const std::vector<ByteSpans>& files) {
  std::vector<char> buffer;
  for (const ByteSpans& file : files) {
    std::ifstream in(file.File, std::ios::binary);
    for (const auto& [offset, length] : file.Spans) {
      buffer.resize(length);
      in.seekg(static_cast<std::streamoff>(offset));
      in.read(buffer.data(), static_cast<std::streamsize>(length));
      benchmark::DoNotOptimize(buffer.data());
    }
  }
}

// A page of category 0 (faces 40 * page ..), read from the medium archive and painted with its
// board, as the browser shows it after a page button.
void BM_PageOfFortyThumbnails(benchmark::State& state) {
  if (!DemoBuilt()) {
    state.SkipWithError("the demo game is not built (TAVLOR_BUILD_DEMO)");
    return;
  }
  tavlor::testing::TestPrompter prompter;
  tavlor::Form_CGBR browser(tavlor::testing::ArchivePathsIn(kDemoGrp));
  QImage screen(browser.Picture1->size(), QImage::Format_ARGB32_Premultiplied);
  std::vector<ByteSpans> pages;
  for (int page = 0; page < 6; ++page) {
    std::vector<int> faces;
    for (int box = 0; box < 40; ++box) faces.push_back(page * 40 + box);
    pages.push_back(SpansOf(kDemoGrp / "KAO_M.N13", faces));
  }
  int page = 0, baselinePage = 0;
  tavlor::bench::MeasureAgainstBaseline(
      state, "x_read_bytes",
      [&] {
        page = (page + 1) % 6;
        browser.ChangePage(page);
        QPainter painter(&screen);
        browser.Picture1->render(&painter);
      },
      [&] {
        baselinePage = (baselinePage + 1) % 6;
        ReadPlainBytes({pages[static_cast<std::size_t>(baselinePage)]});
      });
  if (!prompter.Messages().isEmpty()) state.SkipWithError("an archive could not be opened");
}
BENCHMARK(BM_PageOfFortyThumbnails)->Unit(benchmark::kMillisecond);

// The preview of face 43: large, medium and small archive opened, each face read and drawn,
// and the window painted.
void BM_HoverPreview(benchmark::State& state) {
  if (!DemoBuilt()) {
    state.SkipWithError("the demo game is not built (TAVLOR_BUILD_DEMO)");
    return;
  }
  tavlor::testing::TestPrompter prompter;
  const tavlor::PathSettings paths = tavlor::testing::ArchivePathsIn(kDemoGrp);
  tavlor::Form_3CGBR preview;
  tavlor::FaceArchiveOpener opener;
  QImage screen(preview.size(), QImage::Format_ARGB32_Premultiplied);
  const std::vector<ByteSpans> files = {SpansOf(kDemoGrp / "KAO_l.N13", {43}),
                                        SpansOf(kDemoGrp / "KAO_M.N13", {43}),
                                        SpansOf(kDemoGrp / "KAO_s.N13", {43})};
  tavlor::bench::MeasureAgainstBaseline(
      state, "x_read_bytes",
      [&] {
        preview.ShowFace(paths, tavlor::FaceSet::Game, 43, opener);
        QPainter painter(&screen);
        preview.render(&painter);
      },
      [&] { ReadPlainBytes(files); });
  if (!prompter.Messages().isEmpty()) state.SkipWithError("an archive could not be opened");
}
BENCHMARK(BM_HoverPreview)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return tavlor::bench::RunWithWidgets(argc, argv);
}
