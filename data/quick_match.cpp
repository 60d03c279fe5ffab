#include "data/quick_match.h"

#include <algorithm>
#include <bit>
#include <compare>

#include "data/best_matches.h"
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

// The index keeps its texts in UTF-16 on every system, as Windows does: half
// the memory where wchar_t is UTF-32, with the same places and lengths.
using Text = std::u16string;
using TextView = std::u16string_view;

size_t UnitsOf(std::wstring_view text) {
  size_t units = text.size();
  if constexpr (sizeof(wchar_t) == 4) {
    for (const wchar_t c : text) units += uint32_t(c) > 0xFFFF ? 1 : 0;
  }
  return units;
}

// Writes the text folded from `out` on, and returns where it ends.
char16_t* PutFolded(std::wstring_view text, char16_t* out) {
  for (const wchar_t original : text) {
    const uint32_t c = uint32_t(Fold(original));
    if constexpr (sizeof(wchar_t) == 4) {
      if (c > 0xFFFF) {
        *out++ = char16_t(0xD800 + ((c - 0x10000) >> 10));
        *out++ = char16_t(0xDC00 + (c & 0x3FF));
        continue;
      }
    }
    *out++ = char16_t(c);
  }
  return out;
}

Text Folded(std::wstring_view text) {
  Text folded(UnitsOf(text), u'\0');
  PutFolded(text, folded.data());
  return folded;
}

// Where the word (of one character or more) is in the text from `from` on. By
// hand: titles are short, and the library's search makes two calls at each
// place the first letter is.
size_t Find(TextView text, TextView word, size_t from = 0) {
  if (word.size() > text.size()) return TextView::npos;
  const char16_t first = word[0];
  for (size_t i = from, last = text.size() - word.size(); i <= last; ++i) {
    if (text[i] == first && std::equal(word.begin() + 1, word.end(), text.begin() + ptrdiff_t(i) + 1)) return i;
  }
  return TextView::npos;
}

