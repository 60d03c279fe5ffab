#include "data/pinyin.h"

#include <vector>

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

ReadingLetters LettersOf(wchar_t c) {
  static const std::vector<ReadingLetters> table = [] {
    std::vector<ReadingLetters> letters(kLast - kFirst + 1);
    for (char32_t point = kFirst; point <= kLast; ++point) {
      const PinyinReadings readings = ReadingsOf(wchar_t(point));
      ReadingLetters& of = letters[point - kFirst];
      for (size_t r = 0; r < readings.size(); ++r) {
        of.initials |= uint32_t(1) << (readings[r][0] - 'a');
        for (const char letter : readings[r]) of.all |= uint32_t(1) << (letter - 'a');
      }
    }
    return letters;
  }();
  const char32_t point = char32_t(c);
  return point < kFirst || point > kLast ? ReadingLetters{} : table[point - kFirst];
}

}  // namespace oravin
