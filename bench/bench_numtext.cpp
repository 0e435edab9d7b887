// Number text against the standard library on the same inputs.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "numtext.h"
#include "ratio_reporter.h"

namespace {

// Typical cell texts.
const std::vector<std::string> kTokens = {"12",
                                          "-3.25",
                                          "1.5E-2",
                                          "0.1",
                                          "-7",
                                          "1000",
                                          "2.5",
                                          "-0.125",
                                          "42",
                                          "3.14159",
                                          "1.2345678901234567",
                                          "-98765.43210987654",
                                          "6.0221407600000003e23"};

const std::vector<double> kValues = {1.0,  -2.0 / 3, 6.5, -9.5, 12345.6789,         0.00015,
                                     1e-5, 99.5,     3.8, -4.0, 0.4000000000000001, 1234567.125};

void BM_TextToNumber(benchmark::State& state) {
    for (auto _ : state)
        for (const std::string& t : kTokens) benchmark::DoNotOptimize(vektoria::TextToNumber(t));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kTokens.size()));
}
BENCHMARK(BM_TextToNumber);

void BM_FromChars(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& t : kTokens) {
            double v = 0;
            std::from_chars(t.data(), t.data() + t.size(), v);
            benchmark::DoNotOptimize(v);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kTokens.size()));
}
BENCHMARK(BM_FromChars);

void BM_NumberToText(benchmark::State& state) {
    for (auto _ : state)
        for (double v : kValues) benchmark::DoNotOptimize(vektoria::NumberToText(v, 8, 4));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kValues.size()));
}
BENCHMARK(BM_NumberToText);

void BM_Snprintf(benchmark::State& state) {
    for (auto _ : state) {
        for (double v : kValues) {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%8.4f", v);
            benchmark::DoNotOptimize(std::string(buffer));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kValues.size()));
}
BENCHMARK(BM_Snprintf);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    vektoria::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_TextToNumber", "BM_FromChars", 2.0);
    reporter.PrintRatio("BM_NumberToText", "BM_Snprintf", 2.0);
    benchmark::Shutdown();
}
