#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quillora::cli {

/// A failed write: the output is gone (a full disk, a closed pipe), so the run stops at once.
class WriteError : public std::runtime_error
{
public:
    explicit WriteError(int error);
    int error() const { return m_error; }

private:
    int m_error;
};

/// Buffered output to a file descriptor, written with write(2) in large blocks. Every write
/// is checked: the first one that fails throws WriteError, so a run whose output cannot go
/// anywhere ends at once instead of at the end of its input.
class Output
{
public:
    explicit Output(int fd);
    Output(const Output &) = delete;
    Output &operator=(const Output &) = delete;

    void write(std::string_view text);
    void put(char c);
    /// Writes what is buffered; throws WriteError when that fails.
    void flush();

    /// The buffer itself, for a caller that builds a line in place; flushed by write() and
    /// flush() once it is large.
    std::string &buffer() { return m_buffer; }
    void flushIfFull();

private:
    static constexpr std::size_t kBlock = 64 * 1024;

    int m_fd;
    std::string m_buffer;
};

/// Appends `field` to `out` escaped as in the text format of PostgreSQL's COPY, so that a field
/// never holds a tab or a line end of its own: backslash as \\, tab as \t, line feed as \n,
/// carriage return as \r. Every other byte is copied as it is.
void appendEscaped(std::string &out, std::string_view field);

} // namespace quillora::cli
