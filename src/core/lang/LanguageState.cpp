// The shared interface language, the order its listeners are told in, and the two directions of
// text it implies.
#include "core/lang/LanguageState.h"

#include <algorithm>

#include "core/text/TextTables.h"

namespace tavlor {

void LanguageState::SetSimplified(bool simplified) {
  if (simplified_ == simplified) return;
  simplified_ = simplified;
  switched_ = true;
  // A listener may add or remove listeners (a window made or closed by the switch): the ones
  // present now are told, unless removed before their turn.
  const std::vector<Listener> present = listeners_;
  for (const Listener& listener : present) {
    if (IsListening(listener.Id)) listener.Call(simplified_);
  }
}

LanguageState::ListenerId LanguageState::OnChange(SwitchStep step, std::function<void(bool)> listener) {
  const ListenerId id = nextId_++;
  const auto after =
      std::upper_bound(listeners_.begin(), listeners_.end(), step,
                       [](SwitchStep wanted, const Listener& other) { return wanted < other.Step; });
  listeners_.insert(after, Listener{id, step, std::move(listener)});
  return id;
}

void LanguageState::RemoveListener(ListenerId id) {
  std::erase_if(listeners_, [id](const Listener& listener) { return listener.Id == id; });
}

bool LanguageState::IsListening(ListenerId id) const {
  return std::any_of(listeners_.begin(), listeners_.end(),
                     [id](const Listener& listener) { return listener.Id == id; });
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