bool IsLatinWordChar(wchar_t c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

bool StartsWord(TextView text, size_t i) {
  return i == 0 || !IsLatinWordChar(text[i - 1]) || !IsLatinWordChar(text[i]);
}

// A bit standing for a folded character: one for each letter and digit, the
// other characters sharing the remaining 28. A word whose bits a text lacks
// cannot match it.
uint64_t CharBit(char16_t c) {
  if (c >= 'a' && c <= 'z') return uint64_t(1) << (c - 'a');
  if (c >= '0' && c <= '9') return uint64_t(1) << (26 + c - '0');
  return uint64_t(1) << (36 + uint32_t(c) % 28);
}

uint64_t CharBits(TextView text) {
  uint64_t bits = 0;
  for (const char16_t c : text) bits |= CharBit(c);
  return bits;
}

bool IsSchemeChar(wchar_t c) { return IsLatinWordChar(c) || c == '+' || c == '-' || c == '.'; }

// How much of a folded address is its "scheme://", and how much with a
// "www." after it: the part a word need not match.
struct LeftOut {
  size_t scheme = 0;
  size_t all = 0;
};

LeftOut LeftOutOf(TextView address) {
  LeftOut left;
  const size_t colon = address.find(u"://");
  if (colon != TextView::npos && colon > 0 && std::all_of(address.begin(), address.begin() + colon, IsSchemeChar))
    left.scheme = colon + 3;
  left.all = left.scheme + (address.substr(left.scheme).starts_with(u"www.") ? 4 : 0);
  return left;
}

// "http:" or "http:/", on the way to "http://". A drive ("c:") is no scheme.
bool IsSchemeBeingTyped(TextView word) {
  const size_t colon = word.find(u':');
  if (colon == TextView::npos || colon < 2) return false;
  const TextView tail = word.substr(colon);
  return (tail == u":" || tail == u":/") && std::all_of(word.begin(), word.begin() + colon, IsSchemeChar);
}

struct Word {
  Text text;  // folded
  TextView rest;     // after its scheme, typed whole or not yet
  TextView address;  // after its scheme and "www."
  uint64_t chars;
  uint64_t addressChars;
};

std::vector<Word> WordsOf(std::wstring_view query) {
  const Text folded = Folded(query);
  std::vector<Word> words;
  for (size_t end = 0;;) {
    const size_t begin = folded.find_first_not_of(u' ', end);
    if (begin == Text::npos) break;
    end = std::min(folded.find(u' ', begin), folded.size());
    words.push_back({folded.substr(begin, end - begin), {}, {}, 0, 0});
  }
  for (Word& word : words) {
    const TextView text = word.text;
    const LeftOut left = LeftOutOf(text);
    word.rest = IsSchemeBeingTyped(text) ? TextView() : text.substr(left.scheme);
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
bool AddressHas(TextView address, LeftOut left, uint64_t addressChars, const Word& word) {
  if (word.address.empty()) return true;
  if ((word.addressChars & ~addressChars) == 0 && Find(address.substr(left.all), word.address) != TextView::npos)
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
uint64_t ReadingSteps(PinyinReadings readings, TextView word, size_t k) {
  const TextView rest = word.substr(k);
  uint64_t steps = 0;
  for (size_t r = 0; r < readings.size(); ++r) {
    const std::string_view syllable = readings[r];
    size_t same = 0;
    while (same < rest.size() && same < syllable.size() && rest[same] == char16_t(syllable[same])) ++same;
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
bool Spells(TextView title, size_t start, TextView word) {
  const uint64_t whole = Bit(word.size());
  uint64_t spelled = 1;
  for (size_t i = start; i < title.size() && spelled != 0; ++i) {
    uint64_t next = 0;
    for (uint64_t ways = spelled; ways != 0; ways &= ways - 1) {
      const size_t k = size_t(std::countr_zero(ways));
      const char16_t c = word[k];
      if (title[i] == c) next |= Bit(k + 1);
      if (c >= 'a' && c <= 'z' && (LettersOf(wchar_t(title[i])).initials >> (c - 'a') & 1))
        next |= ReadingSteps(ReadingsOf(wchar_t(title[i])), word, k);
    }
    if (next & whole) return true;
    spelled = next;
  }
  return false;
}

Place TextPlace(TextView title, TextView word) {
  size_t at = Find(title, word);
  if (at == TextView::npos) return kNoMatch;
  if (at == 0) return kBeginsTitle;
  for (; at != TextView::npos; at = Find(title, word, at + 1)) {
    if (StartsWord(title, at)) return kStartsWord;
  }
  return kInsideTitle;
}

Place TitlePlace(TextView title, TextView word) {
  const Place text = TextPlace(title, word);
  if (text == kBeginsTitle || word.size() > kMaxSpelled) return text;
  if (Spells(title, 0, word)) return kBeginsTitle;
  if (text == kStartsWord) return text;
  for (size_t i = 1; i < title.size(); ++i) {
    if (StartsWord(title, i) && Spells(title, i, word)) return kStartsWord;
  }
  return text;
}

}  // namespace

QuickIndex::List::List(std::span<const Favorite> favorites) {
  // Each text is folded straight into its place, all in one allocation.
  size_t units = 0;
  for (const Favorite& favorite : favorites) units += UnitsOf(favorite.title) + UnitsOf(favorite.address);
  text.resize(units);
  entries.resize(favorites.size());
  char16_t* const begin = text.data();
  char16_t* at = begin;
  for (size_t i = 0; i < favorites.size(); ++i) {
    const Favorite& favorite = favorites[i];
    Entry& entry = entries[i];
    entry.title = uint32_t(at - begin);
    at = PutFolded(favorite.title, at);
    entry.titleLength = uint32_t(at - begin) - entry.title;
    uint64_t titleChars = 0;
    for (const char16_t c : TextView(begin + entry.title, entry.titleLength)) {
      titleChars |= CharBit(c) | LettersOf(wchar_t(c)).all;
    }
    entry.titleChars = titleChars;
    const char16_t* const address = at;
    at = PutFolded(favorite.address, at);
    entry.addressLength = uint32_t(at - address);
    const TextView folded(address, entry.addressLength);
    const LeftOut left = LeftOutOf(folded);
    entry.scheme = uint32_t(left.scheme);
    entry.www = left.all != left.scheme;
    entry.addressChars = CharBits(folded.substr(left.all));
  }
}

void QuickIndex::SetList(size_t which, List indexed) {
  if (which >= lists_.size()) lists_.resize(which + 1);
  lists_[which] = std::move(indexed);
}

void QuickIndex::Hide(size_t which, std::vector<bool> hidden) {
  if (which < lists_.size()) lists_[which].hidden = std::move(hidden);
}

std::vector<QuickMatch> QuickIndex::Search(std::wstring_view query, size_t limit) const {
  BestMatches<RankedMatch> best(limit);
  if (limit > 0) EachMatch(query, [&](const RankedMatch& match) { best.Offer(match); });
  std::vector<QuickMatch> matches;
  for (const RankedMatch& ranked : std::move(best).BestFirst()) matches.push_back(ranked.match());
  return matches;
}

void QuickIndex::EachMatch(std::wstring_view query, const std::function<void(const RankedMatch&)>& found) const {
  const std::vector<Word> words = WordsOf(query);
  if (words.empty()) return;
  for (size_t which = 0; which < lists_.size(); ++which) {
    const List& list = lists_[which];
    const TextView text = list.text;
    for (uint32_t i = 0; i < list.entries.size(); ++i) {
      if (!list.hidden.empty() && list.hidden[i]) continue;
      const List::Entry& entry = list.entries[i];
      const TextView title = text.substr(entry.title, entry.titleLength);
      Place worst = kBeginsTitle;
      for (size_t w = 0; w < words.size() && worst != kNoMatch; ++w) {
        const Word& word = words[w];
        Place place = kNoMatch;
        if ((word.chars & ~entry.titleChars) == 0) place = TitlePlace(title, word.text);
        if (place == kNoMatch &&
            AddressHas(text.substr(entry.title + entry.titleLength, entry.addressLength),
                       {entry.scheme, entry.scheme + (entry.www ? 4u : 0u)}, entry.addressChars, word)) {
          place = kAddressOnly;
        }
        // Only the first word is asked to begin the title.
        if (w > 0 && place == kStartsWord) place = kBeginsTitle;
        worst = std::max(worst, place);
      }
      if (worst != kNoMatch) found({worst, entry.titleLength, which, i});
    }
  }
}

}  // namespace oravin
