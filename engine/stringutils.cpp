#include "stringutils.h"

#include "textcase.h"
#include "utf8.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quillora::StringUtils {

namespace {

// The digit of a code point. Only the letters A-Z carry one; everything else (vowels, H, W, Y,
// digits, spaces, signs and every letter outside A-Z, accented ones included) has 0.
int soundexDigit(char32_t cp)
{
    static constexpr std::array<char, 26> kDigits{
        // A  B  C  D  E  F  G  H  I  J  K  L  M  N  O  P  Q  R  S  T  U  V  W  X  Y  Z
        0, 1, 2, 3, 0, 1, 2, 0, 0, 2, 2, 4, 5, 5, 0, 1, 2, 6, 2, 3, 0, 1, 0, 2, 0, 2};
    const char32_t upper = (cp >= U'a' && cp <= U'z') ? cp - 0x20 : cp;
    if (upper < U'A' || upper > U'Z')
        return 0;
    return kDigits[upper - U'A'];
}

bool isHOrW(char32_t cp)
{
    return cp == U'H' || cp == U'h' || cp == U'W' || cp == U'w';
}

std::string_view withoutPrefix(std::string_view name)
{
    static constexpr std::array<std::string_view, 3> kPrefixes{"La ", "De ", "Van "};
    for (const std::string_view prefix : kPrefixes) {
        // Prefixes are ASCII, so comparing the first prefix.size() bytes compares as many
        // characters; a name shorter than a prefix keeps all its characters.
        if (name.size() >= prefix.size()
            && text::equalsIgnoringCase(name.substr(0, prefix.size()), prefix))
            return name.substr(prefix.size());
    }
    return name;
}

} // namespace

std::string Soundex(std::string_view name, bool stripPrefixes)
{
    name = text::trimmed(name);
    if (stripPrefixes)
        name = withoutPrefix(name); // the remainder is not trimmed again
    if (name.empty())
        return "000";

    const auto [first, firstSize] = utf8::decodeFirst(name);
    std::string key;
    utf8::append(key, text::toUpper(first));
    name.remove_prefix(firstSize);

    // The first character is never coded: the digit that the second one is compared with is 0.
    // Lloyd gives L430, Pfister P123.
    int previousDigit = 0;
    char32_t previous = first;
    int lastAppended = -1;
    int digitsAppended = 0;
    while (!name.empty()) {
        const auto [cp, size] = utf8::decodeFirst(name);
        name.remove_prefix(size);
        const int digit = soundexDigit(cp);
        // A letter of the same group as the character right before it adds nothing (the second
        // n of Anna). When the two are apart by a character of digit 0, a vowel or any other
        // uncoded character separates them and the digit is written again (Jessica J220), but H
        // and W do not: they are transparent (Ashcraft A261, not A226).
        const bool sameAsPrevious = digit == previousDigit;
        const bool acrossHOrW = previousDigit == 0 && isHOrW(previous) && digit == lastAppended;
        if (digit != 0 && !sameAsPrevious && !acrossHOrW) {
            key.push_back(static_cast<char>('0' + digit));
            lastAppended = digit;
            if (++digitsAppended == 3)
                return key; // the key is full; the rest of the name is not read
        }
        previousDigit = digit;
        previous = cp;
    }
    key.append(static_cast<std::size_t>(3 - digitsAppended), '0');
    return key;
}

std::int32_t EditDistance(std::string_view a, std::string_view b)
{
    const std::u32string left = utf8::decode(a);
    const std::u32string right = utf8::decode(b);
    if (left.empty())
        return static_cast<std::int32_t>(right.size());
    if (right.empty())
        return static_cast<std::int32_t>(left.size());

    const std::size_t m = right.size();
    std::vector<std::int32_t> row(m + 1);
    for (std::size_t j = 0; j <= m; ++j)
        row[j] = static_cast<std::int32_t>(j);
    for (std::size_t i = 1; i <= left.size(); ++i) {
        std::int32_t diagonal = row[0];
        row[0] = static_cast<std::int32_t>(i);
        for (std::size_t j = 1; j <= m; ++j) {
            const std::int32_t cost = left[i - 1] == right[j - 1] ? 0 : 1;
            const std::int32_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + cost});
            diagonal = above;
        }
    }
    return row[m];
}

namespace {

template <typename View>
bool withinOneEdit(View a, View b)
{
    if (a.size() > b.size())
        std::swap(a, b);
    if (b.size() - a.size() > 1)
        return false;
    // Skip the common prefix; what is left must differ by one substitution (equal lengths) or
    // one insertion into the shorter string.
    std::size_t i = 0;
    while (i < a.size() && a[i] == b[i])
        ++i;
    if (i == a.size())
        return true; // equal, or b has one character more at the end
    if (a.size() == b.size())
        return a.substr(i + 1) == b.substr(i + 1);
    return a.substr(i) == b.substr(i + 1);
}

} // namespace

bool isWithinOneEdit(std::u32string_view a, std::u32string_view b)
{
    return withinOneEdit(a, b);
}

bool isWithinOneEditAscii(std::string_view a, std::string_view b)
{
    return withinOneEdit(a, b);
}

} // namespace quillora::StringUtils
