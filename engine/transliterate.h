#pragma once

#include <string>
#include <string_view>

namespace quillora {

/// The letter-by-letter Hawaiian form of a name. Runs of one letter collapse (ignoring case by
/// Unicode case folding), consonants map to Hawaiian ones (b f p → p; c d g j k q s t x z → k;
/// h → h; n → n; l r → l; v w → w; y → i; capitals stay capitals), and a lower-case "a" goes
/// between two Hawaiian consonants and after a final one: Barbara → Palapala, Kathy → Kakahi.
/// Only the letters A-Z are mapped; every other character, including invalid UTF-8, passes
/// through unchanged. Linear in the name's length; never fails.
std::string Translate(std::string_view name);

/// True when the first byte of `text` is an ASCII capital A..Z; false for the empty text.
bool IsUppercase(std::string_view text);

/// True when the first byte of `text`, lower-cased, is one of the Hawaiian consonants
/// p k h n l w m; false for the empty text. A non-ASCII character is never a consonant.
bool IsConsonant(std::string_view text);

} // namespace quillora
