#include "data/pinyin.h"

#include "data/pinyin_table.h"

namespace oravin {
namespace {

using namespace pinyin_table;

// A number of `bits` (9 to 12) kept as its low byte and the bits above, packed.
unsigned Unpack(const uint8_t* low, const uint8_t* high, unsigned bits, size_t i) {
  const unsigned highBits = bits - 8;
  const unsigned perByte = 8 / highBits;
  return low[i] | ((high[i / perByte] >> (i % perByte * highBits)) & ((1u << highBits) - 1)) << 8;
}

std::string_view Syllable(unsigned number) {
  const unsigned begin = number == 0 ? 0 : kSyllableEnds[number - 1];
  return {kSyllableLetters + begin, size_t(kSyllableEnds[number] - begin)};
}

}  // namespace

std::string_view PinyinReadings::operator[](size_t i) const {
  return Syllable(count_ == 1 ? first_ : Unpack(kSetLow, kSetHigh, kSyllableBits, first_ + i));
}

PinyinReadings ReadingsOf(wchar_t c) {
  PinyinReadings readings;
  const char32_t point = char32_t(c);
  if (point < kFirst || point > kLast) return readings;
  const unsigned code = Unpack(kCodeLow, kCodeHigh, kCodeBits, point - kFirst);
  if (code == kNoReading) return readings;
  if (code < kSyllableCount) {
    readings.first_ = uint16_t(code);
    readings.count_ = 1;
    return readings;
  }
  // The sets are ordered by size: the last size whose first code is not above this one.
  const SetsOfSize* sets = kSets;
  while (sets + 1 < kSets + kSetSizeCount && sets[1].firstCode <= code) ++sets;
  readings.first_ = uint16_t(sets->firstPosition + (code - sets->firstCode) * sets->size);
  readings.count_ = sets->size;
  return readings;
}

}  // namespace oravin
