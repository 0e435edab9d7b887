#include "line_reader.h"

#include <algorithm>
#include <cstring>

namespace vektoria {

namespace {
constexpr char kCtrlZ = 26;
}  // namespace

LineReader::LineReader(Fill fill, size_t bufferSize)
    : fill_(std::move(fill)), buffer_(std::max<size_t>(bufferSize, 1)) {}

bool LineReader::Available() {
    if (pos_ < len_) return true;
    if (exhausted_) return false;
    pos_ = 0;
    len_ = fill_(buffer_.data(), buffer_.size());
    if (len_ == 0) exhausted_ = true;
    return len_ > 0;
}

bool LineReader::AtEnd() { return !Available() || buffer_[pos_] == kCtrlZ; }

std::string LineReader::ReadLine() {
    std::string line;
    while (Available()) {
        const char* begin = buffer_.data() + pos_;
        const char* end = buffer_.data() + len_;
        const char* stop = std::find_if(
            begin, end, [](char ch) { return ch == '\n' || ch == '\r' || ch == kCtrlZ; });
        line.append(begin, stop);
        pos_ += static_cast<size_t>(stop - begin);
        if (stop == end) continue;
        if (*stop == kCtrlZ) break;  // ends the line, and the file at the next end test
        ++pos_;                      // a carriage return is dropped wherever it stands
        if (*stop == '\n') break;
    }
    return line;
}

}  // namespace vektoria
