#include "textcase.h"

#include "utf8.h"

namespace quillora::text {

namespace {

// Latin Extended-A pairs a capital at the even code point with its small letter at the next,
// except in the two runs U+0139..U+0148 and U+0179..U+017E, where the capital is odd. Code
// points without a partner (ĸ U+0138, ŉ U+0149, ſ U+017F, İ U+0130, ı U+0131) are left alone.
bool capitalIsOddInLatinExtendedA(char32_t cp)
{
    return (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
}

bool unpairedInLatinExtendedA(char32_t cp)
{
    return cp == 0x130 || cp == 0x131 || cp == 0x138 || cp == 0x149 || cp == 0x17F;
}

} // namespace

// Ÿ is the one capital of Latin-1's ÿ, and it lives in Latin Extended-A.
constexpr char32_t kSmallYDiaeresis = 0xFF;
constexpr char32_t kCapitalYDiaeresis = 0x178;

char32_t toUpper(char32_t cp)
{
    if (cp < 0x80)
        return (cp >= U'a' && cp <= U'z') ? cp - 0x20 : cp;
    if (cp == kSmallYDiaeresis)
        return kCapitalYDiaeresis;
    if ((cp >= 0xE0 && cp <= 0xFE && cp != 0xF7))
        return cp - 0x20;
    if (cp >= 0x100 && cp <= 0x17F) {
        if (unpairedInLatinExtendedA(cp))
            return cp;
        const bool isSmall = capitalIsOddInLatinExtendedA(cp) ? (cp % 2 == 0) : (cp % 2 == 1);
        return isSmall ? cp - 1 : cp;
    }
    if (cp >= 0x3B1 && cp <= 0x3C9 && cp != 0x3C2)
        return cp - 0x20;
    if (cp == 0x3C2) // final sigma
        return 0x3A3;
    if (cp >= 0x430 && cp <= 0x44F)
        return cp - 0x20;
    if (cp >= 0x450 && cp <= 0x45F)
        return cp - 0x50;
    return cp;
}

char32_t toLower(char32_t cp)
{
    if (cp < 0x80)
        return (cp >= U'A' && cp <= U'Z') ? cp + 0x20 : cp;
    if (cp == kCapitalYDiaeresis)
        return kSmallYDiaeresis;
    if ((cp >= 0xC0 && cp <= 0xDE && cp != 0xD7))
        return cp + 0x20;
    if (cp >= 0x100 && cp <= 0x17F) {
        if (unpairedInLatinExtendedA(cp))
            return cp;
        const bool isCapital = capitalIsOddInLatinExtendedA(cp) ? (cp % 2 == 1) : (cp % 2 == 0);
        return isCapital ? cp + 1 : cp;
    }
    if (cp >= 0x391 && cp <= 0x3A9 && cp != 0x3A2)
        return cp + 0x20;
    if (cp == 0x3C2) // final sigma compares like σ
        return 0x3C3;
    if (cp >= 0x410 && cp <= 0x42F)
        return cp + 0x20;
    if (cp >= 0x400 && cp <= 0x40F)
        return cp + 0x50;
    return cp;
}

std::string toUpper(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const auto [cp, size] = utf8::decodeFirst(text);
        utf8::append(out, toUpper(cp));
        text.remove_prefix(size);
    }
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a == b)
        return true;
    while (!a.empty() && !b.empty()) {
        const auto [ca, sizeA] = utf8::decodeFirst(a);
        const auto [cb, sizeB] = utf8::decodeFirst(b);
        if (ca != cb && toLower(ca) != toLower(cb))
            return false;
        a.remove_prefix(sizeA);
        b.remove_prefix(sizeB);
    }
    return a.empty() && b.empty();
}

bool isWhiteSpace(char32_t cp)
{
    switch (cp) {
    case U' ': case U'\t': case U'\n': case U'\v': case U'\f': case U'\r':
    case 0x85: case 0xA0: case 0x1680: case 0x2028: case 0x2029: case 0x202F: case 0x205F:
    case 0x3000:
        return true;
    default:
        return cp >= 0x2000 && cp <= 0x200A;
    }
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty()) {
        const auto [cp, size] = utf8::decodeFirst(text);
        if (!isWhiteSpace(cp))
            break;
        text.remove_prefix(size);
    }
    // Walk back to the start of the last code point: at most three continuation bytes.
    while (!text.empty()) {
        std::size_t start = text.size() - 1;
        for (int i = 0; i < 3 && start > 0
                        && (static_cast<unsigned char>(text[start]) & 0xC0U) == 0x80U; ++i)
            --start;
        const auto [cp, size] = utf8::decodeFirst(text.substr(start));
        if (start + size != text.size() || !isWhiteSpace(cp))
            break;
        text.remove_suffix(size);
    }
    return text;
}

} // namespace quillora::text
