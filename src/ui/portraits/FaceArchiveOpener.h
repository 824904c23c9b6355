// Opens face archives for a run of draws that may touch a missing or damaged archive many times
// (a browser's fills and hovers, one editor pick): each path that cannot be opened is reported once
// and then left alone, so its boxes simply stay empty.
#pragma once

#include <set>
#include <string>

namespace tavlor {

class PortraitBox;

class FaceArchiveOpener {
 public:
  // Makes `path` the currently open archive (reopened every time: another window may have opened
  // a different one since). False, without a second message, for a path that failed before; the
  // archive open before is then still open, so a caller draws nothing after a false.
  bool Open(const std::string& path);
  // Opens `path` and draws face `index` into `box`; clears the box when the archive cannot be
  // opened.
  void DrawFrom(const std::string& path, int index, PortraitBox* box);

 private:
  std::set<std::string> failed_;
};

}  // namespace tavlor
