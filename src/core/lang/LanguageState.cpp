// The shared interface language and the two directions of text it implies.
#include "core/lang/LanguageState.h"

#include "core/text/TextTables.h"

namespace tavlor {

void LanguageState::SetSimplified(bool simplified) {
  if (simplified_ == simplified) return;
  simplified_ = simplified;
  for (const auto& listener : listeners_) listener(simplified_);
}

void LanguageState::OnChange(std::function<void(bool)> listener) {
  listeners_.push_back(std::move(listener));
}

std::string LanguageState::ForDisplay(std::string_view gbk) const {
  if (simplified_) return std::string(gbk);
  return GbToBig5(gbk, SharedTextTables().GbBig5);
}

std::string LanguageState::FromInput(std::string_view shown) const {
  if (simplified_) return std::string(shown);
  return Big5ToGb(shown, SharedTextTables().GbBig5);
}

LanguageState& SharedLanguageState() {
  static LanguageState state;
  return state;
}

}  // namespace tavlor
