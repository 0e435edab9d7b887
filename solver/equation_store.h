// The one system of equations the program works on.
#pragma once

#include <cstdint>

namespace vektoria {

constexpr int StoreCapacity = 10;

struct EquationStore {
    double Factors[StoreCapacity][StoreCapacity];  // [row][column]
    double Constants[StoreCapacity];
    double Results[StoreCapacity];
    int32_t LastRow;  // highest row in use, -1 for none
    int32_t LastCol;  // highest column in use, -1 for none
};

}  // namespace vektoria
