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

std::vector<ResultRow> lookupName(const NameTable &table, std::string_view typedName)
{
    std::vector<ResultRow> rows;
    const std::string key = StringUtils::Soundex(typedName, true);
    const std::u32string typedChars = utf8::decode(typedName);
    const std::size_t typedLength = typedChars.size();

    for (const NameRecord &record : table) {
        if (text::equalsIgnoringCase(record.key, key)) {
            const bool exact = text::equalsIgnoringCase(record.english, typedName);
            rows.push_back({record.english, record.hawaiian,
                            exact ? MatchKind::Exact : MatchKind::SoundAlike});
            continue;
        }
        const std::size_t longer = std::max(record.englishLength, typedLength);
        const std::size_t shorter = std::min(record.englishLength, typedLength);
        if (longer - shorter > 1)
            continue;
        if (StringUtils::isWithinOneEdit(typedChars, utf8::decode(record.english)))
            rows.push_back({record.english, record.hawaiian, MatchKind::NearSpelling});
    }
    rows.push_back({std::string(typedName), Translate(typedName), MatchKind::LetterByLetter});
    return rows;
}

} // namespace quillora
