// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every benchmark program of the project shares: the console output of
// Google Benchmark, the median of each benchmark over its repetitions, and a
// default number of repetitions so that a bare run gives medians.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace voka::bench {

// Keeps the per-repetition times of each benchmark while the console shows them.
class MedianReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const std::string& args = run.run_name.args;
      const std::string name = run.run_name.function_name + (args.empty() ? "" : "/" + args);
      if (run.run_type == Run::RT_Iteration) {
        times_[name].push_back(run.GetAdjustedRealTime());
      } else if (run.aggregate_name == "median") {
        // All that is seen with --benchmark_report_aggregates_only.
        reportedMedians_[name] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // The median time of one benchmark in its time unit; NaN if it did not run.
  double Median(const std::string& name) const {
    const auto found = times_.find(name);
    if (found == times_.end() || found->second.empty()) {
      const auto reported = reportedMedians_.find(name);
      return reported != reportedMedians_.end() ? reported->second : std::nan("");
    }
    std::vector<double> times = found->second;
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    return times.size() % 2 == 1 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
  }

 private:
  std::map<std::string, std::vector<double>> times_;
  std::map<std::string, double> reportedMedians_;
};

// Initialises Google Benchmark with `repetitions` unless the command line
// names its own. Returns false on an unknown argument.
inline bool InitializeWithRepetitions(int argc, char** argv, int repetitions) {
  static std::vector<char*> args;
  static std::string flag;
  args.assign(argv, argv + argc);
  const bool named = std::any_of(args.begin() + 1, args.end(), [](const char* arg) {
    return std::string_view(arg).starts_with("--benchmark_repetitions");
  });
  flag = "--benchmark_repetitions=" + std::to_string(repetitions);
  if (!named) args.push_back(flag.data());
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  return !benchmark::ReportUnrecognizedArguments(count, args.data());
}

}  // namespace voka::bench
