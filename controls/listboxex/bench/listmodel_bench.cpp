// Loading a favorites list: the item model against the insertion scan the
// list used to re-sort with after every add. The scan makes a load cubic, so
// it is measured at sizes it can finish and extrapolated to the full list.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "controls/listboxex/list_model.h"
#include "testing/bench_main.h"

namespace oravin {
namespace {

constexpr int kFullList = 32767;

std::vector<std::wstring> Entries(int count, bool shuffled) {
  std::vector<std::wstring> entries;
  for (int i = 0; i < count; ++i) {
    wchar_t number[16];
    std::swprintf(number, 16, L"%06d", i);
    entries.push_back(std::wstring(L"Site ") + number + L" <Address>http://www.example.com/" + number);
  }
  if (shuffled) std::shuffle(entries.begin(), entries.end(), std::mt19937(1));
  return entries;
}

void LoadModel(benchmark::State& state, bool shuffled) {
  const auto entries = Entries(static_cast<int>(state.range(0)), shuffled);
  for (auto _ : state) {
    ListModel list;
    list.SetSortOrder(ListModel::kAscending);
    for (const auto& entry : entries) list.AddItem(entry);
    benchmark::DoNotOptimize(list.ItemCount());
  }
}

// Every add appends and rebuilds the whole list by scanning for each item's place.
void LoadWithScan(benchmark::State& state) {
  const auto entries = Entries(static_cast<int>(state.range(0)), false);
  for (auto _ : state) {
    std::vector<std::wstring> items;
    for (const auto& entry : entries) {
      items.push_back(entry);
      std::vector<std::wstring> sorted;
      for (const auto& item : items) {
        auto j = sorted.begin();
        while (j != sorted.end() && CompareUserLocale(item, *j) != ListModel::kAscending) ++j;
        sorted.insert(j, item);
      }
      items.swap(sorted);
    }
    benchmark::DoNotOptimize(items.size());
  }
}

BENCHMARK_CAPTURE(LoadModel, sorted, false)->Arg(512)->Arg(kFullList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadModel, shuffled, true)->Arg(kFullList)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadWithScan)->Arg(128)->Arg(256)->Arg(512)->Unit(benchmark::kMillisecond)->Iterations(1);

void Summarize(const BenchTimes& ms) {
  const auto seconds = [&](const char* name) { return ms.at(name) / 1e3; };
  const double sorted = seconds("LoadModel/sorted/32767"), shuffled = seconds("LoadModel/shuffled/32767");
  const double scan256 = seconds("LoadWithScan/256/iterations:1"), scan512 = seconds("LoadWithScan/512/iterations:1");
  const double exponent = std::log2(scan512 / scan256);
  const double scanFull = scan512 * std::pow(kFullList / 512.0, 3.0);
  std::printf("\nLoading %d entries with the item model: %.1f ms sorted, %.1f ms shuffled.\n", kFullList,
              sorted * 1e3, shuffled * 1e3);
  std::printf("The insertion scan was measured up to 512 entries only (measured growth: n^%.2f).\n", exponent);
  std::printf("Extrapolated as n^3 from 512 entries, it would take about %.0f s (%.1f hours) for %d entries:\n",
              scanFull, scanFull / 3600, kFullList);
  std::printf("about %.0f times the item model's sorted load (an estimate, not a measurement).\n",
              scanFull / sorted);
  const double model512 = seconds("LoadModel/sorted/512");
  std::printf("Measured at 512 entries: the scan takes %.1f ms, the item model %.3f ms (%.0f times faster).\n",
              scan512 * 1e3, model512 * 1e3, scan512 / model512);
}

}  // namespace
}  // namespace oravin

int main(int argc, char** argv) { return oravin::RunBenchmarks(argc, argv, oravin::Summarize); }
