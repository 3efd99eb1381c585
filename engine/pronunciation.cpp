#include "pronunciation.h"

#include "textcase.h"
#include "utf8.h"

#include <cstddef>

namespace quillora {

namespace {

constexpr char32_t kOkina = 0x02BB;
constexpr char32_t kCombiningMacron = 0x0304;
constexpr std::string_view kMiddleDot = "\u00B7";
constexpr std::string_view kSecondaryStressMark = "\u02CC";
constexpr std::u32string_view kVowels = U"aeiou";
// The Hawaiian consonants, then the letters that the Hawaiian Bible keeps in foreign names.
constexpr std::u32string_view kConsonants = U"hklmnpwbdfgrstvyz";

// One letter of a word: a vowel (a e i o u, maybe long) or a consonant (lower case, the ʻokina
// as U+02BB).
struct Letter
{
    char32_t letter = 0;
    bool isVowel = false;
    bool isLong = false;
};

struct Word
{
    std::vector<Letter> letters;
    char separatorBefore = 0; // ' ' or '-' before every word but the first
};

// The vowel with its kahakō, or the vowel itself.
char32_t longVowel(char32_t vowel)
{
    switch (vowel) {
    case U'a':
        return 0x0101;
    case U'e':
        return 0x0113;
    case U'i':
        return 0x012B;
    case U'o':
        return 0x014D;
    case U'u':
        return 0x016B;
    default:
        return vowel;
    }
}

// The vowel without its kahakō; any other letter as it is.
char32_t shortVowel(char32_t letter)
{
    for (const char32_t vowel : {U'a', U'e', U'i', U'o', U'u'}) {
        if (letter == longVowel(vowel))
            return vowel;
    }
    return letter;
}

// `word` with every letter upper-cased (ā → Ā): the stressed syllable of a guide.
std::string upperCased(std::string_view word)
{
    std::string out;
    for (const char32_t cp : utf8::decode(word))
        utf8::append(out, text::toUpper(cp));
    return out;
}

// Reads one code point as a letter; false for anything that is not one.
bool readLetter(char32_t cp, Letter &out)
{
    if (cp == kOkina || cp == 0x2018 || cp == 0x2019 || cp == U'\'') {
        out = {kOkina, false, false};
        return true;
    }
    const char32_t lower = text::foldCase(cp);
    for (const char32_t vowel : kVowels) {
        if (lower == vowel || lower == longVowel(vowel)) {
            out = {vowel, true, lower != vowel};
            return true;
        }
    }
    for (const char32_t consonant : kConsonants) {
        if (lower == consonant) {
            out = {consonant, false, false};
            return true;
        }
    }
    return false;
}

// The words of a trimmed text; nothing when a character is not a letter or separator, or a word
// is empty.
std::optional<std::vector<Word>> readWords(std::string_view input)
{
    const std::u32string codePoints = utf8::decode(text::trimmed(input));
    std::vector<Word> words(1);
    for (const char32_t cp : codePoints) {
        if (cp == U' ' || cp == U'-') {
            if (words.back().letters.empty())
                return std::nullopt;
            words.push_back({{}, static_cast<char>(cp)});
            continue;
        }
        if (cp == kCombiningMacron) {
            std::vector<Letter> &letters = words.back().letters;
            if (letters.empty() || !letters.back().isVowel || letters.back().isLong)
                return std::nullopt;
            letters.back().isLong = true;
            continue;
        }
        Letter letter;
        if (!readLetter(cp, letter))
            return std::nullopt;
        words.back().letters.push_back(letter);
    }
    if (words.back().letters.empty())
        return std::nullopt;
    return words;
}

// True when both texts spell the same words once ʻokina and kahakō are taken away.
bool sameLetters(const std::vector<Word> &plain, const std::vector<Word> &modern)
{
    if (plain.size() != modern.size())
        return false;
    for (std::size_t w = 0; w < plain.size(); ++w) {
        std::u32string a;
        std::u32string b;
        for (const Letter &l : plain[w].letters) {
            if (l.letter != kOkina)
                a.push_back(l.letter);
        }
        for (const Letter &l : modern[w].letters) {
            if (l.letter != kOkina)
                b.push_back(l.letter);
        }
        if (a != b || plain[w].separatorBefore != modern[w].separatorBefore)
            return false;
    }
    return true;
}

bool isDiphthong(char32_t first, char32_t second)
{
    static constexpr std::u32string_view kDiphthongs[]
        = {U"ai", U"ae", U"ao", U"au", U"ei", U"eu", U"oi", U"ou", U"iu"};
    for (const std::u32string_view pair : kDiphthongs) {
        if (pair[0] == first && pair[1] == second)
            return true;
    }
    return false;
}

struct Parts
{
    char32_t onset = 0; // 0 when the syllable starts with its vowel
    Letter vowel;
    char32_t glide = 0; // the second vowel of a diphthong, or 0

