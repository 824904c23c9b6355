// Reads OpenCC's compiled dictionaries (.ocd2) and keeps their one-character entries.
#include "CharacterVariants.h"

#include <opencc/DictEntry.hpp>
#include <opencc/Lexicon.hpp>
#include <opencc/MarisaDict.hpp>

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "CodePage.h"

namespace chartables {
namespace {

VariantMap LoadDictionary(const std::filesystem::path& file) {
  std::unique_ptr<FILE, int (*)(FILE*)> handle(std::fopen(file.c_str(), "rb"), std::fclose);
  if (!handle) throw std::runtime_error("cannot open " + file.string());
  const auto dictionary = opencc::MarisaDict::NewFromFile(handle.get());
  VariantMap map;
  for (const auto& entry : *dictionary->GetLexicon()) {
    const auto key = SingleCharacter(entry->Key());
    if (!key) continue;  // phrases are not needed for single characters
    std::vector<char32_t> values;
    for (const auto& value : entry->Values()) {
      if (const auto character = SingleCharacter(value)) values.push_back(*character);
    }
    if (!values.empty()) map[*key] = std::move(values);
  }
  return map;
}

}  // namespace

CharacterVariants LoadCharacterVariants(const std::filesystem::path& openccFolder) {
  return {
      LoadDictionary(openccFolder / "TSCharacters.ocd2"), LoadDictionary(openccFolder / "STCharacters.ocd2"),
      LoadDictionary(openccFolder / "JPVariants.ocd2"), LoadDictionary(openccFolder / "JPVariantsRev.ocd2")};
}

const std::vector<char32_t>& VariantsOf(const VariantMap& map, char32_t character) {
  static const std::vector<char32_t> none;
  const auto found = map.find(character);
  return found == map.end() ? none : found->second;
}

}  // namespace chartables
