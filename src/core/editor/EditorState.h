// The editor state: the choices of the editor window that are not held in a text control.
#pragma once

#include <cstdint>

namespace tavlor {

struct EditorState {
  int CurSex = 1;
  int CurOrigin = 0;
  int CurStatus = 7;
  int32_t CurVoice = 4;
  int CurCity = 36;
  int CurFace = 0;
  int CurLinkSlot = 0;

  bool operator==(const EditorState&) const = default;
};

}  // namespace tavlor
