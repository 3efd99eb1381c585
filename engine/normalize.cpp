#include "normalize.h"

#include "utf8.h"

#include <utf8proc.h>

#include <vector>

namespace quillora::text {

namespace {

constexpr char32_t kFirstCombiningMark = 0x300;

// Normalises one stretch of well-formed UTF-8 and appends it to `out`.
void appendNfc(std::string &out, std::string_view valid)
{
    const auto *bytes = reinterpret_cast<const utf8proc_uint8_t *>(valid.data());
    const auto length = static_cast<utf8proc_ssize_t>(valid.size());
    const auto options = static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_DECOMPOSE);
    std::vector<utf8proc_int32_t> buffer(valid.size() + 8);
    utf8proc_ssize_t count = 0;
    while (true) {
        count = utf8proc_decompose(
            bytes, length, buffer.data(), static_cast<utf8proc_ssize_t>(buffer.size()), options);
        if (count < 0 || static_cast<std::size_t>(count) <= buffer.size())
            break;
        buffer.resize(static_cast<std::size_t>(count)); // it said how much room it needs
    }
    if (count >= 0) {
        const auto compose = static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE);
        count = utf8proc_normalize_utf32(buffer.data(), count, compose);
    }
    if (count < 0) { // cannot happen for well-formed text; keep it as it is all the same
        out += valid;
        return;
    }
    for (utf8proc_ssize_t i = 0; i < count; ++i)
        utf8::append(out, static_cast<char32_t>(buffer[static_cast<std::size_t>(i)]));
}

} // namespace

bool mayChangeUnderNfc(std::string_view text)
{
    text.remove_prefix(utf8::asciiPrefixLength(text));
    while (!text.empty()) {
        if (static_cast<unsigned char>(text[0]) < 0x80U) {
            text.remove_prefix(1);
            continue;
        }
        const auto [cp, size] = utf8::decodeFirst(text);
        if (cp >= kFirstCombiningMark && !utf8::isRawByte(cp))
            return true;
        text.remove_prefix(size);
    }
    return false;
}

std::string toNfc(std::string_view text)
{
    if (!mayChangeUnderNfc(text))
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t runStart = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const utf8::Decoded d = utf8::decodeFirst(text.substr(pos));
        if (utf8::isRawByte(d.codePoint)) {
            appendNfc(out, text.substr(runStart, pos - runStart));
            out.push_back(text[pos]); // an invalid byte passes through
            runStart = pos + 1;
        }
        pos += d.size;
    }
    appendNfc(out, text.substr(runStart));
    return out;
}

} // namespace quillora::text
