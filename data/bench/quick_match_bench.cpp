// Quick open over both lists full (2 x 32,767 favorites, Chinese and Latin
// titles mixed): one search per keystroke as words are typed, and at a
// quarter, half and all of that to show how it grows; the index build.
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "data/quick_match.h"
#include "testing/bench_main.h"

namespace oravin {
namespace {

constexpr int kFullList = 32767;
constexpr size_t kShown = 9;
constexpr size_t kWebsites = 0, kFolders = 1;

const wchar_t* const kChineseWords[] = {
    L"百度", L"新闻", L"音乐", L"视频", L"银行", L"重庆", L"北京", L"上海", L"地图", L"邮箱", L"天气", L"购物",
    L"论坛", L"学习", L"资料", L"工具", L"下载", L"软件", L"游戏", L"小说", L"图片", L"翻译", L"官网", L"首页",
    L"文档", L"项目", L"照片", L"备份", L"工作", L"报告", L"电影", L"旅游", L"美食", L"健康", L"体育", L"财经"};
const wchar_t* const kLatinWords[] = {L"GitHub", L"Google", L"QQ",   L"Wiki",   L"Mail", L"Docs",  L"News",
                                      L"Music",  L"Video",  L"Blog", L"Store",  L"API",  L"Cloud", L"Home",
                                      L"Office", L"Design", L"Maps", L"Report", L"Code", L"Photos"};

template <size_t n>
const wchar_t* Pick(const wchar_t* const (&words)[n], std::mt19937& random) {
  return words[random() % n];
}

// Two in three titles Chinese, some with a Latin name in them; the others Latin.
std::vector<Favorite> Favorites(int count, bool folders, std::mt19937& random) {
  std::vector<Favorite> favorites;
  for (int i = 0; i < count; ++i) {
    std::wstring title;
    const int words = 2 + int(random() % 3);
    const bool chinese = random() % 3 != 0;
    for (int w = 0; w < words; ++w) {
      const bool latin = !chinese || random() % 5 == 0;
      if (latin && !title.empty()) title += L' ';
      title += latin ? Pick(kLatinWords, random) : Pick(kChineseWords, random);
    }
    title += L' ' + std::to_wstring(i);
    favorites.push_back({title, folders ? L"D:\\资料\\" + title : L"https://www.site" + std::to_wstring(i) + L".example.com/"});
  }
  return favorites;
}

QuickIndex Index(int perList) {
  std::mt19937 random(1);
  QuickIndex index;
  index.SetList(kWebsites, Favorites(perList, false, random));
  index.SetList(kFolders, Favorites(perList, true, random));
  return index;
}

// Each keystroke of these words, as they are typed: pinyin, initials, Latin, Chinese.
std::vector<std::wstring> Keystrokes() {
  std::vector<std::wstring> keystrokes;
  for (const std::wstring word : {L"baidu", L"yyh", L"chongqing", L"github", L"zxwd", L"音乐", L"qqyy", L"site12"}) {
    for (size_t length = 1; length <= word.size(); ++length) keystrokes.push_back(word.substr(0, length));
  }
  return keystrokes;
}

void BuildIndex(benchmark::State& state) {
  std::mt19937 random(1);
  const std::vector<Favorite> websites = Favorites(int(state.range(0)), false, random);
  const std::vector<Favorite> folders = Favorites(int(state.range(0)), true, random);
  for (auto _ : state) {
    QuickIndex index;
    index.SetList(kWebsites, websites);
    index.SetList(kFolders, folders);
    benchmark::DoNotOptimize(index);
  }
}

// One search per iteration, the keystrokes in turn.
void Keystroke(benchmark::State& state) {
  const QuickIndex index = Index(int(state.range(0)));
  const std::vector<std::wstring> keystrokes = Keystrokes();
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(index.Search(keystrokes[next], kShown));
    next = (next + 1) % keystrokes.size();
  }
}

// The first letter typed: nearly every title has a character read with it.
void FirstLetter(benchmark::State& state) {
  const QuickIndex index = Index(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(index.Search(L"s", kShown));
}

BENCHMARK(BuildIndex)->Arg(kFullList)->Unit(benchmark::kMillisecond);
BENCHMARK(Keystroke)->Arg(4096)->Arg(8192)->Arg(16384)->Arg(kFullList)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstLetter)->Arg(kFullList)->Unit(benchmark::kMillisecond);

void Summarize(const BenchTimes& ms) {
  const auto keystroke = [&](int perList) { return ms.at("Keystroke/" + std::to_string(perList)); };
  const double full = keystroke(kFullList), eighth = keystroke(4096);
  std::printf("\nBuilding the index of 2 x %d favorites: %.1f ms.\n", kFullList, ms.at("BuildIndex/32767"));
  std::printf("A keystroke over 2 x %d favorites: %.2f ms on average (%zu keystrokes), %.2f ms for the first letter.\n",
              kFullList, full, Keystrokes().size(), ms.at("FirstLetter/32767"));
  std::printf("From 8k to 64k favorites: %.2f, %.2f, %.2f, %.2f ms (n^%.2f).\n", eighth, keystroke(8192),
              keystroke(16384), full, std::log(full / eighth) / std::log(2.0 * kFullList / 8192));
}

}  // namespace
}  // namespace oravin

int main(int argc, char** argv) { return oravin::RunBenchmarks(argc, argv, oravin::Summarize); }
