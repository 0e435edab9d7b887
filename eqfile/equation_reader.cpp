#include "equation_reader.h"

#include <algorithm>
#include <string>

#include "numtext.h"

namespace vektoria {

namespace {

// Scans one line into the row LastRow counts; notes positions beyond the
// store's columns.  The end of the line reads as one more "#", so that it
// ends the equation (without copying a long line to append it).
void ScanLine(const std::string& line, EquationStore& store, CellSink& sink, bool& overCapacity) {
    const int32_t row = store.LastRow;
    int32_t col = 0;
    size_t tokenStart = 0;
    for (size_t i = 0; i <= line.size(); ++i) {
        const char ch = i < line.size() ? line[i] : '#';
        if (ch != ' ' && ch != '=' && ch != '#') continue;
        const std::string_view token(line.data() + tokenStart, i - tokenStart);
        tokenStart = i + 1;
        if (ch == '#') {
            store.LastCol = std::max(store.LastCol, std::min(col, StoreCapacity));
            col = 0;
            sink.SetConstant(row, token);
            store.Constants[row] = TextToNumber(token);
        } else {
            if (col < StoreCapacity) {
                sink.SetCoefficient(col, row, token);
                store.Factors[row][col] = TextToNumber(token);
            } else {
                overCapacity = true;
            }
            ++col;
        }
    }
}

}  // namespace

bool ReadEquations(LineSource& source, EquationStore& store, CellSink& sink,
                   const std::function<void()>& close) {
    bool overCapacity = false;
    store.LastRow = 0;
    store.LastCol = 0;
    while (!source.AtEnd()) {
        if (store.LastRow == StoreCapacity) {  // no row left for this line
            overCapacity = true;
            break;
        }
        ScanLine(source.ReadLine(), store, sink, overCapacity);
        ++store.LastRow;
    }
    close();
    --store.LastCol;
    --store.LastRow;
    return overCapacity;
}

}  // namespace vektoria
