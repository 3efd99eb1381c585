#pragma once

#include <cstdint>
#include <string>
#include <string_view>

/// The two string measures that name matching rests on. Both accept any string, the empty one
/// and invalid UTF-8 included, keep no state and never fail. A character is a Unicode code point.
namespace quillora::StringUtils {

/// The phonetic key of a name: its first character upper-cased, then three digits 1..6 for the
/// consonant groups that follow (BFPV 1, CGJKQSXZ 2, DT 3, L 4, MN 5, R 6), padded with 0.
/// Robert and Rupert both give R163. The name is trimmed first; with `stripPrefixes` one leading
/// "La ", "De " or "Van " (any case) is removed. The key of an empty or blank name is "000".
std::string Soundex(std::string_view name, bool stripPrefixes);

/// The Levenshtein distance of `a` and `b` with unit costs, counted in code points and compared
/// exactly (case matters). Always the full distance; O(|a|·|b|) time, O(|b|) memory.
std::int32_t EditDistance(std::string_view a, std::string_view b);

/// True when EditDistance(a, b) <= 1, answered in O(|a| + |b|) without the full table. The lookup
/// uses this on every row; it gives exactly the rows that the full distance would.
bool isWithinOneEdit(std::u32string_view a, std::u32string_view b);

/// The same for two texts of single-byte characters (plain ASCII), without decoding them.
bool isWithinOneEditAscii(std::string_view a, std::string_view b);

} // namespace quillora::StringUtils
