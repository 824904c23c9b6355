// The interface language: Simplified (the start state) or Traditional. One shared state; the
// language menu items of the list window show it and change it.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlor {

class LanguageState {
 public:
  bool IsSimplified() const { return simplified_; }
  void SetSimplified(bool simplified);

  // Called after every change of the language.
  void OnChange(std::function<void(bool simplified)> listener);

  // Interface text for showing: unchanged in Simplified, GbToBig5 in Traditional.
  std::string ForDisplay(std::string_view gbk) const;
  // Text taken from the user: unchanged in Simplified, Big5ToGb in Traditional.
  std::string FromInput(std::string_view shown) const;

 private:
  bool simplified_ = true;
  std::vector<std::function<void(bool)>> listeners_;
};

LanguageState& SharedLanguageState();
inline bool IsSimplified() {
  return SharedLanguageState().IsSimplified();
}

}  // namespace tavlor
