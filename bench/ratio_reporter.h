// Prints each benchmark as usual, then the ratio of each measured
// operation against its peer from the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vektoria::bench {

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times_[run.benchmark_name()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }

    // Prints "ours / peer", with the verdict against the goal when there is one.
    void PrintRatio(const std::string& ours, const std::string& peer, double goal = 0) const {
        const auto a = times_.find(ours);
        const auto b = times_.find(peer);
        if (a == times_.end() || b == times_.end()) return;
        const double ratio = a->second / b->second;
        std::printf("ratio %-28s / %-20s = %6.2f", ours.c_str(), peer.c_str(), ratio);
        if (goal > 0) std::printf(" (goal <= %.1f: %s)", goal, ratio <= goal ? "met" : "missed");
        std::printf("\n");
    }

    // Seconds per iteration, or -1 when the benchmark did not run.
    double Seconds(const std::string& name) const {
        const auto it = times_.find(name);
        return it == times_.end() ? -1 : it->second;
    }

  private:
    std::map<std::string, double> times_;
};

}  // namespace vektoria::bench
