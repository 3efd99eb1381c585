#include "textcase.h"

#include "utf8.h"

#include <utf8proc.h>

#include <array>

namespace quillora::text {

namespace {

bool isCodePoint(char32_t cp)
{
    return cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

char32_t asciiLower(char32_t cp)
{
    return (cp >= U'A' && cp <= U'Z') ? cp + 0x20 : cp;
}

constexpr char32_t kCapitalDottedI = 0x130;
constexpr char32_t kSharpS = 0xDF;

} // namespace

char32_t foldCase(char32_t cp)
{
    if (cp < 0x80)
        return asciiLower(cp);
    if (!isCodePoint(cp))
        return cp;
    const auto value = static_cast<utf8proc_int32_t>(cp);
    if (utf8proc_get_property(value)->casefold_seqindex == UINT16_MAX)
        return cp; // no folding at all
    // utf8proc holds the full folding (statuses C and F). Where it is one code point it is the
    // simple one too. Where it expands (ß → ss, ẞ → ss, ᾈ → ἀι), the simple folding is the
    // lower-case mapping (ẞ → ß, ᾈ → ᾀ), or nothing when there is none (ß); İ is the one letter
    // whose lower-case mapping (i) is not its simple folding, which keeps it as it is.
    std::array<utf8proc_int32_t, 4> folded{};
    int boundClass = 0;
    const utf8proc_ssize_t count = utf8proc_decompose_char(
        value, folded.data(), folded.size(), UTF8PROC_CASEFOLD, &boundClass);
    if (count == 1)
        return static_cast<char32_t>(folded[0]);
    if (cp == kCapitalDottedI)
        return cp;
    return static_cast<char32_t>(utf8proc_tolower(value));
}

char32_t toUpper(char32_t cp)
{
    if (cp < 0x80)
        return (cp >= U'a' && cp <= U'z') ? cp - 0x20 : cp;
    // utf8proc gives ẞ for ß, which the character database does not: ß has no simple
    // upper-case mapping (its capital is SS).
    if (!isCodePoint(cp) || cp == kSharpS)
        return cp;
    return static_cast<char32_t>(utf8proc_toupper(static_cast<utf8proc_int32_t>(cp)));
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a == b)
        return true;
    while (!a.empty() && !b.empty()) {
        const auto ca = static_cast<unsigned char>(a[0]);
        const auto cb = static_cast<unsigned char>(b[0]);
        if (ca < 0x80 && cb < 0x80) { // plain ASCII, nearly every character of a name
            if (asciiLower(ca) != asciiLower(cb))
                return false;
            a.remove_prefix(1);
            b.remove_prefix(1);
            continue;
        }
        const auto [codeA, sizeA] = utf8::decodeFirst(a);
        const auto [codeB, sizeB] = utf8::decodeFirst(b);
        if (codeA != codeB && foldCase(codeA) != foldCase(codeB))
            return false;
        a.remove_prefix(sizeA);
        b.remove_prefix(sizeB);
    }
    return a.empty() && b.empty();
}

bool isWhiteSpace(char32_t cp)
{
    if (cp < 0x80)
        return cp == U' ' || (cp >= U'\t' && cp <= U'\r');
    if (cp == 0x85)
        return true;
    if (!isCodePoint(cp))
        return false;
    switch (utf8proc_category(static_cast<utf8proc_int32_t>(cp))) {
    case UTF8PROC_CATEGORY_ZS:
    case UTF8PROC_CATEGORY_ZL:
    case UTF8PROC_CATEGORY_ZP:
        return true;
    default:
        return false;
    }
}

std::string_view trimmed(std::string_view text)
{
    const auto isAsciiNonSpace = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x80U && !isWhiteSpace(byte);
    };
    while (!text.empty() && !isAsciiNonSpace(text.front())) {
        const auto [cp, size] = utf8::decodeFirst(text);
        if (!isWhiteSpace(cp))
            break;
        text.remove_prefix(size);
    }
    // Walk back to the start of the last code point: at most three continuation bytes.
    while (!text.empty() && !isAsciiNonSpace(text.back())) {
        std::size_t start = text.size() - 1;
        for (int i = 0;
             i < 3 && start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0U) == 0x80U; ++i)
            --start;
        const auto [cp, size] = utf8::decodeFirst(text.substr(start));
        if (start + size != text.size() || !isWhiteSpace(cp))
            break;
        text.remove_suffix(size);
    }
    return text;
}

} // namespace quillora::text
