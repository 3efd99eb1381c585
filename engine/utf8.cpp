#include "utf8.h"

#include <cstdint>
#include <cstring>

namespace quillora::utf8 {

namespace {

constexpr char32_t kRawByteBase = 0xDC00;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0U) == 0x80U;
}

} // namespace

Decoded decodeFirst(std::string_view text)
{
    if (text.empty())
        return {0, 0};
    const auto lead = static_cast<unsigned char>(text[0]);
    const Decoded raw{kRawByteBase + lead, 1};
    if (lead < 0x80U)
        return {lead, 1};

    std::size_t size = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0U) == 0xC0U) {
        size = 2;
        value = lead & 0x1FU;
        smallest = 0x80;
    } else if ((lead & 0xF0U) == 0xE0U) {
        size = 3;
        value = lead & 0x0FU;
        smallest = 0x800;
    } else if ((lead & 0xF8U) == 0xF0U) {
        size = 4;
        value = lead & 0x07U;
        smallest = 0x10000;
    } else {
        return raw;
    }
    if (text.size() < size)
        return raw;
    for (std::size_t i = 1; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!isContinuation(byte))
            return raw;
        value = (value << 6U) | (byte & 0x3FU);
    }
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (value < smallest || value > 0x10FFFF || surrogate)
        return raw;
    return {value, size};
}

void decodeInto(std::u32string &out, std::string_view text)
{
    out.clear();
    out.reserve(text.size());
    while (!text.empty()) {
        const Decoded d = decodeFirst(text);
        out.push_back(d.codePoint);
        text.remove_prefix(d.size);
    }
}

std::u32string decode(std::string_view text)
{
    std::u32string out;
    decodeInto(out, text);
    return out;
}

std::size_t asciiPrefixLength(std::string_view text)
{
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::size_t i = 0;
    for (; i + sizeof(std::uint64_t) <= text.size(); i += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + i, sizeof word);
        if ((word & kHighBits) != 0)
            break;
    }
    while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80U)
        ++i;
    return i;
}

std::size_t length(std::string_view text)
{
    std::size_t count = 0;
    while (!text.empty()) {
        // ASCII needs no decoding; it is nearly every byte of a name.
        if (static_cast<unsigned char>(text[0]) < 0x80U) {
            text.remove_prefix(1);
        } else {
            text.remove_prefix(decodeFirst(text).size);
        }
        ++count;
    }
    return count;
}

void append(std::string &out, char32_t cp)
{
    if (cp >= kRawByteBase + 0x80 && cp <= kRawByteBase + 0xFF) {
        out.push_back(static_cast<char>(cp - kRawByteBase));
    } else if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0U | (cp >> 6U)));
        out.push_back(static_cast<char>(0x80U | (cp & 0x3FU)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0U | (cp >> 12U)));
        out.push_back(static_cast<char>(0x80U | ((cp >> 6U) & 0x3FU)));
        out.push_back(static_cast<char>(0x80U | (cp & 0x3FU)));
    } else if (cp <= 0x10FFFF) {
        out.push_back(static_cast<char>(0xF0U | (cp >> 18U)));
        out.push_back(static_cast<char>(0x80U | ((cp >> 12U) & 0x3FU)));
        out.push_back(static_cast<char>(0x80U | ((cp >> 6U) & 0x3FU)));
        out.push_back(static_cast<char>(0x80U | (cp & 0x3FU)));
    } else {
        append(out, U'\uFFFD'); // no such code point; decode() never makes one
    }
}

std::string encode(std::u32string_view codePoints)
{
    std::string out;
    out.reserve(codePoints.size());
    for (const char32_t cp : codePoints)
        append(out, cp);
    return out;
}

std::string fromUtf16(std::string_view bytes, bool bigEndian)
{
    constexpr char32_t kReplacement = 0xFFFD;
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    const auto unitAt = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (char32_t{first} << 8U) | second : (char32_t{second} << 8U) | first;
    };
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                append(out, 0x10000 + ((unit - 0xD800) << 10U) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        append(out, (unit >= 0xD800 && unit <= 0xDFFF) ? kReplacement : unit);
    }
    if (i < bytes.size())
        append(out, kReplacement);
    return out;
}

} // namespace quillora::utf8
