#include "support/TempFolder.h"

#include <unistd.h>
#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace tavlor::testing {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  std::random_device seed;
  path_ = std::filesystem::temp_directory_path() / ("tavlor-test-" + std::to_string(::getpid()) + "-" +
                                                    std::to_string(counter++) + "-" + std::to_string(seed()));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + file.string());
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::filesystem::path ProgramFolder() {
  return TAVLOR_PROGRAM_DIR;
}

}  // namespace tavlor::testing
