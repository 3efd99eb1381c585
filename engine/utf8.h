#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillora::utf8 {

/// Decodes UTF-8 into code points. Never fails: every byte that does not start a well-formed
/// sequence (a stray continuation byte, a truncated or overlong sequence, an encoded surrogate,
/// a value above U+10FFFF) becomes a code point of its own in U+DC80..U+DCFF, the byte's value
/// plus 0xDC00. Such code points cannot come from valid UTF-8, so decoding is one-to-one and
/// encode(decode(s)) == s for every byte string s.
std::u32string decode(std::string_view text);

/// decode() into `out`, reusing its storage.
void decodeInto(std::u32string &out, std::string_view text);

/// True for the code points U+DC80..U+DCFF that decode() makes of invalid bytes.
inline bool isRawByte(char32_t codePoint)
{
    return codePoint >= 0xDC80 && codePoint <= 0xDCFF;
}

/// The number of bytes at the start of `text` that are plain ASCII (below 0x80), read eight at
/// a time.
std::size_t asciiPrefixLength(std::string_view text);

/// True when every byte of `text` is plain ASCII (below 0x80).
inline bool isAscii(std::string_view text)
{
    return asciiPrefixLength(text) == text.size();
}

/// Encodes code points as UTF-8; U+DC80..U+DCFF are written back as the raw byte they stand for.
std::string encode(std::u32string_view codePoints);

/// Appends one code point to `out`, as encode() would.
void append(std::string &out, char32_t codePoint);

/// The number of code points decode() would return, without building them.
std::size_t length(std::string_view text);

/// UTF-16 text (without its byte-order mark) as UTF-8. An unpaired surrogate, and an odd byte
/// at the end, become U+FFFD.
std::string fromUtf16(std::string_view bytes, bool bigEndian);

/// The first code point of `text` and the number of bytes it took; {0, 0} for an empty text.
struct Decoded
{
    char32_t codePoint;
    std::size_t size;
};
Decoded decodeFirst(std::string_view text);

} // namespace quillora::utf8
