// Bringing favorites over from a browser: reading a bookmarks file of 5,000
// links as Chrome exports it (icons and all), and adding its links to a list
// that holds as many already, at two sizes to show how the time grows.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "app/add_favorites.h"
#include "data/bookmark_file.h"
#include "testing/bench_main.h"
#include "testing/latin1_codec.h"

namespace oravin {
namespace {

constexpr int kLinks = 5000;
constexpr int kPerFolder = 100;
constexpr double kBudgetMs = 100;

// A favicon as Chrome stores it in the file: a PNG as a data: address of about 1 KB.
std::string Icon(int i) { return "data:image/png;base64," + std::string(1000, char('A' + i % 26)); }

std::string BookmarksFile(int links) {
  std::string file =
      "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<!-- This is an automatically generated file.\n"
      "     It will be read and overwritten.\n     DO NOT EDIT! -->\n"
      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
      "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n";
  for (int i = 0; i < links; ++i) {
    const std::string n = std::to_string(i);
    if (i % kPerFolder == 0) {
      if (i > 0) file += "        </DL><p>\n";
      file += "        <DT><H3 ADD_DATE=\"1700000000\" LAST_MODIFIED=\"1700000000\">Folder " + n + " &amp; more</H3>\n";
      file += "        <DL><p>\n";
    }
    file += "            <DT><A HREF=\"https://site" + n + ".example.com/path?a=1&amp;b=" + n +
            "\" ADD_DATE=\"1700000000\" ICON=\"" + Icon(i) + "\">" + (i % 2 ? "\xE7\xBD\x91\xE7\xAB\x99 " : "Site ") +
            n + " &lt;home&gt;</A>\n";
  }
  return file + "        </DL><p>\n</DL><p>\n";
}

void ParseBookmarks(benchmark::State& state) {
  const testing::Latin1Codec codePage;  // the file says it is UTF-8
  const std::string file = BookmarksFile(kLinks);
  for (auto _ : state) {
    const BookmarkFile parsed = ParseBookmarkFile(codePage, file);
    if (parsed.links.size() != size_t(kLinks)) state.SkipWithError("links lost");
    benchmark::DoNotOptimize(parsed.links.data());
  }
  state.counters["MB"] = double(file.size()) / 1e6;
}

// Half the links are in the list already, so half are looked up and left out.
void AddToAFullList(benchmark::State& state) {
  testing::Latin1Codec codePage;
  const int n = int(state.range(0));
  std::vector<Favorite> favorites;
  for (int i = 0; i < 2 * n; ++i) {
    favorites.push_back({L"Site " + std::to_wstring(i), L"https://site" + std::to_wstring(i) + L".example.com/"});
  }
  const std::vector<Favorite> present(favorites.begin(), favorites.begin() + n);
  const std::vector<Favorite> dropped(favorites.begin() + n / 2, favorites.begin() + n / 2 + n);
  for (auto _ : state) {
    state.PauseTiming();
    Favorites store(L"Bin", codePage);
    AddFavorites(store, ListKind::Websites, present);
    state.ResumeTiming();
    const AddedCounts counts = AddFavorites(store, ListKind::Websites, dropped);
    if (counts.added != n / 2 || counts.present != n / 2) state.SkipWithError("wrong counts");
  }
}

BENCHMARK(ParseBookmarks)->Unit(benchmark::kMillisecond);
BENCHMARK(AddToAFullList)->Arg(kLinks / 4)->Arg(kLinks)->Unit(benchmark::kMillisecond);

void Summarize(const BenchTimes& ms) {
  const double parse = ms.at("ParseBookmarks");
  std::printf("\nReading a bookmarks file of %d links with icons: %.1f ms, %.0f%% of the %.0f ms allowed.\n", kLinks,
              parse, 100 * parse / kBudgetMs, kBudgetMs);
  const double small = ms.at("AddToAFullList/" + std::to_string(kLinks / 4));
  const double large = ms.at("AddToAFullList/" + std::to_string(kLinks));
  std::printf(
      "Adding %d links to a list of %d: %.1f ms; four times as many take %.1f times as long (n^%.2f;"
      " a scan of the list per link would be n^2).\n",
      kLinks, kLinks, large, large / small, std::log(large / small) / std::log(4.0));
}

}  // namespace
}  // namespace oravin

int main(int argc, char** argv) { return oravin::RunBenchmarks(argc, argv, oravin::Summarize); }
