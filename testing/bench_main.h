#pragma once
// What every benchmark program does: runs its benchmarks, shows the table and
// sums up what the times say.
#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace oravin {

// Each benchmark's real time per iteration, by name, in the unit it reports in.
using BenchTimes = std::map<std::string, double>;

inline int RunBenchmarks(int argc, char** argv, const std::function<void(const BenchTimes&)>& summarize) {
  // Plain text: the table goes to logs and terminals alike.
  class Recorder : public benchmark::ConsoleReporter {
   public:
    Recorder() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
      for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedRealTime();
      ConsoleReporter::ReportRuns(runs);
    }
    BenchTimes times;
  };
  benchmark::Initialize(&argc, argv);
  Recorder recorder;
  benchmark::RunSpecifiedBenchmarks(&recorder);
  try {
    summarize(recorder.times);
  } catch (const std::out_of_range&) {
    // A filtered run lacks what the summary compares: the table is all there is.
  }
  benchmark::Shutdown();
  return 0;
}

}  // namespace oravin
