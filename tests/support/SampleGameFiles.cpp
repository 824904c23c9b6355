#include "support/SampleGameFiles.h"

#include <string>

#include "support/ArchiveBuilder.h"
#include "support/TempFolder.h"

namespace tavlor::testing {

void WriteLargeSampleArchives(const std::filesystem::path& grp) {
  constexpr int kSide = 24;
  using Seeds = SampleFaceSeeds;
  SparseArchive(1701, kSide, kSide,
                {{0, Seeds::kGame0}, {1, Seeds::kGame1}, {1193, Seeds::kGame1193}, {1700, Seeds::kGame1700}},
                Seeds::kGame0)
      .WriteTo(grp / "KAO_l.N13");
  SparseArchive(51, kSide, kSide, {{0, Seeds::kEdit0}, {50, Seeds::kEdit50}}, Seeds::kEdit0)
      .WriteTo(grp / "EDIT_KAO_l.N13");
}

void WriteBuiltinGeneralList(const std::filesystem::path& file, const std::map<int, int>& faces,
                             const std::function<std::array<int, 4>(int)>& abilities) {
  std::string text;
  for (int general = 0; general < 2306; ++general) {
    const auto face = faces.find(general);
    const std::array<int, 4> values = abilities ? abilities(general) : std::array<int, 4>{1, 2, 3, 4};
    text += "B" + std::to_string(general) + "\t" + std::to_string(face == faces.end() ? 0 : face->second);
    for (int value : values) text += "\t" + std::to_string(value);
    text += "\n";
  }
  WriteFileBytes(file, text);
}

}  // namespace tavlor::testing
