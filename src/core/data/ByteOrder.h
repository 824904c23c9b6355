// Little-endian reading and writing of the game's integers at fixed offsets of a byte buffer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavlor {

inline int32_t ReadLong(const uint8_t* at) {
  const uint32_t value =
      uint32_t{at[0]} | (uint32_t{at[1]} << 8) | (uint32_t{at[2]} << 16) | (uint32_t{at[3]} << 24);
  return static_cast<int32_t>(value);
}

inline int16_t ReadInteger(const uint8_t* at) {
  const uint16_t value = static_cast<uint16_t>(at[0] | (at[1] << 8));
  return static_cast<int16_t>(value);
}

inline void WriteLong(uint8_t* at, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(bits >> (8 * i));
}

inline void WriteInteger(uint8_t* at, int16_t value) {
  const auto bits = static_cast<uint16_t>(value);
  at[0] = static_cast<uint8_t>(bits);
  at[1] = static_cast<uint8_t>(bits >> 8);
}

}  // namespace tavlor
