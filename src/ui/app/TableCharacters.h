// The characters the character tables give to codes that have none of their own in GBK or Big5
// (user-defined codes, GBK codes carried through Big5 text), and the way back, as the codec
// boundary needs them. Rebuilt whenever the shared tables are loaded again.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <unordered_map>

namespace tavlor {

class TableCharacters {
 public:
  // The instance for the shared tables as they are now.
  static const TableCharacters& Current();

  // A Big5 user-defined code (kana, the characters Big5 lacks): its character, if the tables give one.
  std::optional<char16_t> OfBig5(uint16_t code) const;
  // A GBK user-defined code: the Shift-JIS character it stands for, if any.
  std::optional<char16_t> OfGbk(uint16_t code) const;
  // A GBK code that Big5 text carries: the Shift-JIS character it stands for, else its GBK character.
  std::optional<char16_t> OfGbkInBig5(uint16_t code) const;

  // The ways back: the code a character takes in Traditional or Simplified interface text when
  // Big5 or GBK itself has none for it.
  std::optional<uint16_t> Big5CodeOf(char16_t character) const;
  std::optional<uint16_t> GbkCodeOf(char16_t character) const;

 private:
  void Build();

  unsigned gbkJisGeneration_ = 0;
  unsigned gbBig5Generation_ = 0;
  bool gbBig5Loaded_ = false;
  std::unordered_map<uint16_t, char16_t> big5Characters_;
  std::unordered_map<uint16_t, char16_t> gbkCharacters_;
  std::unordered_map<uint16_t, char16_t> gbkInBig5Characters_;
  std::unordered_map<char16_t, uint16_t> big5Codes_;
  std::unordered_map<char16_t, uint16_t> gbkCodes_;
};

}  // namespace tavlor
