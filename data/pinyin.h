#pragma once
// The Mandarin readings of the CJK ideographs (Extension A and the Unified
// Ideographs, U+3400 to U+9FFF), from the Unihan database: every reading a
// dictionary there gives, without tones, in lowercase ASCII with "ü" written
// "v" as it is typed (绿 "lv"). Other characters have none.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace oravin {

// The readings of one character, in alphabetical order: 重 "chong", "tong", "zhong".
class PinyinReadings {
 public:
  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  std::string_view operator[](size_t i) const;

 private:
  friend PinyinReadings ReadingsOf(wchar_t c);
  // One reading: its syllable's number; several: where their numbers start.
  uint16_t first_ = 0;
  uint8_t count_ = 0;
};

PinyinReadings ReadingsOf(wchar_t c);

// The letters of a character's readings as bits, 'a' the lowest: those that
// begin a reading, and all. Looked up in a table made at first use, as they
// are asked for every character of every title.
struct ReadingLetters {
  uint32_t initials = 0;
  uint32_t all = 0;
};
ReadingLetters LettersOf(wchar_t c);

}  // namespace oravin
