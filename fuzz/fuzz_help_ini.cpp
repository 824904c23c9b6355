// Fuzz target: the help guide's reader and its picture references on any text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/lang/HelpIni.h"
#include "core/lang/HelpPaging.h"

namespace {

// Every field of a topic is a piece of one line of the input.
bool IsPieceOfOneLine(const std::string& field, std::string_view text) {
  if (field.find_first_of("\r\n") != std::string::npos) return false;
  return field.empty() || text.find(field) != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const tavlor::HelpIniReading reading = tavlor::ParseHelpIni(text);
  // A topic takes at least two bytes of header and is five lines long.
  if (reading.Topics.size() > size / 2 + 1) __builtin_trap();
  for (const tavlor::HelpTopic& topic : reading.Topics) {
    if (topic.Header.size() < 2 || topic.Header.front() != '[') __builtin_trap();
    for (const std::string* field : {&topic.Header, &topic.CgPic, &topic.Name, &topic.Content, &topic.MaxPic})
      if (!IsPieceOfOneLine(*field, text)) __builtin_trap();
    for (const std::string* reference : {&topic.CgPic, &topic.MaxPic}) {
      const tavlor::HelpPicture picture = tavlor::ParseHelpPicture(*reference);
      if (picture.Kind == tavlor::HelpPictureKind::File && picture.FileName.empty()) __builtin_trap();
    }
  }
  // Paging never leaves the topics, however the buttons are pressed.
  tavlor::HelpPaging paging;
  paging.Restart(static_cast<int>(reading.Topics.size()));
  for (size_t i = 0; i < size && i < 64; ++i) {
    const int shown = (data[i] & 1) ? paging.Next() : paging.Previous();
    if (shown < 0 || shown > paging.HelpTopicCount + 1 || (shown == 0 && paging.HelpTopicCount != 0))
      __builtin_trap();
  }
  return 0;
}
