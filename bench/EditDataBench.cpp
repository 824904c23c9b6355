// Loading and saving a full edit-data file of 1000 generals, each against a plain baseline in the
// same run: reading the same bytes with one read, writing them with one write.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <random>

#include "core/data/EditData.h"
#include "support/RandomTable.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

namespace fs = std::filesystem;

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

double& BaselineSeconds(const char* name) {
  static std::map<std::string, double> seconds;
  return seconds[name];
}

// Runs `body` for the benchmark and records its time per iteration; when `baseline` names a
// recorded time, adds the ratio to it as a counter.
template <typename Body>
void Measure(benchmark::State& state, const char* name, const char* baseline, Body body) {
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) body();
  const double perIteration =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / state.iterations();
  BaselineSeconds(name) = perIteration;
  if (baseline != nullptr && BaselineSeconds(baseline) > 0)
    state.counters["ratio_to_baseline"] = perIteration / BaselineSeconds(baseline);
}

void BM_ReadBytesBaseline(benchmark::State& state) {
  Fixture& f = Shared();
  Measure(state, "read", nullptr, [&] {
    std::ifstream in(f.file, std::ios::binary);
    std::string bytes(f.bytes.size(), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    benchmark::DoNotOptimize(bytes.data());
  });
}

void BM_LoadEditData(benchmark::State& state) {
  Fixture& f = Shared();
  auto table = std::make_unique<GeneralTable>();
  Measure(state, "load", "read", [&] { benchmark::DoNotOptimize(LoadEditData(f.file, *table)); });
}

void BM_ParseEditData(benchmark::State& state) {
  Fixture& f = Shared();
  auto table = std::make_unique<GeneralTable>();
  Measure(state, "parse", "read", [&] { benchmark::DoNotOptimize(ParseEditData(f.bytes, *table)); });
}

void BM_WriteBytesBaseline(benchmark::State& state) {
  Fixture& f = Shared();
  const fs::path plain = f.folder / "plain.bin";
  Measure(state, "write", nullptr, [&] {
    std::ofstream out(plain, std::ios::binary | std::ios::trunc);
    out.write(f.bytes.data(), static_cast<std::streamsize>(f.bytes.size()));
  });
}

void BM_SerializeEditData(benchmark::State& state) {
  Fixture& f = Shared();
  Measure(state, "serialize", "write", [&] { benchmark::DoNotOptimize(SerializeEditData(*f.table)); });
}

// The safe save flushes to the disk and keeps a backup; the ratio shows what that costs over a
// plain unflushed write.
void BM_SaveEditData(benchmark::State& state) {
  Fixture& f = Shared();
  const fs::path target = f.folder / "saved.13S";
  Measure(state, "save", "write", [&] {
    if (SaveEditData(target, *f.table)) state.SkipWithError("save failed");
  });
}

BENCHMARK(BM_ReadBytesBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadEditData)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseEditData)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteBytesBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SerializeEditData)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveEditData)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavlor

BENCHMARK_MAIN();
