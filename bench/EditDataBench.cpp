// Loading and saving a full edit-data file of 1000 generals, each against a plain baseline measured
// inside the same benchmark: a load against reading the same bytes with one read, parsing and
// serialising (in memory) against copying the same bytes in memory, a save against writing them
// with one write and one flush. The files go into the temporary folder, named in the run's context
// ("write_folder"): on a memory file system the flushes reach no disk.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <random>

#include "BaselineRatio.h"
#include "WriteFolder.h"
#include "core/data/EditData.h"
#include "support/RandomTable.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

namespace fs = std::filesystem;
using bench::MeasureAgainstBaseline;

struct Fixture {
  Fixture() {
    std::mt19937 random(1000);
    table = testing::RandomTable(random, 1000);
    bytes = SerializeEditData(*table);
    file = folder / "EDATA000.13S";
    testing::WriteFileBytes(file, bytes);
  }
  testing::TempFolder folder;
  std::unique_ptr<GeneralTable> table;
  std::string bytes;
  fs::path file;
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

// The plain read: the file's bytes into a string of their size.
void ReadPlainly(const fs::path& file, std::size_t size) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes(size, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  benchmark::DoNotOptimize(bytes.data());
}

// The plain in-memory work: the bytes copied into a string of their size.
void CopyPlainly(const std::string& bytes) {
  std::string copy(bytes.size(), '\0');
  std::copy(bytes.begin(), bytes.end(), copy.begin());
  benchmark::DoNotOptimize(copy.data());
}

// The plain durable write: the bytes over a file with one write, then flushed to the disk.
void WritePlainly(const fs::path& file, const std::string& bytes) {
  const int handle = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (handle < 0) return;
  benchmark::DoNotOptimize(::write(handle, bytes.data(), bytes.size()));
  ::fsync(handle);
  ::close(handle);
}

void BM_LoadEditData(benchmark::State& state) {
  Fixture& f = Shared();
  auto table = std::make_unique<GeneralTable>();
  MeasureAgainstBaseline(
      state, "ratio_to_plain_read", [&] { benchmark::DoNotOptimize(LoadEditData(f.file, *table)); },
      [&] { ReadPlainly(f.file, f.bytes.size()); });
  if (table->GeneralCount != 1000) state.SkipWithError("the file did not load whole");
}

void BM_ParseEditData(benchmark::State& state) {
  Fixture& f = Shared();
  auto table = std::make_unique<GeneralTable>();
  MeasureAgainstBaseline(
      state, "ratio_to_memory_copy", [&] { benchmark::DoNotOptimize(ParseEditData(f.bytes, *table)); },
      [&] { CopyPlainly(f.bytes); });
}

void BM_SerializeEditData(benchmark::State& state) {
  Fixture& f = Shared();
  MeasureAgainstBaseline(
      state, "ratio_to_memory_copy", [&] { benchmark::DoNotOptimize(SerializeEditData(*f.table)); },
      [&] { CopyPlainly(f.bytes); });
}

// The safe save: a temporary file flushed and renamed over the target, and the previous file kept
// as the backup.
void BM_SaveEditData(benchmark::State& state) {
  Fixture& f = Shared();
  const fs::path target = f.folder / "saved.13S";
  const fs::path plain = f.folder / "plain.bin";
  bool failed = false;
  MeasureAgainstBaseline(
      state, "ratio_to_write_and_flush", [&] { failed = failed || SaveEditData(target, *f.table); },
      [&] { WritePlainly(plain, f.bytes); });
  if (failed) state.SkipWithError("save failed");
}

// The first save of a session: the file as the session loaded it becomes the backup.
void BM_FirstSaveKeepingTheLoadedFile(benchmark::State& state) {
  Fixture& f = Shared();
  const fs::path target = f.folder / "saved-first.13S";
  const fs::path plain = f.folder / "plain-first.bin";
  testing::WriteFileBytes(target, f.bytes);
  bool failed = false;
  MeasureAgainstBaseline(
      state, "ratio_to_write_and_flush",
      [&] { failed = failed || SaveEditData(target, *f.table, BackupPolicy::KeepTheseBytes(f.bytes)); },
      [&] { WritePlainly(plain, f.bytes); });
  if (failed) state.SkipWithError("save failed");
}

// A save as every save after the first of a session makes it: the backup is left alone.
void BM_SaveEditDataLeavingTheBackup(benchmark::State& state) {
  Fixture& f = Shared();
  const fs::path target = f.folder / "saved-again.13S";
  const fs::path plain = f.folder / "plain-again.bin";
  bool failed = false;
  MeasureAgainstBaseline(
      state, "ratio_to_write_and_flush",
      [&] { failed = failed || SaveEditData(target, *f.table, BackupPolicy::LeaveAlone()); },
      [&] { WritePlainly(plain, f.bytes); });
  if (failed) state.SkipWithError("save failed");
}

BENCHMARK(BM_LoadEditData)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseEditData)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SerializeEditData)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveEditData)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstSaveKeepingTheLoadedFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveEditDataLeavingTheBackup)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavlor

int main(int argc, char** argv) {
  tavlor::bench::DescribeWriteFolder();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
