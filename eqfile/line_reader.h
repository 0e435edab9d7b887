// Reading an 8-bit text file line by line: a line ends at LF or CR LF, a
// lone CR is dropped, the last line needs no ending, and Ctrl-Z (26) stands
// for the end of the file.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vektoria {

// Where lines come from: the end test comes before every line.
class LineSource {
  public:
    virtual ~LineSource() = default;
    // True when no byte is left or the next unread byte is Ctrl-Z.
    virtual bool AtEnd() = 0;
    // The next line without its ending; the ending is consumed.
    virtual std::string ReadLine() = 0;
};

// The line rules over any source of bytes.
class LineReader : public LineSource {
  public:
    // Fills up to `capacity` bytes and returns how many; 0 at the end.
    // Faults travel as exceptions.
    using Fill = std::function<size_t(char* buffer, size_t capacity)>;

    explicit LineReader(Fill fill, size_t bufferSize = 64 * 1024);

    bool AtEnd() override;
    std::string ReadLine() override;

  private:
    bool Available();  // refills when the buffer is used up; false at the end

    Fill fill_;
    std::vector<char> buffer_;
    size_t pos_ = 0;
    size_t len_ = 0;
    bool exhausted_ = false;
};

}  // namespace vektoria
