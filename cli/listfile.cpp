#include "listfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

namespace quillora::cli {

namespace {

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    { }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

std::string describe(const std::string &path, const char *what)
{
    return path + ": " + what;
}

ssize_t readSome(int fd, char *into, std::size_t size)
{
    ssize_t count = 0;
    do {
        count = ::read(fd, into, size);
    } while (count < 0 && errno == EINTR);
    return count;
}

/// Reads to the end of the file, at most `limit` bytes: first the `expected` bytes of a
/// regular file straight into place, then whatever else comes (all of a pipe). False with errno
/// set on a read error; `tooLong` set when there is more than `limit`.
bool readAll(int fd, std::string &out, std::size_t expected, std::size_t limit, bool &tooLong)
{
    out.resize(std::min(expected, limit));
    std::size_t filled = 0;
    while (filled < out.size()) {
        const ssize_t count = readSome(fd, out.data() + filled, out.size() - filled);
        if (count < 0)
            return false;
        if (count == 0) { // the file shrank meanwhile
            out.resize(filled);
            return true;
        }
        filled += static_cast<std::size_t>(count);
    }
    std::string chunk(std::size_t{1} << 20, '\0');
    while (true) {
        const ssize_t count = readSome(fd, chunk.data(), chunk.size());
        if (count < 0)
            return false;
        if (count == 0)
            return true;
        out.append(chunk.data(), static_cast<std::size_t>(count));
        if (out.size() > limit) {
            tooLong = true;
            return true;
        }
    }
}

bool hasLongLine(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        const std::size_t lineEnd = end == std::string_view::npos ? text.size() : end;
        if (lineEnd - start > kMaxListLineBytes)
            return true;
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return false;
}

bool isUtf16(std::string_view text)
{
    return text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
}

} // namespace

std::optional<std::string> readListFile(const std::string &path, std::string &error)
{
    if (path.empty()) {
        error = "the name list has an empty file name";
        return std::nullopt;
    }
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info = {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    if (S_ISDIR(info.st_mode)) {
        error = describe(path, "is a directory, not a name list");
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode) && !S_ISFIFO(info.st_mode)) {
        error = describe(path, "is a device, not a name list");
        return std::nullopt;
    }
    const auto size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    if (S_ISREG(info.st_mode) && size > kMaxListBytes) {
        error = describe(path, "is larger than 1 GiB, the most a name list may be");
        return std::nullopt;
    }

    std::string text;
    bool tooLong = false;
    if (!readAll(file.get(), text, size, kMaxListBytes, tooLong)) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    if (tooLong) {
        error = describe(path, "is larger than 1 GiB, the most a name list may be");
        return std::nullopt;
    }
    if (!isUtf16(text) && text.find('\0') != std::string::npos) {
        error = describe(path,
            "holds NUL bytes: not a text name list (a UTF-16 list needs its "
            "byte-order mark)");
        return std::nullopt;
    }
    if (hasLongLine(text)) {
        error = describe(path, "has a line longer than 64 MiB: not a name list");
        return std::nullopt;
    }
    text.shrink_to_fit();
    return text;
}

} // namespace quillora::cli
