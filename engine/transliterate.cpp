#include "transliterate.h"

#include "textcase.h"
#include "utf8.h"

#include <array>
#include <cstring>
#include <string_view>

namespace quillora {

namespace {

// The Hawaiian letter for each ASCII character, in lower case; 0 for a character that passes
// through. Letters outside A-Z are never mapped, not even those that fold to one (the long s ſ
// stays ſ).
constexpr std::array<char, 128> kHawaiianLetters = [] {
    std::array<char, 128> letters{};
    const auto map = [&](std::string_view english, char hawaiian) {
        for (const char c : english) {
            letters[static_cast<std::size_t>(c)] = hawaiian;
            letters[static_cast<std::size_t>(c - 'a' + 'A')] = hawaiian;
        }
    };
    map("bfp", 'p');
    map("cdgjkqstxz", 'k');
    map("h", 'h');
    map("n", 'n');
    map("lr", 'l');
    map("vw", 'w');
    map("y", 'i');
    return letters;
}();

char hawaiianLetter(char32_t cp)
{
    return cp < kHawaiianLetters.size() ? kHawaiianLetters[cp] : 0;
}

// IsConsonant() of a character that starts with this byte: p k h n l w m, either case.
constexpr std::array<bool, 256> kConsonantBytes = [] {
    std::array<bool, 256> consonants{};
    for (const char c : std::string_view("pkhnlwmPKHNLWM"))
        consonants[static_cast<unsigned char>(c)] = true;
    return consonants;
}();

bool isHawaiianConsonantByte(char c)
{
    return kConsonantBytes[static_cast<unsigned char>(c)];
}

} // namespace

bool IsUppercase(std::string_view text)
{
    return !text.empty() && text[0] >= 'A' && text[0] <= 'Z';
}

bool IsConsonant(std::string_view text)
{
    return !text.empty() && isHawaiianConsonantByte(text[0]);
}

std::string Translate(std::string_view name)
{
    // Both passes in one walk over the name. Pass 1 drops a character equal to the one kept
    // before it, ignoring case, so a run of one letter keeps its first character (Aaron → Aron,
    // three spaces → one); pass 2 maps each kept character and puts in the vowels. The result
    // is written in place: at most two bytes per byte of the name, and one more.
    std::string result(name.size() * 2 + 1, '\0');
    char *out = result.data();
    char32_t lastKeptFolded = 0;
    bool anyKept = false;
    bool previousIsConsonant = false; // of the mapped form before, never of the input letter
    std::size_t pos = 0;
    while (pos < name.size()) {
        // Plain ASCII, nearly every character of a name, needs no decoding or table look-up.
        const auto byte = static_cast<unsigned char>(name[pos]);
        char32_t cp = byte;
        std::size_t size = 1;
        char32_t folded = (byte >= 'A' && byte <= 'Z') ? cp + 0x20 : cp;
        if (byte >= 0x80U) {
            const utf8::Decoded decoded = utf8::decodeFirst(name.substr(pos));
            cp = decoded.codePoint;
            size = decoded.size;
            folded = text::foldCase(cp);
        }
        const char *typed = name.data() + pos;
        pos += size;
        if (anyKept && folded == lastKeptFolded)
            continue;
        anyKept = true;
        lastKeptFolded = folded;

        // The mapped form: a Hawaiian letter, whose case test looks at the character's first
        // byte (only A-Z make capitals), or the character copied exactly as typed.
        const char letter = hawaiianLetter(cp);
        const char first = letter == 0                   ? typed[0]
                           : (byte >= 'A' && byte <= 'Z') ? static_cast<char>(letter - 'a' + 'A')
                                                          : letter;
        const bool isConsonant = isHawaiianConsonantByte(first);
        // The vowel goes between two consonants, and before a space that ends a word on a
        // consonant. A hyphen or an apostrophe is no space: Jean-Paul gives Kean-Paula.
        if (previousIsConsonant && (isConsonant || cp == U' '))
            *out++ = 'a';
        if (size == 1) {
            *out++ = first;
        } else {
            std::memcpy(out, typed, size);
            out += size;
        }
        previousIsConsonant = isConsonant;
    }
    if (previousIsConsonant) // the last character is a consonant
        *out++ = 'a';
    result.resize(static_cast<std::size_t>(out - result.data()));
    return result;
}

} // namespace quillora
