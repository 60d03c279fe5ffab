// Quick open with the browsers' bookmarks and what it learned: building the
// index of both lists full (2 x 32,767) and 20,000 bookmarks, a keystroke
// over it all, and reading a Bookmarks file of 20,000 links (about 6 MB, as
// Chrome writes them) until they are indexed, and what of that the window does.
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "app/browser_bookmarks.h"
#include "data/quick_ranking.h"
#include "data/text_encoding.h"
#include "testing/bench_main.h"

namespace oravin {
namespace {

constexpr int kFullList = 32767;
constexpr int kBookmarks = 20000;
constexpr size_t kShown = 9;
constexpr size_t kBookmarksSlot = 2;

const char* const kWords[] = {"百度", "新闻", "音乐", "视频", "银行", "地图", "邮箱", "天气", "购物", "学习",
                              "GitHub", "Google", "Wiki", "Mail", "Docs", "News", "Cloud", "Home", "Code", "Maps"};

std::string TitleOf(int i, std::mt19937& random) {
  std::string title;
  for (int w = 0; w < 3; ++w) title += std::string(kWords[random() % std::size(kWords)]) + " ";
  return title + std::to_string(i);
}

std::wstring Wide(const std::string& utf8) { return DecodeUtf8(utf8); }

std::vector<Favorite> ListOf(int count, const std::wstring& prefix, std::mt19937& random) {
  std::vector<Favorite> favorites;
  for (int i = 0; i < count; ++i) {
    favorites.push_back({Wide(TitleOf(i, random)), prefix + std::to_wstring(i) + L".example.com/"});
  }
  return favorites;
}

// As Chrome writes it: every link with its dates, ids and GUID, in folders of 100 links.
std::string BookmarksFile(int links) {
  std::mt19937 random(7);
  std::string file = R"({"checksum":"0","roots":{"bookmark_bar":{"children":[)";
  for (int i = 0; i < links; ++i) {
    if (i % 100 == 0) file += std::string(i ? "]}," : "") + R"({"type":"folder","name":"文件夹","children":[)";
    else file += ",";
    file += R"({"date_added":"13345678901234567","date_last_used":"13345678901234567","guid":"0a1b2c3d-4e5f-6071-8293-)" +
            std::to_string(100000000000 + i) + R"(","id":")" + std::to_string(i + 10) +
            R"(","meta_info":{"power_bookmark_meta":""},"name":")" + TitleOf(i, random) +
            R"(","type":"url","url":"https://www.bookmark)" + std::to_string(i) + R"(.example.com/some/path?q=1"})";
  }
  file += R"(]}],"type":"folder"},"other":{"children":[],"type":"folder"},"synced":{"children":[],"type":"folder"}},"version":1})";
  return file;
}

struct Everything {
  std::vector<std::vector<Favorite>> lists;
  BrowserBookmarks bookmarks;
};

const Everything& Favorites() {
  static const Everything everything = [] {
    std::mt19937 random(1);
    Everything e;
    e.lists = {ListOf(kFullList, L"https://www.site", random), ListOf(kFullList, L"D:\\资料\\", random)};
    const ProfileBookmarks profile{0, *ParseChromiumBookmarks(BookmarksFile(kBookmarks))};
    e.bookmarks = MergeBookmarks({&profile, 1});
    return e;
  }();
  return everything;
}

void Index(QuickRanking& ranking) {
  const Everything& e = Favorites();
  ranking.SetList(0, L"Websites", e.lists[0]);
  ranking.SetList(1, L"FolderList", e.lists[1]);
  ranking.SetList(kBookmarksSlot, L"Browsers", e.bookmarks.favorites);
  ranking.Hide(kBookmarksSlot, ListedBookmarks(e.bookmarks, e.lists));
}

void BuildIndexWithBookmarks(benchmark::State& state) {
  Favorites();
  for (auto _ : state) {
    QuickRanking ranking;
    Index(ranking);
    benchmark::DoNotOptimize(ranking);
  }
}

