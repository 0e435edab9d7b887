#include "solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "arith_fault.h"

namespace vektoria {
namespace {

// Records what the solver asks of the window, and what the store held then.
class RecordingView : public SolverView {
  public:
    explicit RecordingView(const EquationStore& store, bool echelon = false)
        : store_(store), echelon_(echelon) {}
    bool EchelonWanted() override { return echelon_; }
    void ShowEchelon() override {
        echelonShown = true;
        resultsWhenEchelonShown = results.size();
    }
    void ShowResult(int32_t row, double value) override {
        EXPECT_EQ(std::bit_cast<uint64_t>(store_.Results[row]), std::bit_cast<uint64_t>(value))
            << "ShowResult must see the stored value";
        results.emplace_back(row, value);
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    bool echelonShown = false;
    size_t resultsWhenEchelonShown = 0;
    std::vector<std::pair<int32_t, double>> results;
    std::vector<std::string> messages;

  private:
    const EquationStore& store_;
    bool echelon_;
};

using Row = std::vector<double>;  // coefficients, then the constant

EquationStore MakeStore(std::initializer_list<Row> rows) {
    EquationStore s{};
    int32_t r = 0;
    for (const Row& row : rows) {
        for (size_t c = 0; c + 1 < row.size(); ++c) s.Factors[r][c] = row[c];
        s.Constants[r] = row.back();
        ++r;
    }
    s.LastRow = r - 1;
    s.LastCol = static_cast<int32_t>(rows.begin()->size()) - 2;
    return s;
}

bool SameBits(const EquationStore& a, const EquationStore& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

uint64_t Bits(double v) { return std::bit_cast<uint64_t>(v); }

TEST(Solver, DemoSystemComesOutBitForBit) {
    EquationStore s = MakeStore({{1, 1, 1, 3}, {2, -3, -1, 2}, {4, -5, -1, 1}});
    RecordingView view(s, true);
    SolveSystem(s, view);

    const double row0[] = {1, 1, 1, 3};
    const double row1[] = {0, -5, -3, -4};
    const double row2[] = {0, std::ldexp(1.0, -52), 0.4 + std::ldexp(1.0, -53), -3.8};
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(Bits(s.Factors[0][c]), Bits(row0[c])) << c;
        EXPECT_EQ(Bits(s.Factors[1][c]), Bits(row1[c])) << c;
        EXPECT_EQ(Bits(s.Factors[2][c]), Bits(row2[c])) << c;
    }
    EXPECT_EQ(Bits(s.Constants[0]), Bits(3.0));
    EXPECT_EQ(Bits(s.Constants[1]), Bits(-4.0));
    EXPECT_EQ(Bits(s.Constants[2]), Bits(-3.8));
    // 0.4 + 2^-53 differs from what double-only arithmetic would give.
    EXPECT_NE(Bits(s.Factors[2][2]), Bits(0.4 + 3 * std::ldexp(1.0, -53)));

    EXPECT_EQ(Bits(s.Results[0]), Bits(6 - std::ldexp(1.0, -49)));
    EXPECT_EQ(Bits(s.Results[1]), Bits(6.5 - std::ldexp(1.0, -49)));
    EXPECT_EQ(Bits(s.Results[2]), Bits(-9.5 + std::ldexp(1.0, -48)));

    // The staggered display comes first, then the results from the last row up.
    EXPECT_TRUE(view.echelonShown);
    EXPECT_EQ(view.resultsWhenEchelonShown, 0u);
    ASSERT_EQ(view.results.size(), 3u);
    EXPECT_EQ(view.results[0].first, 2);
    EXPECT_EQ(view.results[1].first, 1);
    EXPECT_EQ(view.results[2].first, 0);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(s.LastRow, 2);
    EXPECT_EQ(s.LastCol, 2);
}

TEST(Solver, EchelonIsShownOnlyWhenWanted) {
    EquationStore s = MakeStore({{1, 1, 3}, {1, -1, 1}});
    RecordingView view(s, false);
    SolveSystem(s, view);
    EXPECT_FALSE(view.echelonShown);
    EXPECT_EQ(s.Results[0], 2.0);
    EXPECT_EQ(s.Results[1], 1.0);
}

struct CheckCase {
    const char* name;
    int32_t lastRow;
    int32_t lastCol;
    const char* message;
    int32_t rowAfter;
    int32_t colAfter;
};

class SolverChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(SolverChecks, RefuseWithTheirMessage) {
    const CheckCase& c = GetParam();
    EquationStore s = MakeStore({{3, 6}, {0, 0}});  // a solvable 1x1 in the corner
    s.LastRow = c.lastRow;
    s.LastCol = c.lastCol;
    EquationStore expected = s;
    expected.LastRow = c.rowAfter;
    expected.LastCol = c.colAfter;
    RecordingView view(s, true);
    SolveSystem(s, view);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], c.message);
    EXPECT_TRUE(SameBits(s, expected)) << "only the extents may change";
    EXPECT_FALSE(view.echelonShown);
    EXPECT_TRUE(view.results.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SolverChecks,
    testing::Values(CheckCase{"Empty", 0, 0, "Keine Daten vorhanden!", 0, 0},
                    CheckCase{"TwoByThree", 1, 2, "Matrix nicht quadratisch!", 0, 0},
                    CheckCase{"ThreeByTwo", 2, 1, "Matrix nicht quadratisch!", 0, 0},
                    CheckCase{"NoColumns", 3, -1, "Matrix nicht quadratisch!", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Solver, NegativeExtentsPassBothChecksAndDoNothing) {
    EquationStore s = MakeStore({{3, 6}});
    s.LastRow = -1;
    s.LastCol = -1;
    const EquationStore before = s;
    RecordingView view(s, true);
    SolveSystem(s, view);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_TRUE(view.results.empty());
    EXPECT_TRUE(view.echelonShown);  // shows nothing, but is asked to
    EXPECT_TRUE(SameBits(s, before));
}

struct FaultCase {
    const char* name;
    std::vector<Row> rows;
    ArithKind kind;
    bool storeUnchanged;             // fault in the first elimination pass
    std::vector<int32_t> rowsShown;  // results shown before the fault
};

class SolverFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(SolverFaults, EndTheSolveAtTheFaultingOperation) {
    const FaultCase& c = GetParam();
    EquationStore s{};
    for (size_t r = 0; r < c.rows.size(); ++r) {
        for (size_t j = 0; j + 1 < c.rows[r].size(); ++j) s.Factors[r][j] = c.rows[r][j];
        s.Constants[r] = c.rows[r].back();
    }
    s.LastRow = static_cast<int32_t>(c.rows.size()) - 1;
    s.LastCol = s.LastRow;
    for (double& v : s.Results) v = 42;  // earlier results
    const EquationStore before = s;
    RecordingView view(s, true);
    try {
        SolveSystem(s, view);
        FAIL() << "no fault";
    } catch (const ArithFault& f) {
        EXPECT_EQ(f.Kind(), c.kind);
    }
    if (c.storeUnchanged) {
        EXPECT_TRUE(SameBits(s, before));
        EXPECT_FALSE(view.echelonShown);
    }
    std::vector<int32_t> shown;
    for (const auto& [row, value] : view.results) shown.push_back(row);
    EXPECT_EQ(shown, c.rowsShown);
    // Rows not reached keep 0.0 from the start of back-substitution.
    if (view.echelonShown) {
        for (int32_t r = 0; r <= s.LastRow; ++r) {
            if (std::find(shown.begin(), shown.end(), r) == shown.end()) {
                EXPECT_EQ(Bits(s.Results[r]), Bits(0.0)) << r;
            }
        }
    }
}

const double kTiny = 1e-300;

INSTANTIATE_TEST_SUITE_P(
    Cases, SolverFaults,
    testing::Values(
        FaultCase{
            "ZeroPivotNeedsExchange", {{0, 1, 2}, {1, 0, 3}}, ArithKind::DivisionByZero, true, {}},
        FaultCase{"ZeroColumnThenZeroOverZero",
                  {{0, 1, 2}, {0, 2, 4}},
                  ArithKind::InvalidOperation,
                  false,
                  {1}},
        FaultCase{"DependentRowsConsistent",
                  {{1, 2, 3}, {2, 4, 6}},
                  ArithKind::InvalidOperation,
                  false,
                  {}},
        FaultCase{"DependentRowsInconsistent",
                  {{1, 2, 3}, {2, 4, 7}},
                  ArithKind::DivisionByZero,
                  false,
                  {}},
        FaultCase{"FactorOverflows", {{kTiny, 1, 1}, {1e300, 1, 1}}, ArithKind::Overflow, true, {}},
        FaultCase{"InfinityMinusInfinity",
                  {{1, 0, std::numeric_limits<double>::infinity()},
                   {1, 1, std::numeric_limits<double>::infinity()}},
                  ArithKind::InvalidOperation,
                  false,
                  {}},
        FaultCase{"ZeroTimesInfinity",
                  {{std::numeric_limits<double>::infinity(), 0, 1}, {0, 1, 1}},
                  ArithKind::InvalidOperation,
                  false,
                  {1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Solver, RowWithSignedZeroInPivotColumnIsUntouched) {
    for (double zero : {0.0, -0.0}) {
        EquationStore s = MakeStore({{0, 1, 2}, {zero, 3, 4}});
        s.Factors[0][0] = 0;  // a zero pivot: dividing by it would fault
        EliminateColumn(s, 0);
        EXPECT_EQ(Bits(s.Factors[1][0]), Bits(zero));
        EXPECT_EQ(s.Factors[1][1], 3.0);
        EXPECT_EQ(s.Constants[1], 4.0);
    }
}

TEST(Solver, InfinityOverZeroPivotIsNoFault) {
    // A row holding an infinity under a zero pivot: ∞ ÷ 0 is ∞, and the
    // solve goes on until an operation faults.
    EquationStore s = MakeStore({{0, 1, 1}, {std::numeric_limits<double>::infinity(), 1, 1}});
    EXPECT_THROW(EliminateColumn(s, 0), ArithFault);  // 0 × ∞ in column 0
    EXPECT_EQ(s.Factors[1][0], std::numeric_limits<double>::infinity())
        << "nothing stored by the faulting update";
    EXPECT_EQ(s.Factors[1][1], 1.0);
}

TEST(Solver, UnderflowIsSilent) {
    EquationStore s = MakeStore({{1e300, 0, 1e-300}, {0, 1, 1}});
    RecordingView view(s);
    SolveSystem(s, view);
    EXPECT_EQ(s.Results[1], 1.0);
    EXPECT_EQ(Bits(s.Results[0]), Bits(0.0));  // 1e-600 becomes zero without a fault
}

TEST(Solver, ResultOverflowFaultsWithoutStoring) {
    EquationStore s = MakeStore({{1e-300, 0, 1e300}, {0, 1, 5}});
    RecordingView view(s);
    EXPECT_THROW(SolveSystem(s, view), ArithFault);
    EXPECT_EQ(s.Results[1], 5.0);
    EXPECT_EQ(Bits(s.Results[0]), Bits(0.0));
    ASSERT_EQ(view.results.size(), 1u);
}

TEST(Solver, FullCapacitySystemSolves) {
    // A full-capacity system: identity plus ones above the diagonal.
    EquationStore s{};
    for (int r = 0; r < StoreCapacity; ++r) {
        for (int c = r; c < StoreCapacity; ++c) s.Factors[r][c] = 1;
        s.Constants[r] = StoreCapacity - r;
    }
    s.LastRow = s.LastCol = StoreCapacity - 1;
    RecordingView view(s);
    SolveSystem(s, view);
    for (int r = 0; r < StoreCapacity; ++r) EXPECT_EQ(s.Results[r], 1.0) << r;
    EXPECT_EQ(view.results.size(), 10u);
}

}  // namespace
}  // namespace vektoria
