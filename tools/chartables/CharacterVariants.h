// OpenCC's single-character dictionaries: Traditional -> Simplified, Simplified -> Traditional,
// and Japanese Shinjitai <-> Traditional (Kyujitai).
#pragma once

#include <filesystem>
#include <map>
#include <vector>

namespace chartables {

// Character -> its variants in the dictionary's order (the first is the preferred one).
using VariantMap = std::map<char32_t, std::vector<char32_t>>;

struct CharacterVariants {
  VariantMap TraditionalToSimplified;  // TSCharacters
  VariantMap SimplifiedToTraditional;  // STCharacters
  VariantMap TraditionalToJapanese;    // JPVariants
  VariantMap JapaneseToTraditional;    // JPVariantsRev
};

CharacterVariants LoadCharacterVariants(const std::filesystem::path& openccFolder);

// The variants of a character, or none.
const std::vector<char32_t>& VariantsOf(const VariantMap& map, char32_t character);

}  // namespace chartables
