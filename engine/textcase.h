#pragma once

#include <string_view>

/// Letter case and white space of Unicode text, from the Unicode character database as
/// libutf8proc ships it. Every function accepts any code point, including the U+DC80..U+DCFF
/// stand-ins that utf8::decode() makes of invalid bytes, which have no case and are no space.
namespace quillora::text {

/// The simple case folding of a code point (CaseFolding.txt, statuses C and S): one code point
/// for one, so that two texts equal ignoring case have the same length. K (the Kelvin sign)
/// folds to k, Ａ to ａ, Σ and ς to σ, ẞ to ß; ß and İ have no one-letter folding and stay.
char32_t foldCase(char32_t codePoint);

/// The simple upper-case mapping of a code point: é → É, ÿ → Ÿ; ß stays ß.
char32_t toUpper(char32_t codePoint);

/// True when both texts hold the same code points once each is case-folded by foldCase():
/// "JOSÉ" equals "José", "ＫＡＴＨＹ" equals "ｋａｔｈｙ". Texts are compared as they are, so
/// callers compare normalised text (see normalize.h). Never fails on invalid UTF-8.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

/// White space for trimming: the ASCII blanks (tab, line feed, vertical tab, form feed, carriage
/// return, space), NEXT LINE (U+0085) and the Unicode separators (categories Zs, Zl, Zp).
bool isWhiteSpace(char32_t codePoint);

/// `text` without the white space at its start and end.
std::string_view trimmed(std::string_view text);

} // namespace quillora::text
