// The solver alone, and Solve through the real window with its grid
// transfers, on 3 x 3 and 10 x 10 systems.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "numtext.h"
#include "ratio_reporter.h"
#include "solver.h"
#include "vekt1.h"

namespace {

using vektoria::EquationStore;

class QuietView : public vektoria::SolverView {
  public:
    bool EchelonWanted() override { return false; }
    void ShowEchelon() override {}
    void ShowResult(int32_t, double) override {}
    void ShowMessage(const std::string&) override {}
};

// n x n, diagonally dominant so that every pivot works.
EquationStore System(int n) {
    EquationStore s{};
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) s.Factors[r][c] = r == c ? n + 1.0 : 1.0 / (1 + r + c);
        s.Constants[r] = r + 1;
    }
    s.LastRow = s.LastCol = n - 1;
    return s;
}

void BM_SolveSystem(benchmark::State& state) {
    const EquationStore system = System(static_cast<int>(state.range(0)));
    QuietView view;
    for (auto _ : state) {
        EquationStore s = system;
        vektoria::SolveSystem(s, view);
        benchmark::DoNotOptimize(s.Results[0]);
    }
}
BENCHMARK(BM_SolveSystem)->Arg(3)->Arg(10);

// The texts of a system in the grids; a 10 x 10 reaches the hidden cells.
void FillGrids(int n) {
    const EquationStore s = System(n);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c)
            vektoria::Form1->StringGrid1->SetCell(
                c, r, QString::fromStdString(vektoria::NumberToText(s.Factors[r][c], 0, 6)));
        vektoria::Form1->StringGrid2->SetCell(0, r, QString::number(s.Constants[r]));
    }
}

void BM_SolveThroughWindow(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    vektoria::Store = EquationStore{};
    vektoria::Form1->Button2Click();
    // ReadGrids reaches rows and columns 0 to 6; the rest of a larger
    // system stands in the store as a file would leave it.
    FillGrids(n);
    const EquationStore system = System(n);
    for (auto _ : state) {
        for (int r = 0; r < n; ++r) {
            for (int c = 7; c < n; ++c) vektoria::Store.Factors[r][c] = system.Factors[r][c];
            if (r >= 7)
                for (int c = 0; c < n; ++c) vektoria::Store.Factors[r][c] = system.Factors[r][c];
            if (r >= 7) vektoria::Store.Constants[r] = system.Constants[r];
        }
        vektoria::Store.LastRow = vektoria::Store.LastCol = n - 1;
        vektoria::Form1->Button1Click();
        benchmark::DoNotOptimize(vektoria::Store.Results[0]);
    }
}
BENCHMARK(BM_SolveThroughWindow)->Arg(3)->Arg(10)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    auto form = std::make_unique<vektoria::TForm1>();
    vektoria::Form1 = form.get();
    form->show();
    benchmark::Initialize(&argc, argv);
    vektoria::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double window10 = reporter.Seconds("BM_SolveThroughWindow/10") * 1e6;
    std::printf("Solve through the window, 10 x 10: %.1f us (goal < 1000 us: %s)\n", window10,
                window10 >= 0 && window10 < 1000 ? "met" : "missed");
    reporter.PrintRatio("BM_SolveThroughWindow/3", "BM_SolveSystem/3");
    reporter.PrintRatio("BM_SolveThroughWindow/10", "BM_SolveSystem/10");
    benchmark::Shutdown();
    vektoria::Form1 = nullptr;
}
