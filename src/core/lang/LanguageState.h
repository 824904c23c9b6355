// The interface language: Simplified (the start state) or Traditional. One shared state; the
// language menu items of the list window show it and change it, and every window rewrites its
// texts when it changes, in the order of SwitchStep.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlor {

// The order in which a switch rewrites the windows' texts. Listeners of one step run in the
// order they were added.
enum class SwitchStep {
  CheckMarks,          // the two language menu items
  BrowserTexts,        // the portrait browser: page buttons ①..⑥ and the 15 categories
  MenuCaptions,        // the list window's menus 系统, 退出, 语言, 帮助 and their items
  TacticList,          // the editor's COB_ZF, from its hidden Simplified copy COB_ZF_BAK
  RelatedGeneralRows,  // the related-general picker's names, from the Simplified List1(6)
  GridHeadings,        // the list window's heading row
  ListButtons,         // 保存数据, 重新读取 and 自动跟随
  GridRows,            // ResetMflx: the generals' rows in the new language
  CityTooltips,        // the city picker's icons, named after ListCity (which keeps GBK)
  OtherTexts,          // the rest: window captions, labels, the editor's shown texts, Qt's texts
};

class LanguageState {
 public:
  using ListenerId = int;

  bool IsSimplified() const { return simplified_; }
  // A change tells every listener, step by step; setting the language in force tells nobody.
  void SetSimplified(bool simplified);
  // Whether the language was ever changed in this run: from then on the switch's own texts stand
  // where a few design-time texts differ from them.
  bool HasSwitched() const { return switched_; }

  // Called after every change of the language, at `step`.
  ListenerId OnChange(SwitchStep step, std::function<void(bool simplified)> listener);
  ListenerId OnChange(std::function<void(bool simplified)> listener) {
    return OnChange(SwitchStep::OtherTexts, std::move(listener));
  }
  // The listener is not called again (also when removed while a change is being told).
  void RemoveListener(ListenerId id);

  // Interface text for showing: unchanged in Simplified, GbToBig5 in Traditional.
  std::string ForDisplay(std::string_view gbk) const;
  // Text taken from the user: unchanged in Simplified, Big5ToGb in Traditional.
  std::string FromInput(std::string_view shown) const;

 private:
  struct Listener {
    ListenerId Id;
    SwitchStep Step;
    std::function<void(bool)> Call;
  };
  bool IsListening(ListenerId id) const;

  bool simplified_ = true;
  bool switched_ = false;
  ListenerId nextId_ = 1;
  std::vector<Listener> listeners_;  // kept in step order
};

LanguageState& SharedLanguageState();
inline bool IsSimplified() {
  return SharedLanguageState().IsSimplified();
}

}  // namespace tavlor
