// EditDistance against the textbook full-matrix Levenshtein distance and the reference UTF-8
// decoder (tests/reference); isWithinOneEdit must agree with distance <= 1.
//
// Input: the first byte gives the length of `a` (capped by what is left), the rest is `b`.
#include "engine/stringutils.h"
#include "engine/utf8.h"
#include "fuzz_check.h"
#include "tests/reference/edit_distance.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using quillora::fuzz::dump;
using quillora::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto [a, b] = quillora::fuzz::splitInput(data, size);

    const std::u32string charsA = quillora::reference::decodeUtf8(a);
    const std::u32string charsB = quillora::reference::decodeUtf8(b);
    require(quillora::utf8::decode(a) == charsA && quillora::utf8::decode(b) == charsB,
        "decode agrees with the reference decoder");
    require(quillora::utf8::encode(charsA) == a && quillora::utf8::encode(charsB) == b,
        "encode(decode(s)) == s");

    const std::int32_t expected = quillora::reference::editDistance(charsA, charsB);
    const std::int32_t ab = quillora::StringUtils::EditDistance(a, b);
    const std::int32_t ba = quillora::StringUtils::EditDistance(b, a);
    const bool within = quillora::StringUtils::isWithinOneEdit(charsA, charsB);
    const bool withinSwapped = quillora::StringUtils::isWithinOneEdit(charsB, charsA);
    if (ab != expected || ba != expected || within != (expected <= 1) || withinSwapped != within) {
        dump("a", a);
        dump("b", b);
        std::fprintf(stderr,
            "reference %d, EditDistance(a, b) %d, EditDistance(b, a) %d, "
            "isWithinOneEdit %d / %d\n",
            expected, ab, ba, within, withinSwapped);
        require(false, "EditDistance and isWithinOneEdit agree with the full matrix");
    }
    return 0;
}
