// Says where a benchmark that writes and flushes files writes them: into the temporary folder
// (TMPDIR, else /tmp), whose file system is named in the run's context. On a memory file system
// (tmpfs) a flush costs nothing, and a save would look fast for that reason alone: point TMPDIR at
// a folder on a disk to measure the disk.
#pragma once

#include <benchmark/benchmark.h>
#include <sys/vfs.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace tavlor::bench {

inline void DescribeWriteFolder() {
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  struct statfs about {};
  constexpr long kTmpfsMagic = 0x01021994;
  const bool memory = ::statfs(folder.c_str(), &about) == 0 && static_cast<long>(about.f_type) == kTmpfsMagic;
  benchmark::AddCustomContext("write_folder", folder.string());
  benchmark::AddCustomContext(
      "write_folder_kind", memory ? "tmpfs (in memory: flushes cost nothing; set TMPDIR to a disk)" : "disk");
  if (memory) {
    std::fprintf(stderr, "note: %s is a memory file system; the flush benchmarks do not reach a disk\n",
                 folder.c_str());
  }
}

}  // namespace tavlor::bench
