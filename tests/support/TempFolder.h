// A fresh folder under the system temp folder, removed with its contents at the end of a test;
// plus small file helpers. Every file a test writes goes into one of these (see ShippedFiles.h for
// the rules that let the suite run as any user from any folder).
#pragma once

#include <filesystem>
#include <string>

namespace tavlor::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes);
std::string ReadFileBytes(const std::filesystem::path& file);

}  // namespace tavlor::testing
