#include "input.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quillora::cli {

namespace {
constexpr std::size_t kBlock = 64 * 1024;
} // namespace

bool LineReader::fill()
{
    // Drop the lines already handed out before reading more.
    if (m_start > 0) {
        m_buffer.erase(0, m_start);
        m_start = 0;
    }
    const std::size_t old = m_buffer.size();
    m_buffer.resize(old + kBlock);
    while (true) {
        const ssize_t count = ::read(m_fd, m_buffer.data() + old, kBlock);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            m_error = std::string("cannot read standard input: ") + std::strerror(errno);
            m_buffer.resize(old);
            return false;
        }
        m_buffer.resize(old + static_cast<std::size_t>(count));
        m_eof = count == 0;
        return true;
    }
}

std::optional<std::string_view> LineReader::next()
{
    if (!m_error.empty())
        return std::nullopt;
    while (true) {
        const std::size_t end = m_buffer.find('\n', m_start + m_scanned);
        if (end != std::string::npos || (m_eof && m_start < m_buffer.size())) {
            const std::size_t lineEnd = end == std::string::npos ? m_buffer.size() : end;
            std::string_view line(m_buffer.data() + m_start, lineEnd - m_start);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            m_start = end == std::string::npos ? m_buffer.size() : end + 1;
            m_scanned = 0;
            ++m_lineNumber;
            return line;
        }
        if (m_eof)
            return std::nullopt;
        m_scanned = m_buffer.size() - m_start;
        if (m_scanned > kMaxLineBytes) {
            m_error = "standard input line " + std::to_string(m_lineNumber + 1)
                + " is longer than 64 MiB";
            return std::nullopt;
        }
        if (!fill())
            return std::nullopt;
    }
}

} // namespace quillora::cli
