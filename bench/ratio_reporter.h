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
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    // Prints "ours / peer" with the goal; returns false when a time is missing.
    void PrintRatio(const std::string& ours, const std::string& peer, double goal) const {
        const auto a = times_.find(ours);
        const auto b = times_.find(peer);
        if (a == times_.end() || b == times_.end()) return;
        const double ratio = a->second / b->second;
        std::printf("ratio %-40s / %-32s = %5.2f (goal <= %.1f: %s)\n", ours.c_str(), peer.c_str(),
                    ratio, goal, ratio <= goal ? "met" : "missed");
    }

    double Time(const std::string& name) const {
        const auto it = times_.find(name);
        return it == times_.end() ? -1 : it->second;
    }

  private:
    std::map<std::string, double> times_;
};

}  // namespace vektoria::bench
