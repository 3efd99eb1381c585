#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillora::cli {

/// Reads the lines of a file descriptor (standard input) in large blocks with read(2), each
/// line without its line end (LF or CR LF) and otherwise exactly as written; a last line without
/// a line end counts too.
class LineReader
{
public:
    /// The longest line read; a longer one is an error, so that endless input without line
    /// ends (such as /dev/zero) cannot take all memory.
    static constexpr std::size_t kMaxLineBytes = 64 * 1024 * 1024;

    explicit LineReader(int fd)
        : m_fd(fd)
    { }

    /// The next line, or nothing at the end of the input or after an error (see error()).
    /// The view lives until the next call.
    std::optional<std::string_view> next();

    /// Why reading stopped early, or empty.
    const std::string &error() const { return m_error; }
    std::size_t lineNumber() const { return m_lineNumber; }

private:
    bool fill();

    int m_fd;
    std::string m_buffer;
    std::size_t m_start = 0;   // where the next line starts in m_buffer
    std::size_t m_scanned = 0; // bytes from m_start known to hold no line feed
    bool m_eof = false;
    std::size_t m_lineNumber = 0;
    std::string m_error;
};

} // namespace quillora::cli
