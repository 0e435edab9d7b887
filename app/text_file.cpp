#include "text_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "equation_writer.h"

namespace vektoria {

namespace {

std::string FaultText(int error) {
    switch (error) {
        case ENOENT:
            return "Datei nicht gefunden";
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
        case EINVAL:
        case EILSEQ:
            return "Ung\xC3\xBCltiger Dateiname";
        case EMFILE:
        case ENFILE:
            return "Zu viele ge\xC3\xB6"
                   "ffnete Dateien";
        case EACCES:
        case EPERM:
        case EROFS:
            return "Dateizugriff verweigert";
        default:
            return "E/A-Fehler " + std::to_string(error);
    }
}

// The name as the system takes it, or nothing when it cannot name a file
// (empty, or with a NUL character that would cut it short).
std::optional<QByteArray> SystemName(const QString& name) {
    if (name.isEmpty() || name.contains(QChar(0))) return std::nullopt;
    return QFile::encodeName(name);
}

}  // namespace

FileFault::FileFault(int error) : text_(FaultText(error)) {}

FileCalls& SystemFileCalls() {
    static FileCalls calls{
        [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }, ::read,
        ::write, ::close, ::fstat};
    return calls;
}

TextFile EquationFile;

TextFile::~TextFile() { CloseQuietly(); }

bool TextFile::OpenRead(const QString& name) {
    CloseQuietly();
    const auto path = SystemName(name);
    if (!path) return false;
    FileCalls& sys = SystemFileCalls();
    // Non-blocking, so that a FIFO without a writer cannot freeze the window;
    // anything but a regular file is refused.
    const int fd = sys.open(path->constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    if (fd < 0) return false;
    struct stat info {};
    if (sys.fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        sys.close(fd);
        return false;
    }
    fd_ = fd;
    reader_ = std::make_unique<LineReader>([fd](char* buffer, size_t capacity) {
        for (;;) {
            const ssize_t n = SystemFileCalls().read(fd, buffer, capacity);
            if (n >= 0) return static_cast<size_t>(n);
            if (errno != EINTR) throw FileFault(errno);
        }
    });
    return true;
}

bool TextFile::CreateNew(const QString& name) {
    CloseQuietly();
    const auto path = SystemName(name);
    if (!path) throw FileFault(EINVAL);
    // O_EXCL refuses any existing name in one step, also one that appears
    // meanwhile or cannot be read: an existing file is never emptied.
    const int fd = SystemFileCalls().open(path->constData(),
                                          O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST) return false;
        throw FileFault(errno);
    }
    fd_ = fd;
    return true;
}

bool TextFile::AtEnd() { return reader_->AtEnd(); }

std::string TextFile::ReadLine() { return reader_->ReadLine(); }

void TextFile::Write(std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = SystemFileCalls().write(fd_, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            throw FileFault(errno);
        }
        text.remove_prefix(static_cast<size_t>(n));
    }
}

void TextFile::WriteLineEnd() { Write(kLineEnd); }

int TextFile::Release() noexcept {
    const int fd = fd_;
    fd_ = -1;
    reader_.reset();
    return fd;
}

void TextFile::Close() {
    if (fd_ < 0) return;
    if (SystemFileCalls().close(Release()) != 0 && errno != EINTR) throw FileFault(errno);
}

void TextFile::CloseQuietly() noexcept {
    if (fd_ >= 0) SystemFileCalls().close(Release());
}

}  // namespace vektoria
