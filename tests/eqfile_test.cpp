#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "equation_reader.h"
#include "equation_writer.h"
#include "line_reader.h"

namespace vektoria {
namespace {

using std::string_literals::operator""s;

// A reader over bytes in memory, handing them out in small pieces so that
// line endings fall across refills.
LineReader MemoryReader(const std::string& bytes, size_t piece) {
    auto pos = std::make_shared<size_t>(0);
    return LineReader(
        [bytes, pos, piece](char* buffer, size_t capacity) {
            const size_t n = std::min({piece, capacity, bytes.size() - *pos});
            std::memcpy(buffer, bytes.data() + *pos, n);
            *pos += n;
            return n;
        },
        piece);
}

std::vector<std::string> Lines(const std::string& bytes, size_t piece) {
    LineReader reader = MemoryReader(bytes, piece);
    std::vector<std::string> lines;
    while (!reader.AtEnd()) lines.push_back(reader.ReadLine());
    return lines;
}

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class LineRules : public testing::TestWithParam<LineCase> {};

TEST_P(LineRules, SplitTheBytesIntoLines) {
    for (size_t piece : {1, 2, 3, 4096})
        EXPECT_EQ(Lines(GetParam().bytes, piece), GetParam().lines) << piece;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineRules,
    testing::Values(LineCase{"CrLf", "1 2=3\r\n4=5\r\n", {"1 2=3", "4=5"}},
                    LineCase{"LfOnly", "1 2=3\n4=5\n", {"1 2=3", "4=5"}},
                    LineCase{"LoneCrIsDropped", "1\r2\r3\r", {"123"}},
                    LineCase{"CrBeforeCrLf", "a\r\r\nb", {"a", "b"}},
                    LineCase{"LastLineWithoutEnding", "1=2\n3=4", {"1=2", "3=4"}},
                    LineCase{"TrailingEmptyLine", "1=2\r\n\r\n", {"1=2", ""}},
                    LineCase{"EmptyFile", "", {}}, LineCase{"OnlyAnEnding", "\n", {""}},
                    LineCase{"CtrlZAtLineStart",
                             "1=2\n\x1A"
                             "3=4\n",
                             {"1=2"}},
                    LineCase{"CtrlZInsideLine",
                             "1=2\x1A"
                             "9\n3=4\n",
                             {"1=2"}},
                    LineCase{"CtrlZAtStart",
                             "\x1A"
                             "1=2",
                             {}},
                    LineCase{"NulAndControlBytesKept",
                             "1\0"
                             "2\t3\x01=4"s,
                             {"1\0"
                              "2\t3\x01=4"s}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineReader, LongLineIsReadWhole) {
    const std::string big(3'000'000, 'x');
    EXPECT_EQ(Lines(big + "\r\nend", 65536), (std::vector<std::string>{big, "end"}));
}

TEST(LineReader, FaultFromTheSourcePassesOut) {
    LineReader reader([](char*, size_t) -> size_t { throw std::runtime_error("boom"); });
    EXPECT_THROW(reader.AtEnd(), std::runtime_error);
}

// Records the cells as the window would hold them.
class MapSink : public CellSink {
  public:
    void SetCoefficient(int col, int row, std::string_view text) override {
        coefficients[{row, col}] = std::string(text);
    }
    void SetConstant(int row, std::string_view text) override {
        constants[row] = std::string(text);
    }

    std::vector<std::string> Row(int row) const {
        std::vector<std::string> texts;
        for (const auto& [key, text] : coefficients)
            if (key.first == row) texts.push_back(text);
        return texts;
    }

    std::map<std::pair<int, int>, std::string> coefficients;
    std::map<int, std::string> constants;
};

struct Read {
    EquationStore store{};
    MapSink sink;
    bool tooLarge = false;
    bool closed = false;
};

Read ReadBytes(const std::string& bytes) {
    Read r;
    LineReader reader = MemoryReader(bytes, 4096);
    r.tooLarge = ReadEquations(reader, r.store, r.sink, [&r] { r.closed = true; });
    return r;
}

struct SingleLineCase {
    const char* name;
    std::string line;
    std::vector<std::string> coefficients;
    std::string constant;
    int columnCount;  // the greatest count met at a "#"
};

class SingleLines : public testing::TestWithParam<SingleLineCase> {};

TEST_P(SingleLines, GiveTheirCellsAndColumnCount) {
    const SingleLineCase& c = GetParam();
    const Read r = ReadBytes(c.line + "\r\n");
    EXPECT_EQ(r.sink.Row(0), c.coefficients);
    EXPECT_EQ(r.sink.constants.at(0), c.constant);
    EXPECT_EQ(r.store.LastCol, c.columnCount - 1);
    EXPECT_EQ(r.store.LastRow, 0);
    EXPECT_FALSE(r.tooLarge);
    EXPECT_TRUE(r.closed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SingleLines,
    testing::Values(SingleLineCase{"Plain", "1 2 4=3", {"1", "2", "4"}, "3", 3},
                    SingleLineCase{"NoEquals", "1 2 4", {"1", "2"}, "4", 2},
                    SingleLineCase{"EqualsAsSeparator", "1=2=3", {"1", "2"}, "3", 2},
                    SingleLineCase{"EmptyTokens", " 2  3 = 4", {"", "2", "", "3", "", ""}, "4", 6},
                    SingleLineCase{"TrailingBlank", "1 2=3 ", {"1", "2", "3"}, "", 3},
                    SingleLineCase{"ConstantOnly", "=5", {""}, "5", 1},
                    SingleLineCase{"EmptyLine", "", {}, "", 0},
                    SingleLineCase{"InnerHash", "1 2=3#4=5", {"4", "2"}, "5", 2},
                    SingleLineCase{"TabInToken", "1\t2=3", {"1\t2"}, "3", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadEquations, StoresTheNumbersOfTheTokens) {
    const Read r = ReadBytes("1 1 1=3\r\n2 -3 -1=2\r\n4 -5 -1=1\r\n");
    EXPECT_EQ(r.store.LastRow, 2);
    EXPECT_EQ(r.store.LastCol, 2);
    EXPECT_EQ(r.store.Factors[1][1], -3);
    EXPECT_EQ(r.store.Factors[2][0], 4);
    EXPECT_EQ(r.store.Constants[2], 1);
}

TEST(ReadEquations, EmptyFileLeavesBothExtentsAtMinusOne) {
    const Read r = ReadBytes("");
    EXPECT_EQ(r.store.LastRow, -1);
    EXPECT_EQ(r.store.LastCol, -1);
    EXPECT_TRUE(r.closed);
}

TEST(ReadEquations, EntriesTheFileDoesNotReachKeepTheirNumbers) {
    EquationStore store{};
    store.Factors[0][3] = 7;
    store.Constants[4] = 8;
    LineReader reader = MemoryReader("1 2=3\n", 64);
    MapSink sink;
    ReadEquations(reader, store, sink, [] {});
    EXPECT_EQ(store.Factors[0][3], 7);
    EXPECT_EQ(store.Constants[4], 8);
}

TEST(ReadEquations, BeyondCapacityNothingIsStoredOutsideTheStore) {
    // Eleven lines of eleven positions, each position a distinct number.
    std::string file;
    for (int r = 0; r < 11; ++r) {
        for (int c = 0; c < 12; ++c) file += std::to_string(100 * r + c) + (c < 11 ? " " : "");
        file += "\r\n";
    }
    const Read r = ReadBytes(file);
    EXPECT_TRUE(r.tooLarge);
    EXPECT_EQ(r.store.LastRow, 9);
    EXPECT_EQ(r.store.LastCol, 9);
    EXPECT_EQ(r.store.Factors[9][9], 909);
    EXPECT_EQ(r.store.Constants[9], 911) << "the constant is still the last token";
    for (const auto& [key, text] : r.sink.coefficients) {
        EXPECT_LT(key.first, 10);
        EXPECT_LT(key.second, 10);
    }
    EXPECT_EQ(r.sink.constants.count(10), 0u);
    EXPECT_TRUE(r.closed);
}

TEST(ReadEquations, ExactlyTenByTenFits) {
    std::string file;
    for (int r = 0; r < 10; ++r) file += "1 2 3 4 5 6 7 8 9 10=11\r\n";
    const Read r = ReadBytes(file);
    EXPECT_FALSE(r.tooLarge);
    EXPECT_EQ(r.store.LastRow, 9);
    EXPECT_EQ(r.store.LastCol, 9);
}

TEST(ReadEquations, OverflowingTokenEndsTheReadWithCountingExtents) {
    EquationStore store{};
    LineReader reader = MemoryReader("1=2\n3 1e400=4\n5=6\n", 64);
    MapSink sink;
    bool closed = false;
    EXPECT_THROW(ReadEquations(reader, store, sink, [&] { closed = true; }), std::exception);
    EXPECT_FALSE(closed);
    EXPECT_EQ(store.LastRow, 1) << "counting value, not lowered";
    EXPECT_EQ(sink.coefficients.at({1, 1}), "1e400") << "the text arrives before its number";
    EXPECT_EQ(store.Factors[1][0], 3);
}

struct WriteCase {
    std::vector<std::string> coefficients;
    std::string constant;
    std::string line;
};

TEST(ComposeEquationLine, ClosesUpEmptyCells) {
    const WriteCase cases[] = {
        {{"1", "1", "1", "", "", "", ""}, "3", "1 1 1=3"},
        {{"2", "", "-3"}, "2", "2 -3=2"},
        {{"", "", ""}, "5", "=5"},
        {{"1", "2"}, "", "1 2="},
        {{"", ""}, "", "="},
        {{"  1.0000", " -5.0000"}, " -3.8000", "  1.0000  -5.0000= -3.8000"},
    };
    for (const WriteCase& c : cases)
        EXPECT_EQ(ComposeEquationLine(c.coefficients, c.constant), c.line);
}

}  // namespace
}  // namespace vektoria
