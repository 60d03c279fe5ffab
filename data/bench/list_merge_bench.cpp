// Merging a full list (32,767 entries) changed on both sides since it was
// last read: 100 entries added, deleted or edited here, 100 there. And the
// reload of a full list shown when another program changed its file.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "data/favorites.h"
#include "data/list_merge.h"
#include "testing/latin1_codec.h"
#include "testing/bench_main.h"

namespace oravin {
namespace {

constexpr int kFullList = 32767;
constexpr int kChangesEachSide = 100;

std::wstring Entry(int i, const wchar_t* side = L"") {
  return L"网站 " + std::to_wstring(i) + side + L" <Address>https://site" + std::to_wstring(i) + L".example.com/";
}

// A third of the changes each: additions, deletions and edits of titles.
std::vector<std::wstring> Changed(const std::vector<std::wstring>& base, const wchar_t* side, std::mt19937& random) {
  std::vector<std::wstring> changed = base;
  for (int i = 0; i < kChangesEachSide; ++i) {
    const size_t at = random() % changed.size();
    switch (i % 3) {
      case 0: changed.push_back(Entry(kFullList + i, side)); break;
      case 1: changed.erase(changed.begin() + long(at)); break;
      default: changed[at] = Entry(int(at), side); break;
    }
  }
  return changed;
}

void MergeTwoChangedFullLists(benchmark::State& state) {
  std::mt19937 random(26);
  std::vector<std::wstring> base;
  for (int i = 0; i < kFullList; ++i) base.push_back(Entry(i));
  const std::vector<std::wstring> here = Changed(base, L"甲", random), there = Changed(base, L"乙", random);
  for (auto _ : state) {
    // The list gives its base up to the merge, as the merged file is the next base.
    state.PauseTiming();
    std::optional<std::vector<std::wstring>> knownBase = base;
    state.ResumeTiming();
    MergedList merged = MergeLists(std::move(knownBase), here, there);
    benchmark::DoNotOptimize(merged.entries.data());
  }
}
BENCHMARK(MergeTwoChangedFullLists)->Unit(benchmark::kMillisecond);

void WriteList(const std::filesystem::path& file, int first) {
  std::ofstream out(file, std::ios::binary);
  for (int i = first; i < first + kFullList; ++i)
    out << "Site " << i << " <Address>https://site" << i << ".example.com/<Split>";
  out << "\r\n";
}

// Each round another program has written the file anew (one entry more at
// the front, one fewer at the end), and the list shown is read again.
void ReloadAFullListChangedOnDisk(benchmark::State& state) {
  testing::Latin1Codec codePage;
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "oravin_reload_bench";
  std::filesystem::create_directories(folder);
  Favorites store(folder.wstring(), codePage);
  store.SetCurrent(Assistant::Websites);
  const std::filesystem::path file = store.FileOf(ListKind::Websites);
  WriteList(file, 0);
  Notices notices;
  store.LoadList(ListKind::Websites, notices);
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    WriteList(file, ++round % 2);
    state.ResumeTiming();
    store.LoadList(ListKind::Websites, notices);
  }
  if (store.Entries(ListKind::Websites).size() != size_t(kFullList)) state.SkipWithError("not reloaded");
  std::filesystem::remove_all(folder);
}
BENCHMARK(ReloadAFullListChangedOnDisk)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace oravin

int main(int argc, char** argv) {
  return oravin::RunBenchmarks(argc, argv, [](const oravin::BenchTimes& times) {
    std::printf("Merging two changed lists of %d entries: %.1f ms\n", oravin::kFullList,
                times.at("MergeTwoChangedFullLists"));
    std::printf("Reloading a list of %d entries changed on disk: %.1f ms\n", oravin::kFullList,
                times.at("ReloadAFullListChangedOnDisk"));
  });
}
