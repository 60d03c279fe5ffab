#pragma once
// The readings table that data/make_pinyin_table.py writes at build time; read
// it through data/pinyin.h. The script's comment describes the layout.
#include <cstdint>

namespace oravin::pinyin_table {

inline constexpr char32_t kFirst = 0x3400;
inline constexpr char32_t kLast = 0x9FFF;
inline constexpr unsigned kCodeBits = 12;
inline constexpr unsigned kSyllableBits = 9;
inline constexpr unsigned kNoReading = (1u << kCodeBits) - 1;

// The sets of `size` readings: codes from firstCode on, their syllable
// numbers from firstPosition on, `size` to a set.
struct SetsOfSize {
  uint8_t size;
  uint16_t firstCode;
  uint16_t firstPosition;
};

extern const uint16_t kSyllableCount;
extern const char kSyllableLetters[];
extern const uint16_t kSyllableEnds[];
extern const uint8_t kCodeLow[];
extern const uint8_t kCodeHigh[];
extern const uint8_t kSetLow[];
extern const uint8_t kSetHigh[];
extern const uint8_t kSetSizeCount;
extern const SetsOfSize kSets[];

}  // namespace oravin::pinyin_table
