#pragma once

// The textbook edit distance, written apart from the engine's fast paths so that tests and
// fuzzers can check them against it. Slow on purpose: clarity over speed.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillora::reference {

/// UTF-8 as code points, by its definition: a well-formed sequence is decoded; every other byte
/// (stray, truncated, overlong, a surrogate, above U+10FFFF) stands for itself as U+DC80..U+DCFF.
inline std::u32string decodeUtf8(std::string_view text)
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
            value = lead & 0x1FU;
            minimum = 0x80;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
            value = lead & 0x0FU;
            minimum = 0x800;
        } else if (lead >= 0xF0 && lead < 0xF8) {
            length = 4;
            value = lead & 0x07U;
            minimum = 0x10000;
        }
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0U) == 0x80U;
            value = (value << 6U) | (next & 0x3FU);
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

/// The Levenshtein distance with unit costs from the full matrix: d(i, j) is the distance of
/// the first i characters of a and the first j of b.
inline std::int32_t editDistance(std::u32string_view a, std::u32string_view b)
{
    const std::size_t width = b.size() + 1;
    std::vector<std::int32_t> matrix((a.size() + 1) * width);
    const auto d
        = [&](std::size_t i, std::size_t j) -> std::int32_t & { return matrix[i * width + j]; };
    for (std::size_t i = 0; i <= a.size(); ++i)
        d(i, 0) = static_cast<std::int32_t>(i);
    for (std::size_t j = 0; j <= b.size(); ++j)
        d(0, j) = static_cast<std::int32_t>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::int32_t substitution = d(i - 1, j - 1) + (a[i - 1] == b[j - 1] ? 0 : 1);
            d(i, j) = std::min({d(i - 1, j) + 1, d(i, j - 1) + 1, substitution});
        }
    }
    return d(a.size(), b.size());
}

inline std::int32_t editDistance(std::string_view a, std::string_view b)
{
    return editDistance(decodeUtf8(a), decodeUtf8(b));
}

} // namespace quillora::reference
