#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quillora::fuzz {

/// Stops the run with a message when a property does not hold; libFuzzer then saves the input
/// that broke it.
inline void require(bool holds, const char *property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
}

/// Prints a byte string with everything outside printable ASCII escaped, for failure messages.
inline void dump(const char *label, std::string_view bytes)
{
    std::fprintf(stderr, "%s (%zu bytes): \"", label, bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\')
            std::fputc(byte, stderr);
        else
            std::fprintf(stderr, "\\x%02X", static_cast<unsigned>(byte));
    }
    std::fputs("\"\n", stderr);
}

inline std::string_view asText(const unsigned char *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), size};
}

/// Two texts from one input: its first byte gives the length of the first (at most what is
/// left), the rest of the input is the second.
struct TwoTexts
{
    std::string_view first;
    std::string_view second;
};

inline TwoTexts splitInput(const unsigned char *data, std::size_t size)
{
    if (size == 0)
        return {};
    const std::string_view rest = asText(data + 1, size - 1);
    const std::string_view first = rest.substr(0, std::min<std::size_t>(data[0], rest.size()));
    return {first, rest.substr(first.size())};
}

} // namespace quillora::fuzz
