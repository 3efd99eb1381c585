#include "lookup.h"

#include "stringutils.h"
#include "textcase.h"
#include "transliterate.h"
#include "utf8.h"

namespace quillora {

std::string_view rowMark(MatchKind kind)
{
    switch (kind) {
    case MatchKind::Exact:
        return "+";
    case MatchKind::LetterByLetter:
        return "-";
    case MatchKind::SoundAlike:
    case MatchKind::NearSpelling:
        break;
    }
    return {};
}

namespace {

// Keys are compared ignoring case like all names, but they end in three digits, which have no
// case: a difference there settles it without decoding the first character.
bool sameKey(const std::string &a, const std::string &b)
{
    constexpr std::size_t kDigits = 3;
    if (a.size() >= kDigits && b.size() >= kDigits
        && a.compare(a.size() - kDigits, kDigits, b, b.size() - kDigits, kDigits) != 0)
        return false;
    return text::equalsIgnoringCase(a, b);
}

} // namespace

std::vector<ResultRow> lookupName(const NameTable &table, std::string_view typedName)
{
    std::vector<ResultRow> rows;
    const std::string key = StringUtils::Soundex(typedName, true);
    const std::u32string typedChars = utf8::decode(typedName);
    const std::size_t typedLength = typedChars.size();
    const bool typedIsAscii = typedLength == typedName.size();
    std::u32string englishChars; // reused for every row that needs decoding

    for (const NameRecord &record : table) {
        if (sameKey(record.key, key)) {
            const bool exact = text::equalsIgnoringCase(record.english, typedName);
            rows.push_back({record.english, record.hawaiian,
                            exact ? MatchKind::Exact : MatchKind::SoundAlike});
            continue;
        }
        const std::size_t longer = std::max(record.englishLength, typedLength);
        const std::size_t shorter = std::min(record.englishLength, typedLength);
        if (longer - shorter > 1)
            continue;
        // Plain ASCII on both sides, nearly every row, needs no decoding.
        bool near = false;
        if (typedIsAscii && record.englishLength == record.english.size()) {
            near = StringUtils::isWithinOneEditAscii(typedName, record.english);
        } else {
            utf8::decodeInto(englishChars, record.english);
            near = StringUtils::isWithinOneEdit(typedChars, englishChars);
        }
        if (near)
            rows.push_back({record.english, record.hawaiian, MatchKind::NearSpelling});
    }
    rows.push_back({std::string(typedName), Translate(typedName), MatchKind::LetterByLetter});
    return rows;
}

} // namespace quillora
