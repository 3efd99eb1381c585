#include "output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quillora::cli {

WriteError::WriteError(int error)
    : std::runtime_error(std::strerror(error))
    , m_error(error)
{ }

Output::Output(int fd)
    : m_fd(fd)
{
    m_buffer.reserve(2 * kBlock);
}

void Output::write(std::string_view text)
{
    m_buffer += text;
    flushIfFull();
}

void Output::put(char c)
{
    m_buffer.push_back(c);
    flushIfFull();
}

void Output::flushIfFull()
{
    if (m_buffer.size() >= kBlock)
        flush();
}

void Output::flush()
{
    std::size_t written = 0;
    while (written < m_buffer.size()) {
        const ssize_t count = ::write(m_fd, m_buffer.data() + written, m_buffer.size() - written);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            m_buffer.clear();
            throw WriteError(error);
        }
        written += static_cast<std::size_t>(count);
    }
    m_buffer.clear();
}

void appendEscaped(std::string &out, std::string_view field)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < field.size(); ++i) {
        char escape = 0;
        // clang-format off
        switch (field[i]) {
        case '\\': escape = '\\'; break;
        case '\t': escape = 't'; break;
        case '\n': escape = 'n'; break;
        case '\r': escape = 'r'; break;
        default: continue;
        }
        // clang-format on
        out.append(field.substr(start, i - start));
        out.push_back('\\');
        out.push_back(escape);
        start = i + 1;
    }
    out.append(field.substr(start));
}

} // namespace quillora::cli
