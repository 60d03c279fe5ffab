#include "data/quick_match.h"

#include <algorithm>
#include <bit>
#include <compare>

#include "data/pinyin.h"

namespace oravin {
namespace {

// The longest word a spelling can follow: a bit per character spelled.
constexpr size_t kMaxSpelled = 63;

// Where a word matches, best first; an entry's place is the worst of its words'.
enum Place : uint8_t { kBeginsTitle, kStartsWord, kInsideTitle, kAddressOnly, kNoMatch };

wchar_t Fold(wchar_t c) {
  if (c >= 0xFF01 && c <= 0xFF5E) c = wchar_t(c - 0xFEE0);  // full-width ASCII
  if (c == 0x3000 || c == 0xA0 || c == '\t') return ' ';
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return wchar_t(c + 0x20);
  return c;
}

std::wstring Folded(std::wstring_view text) {
  std::wstring folded(text);
  for (wchar_t& c : folded) c = Fold(c);
  return folded;
}

bool IsLatinWordChar(wchar_t c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

bool StartsWord(std::wstring_view text, size_t i) {
  return i == 0 || !IsLatinWordChar(text[i - 1]) || !IsLatinWordChar(text[i]);
}

// A bit standing for a folded character: one for each letter and digit, the
// other characters sharing the remaining 28. A word whose bits a text lacks
// cannot match it.
uint64_t CharBit(wchar_t c) {
  if (c >= 'a' && c <= 'z') return uint64_t(1) << (c - 'a');
  if (c >= '0' && c <= '9') return uint64_t(1) << (26 + c - '0');
  return uint64_t(1) << (36 + uint32_t(c) % 28);
}

uint64_t CharBits(std::wstring_view text) {
  uint64_t bits = 0;
  for (wchar_t c : text) bits |= CharBit(c);
  return bits;
}

bool IsSchemeChar(wchar_t c) { return IsLatinWordChar(c) || c == '+' || c == '-' || c == '.'; }

// How much of a folded address is its "scheme://", and how much with a
// "www." after it: the part a word need not match.
struct LeftOut {
  size_t scheme = 0;
  size_t all = 0;
};

LeftOut LeftOutOf(std::wstring_view address) {
  LeftOut left;
  const size_t colon = address.find(L"://");
  if (colon != std::wstring_view::npos && colon > 0 && std::all_of(address.begin(), address.begin() + colon, IsSchemeChar))
    left.scheme = colon + 3;
  left.all = left.scheme + (address.substr(left.scheme).starts_with(L"www.") ? 4 : 0);
  return left;
}

// "http:" or "http:/", on the way to "http://". A drive ("c:") is no scheme.
bool IsSchemeBeingTyped(std::wstring_view word) {
  const size_t colon = word.find(L':');
  if (colon == std::wstring_view::npos || colon < 2) return false;
  const std::wstring_view tail = word.substr(colon);
  return (tail == L":" || tail == L":/") && std::all_of(word.begin(), word.begin() + colon, IsSchemeChar);
}

struct Word {
  std::wstring text;  // folded
  std::wstring_view rest;     // after its scheme, typed whole or not yet
  std::wstring_view address;  // after its scheme and "www."
  uint64_t chars;
  uint64_t addressChars;
};

std::vector<Word> WordsOf(std::wstring_view query) {
  const std::wstring folded = Folded(query);
  std::vector<Word> words;
  for (size_t end = 0;;) {
    const size_t begin = folded.find_first_not_of(L' ', end);
    if (begin == std::wstring::npos) break;
    end = std::min(folded.find(L' ', begin), folded.size());
    words.push_back({folded.substr(begin, end - begin), {}, {}, 0, 0});
  }
  for (Word& word : words) {
    const std::wstring_view text = word.text;
    const LeftOut left = LeftOutOf(text);
    word.rest = IsSchemeBeingTyped(text) ? std::wstring_view() : text.substr(left.scheme);
    word.address = word.rest.empty() ? word.rest : text.substr(left.all);
    word.chars = CharBits(word.text);
    word.addressChars = CharBits(word.address);
  }
  return words;
}

// What is left of the address has what is left of the word. A word of
// nothing but a scheme and "www." narrows nothing, and one that ends inside
// them ("ww", "htt") matches the addresses that begin so, so that results
// stay while an address is typed.
bool AddressHas(std::wstring_view address, LeftOut left, uint64_t addressChars, const Word& word) {
  if (word.address.empty()) return true;
  if ((word.addressChars & ~addressChars) == 0 && address.substr(left.all).find(word.address) != std::wstring_view::npos)
    return true;
  return address.starts_with(word.text) || address.substr(left.scheme).starts_with(word.rest);
}

bool IsTwoLetterInitial(std::string_view syllable) {
  return syllable.size() > 2 && syllable[1] == 'h' && (syllable[0] == 'z' || syllable[0] == 'c' || syllable[0] == 's');
}

uint64_t Bit(size_t i) { return uint64_t(1) << i; }

// After the word's first k characters, one of the readings spells some more:
// a bit for each number of characters spelled then, or the bit of the whole
// word when it ends inside a reading.
uint64_t ReadingSteps(PinyinReadings readings, std::wstring_view word, size_t k) {
  const std::wstring_view rest = word.substr(k);
  uint64_t steps = 0;
  for (size_t r = 0; r < readings.size(); ++r) {
    const std::string_view syllable = readings[r];
    size_t same = 0;
    while (same < rest.size() && same < syllable.size() && rest[same] == wchar_t(syllable[same])) ++same;
    if (same == 0) continue;
    if (same == rest.size()) return Bit(word.size());
    steps |= Bit(k + 1);
    if (same >= 2 && IsTwoLetterInitial(syllable)) steps |= Bit(k + 2);
    if (same == syllable.size()) steps |= Bit(k + same);
  }
  return steps;
}

// Whether the word spells the title's characters from `start` on. All the
// ways of spelling are followed at once: bit k of `spelled` says the word's
// first k characters spell the characters so far.
bool Spells(std::wstring_view title, const uint32_t* initials, size_t start, std::wstring_view word) {
  const uint64_t whole = Bit(word.size());
  uint64_t spelled = 1;
  for (size_t i = start; i < title.size() && spelled != 0; ++i) {
    uint64_t next = 0;
    for (uint64_t ways = spelled; ways != 0; ways &= ways - 1) {
      const size_t k = size_t(std::countr_zero(ways));
      const wchar_t c = word[k];
      if (title[i] == c) next |= Bit(k + 1);
      if (c >= 'a' && c <= 'z' && (initials[i] >> (c - 'a') & 1)) next |= ReadingSteps(ReadingsOf(title[i]), word, k);
    }
    if (next & whole) return true;
    spelled = next;
  }
  return false;
}

Place TextPlace(std::wstring_view title, std::wstring_view word) {
  size_t at = title.find(word);
  if (at == std::wstring_view::npos) return kNoMatch;
  if (at == 0) return kBeginsTitle;
  for (; at != std::wstring_view::npos; at = title.find(word, at + 1)) {
    if (StartsWord(title, at)) return kStartsWord;
  }
  return kInsideTitle;
}

Place TitlePlace(std::wstring_view title, const uint32_t* initials, std::wstring_view word) {
  const Place text = TextPlace(title, word);
  if (text == kBeginsTitle || word.size() > kMaxSpelled) return text;
  if (Spells(title, initials, 0, word)) return kBeginsTitle;
  if (text == kStartsWord) return text;
  for (size_t i = 1; i < title.size(); ++i) {
    if (StartsWord(title, i) && Spells(title, initials, i, word)) return kStartsWord;
  }
  return text;
}

}  // namespace

void QuickIndex::SetList(size_t which, std::span<const Favorite> favorites) {
  if (which >= lists_.size()) lists_.resize(which + 1);
  List& list = lists_[which];
  list = {};
  list.entries.reserve(favorites.size());
  for (const Favorite& favorite : favorites) {
    Entry entry{};
    entry.title = uint32_t(list.titles.size());
    entry.titleLength = uint32_t(favorite.title.size());
    for (const wchar_t original : favorite.title) {
      const wchar_t c = Fold(original);
      const PinyinReadings readings = ReadingsOf(c);
      uint32_t initials = 0;
      entry.titleChars |= CharBit(c);
      for (size_t r = 0; r < readings.size(); ++r) {
        initials |= uint32_t(1) << (readings[r][0] - 'a');
        for (const char letter : readings[r]) entry.titleChars |= CharBit(wchar_t(letter));
      }
      list.titles += c;
      list.initials.push_back(initials);
    }
    const std::wstring address = Folded(favorite.address);
    const LeftOut left = LeftOutOf(address);
    entry.address = uint32_t(list.addresses.size());
    entry.addressLength = uint32_t(address.size());
    entry.scheme = uint32_t(left.scheme);
    entry.leftOut = uint32_t(left.all);
    entry.addressChars = CharBits(std::wstring_view(address).substr(left.all));
    list.addresses += address;
    list.entries.push_back(entry);
  }
}

std::vector<QuickMatch> QuickIndex::Search(std::wstring_view query, size_t limit) const {
  std::vector<RankedMatch> found = limit == 0 ? std::vector<RankedMatch>() : Matches(query);
  const size_t kept = std::min(limit, found.size());
  std::partial_sort(found.begin(), found.begin() + ptrdiff_t(kept), found.end());
  std::vector<QuickMatch> matches;
  for (size_t i = 0; i < kept; ++i) matches.push_back(found[i].match());
  return matches;
}

std::vector<RankedMatch> QuickIndex::Matches(std::wstring_view query) const {
  const std::vector<Word> words = WordsOf(query);
  std::vector<RankedMatch> found;
  if (words.empty()) return found;
  for (size_t which = 0; which < lists_.size(); ++which) {
    const List& list = lists_[which];
    const std::wstring_view titles = list.titles, addresses = list.addresses;
    for (uint32_t i = 0; i < list.entries.size(); ++i) {
      const Entry& entry = list.entries[i];
      const std::wstring_view title = titles.substr(entry.title, entry.titleLength);
      Place worst = kBeginsTitle;
      for (size_t w = 0; w < words.size() && worst != kNoMatch; ++w) {
        const Word& word = words[w];
        Place place = kNoMatch;
        if ((word.chars & ~entry.titleChars) == 0) place = TitlePlace(title, list.initials.data() + entry.title, word.text);
        if (place == kNoMatch && AddressHas(addresses.substr(entry.address, entry.addressLength), {entry.scheme, entry.leftOut},
                                          entry.addressChars, word)) {
          place = kAddressOnly;
        }
        // Only the first word is asked to begin the title.
        if (w > 0 && place == kStartsWord) place = kBeginsTitle;
        worst = std::max(worst, place);
      }
      if (worst != kNoMatch) found.push_back({worst, entry.titleLength, which, i});
    }
  }
  return found;
}

}  // namespace oravin
