// The equation-file reader on any bytes: it ends, stores within the store,
// leaves the extents within -1 ... 9, and the texts it hands out are exactly
// the file's tokens, as an independent reading of the format finds them.
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "arith_fault.h"
#include "equation_reader.h"
#include "fuzz_check.h"
#include "line_reader.h"

namespace {

class RecordingSink : public vektoria::CellSink {
  public:
    void SetCoefficient(int col, int row, std::string_view text) override {
        FUZZ_CHECK(col >= 0 && col < vektoria::StoreCapacity);
        FUZZ_CHECK(row >= 0 && row < vektoria::StoreCapacity);
        cells[{row, col}] = std::string(text);
    }
    void SetConstant(int row, std::string_view text) override {
        FUZZ_CHECK(row >= 0 && row < vektoria::StoreCapacity);
        constants[row] = std::string(text);
    }
    std::map<std::pair<int, int>, std::string> cells;
    std::map<int, std::string> constants;
};

// The lines as the rules give them: LF ends a line, CR is dropped, Ctrl-Z
// ends the file.
std::vector<std::string> ReferenceLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t i = 0;
    while (i < bytes.size() && bytes[i] != 26) {
        std::string line;
        while (i < bytes.size() && bytes[i] != '\n' && bytes[i] != 26) {
            if (bytes[i] != '\r') line += bytes[i];
            ++i;
        }
        if (i < bytes.size() && bytes[i] == '\n') ++i;
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    size_t pos = 0;
    vektoria::LineReader reader(
        [&](char* buffer, size_t capacity) {
            const size_t n = std::min(capacity, bytes.size() - pos);
            std::memcpy(buffer, bytes.data() + pos, n);
            pos += n;
            return n;
        },
        7);  // small refills put line endings across them
    vektoria::EquationStore store{};
    RecordingSink sink;
    bool closed = false;
    bool faulted = false;
    bool tooLarge = false;
    try {
        tooLarge = vektoria::ReadEquations(reader, store, sink, [&] { closed = true; });
    } catch (const vektoria::ArithFault& fault) {
        FUZZ_CHECK(fault.Kind() == vektoria::ArithKind::Overflow);  // a token beyond the range
        faulted = true;
    }
    FUZZ_CHECK(store.LastRow >= -1 && store.LastRow <= 10);
    FUZZ_CHECK(store.LastCol >= -1 && store.LastCol <= 10);
    if (faulted) return 0;
    FUZZ_CHECK(closed);
    FUZZ_CHECK(store.LastRow <= 9 && store.LastCol <= 9);

    // Replay the tokens of the reference reading, with the same overwriting
    // of an inner "#", and compare with what the reader handed out.
    const std::vector<std::string> lines = ReferenceLines(bytes);
    std::map<std::pair<int, int>, std::string> cells;
    std::map<int, std::string> constants;
    bool beyond = lines.size() > 10;
    int greatest = 0;
    for (int r = 0; r < static_cast<int>(lines.size()) && r < 10; ++r) {
        std::string token;
        int col = 0;
        for (char ch : lines[static_cast<size_t>(r)] + "#") {
            if (ch == ' ' || ch == '=') {
                if (col < 10)
                    cells[{r, col}] = token;
                else
                    beyond = true;
                ++col;
                token.clear();
            } else if (ch == '#') {
                greatest = std::max(greatest, std::min(col, 10));
                constants[r] = token;
                col = 0;
                token.clear();
            } else {
                token += ch;
            }
        }
    }
    FUZZ_CHECK(sink.cells == cells);
    FUZZ_CHECK(sink.constants == constants);
    FUZZ_CHECK(tooLarge == beyond);
    FUZZ_CHECK(store.LastRow == std::min<int>(static_cast<int>(lines.size()), 10) - 1);
    FUZZ_CHECK(store.LastCol == greatest - 1);
    return 0;
}
