#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace quillora::cli {

/// The largest name list --names reads.
inline constexpr std::size_t kMaxListBytes = std::size_t{1} << 30;
/// The longest line a name list may have; a file with a longer one has no line structure.
inline constexpr std::size_t kMaxListLineBytes = 64 * 1024 * 1024;

/// The bytes of the name list at `path`, or nothing with the reason in `error`. A list must be
/// a regular file or a pipe (not a directory or a device such as /dev/zero), at most
/// kMaxListBytes long, free of NUL bytes (but UTF-16 with a byte-order mark, which the parser
/// reads) and with no line longer than kMaxListLineBytes. The memory taken is the file's size.
std::optional<std::string> readListFile(const std::string &path, std::string &error);

} // namespace quillora::cli
