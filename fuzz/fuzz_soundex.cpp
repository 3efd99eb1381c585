// Soundex on arbitrary bytes: never fails, and the key always has its documented shape.
#include "engine/stringutils.h"
#include "engine/textcase.h"
#include "engine/utf8.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using quillora::fuzz::dump;
using quillora::fuzz::require;

namespace {

std::string withAsciiCase(std::string_view text, bool upper)
{
    std::string out(text);
    for (char &c : out) {
        if (upper && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (!upper && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

void checkKey(std::string_view name, bool stripPrefixes)
{
    const std::string key = quillora::StringUtils::Soundex(name, stripPrefixes);
    if (quillora::text::trimmed(name).empty()) {
        require(key == "000", "a blank name has the key 000");
        return;
    }

    // One character (a code point, or a raw byte of invalid UTF-8), then three digits: first
    // the codes 1..6 that were found, then the 0s that pad them.
    require(key.size() >= 4, "the key has a first character and three digits");
    const std::string_view digits = std::string_view(key).substr(key.size() - 3);
    const std::string_view first = std::string_view(key).substr(0, key.size() - 3);
    bool padding = false;
    for (const char d : digits) {
        require(d >= '0' && d <= '6', "the key ends in three digits 0..6");
        if (d == '0')
            padding = true;
        else
            require(!padding, "the padding 0s come after every code");
    }
    require(quillora::utf8::length(first) == 1, "the key starts with exactly one character");
    require(!(first[0] >= 'a' && first[0] <= 'z'), "the first letter of the key is a capital");

    // ASCII bytes never belong to a multi-byte sequence, so changing the case of the ASCII
    // letters changes neither how the rest decodes nor the key.
    const std::string lower = withAsciiCase(name, false);
    const std::string upper = withAsciiCase(name, true);
    const std::string lowerKey = quillora::StringUtils::Soundex(lower, stripPrefixes);
    const std::string upperKey = quillora::StringUtils::Soundex(upper, stripPrefixes);
    if (lowerKey != key || upperKey != key) {
        dump("name", name);
        dump("key", key);
        dump("key of the lower-case name", lowerKey);
        dump("key of the upper-case name", upperKey);
        require(false, "the case of ASCII letters does not change the key");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view name = quillora::fuzz::asText(data, size);
    checkKey(name, false);
    checkKey(name, true);
    return 0;
}
