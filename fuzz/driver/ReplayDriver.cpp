// Runs a fuzz target without libFuzzer: replays every file of the given folders, then a bounded
// run of seeded random mutations of them (fixed seed, so a failure repeats).
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

// Reads every file of the folders named on the command line. A folder that is missing or a file
// that cannot be read is an error (false, with a message): a replay that quietly left out its
// corpus would pass having tested almost nothing.
bool ReadCorpus(int argc, char** argv, std::vector<std::vector<uint8_t>>& inputs) {
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path folder(argv[i]);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
      std::fprintf(stderr, "corpus folder %s does not exist or is no folder\n", argv[i]);
      return false;
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      if (!in) {
        std::fprintf(stderr, "cannot read corpus file %s\n", entry.path().string().c_str());
        return false;
      }
      inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
      if (in.bad()) {
        std::fprintf(stderr, "reading corpus file %s failed\n", entry.path().string().c_str());
        return false;
      }
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::vector<uint8_t>> inputs;
  if (!ReadCorpus(argc, argv, inputs)) return 1;
  inputs.emplace_back();  // the empty input
  for (const auto& input : inputs) LLVMFuzzerTestOneInput(input.data(), input.size());

  std::mt19937 random(20261208);
  constexpr int kMutations = 2000;
  for (int round = 0; round < kMutations; ++round) {
    std::vector<uint8_t> mutated = inputs[random() % inputs.size()];
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int e = 0; e < edits; ++e) {
      switch (random() % 4) {
        case 0:  // flip a byte
          if (!mutated.empty()) mutated[random() % mutated.size()] = static_cast<uint8_t>(random());
          break;
        case 1:  // cut the tail
          if (!mutated.empty()) mutated.resize(random() % mutated.size());
          break;
        case 2:  // append bytes
          for (int n = static_cast<int>(random() % 16); n > 0; --n)
            mutated.push_back(static_cast<uint8_t>(random()));
          break;
        default:  // write an extreme 32-bit value somewhere
          if (mutated.size() >= 4) {
            const size_t at = random() % (mutated.size() - 3);
            const uint32_t extremes[] = {0x7fffffffu, 0x80000000u, 0xffffffffu, 0u, 1u};
            const uint32_t value = extremes[random() % 5];
            for (int b = 0; b < 4; ++b) mutated[at + b] = static_cast<uint8_t>(value >> (8 * b));
          }
      }
    }
    LLVMFuzzerTestOneInput(mutated.data(), mutated.size());
  }
  std::printf("replayed %zu inputs and %d mutations\n", inputs.size(), kMutations);
  return 0;
}
