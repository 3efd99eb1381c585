// Translate on arbitrary bytes: never fails, and the vowel it inserts separates every pair of
// Hawaiian consonants.
#include "engine/transliterate.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using quillora::fuzz::dump;
using quillora::fuzz::require;

namespace {

bool isHawaiianConsonant(char c)
{
    return std::string_view("pkhnlwmPKHNLWM").find(c) != std::string_view::npos;
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isHawaiianLetter(char c)
{
    return std::string_view("aeiouhklmnpwAEIOUHKLMNPW").find(c) != std::string_view::npos;
}

void fail(std::string_view name, std::string_view result, const char *property)
{
    dump("name", name);
    dump("Translate", result);
    require(false, property);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view name = quillora::fuzz::asText(data, size);
    const std::string result = quillora::Translate(name);

    if (result.empty() != name.empty())
        fail(name, result, "only the empty name gives an empty form");
    // Every character gives itself or one letter, plus at most one inserted vowel before it,
    // plus the final one.
    if (result.size() > 2 * name.size() + 1)
        fail(name, result, "the form is at most twice as long as the name, plus one");

    // A consonant is a single ASCII byte, and every byte of a multi-byte character is >= 0x80,
    // so two consonant bytes side by side would be two consonants with no vowel between them.
    for (std::size_t i = 0; i + 1 < result.size(); ++i) {
        if (isHawaiianConsonant(result[i]) && isHawaiianConsonant(result[i + 1]))
            fail(name, result, "a vowel separates two consonants");
    }
    if (!result.empty() && isHawaiianConsonant(result.back()))
        fail(name, result, "the form does not end in a consonant");

    bool onlyLetters = true;
    for (const char c : name)
        onlyLetters = onlyLetters && isAsciiLetter(c);
    if (onlyLetters) {
        for (const char c : result) {
            if (!isHawaiianLetter(c))
                fail(name, result, "a name of English letters gives only Hawaiian letters");
        }
    }
    return 0;
}
