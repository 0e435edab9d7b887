// The solver on any store contents and extents: the fault or the result,
// never undefined behaviour, never a NaN stored.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "arith_fault.h"
#include "fuzz_check.h"
#include "solver.h"

namespace {

class NullView : public vektoria::SolverView {
  public:
    explicit NullView(const vektoria::EquationStore& store) : store_(store) {}
    bool EchelonWanted() override { return true; }
    void ShowEchelon() override {}
    void ShowResult(int32_t row, double value) override {
        FUZZ_CHECK(row >= 0 && row < vektoria::StoreCapacity);
        FUZZ_CHECK(!std::isnan(value));
        FUZZ_CHECK(std::memcmp(&value, &store_.Results[row], sizeof value) == 0);
    }
    void ShowMessage(const std::string&) override {}

  private:
    const vektoria::EquationStore& store_;
};

bool HasNaN(const vektoria::EquationStore& s) {
    for (const auto& row : s.Factors)
        for (double v : row)
            if (std::isnan(v)) return true;
    for (double v : s.Constants)
        if (std::isnan(v)) return true;
    for (double v : s.Results)
        if (std::isnan(v)) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    vektoria::EquationStore store{};
    // The extents the program can leave: -1 ... 9.
    store.LastRow = data[0] % 11 - 1;
    store.LastCol = data[1] % 3 == 0 ? store.LastRow : data[1] % 11 - 1;
    // The numbers, with NaN (never held by the store) read as zero.
    size_t pos = 2;
    auto next = [&]() {
        double v = 0;
        if (pos + sizeof v <= size) std::memcpy(&v, data + pos, sizeof v);
        pos += sizeof v;
        return std::isnan(v) ? 0.0 : v;
    };
    for (auto& row : store.Factors)
        for (double& v : row) v = next();
    for (double& v : store.Constants) v = next();
    for (double& v : store.Results) v = next();
    NullView view(store);
    try {
        vektoria::SolveSystem(store, view);
    } catch (const vektoria::ArithFault&) {
    }
    FUZZ_CHECK(!HasNaN(store));
    FUZZ_CHECK(store.LastRow >= -1 && store.LastRow <= 9);
    return 0;
}