// One search per iteration, each keystroke of the words in turn, with a
// learning full of picks.
void KeystrokeWithBookmarksAndLearning(benchmark::State& state) {
  QuickRanking ranking;
  Index(ranking);
  std::vector<std::wstring> keystrokes;
  for (const std::wstring word : {L"baidu", L"yyh", L"github", L"xwyx", L"音乐", L"bookmark12"}) {
    for (size_t length = 1; length <= word.size(); ++length) keystrokes.push_back(word.substr(0, length));
  }
  QuickLearning learning;
  for (size_t i = 0; i < QuickLearning::kMostQueries; ++i) {
    const Favorite& picked = Favorites().lists[0][i * 61];
    learning.Opened(keystrokes[i % keystrokes.size()] + std::to_wstring(i % 3), {L"Websites", picked.title, picked.address});
  }
  ranking.SetLearning(learning);
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ranking.Search(keystrokes[next], kShown));
    next = (next + 1) % keystrokes.size();
  }
  state.counters["keystrokes"] = double(keystrokes.size());
}

// From the file's bytes to the bookmarks searchable: parsed, merged and
// indexed on the reading thread, and those the lists hold left out.
void ReadAndIndexBookmarksFile(benchmark::State& state) {
  const std::string file = BookmarksFile(kBookmarks);
  const Everything& e = Favorites();
  state.counters["MB"] = double(file.size()) / 1e6;
  for (auto _ : state) {
    const ProfileBookmarks profile{0, *ParseChromiumBookmarks(file)};
    IndexedBookmarks indexed = IndexBookmarks({&profile, 1});
    QuickIndex index;
    index.SetList(0, std::move(indexed.index));
    index.Hide(0, ListedBookmarks(indexed.bookmarks, e.lists));
    benchmark::DoNotOptimize(index);
  }
}

// The window's part of it: taking the bookmarks indexed, leaving out those the lists hold.
void WindowTakesIndexedBookmarks(benchmark::State& state) {
  const Everything& e = Favorites();
  QuickRanking ranking;
  Index(ranking);
  const ProfileBookmarks profile{0, *ParseChromiumBookmarks(BookmarksFile(kBookmarks))};
  for (auto _ : state) {
    state.PauseTiming();
    IndexedBookmarks indexed = IndexBookmarks({&profile, 1});
    state.ResumeTiming();
    const BrowserBookmarks bookmarks = std::move(indexed.bookmarks);
    ranking.SetList(kBookmarksSlot, L"Browsers", bookmarks.favorites, std::move(indexed.index));
    ranking.Hide(kBookmarksSlot, ListedBookmarks(bookmarks, e.lists));
  }
}

void ParseBookmarksFile(benchmark::State& state) {
  const std::string file = BookmarksFile(kBookmarks);
  for (auto _ : state) benchmark::DoNotOptimize(ParseChromiumBookmarks(file));
}

BENCHMARK(BuildIndexWithBookmarks)->Unit(benchmark::kMillisecond);
BENCHMARK(KeystrokeWithBookmarksAndLearning)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAndIndexBookmarksFile)->Unit(benchmark::kMillisecond);
BENCHMARK(ParseBookmarksFile)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowTakesIndexedBookmarks)->Unit(benchmark::kMillisecond);

void Summarize(const BenchTimes& ms) {
  std::printf("\nWith 2 x %d list entries and %d browser bookmarks: building the index %.1f ms, a keystroke %.2f ms "
              "on average (with %zu queries learned).\n",
              kFullList, kBookmarks, ms.at("BuildIndexWithBookmarks"), ms.at("KeystrokeWithBookmarksAndLearning"),
              QuickLearning::kMostQueries);
  std::printf("A Bookmarks file of %d links (%.1f MB): read and indexed in %.1f ms, of which parsing %.1f ms "
              "(off the window's thread); the window's part, taking them indexed: %.1f ms.\n",
              kBookmarks, double(BookmarksFile(kBookmarks).size()) / 1e6, ms.at("ReadAndIndexBookmarksFile"),
              ms.at("ParseBookmarksFile"), ms.at("WindowTakesIndexedBookmarks"));
}

}  // namespace
}  // namespace oravin

int main(int argc, char** argv) { return oravin::RunBenchmarks(argc, argv, oravin::Summarize); }
