// Game files of the window tests that pick generals: the large face archives with a few faces of
// their own and the built-in general list, each written once here for every test that needs them.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <map>

namespace tavlor::testing {

// Seeds of the faces the large sample archives hold (the red value of every pixel of a face).
struct SampleFaceSeeds {
  static constexpr int kGame0 = 9;  // also every game face not listed here
  static constexpr int kGame1 = 10;
  static constexpr int kGame1193 = 11;  // face number 4001
  static constexpr int kGame1700 = 12;  // face number 8423
  static constexpr int kEdit0 = 20;     // also every edit face not listed here
  static constexpr int kEdit50 = 21;    // face number 1750
};

// KAO_l.N13 (game faces 0..1700) and EDIT_KAO_l.N13 (edit faces 0..50) in `grp`, 24 x 24 each:
// the faces of SampleFaceSeeds have faces of their own, every other one shows its set's face 0.
void WriteLargeSampleArchives(const std::filesystem::path& grp);

// A built-in general list of the game's 2306 generals: general n is "B<n>" with face number
// faces[n] (0 when not listed) and the four values abilities(n) (1, 2, 3, 4 without a function).
void WriteBuiltinGeneralList(const std::filesystem::path& file, const std::map<int, int>& faces,
                             const std::function<std::array<int, 4>(int)>& abilities = {});

}  // namespace tavlor::testing
