#include "data/quick_learning.h"

#include <algorithm>
#include <tuple>

#include "data/text_encoding.h"
#include "runtime/case_fold.h"
#include "runtime/utf8.h"

namespace oravin {
namespace {

// The first line of the file; another one is a file of some other program or version.
constexpr std::string_view kHeader = "Oravin quick open picks 1";
constexpr size_t kFields = 6;
// A count past this would be a file written by hand; and a clock past this,
// read as a double somewhere, would lose its order.
constexpr uint64_t kMostTimes = 1'000'000'000, kMostClock = uint64_t(1) << 53;

bool IsBlank(wchar_t c) { return c == ' ' || c == '\t' || c == 0x3000; }

std::wstring Escaped(std::wstring_view text) {
  std::wstring escaped;
  for (wchar_t c : text) {
    switch (c) {
      case '\\': escaped += L"\\\\"; break;
      case '\t': escaped += L"\\t"; break;
      case '\n': escaped += L"\\n"; break;
      case '\r': escaped += L"\\r"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

bool Unescape(std::wstring_view text, std::wstring& out) {
  out.clear();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return false;
    switch (text[i]) {
      case '\\': out += '\\'; break;
      case 't': out += '\t'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      default: return false;
    }
  }
  return true;
}

bool ParseNumber(std::wstring_view text, uint64_t most, uint64_t& value) {
  if (text.empty() || text.size() > 16) return false;
  value = 0;
  for (wchar_t c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + uint64_t(c - '0');
  }
  return value <= most;
}

std::vector<std::wstring_view> Split(std::wstring_view line, wchar_t separator) {
  std::vector<std::wstring_view> parts;
  for (size_t start = 0;;) {
    const size_t end = line.find(separator, start);
    parts.push_back(line.substr(start, end - start));
    if (end == std::wstring_view::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

std::wstring QuickLearning::KeyOf(std::wstring_view query) {
  std::wstring key;
  bool blank = false;
  for (wchar_t c : query) {
    if (IsBlank(c)) {
      blank = !key.empty();
      continue;
    }
    if (blank) key += ' ';
    blank = false;
    key += FoldCase(c);
  }
  return key;
}

uint64_t QuickLearning::Query::Last() const {
  uint64_t last = 0;
  for (const Pick& pick : picks) last = std::max(last, pick.last);
  return last;
}

QuickLearning::Query* QuickLearning::Find(std::wstring_view key) {
  const auto found = std::find_if(queries_.begin(), queries_.end(), [&](const Query& q) { return q.key == key; });
  return found == queries_.end() ? nullptr : &*found;
}

void QuickLearning::Add(std::wstring key, Pick pick) {
  Query* query = Find(key);
  if (!query) query = &queries_.emplace_back(Query{std::move(key), {}});
  const auto same = std::find_if(query->picks.begin(), query->picks.end(),
                                 [&](const Pick& p) { return p.favorite == pick.favorite; });
  if (same == query->picks.end()) {
    query->picks.push_back(std::move(pick));
  } else {
    same->times = uint32_t(std::min<uint64_t>(uint64_t(same->times) + pick.times, kMostTimes));
    same->last = std::max(same->last, pick.last);
  }
  clock_ = std::max(clock_, pick.last);
}

void QuickLearning::KeepBounds() {
  const auto later = [](const auto& a, const auto& b) { return a.last > b.last; };
  for (Query& query : queries_) {
    if (query.picks.size() <= kMostPerQuery) continue;
    std::sort(query.picks.begin(), query.picks.end(), later);
    query.picks.resize(kMostPerQuery);
  }
  if (queries_.size() <= kMostQueries) return;
  std::sort(queries_.begin(), queries_.end(), [](const Query& a, const Query& b) { return a.Last() > b.Last(); });
  queries_.resize(kMostQueries);
}

void QuickLearning::Opened(std::wstring_view query, const LearnedFavorite& favorite) {
  std::wstring key = KeyOf(query);
  if (key.empty()) return;
  Add(std::move(key), {favorite, 1, clock_ + 1});
  KeepBounds();
}

const LearnedFavorite* QuickLearning::MostOpenedWith(std::wstring_view query) const {
  const std::wstring key = KeyOf(query);
  for (const Query& q : queries_) {
    if (q.key != key) continue;
    const auto most = std::max_element(q.picks.begin(), q.picks.end(), [](const Pick& a, const Pick& b) {
      return std::tie(a.times, a.last) < std::tie(b.times, b.last);
    });
    return most == q.picks.end() ? nullptr : &most->favorite;
  }
  return nullptr;
}

std::vector<std::pair<LearnedFavorite, uint32_t>> QuickLearning::TimesOpened() const {
  std::vector<std::pair<LearnedFavorite, uint32_t>> totals;
  for (const Query& q : queries_) {
    for (const Pick& pick : q.picks) {
      const auto same = std::find_if(totals.begin(), totals.end(), [&](const auto& t) { return t.first == pick.favorite; });
      if (same == totals.end()) {
        totals.emplace_back(pick.favorite, pick.times);
      } else {
        same->second += pick.times;
      }
    }
  }
  return totals;
}

void QuickLearning::Forget(const LearnedFavorite& favorite) {
  for (Query& q : queries_) std::erase_if(q.picks, [&](const Pick& p) { return p.favorite == favorite; });
  std::erase_if(queries_, [](const Query& q) { return q.picks.empty(); });
}

std::string QuickLearning::FileText() const {
  std::wstring text;
  for (const Query& q : queries_) {
    for (const Pick& p : q.picks) {
      text += Escaped(q.key) + L'\t' + std::to_wstring(p.times) + L'\t' + std::to_wstring(p.last) + L'\t' +
              Escaped(p.favorite.list) + L'\t' + Escaped(p.favorite.title) + L'\t' + Escaped(p.favorite.address) +
              L"\r\n";
    }
  }
  return std::string(kHeader) + "\r\n" + EncodeUtf8(text);
}

QuickLearning QuickLearning::FromFile(std::string_view bytes) {
  QuickLearning learning;
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (!bytes.starts_with(kHeader)) return learning;
  const std::wstring text = DecodeUtf8(bytes);
  std::vector<std::wstring_view> lines = Split(text, '\n');
  if (lines.front().substr(0, lines.front().find('\r')) != std::wstring(kHeader.begin(), kHeader.end())) return learning;
  for (size_t i = 1; i < lines.size(); ++i) {
    std::wstring_view line = lines[i];
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::vector<std::wstring_view> fields = Split(line, '\t');
    if (fields.size() != kFields) continue;
    std::wstring key, list, title, address;
    uint64_t times = 0, last = 0;
    if (!Unescape(fields[0], key) || key != KeyOf(key) || key.empty() || !ParseNumber(fields[1], kMostTimes, times) ||
        times == 0 || !ParseNumber(fields[2], kMostClock, last) || !Unescape(fields[3], list) ||
        !Unescape(fields[4], title) || !Unescape(fields[5], address)) {
      continue;
    }
    learning.Add(std::move(key), {{std::move(list), std::move(title), std::move(address)}, uint32_t(times), last});
  }
  learning.KeepBounds();
  return learning;
}

}  // namespace oravin
