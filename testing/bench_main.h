#pragma once
// What every benchmark program does: runs its benchmarks, shows the table and,
// when run whole (no arguments), sums up what the times say.
#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace oravin {

// Each benchmark's real time per iteration, by name, in the unit it reports in.
using BenchTimes = std::map<std::string, double>;

inline int RunBenchmarks(int argc, char** argv, const std::function<void(const BenchTimes&)>& summarize) {
  class Recorder : public benchmark::ConsoleReporter {
   public:
    void ReportRuns(const std::vector<Run>& runs) override {
      for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedRealTime();
      ConsoleReporter::ReportRuns(runs);
    }
    BenchTimes times;
  };
  benchmark::Initialize(&argc, argv);
  Recorder recorder;
  benchmark::RunSpecifiedBenchmarks(&recorder);
  // A filtered run lacks what the summary compares.
  if (argc == 1) summarize(recorder.times);
  benchmark::Shutdown();
  return 0;
}

}  // namespace oravin
