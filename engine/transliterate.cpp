#include "transliterate.h"

#include "textcase.h"
#include "utf8.h"

namespace quillora {

namespace {

// The Hawaiian letter for an English one, in lower case; 0 for a character that passes through.
char hawaiianLetter(char32_t cp)
{
    switch (text::toLower(cp)) {
    case U'b': case U'f': case U'p':
        return 'p';
    case U'c': case U'd': case U'g': case U'j': case U'k': case U'q': case U's': case U't':
    case U'x': case U'z':
        return 'k';
    case U'h':
        return 'h';
    case U'n':
        return 'n';
    case U'l': case U'r':
        return 'l';
    case U'v': case U'w':
        return 'w';
    case U'y':
        return 'i';
    default:
        return 0;
    }
}

// Pass 1: a character equal to the one kept before it, ignoring case, is dropped, so a run of
// one letter in any mix of cases keeps its first character (Aaron → Aron, three spaces → one).
std::u32string withoutDoubledLetters(std::u32string_view name)
{
    std::u32string kept;
    kept.reserve(name.size());
    for (const char32_t cp : name) {
        if (kept.empty() || text::toLower(kept.back()) != text::toLower(cp))
            kept.push_back(cp);
    }
    return kept;
}

} // namespace

bool IsUppercase(std::string_view text)
{
    return !text.empty() && text[0] >= 'A' && text[0] <= 'Z';
}

bool IsConsonant(std::string_view text)
{
    if (text.empty())
        return false;
    switch (text[0]) {
    case 'p': case 'k': case 'h': case 'n': case 'l': case 'w': case 'm':
    case 'P': case 'K': case 'H': case 'N': case 'L': case 'W': case 'M':
        return true;
    default:
        return false;
    }
}

std::string Translate(std::string_view name)
{
    const std::u32string working = withoutDoubledLetters(utf8::decode(name));

    std::string result;
    result.reserve(working.size() * 2);
    std::string previous; // the mapped form of the character before, never the input letter
    std::string mapped;
    for (std::size_t i = 0; i < working.size(); ++i) {
        const char32_t cp = working[i];
        mapped.clear();
        if (const char letter = hawaiianLetter(cp)) {
            // The case test looks at the character's first byte: only A-Z make capitals.
            std::string typed;
            utf8::append(typed, cp);
            mapped.push_back(IsUppercase(typed) ? static_cast<char>(letter - 'a' + 'A') : letter);
        } else {
            utf8::append(mapped, cp); // copied exactly as typed
        }

        // The vowel goes between two consonants, and before a space that ends a word on a
        // consonant. A hyphen or an apostrophe is no space: Jean-Paul gives Kean-Paula.
        if (IsConsonant(previous) && (IsConsonant(mapped) || mapped == " "))
            result.push_back('a');
        result += mapped;
        if (i + 1 == working.size() && IsConsonant(mapped))
            result.push_back('a');
        previous.swap(mapped);
    }
    return result;
}

} // namespace quillora
