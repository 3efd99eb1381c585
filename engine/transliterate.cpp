#include "transliterate.h"

#include "textcase.h"
#include "utf8.h"

#include <array>
#include <string_view>

namespace quillora {

namespace {

// The mapped form of each ASCII character: the Hawaiian letter of a letter A-Z, capital when
// it is (the case test looks at the character itself), or the character as it is. Letters
// outside A-Z are never mapped, not even those that fold to one (the long s ſ stays ſ).
constexpr std::array<char, 128> kAsciiMapped = [] {
    std::array<char, 128> mapped{};
    for (std::size_t c = 0; c < mapped.size(); ++c)
        mapped[c] = static_cast<char>(c);
    const auto map = [&](std::string_view english, char hawaiian) {
        for (const char c : english) {
            mapped[static_cast<std::size_t>(c)] = hawaiian;
            const auto capital = static_cast<std::size_t>(c - 'a' + 'A');
            mapped[capital] = static_cast<char>(hawaiian - 'a' + 'A');
        }
    };
    map("bfp", 'p');
    map("cdgjkqstxz", 'k');
    map("h", 'h');
    map("n", 'n');
    map("lr", 'l');
    map("vw", 'w');
    map("y", 'i');
    return mapped;
}();

// ASCII characters compared ignoring case.
constexpr std::array<char32_t, 128> kAsciiFolded = [] {
    std::array<char32_t, 128> folded{};
    for (char32_t c = 0; c < folded.size(); ++c)
        folded[c] = (c >= U'A' && c <= U'Z') ? c + 0x20 : c;
    return folded;
}();

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
    constexpr char32_t kNothingKept = 0xFFFFFFFF; // equals no folded character
    char32_t lastKeptFolded = kNothingKept;
    bool previousIsConsonant = false; // of the mapped form before, never of the input letter
    const auto emit = [&](char first, bool isSpace, const char *bytes, std::size_t size) {
        const bool isConsonant = isHawaiianConsonantByte(first);
        // The vowel goes between two consonants, and before a space that ends a word on a
        // consonant. A hyphen or an apostrophe is no space: Jean-Paul gives Kean-Paula.
        if (previousIsConsonant && (isConsonant || isSpace))
            *out++ = 'a';
        *out++ = first;
        for (std::size_t i = 1; i < size; ++i)
            *out++ = bytes[i];
        previousIsConsonant = isConsonant;
    };
    std::size_t pos = 0;
    while (pos < name.size()) {
        const auto byte = static_cast<unsigned char>(name[pos]);
        if (byte < 0x80U) { // plain ASCII, nearly every character of a name
            ++pos;
            const char32_t folded = kAsciiFolded[byte];
            if (folded == lastKeptFolded)
                continue;
            lastKeptFolded = folded;
            emit(kAsciiMapped[byte], byte == ' ', nullptr, 1);
            continue;
        }
        const utf8::Decoded decoded = utf8::decodeFirst(name.substr(pos));
        const char *typed = name.data() + pos;
        pos += decoded.size;
        const char32_t folded = text::foldCase(decoded.codePoint);
        if (folded == lastKeptFolded)
            continue;
        lastKeptFolded = folded;
        emit(typed[0], false, typed, decoded.size); // no letter outside A-Z is mapped
    }
    if (previousIsConsonant) // the last character is a consonant
        *out++ = 'a';
    result.resize(static_cast<std::size_t>(out - result.data()));
    return result;
}

} // namespace quillora
