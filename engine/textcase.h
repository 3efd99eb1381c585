#pragma once

#include <string>
#include <string_view>

namespace quillora::text {

/// Upper case of a code point for the scripts that first names are written in here: ASCII,
/// Latin-1, Latin Extended-A, Greek and Cyrillic. Any other code point is returned unchanged
/// (so is ß, whose capital is two letters).
char32_t toUpper(char32_t codePoint);

/// Lower case, the inverse of toUpper() on the same blocks.
char32_t toLower(char32_t codePoint);

/// The text with every code point upper-cased by toUpper(); invalid bytes stay as they are.
std::string toUpper(std::string_view text);

/// True when both texts hold the same code points once each is lower-cased by toLower():
/// "JOSÉ" equals "José", "Anna" equals "ANNA". Never fails on invalid UTF-8.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

/// White space for trimming: the ASCII blanks (space, tab, line feed, vertical tab, form feed,
/// carriage return) and the Unicode spaces (U+0085, U+00A0, U+1680, U+2000..U+200A, U+2028,
/// U+2029, U+202F, U+205F, U+3000).
bool isWhiteSpace(char32_t codePoint);

/// `text` without the white space at its start and end.
std::string_view trimmed(std::string_view text);

} // namespace quillora::text
