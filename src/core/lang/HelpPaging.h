// The help viewer's page: which topic its five buttons show next. Topics are numbered from 1.
#pragma once

namespace tavlor {

class HelpPaging {
 public:
  // After (re)reading the guide: HelpPage 1, no topic shown yet.
  void Restart(int topicCount) {
    HelpTopicCount = topicCount < 0 ? 0 : topicCount;
    HelpPage = 1;
  }

  // "上一步": one topic back, never below 1. Returns the topic to show.
  int Previous() {
    HelpPage = HelpPage > 1 ? HelpPage - 1 : 1;
    return HelpPage;
  }
  // "下一步": one topic on, never beyond the last (so 0 when there is none). Returns the topic.
  int Next() {
    ++HelpPage;
    if (HelpPage > HelpTopicCount) HelpPage = HelpTopicCount;
    return HelpPage;
  }
  // "开  始": the topic of the current page.
  int Current() const { return HelpPage; }

  // Whether topic `n` exists; showing any other number shows nothing.
  bool HasTopic(int n) const { return n >= 1 && n <= HelpTopicCount; }

  int HelpPage = 1;
  int HelpTopicCount = 0;
};

}  // namespace tavlor
