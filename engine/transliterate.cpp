#include "transliterate.h"

#include "textcase.h"
#include "utf8.h"

namespace quillora {

namespace {

// The Hawaiian letter for an English one (A-Z, either case), in lower case; 0 for every other
// character, which passes through. Letters outside A-Z are never mapped, not even those that
// fold to one (the long s ſ stays ſ).
char hawaiianLetter(char32_t cp)
{
    if (cp >= 0x80)
        return 0;
    switch (cp | 0x20U) { // lower case; no other ASCII character lands on a letter
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
    // Both passes in one walk over the name. Pass 1 drops a character equal to the one kept
    // before it, ignoring case, so a run of one letter keeps its first character (Aaron → Aron,
    // three spaces → one); pass 2 maps each kept character and puts in the vowels.
    std::string result;
    result.reserve(name.size() * 2 + 1);
    char32_t lastKeptFolded = 0;
    bool anyKept = false;
    bool previousIsConsonant = false; // of the mapped form before, never of the input letter
    char mappedBuffer[1];
    while (!name.empty()) {
        const auto [cp, size] = utf8::decodeFirst(name);
        const std::string_view typed = name.substr(0, size);
        name.remove_prefix(size);
        const char32_t folded = text::foldCase(cp);
        if (anyKept && folded == lastKeptFolded)
            continue;
        anyKept = true;
        lastKeptFolded = folded;

        std::string_view mapped = typed; // copied exactly as typed
        if (const char letter = hawaiianLetter(cp)) {
            // The case test looks at the character's first byte: only A-Z make capitals.
            mappedBuffer[0] = IsUppercase(typed) ? static_cast<char>(letter - 'a' + 'A') : letter;
            mapped = std::string_view(mappedBuffer, 1);
        }
        const bool isConsonant = IsConsonant(mapped);
        // The vowel goes between two consonants, and before a space that ends a word on a
        // consonant. A hyphen or an apostrophe is no space: Jean-Paul gives Kean-Paula.
        if (previousIsConsonant && (isConsonant || mapped == " "))
            result.push_back('a');
        result += mapped;
        previousIsConsonant = isConsonant;
    }
    if (previousIsConsonant) // the last character is a consonant
        result.push_back('a');
    return result;
}

} // namespace quillora
