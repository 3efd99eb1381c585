// EditDistance against the textbook full-matrix Levenshtein distance, with an independent
// UTF-8 decoder; isWithinOneEdit must agree with distance <= 1.
//
// Input: the first byte gives the length of `a` (capped by what is left), the rest is `b`.
#include "engine/stringutils.h"
#include "engine/utf8.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using quillora::fuzz::dump;
using quillora::fuzz::require;

namespace {

// A well-formed UTF-8 sequence is decoded; every other byte stands for itself as U+DC80..U+DCFF.
std::u32string referenceDecode(std::string_view text)
{
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t value = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            length = 1;
            value = lead;
        } else if (lead >= 0xC0 && lead < 0xE0) {
            length = 2;
            value = lead & 0x1Fu;
            minimum = 0x80;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
            value = lead & 0x0Fu;
            minimum = 0x800;
        } else if (lead >= 0xF0 && lead < 0xF8) {
            length = 4;
            value = lead & 0x07u;
            minimum = 0x10000;
        }
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0u) == 0x80u;
            value = (value << 6) | (next & 0x3Fu);
        }
        valid = valid && value >= minimum && value <= 0x10FFFF
                && !(value >= 0xD800 && value <= 0xDFFF);
        if (valid) {
            out.push_back(value);
            i += length;
        } else {
            out.push_back(0xDC00 + lead);
            ++i;
        }
    }
    return out;
}

std::int32_t referenceDistance(const std::u32string &a, const std::u32string &b)
{
    // d[i][j] is the distance of the first i characters of a and the first j of b.
    const std::size_t width = b.size() + 1;
    std::vector<std::int32_t> d((a.size() + 1) * width);
    const auto at = [&](std::size_t i, std::size_t j) -> std::int32_t & { return d[i * width + j]; };
    for (std::size_t i = 0; i <= a.size(); ++i)
        at(i, 0) = static_cast<std::int32_t>(i);
    for (std::size_t j = 0; j <= b.size(); ++j)
        at(0, j) = static_cast<std::int32_t>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::int32_t substitution = at(i - 1, j - 1) + (a[i - 1] == b[j - 1] ? 0 : 1);
            at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, substitution});
        }
    }
    return at(a.size(), b.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto [a, b] = quillora::fuzz::splitInput(data, size);

    const std::u32string charsA = referenceDecode(a);
    const std::u32string charsB = referenceDecode(b);
    require(quillora::utf8::decode(a) == charsA && quillora::utf8::decode(b) == charsB,
            "decode agrees with the reference decoder");
    require(quillora::utf8::encode(charsA) == a && quillora::utf8::encode(charsB) == b,
            "encode(decode(s)) == s");

    const std::int32_t expected = referenceDistance(charsA, charsB);
    const std::int32_t ab = quillora::StringUtils::EditDistance(a, b);
    const std::int32_t ba = quillora::StringUtils::EditDistance(b, a);
    const bool within = quillora::StringUtils::isWithinOneEdit(charsA, charsB);
    const bool withinSwapped = quillora::StringUtils::isWithinOneEdit(charsB, charsA);
    if (ab != expected || ba != expected || within != (expected <= 1)
        || withinSwapped != within) {
        dump("a", a);
        dump("b", b);
        std::fprintf(stderr, "reference %d, EditDistance(a, b) %d, EditDistance(b, a) %d, "
                             "isWithinOneEdit %d / %d\n",
                     expected, ab, ba, within, withinSwapped);
        require(false, "EditDistance and isWithinOneEdit agree with the full matrix");
    }
    return 0;
}