    int morae() const { return (vowel.isLong || glide != 0) ? 2 : 1; }
};

// The syllables of one word; nothing when a consonant is not followed by a vowel.
std::optional<std::vector<Parts>> syllables(const std::vector<Letter> &letters)
{
    std::vector<Parts> result;
    std::size_t i = 0;
    while (i < letters.size()) {
        Parts parts;
        if (!letters[i].isVowel) {
            parts.onset = letters[i].letter;
            ++i;
            if (i == letters.size() || !letters[i].isVowel)
                return std::nullopt;
        }
        parts.vowel = letters[i++];
        if (i < letters.size() && letters[i].isVowel && !letters[i].isLong
            && isDiphthong(parts.vowel.letter, letters[i].letter)) {
            parts.glide = letters[i++].letter;
        }
        result.push_back(parts);
    }
    return result;
}

// Stress units built from the end of the word: a two-mora syllable alone, or two one-mora
// syllables stressed on the first. The last unit built, nearest the end, has the main stress.
std::vector<Stress> stresses(const std::vector<Parts> &word)
{
    std::vector<Stress> result(word.size(), Stress::None);
    bool mainPlaced = false;
    std::size_t end = word.size();
    while (end > 0) {
        const std::size_t last = end - 1;
        std::size_t head = 0;
        if (word[last].morae() == 2) {
            head = last;
            end = last;
        } else if (last > 0 && word[last - 1].morae() == 1) {
            head = last - 1;
            end = last - 1;
        } else {
            end = last; // a lone short syllable stays unstressed
            continue;
        }
        result[head] = mainPlaced ? Stress::Secondary : Stress::Primary;
        mainPlaced = true;
    }
    if (!mainPlaced)
        result.front() = Stress::Primary; // a word of one short syllable
    return result;
}

std::string syllableText(const Parts &parts)
{
    std::string text;
    if (parts.onset != 0)
        utf8::append(text, parts.onset);
    utf8::append(text, parts.vowel.isLong ? longVowel(parts.vowel.letter) : parts.vowel.letter);
    if (parts.glide != 0)
        utf8::append(text, parts.glide);
    return text;
}

std::string_view respelledVowel(const Parts &parts)
{
    const char32_t v = parts.vowel.letter;
    if (parts.glide != 0) {
        const bool afterSound = parts.onset != 0 && parts.onset != kOkina;
        switch (parts.glide) {
        case U'i':
            if (v == U'a')
                return afterSound ? "ye" : "eye";
            if (v == U'e')
                return "ay";
            return "oy"; // oi
        case U'e':
            return afterSound ? "ye" : "eye"; // ae
        case U'o':
            return "ow"; // ao
        case U'u':
            if (v == U'a')
                return "ow";
            if (v == U'o')
                return "oh";
            return v == U'e' ? "eh-oo" : "ee-oo";
        default:
            break;
        }
    }
    switch (v) {
    case U'a':
        return "ah";
    case U'e':
        return parts.vowel.isLong ? "ay" : "eh";
    case U'i':
        return "ee";
    case U'o':
        return "oh";
    default:
        return "oo";
    }
}

// The last vowel sound of a syllable, which decides how a w after it is said.
char32_t lastVowel(const Parts &parts)
{
    return parts.glide != 0 ? parts.glide : parts.vowel.letter;
}

std::string respelledSyllable(const Parts &parts, const Parts *before)
{
    std::string out;
    if (parts.onset == kOkina) {
        if (before != nullptr)
            out += '\'';
    } else if (parts.onset == U'w') {
        const char32_t v = before != nullptr ? lastVowel(*before) : 0;
        out += (v == U'i' || v == U'e' || v == U'a') ? 'v' : 'w';
    } else if (parts.onset != 0) {
        utf8::append(out, parts.onset);
    }
    out += respelledVowel(parts);
    return out;
}

} // namespace

std::string Pronunciation::syllableList() const
{
    std::string list;
    for (const Syllable &syllable : syllables) {
        if (!list.empty())
            list += ", ";
        for (const char32_t cp : utf8::decode(syllable.text))
            utf8::append(list, shortVowel(cp));
    }
    return list;
}

std::optional<Pronunciation> pronounce(std::string_view form, std::string_view modernSpelling)
{
    std::optional<std::vector<Word>> words = readWords(form);
    if (!words)
        return std::nullopt;
    if (!modernSpelling.empty()) {
        std::optional<std::vector<Word>> modern = readWords(modernSpelling);
        if (modern && sameLetters(*words, *modern))
            words = std::move(modern);
    }

    Pronunciation result;
    for (const Word &word : *words) {
        const std::optional<std::vector<Parts>> parts = syllables(word.letters);
        if (!parts)
            return std::nullopt;
        const std::vector<Stress> stress = stresses(*parts);

        if (word.separatorBefore != 0) {
            result.guide += word.separatorBefore;
            result.respelling += ' ';
        }
        for (std::size_t i = 0; i < parts->size(); ++i) {
            const Parts &syllable = (*parts)[i];
            std::string text = syllableText(syllable);
            std::string respelled = respelledSyllable(syllable, i > 0 ? &(*parts)[i - 1] : nullptr);
            if (i > 0) {
                result.guide += kMiddleDot;
                result.respelling += '-';
            }
            if (stress[i] == Stress::Primary) {
                result.guide += upperCased(text);
                result.respelling += upperCased(respelled);
            } else {
                if (stress[i] == Stress::Secondary)
                    result.guide += kSecondaryStressMark;
                result.guide += text;
                result.respelling += respelled;
            }
            result.syllables.push_back({std::move(text), stress[i]});
        }
    }
    return result;
}

} // namespace quillora
