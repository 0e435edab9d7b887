// The program's text files: open an existing file for reading, create a
// file for writing, end test, read a line, write a text, end a line, close.
// One module-level file variable serves reader and writer, so at most one
// equation file is open, and none between commands.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <QString>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "line_reader.h"

namespace vektoria {

// A file fault that ends the command; what() is its text in UTF-8.
class FileFault : public std::exception {
  public:
    explicit FileFault(int error);
    const char* what() const noexcept override { return text_.c_str(); }

  private:
    std::string text_;
};

// The system calls the layer makes; tests replace them to inject faults.
struct FileCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*read)(int fd, void* buffer, size_t count);
    ssize_t (*write)(int fd, const void* buffer, size_t count);
    int (*close)(int fd);
    int (*fstat)(int fd, struct stat* info);
};
FileCalls& SystemFileCalls();

class TextFile : public LineSource {
  public:
    ~TextFile() override;

    // Opens an existing regular file for reading, without ever blocking.
    // False when it cannot be opened for whatever reason.
    bool OpenRead(const QString& name);
    // Creates a new file; false when the name exists already (nothing is
    // emptied).  Other failures are faults.
    bool CreateNew(const QString& name);

    bool AtEnd() override;
    std::string ReadLine() override;
    void Write(std::string_view text);
    void WriteLineEnd();
    // Faults when the system reports an error on closing.
    void Close();
    // Closes without reporting: for a command that already ends in a fault.
    void CloseQuietly() noexcept;
    bool IsOpen() const { return fd_ >= 0; }

  private:
    // Forgets the open file and hands back its descriptor for closing.
    int Release() noexcept;

    int fd_ = -1;
    std::unique_ptr<LineReader> reader_;
};

// The module-level file variable.
extern TextFile EquationFile;

// Closes EquationFile when a command leaves early through a fault.
class CloseOnFault {
  public:
    CloseOnFault() = default;
    CloseOnFault(const CloseOnFault&) = delete;
    CloseOnFault& operator=(const CloseOnFault&) = delete;
    ~CloseOnFault() { EquationFile.CloseQuietly(); }
};

}  // namespace vektoria
