#pragma once

// The rows a search must give, by their definition: every row's key compared as text, every
// other row's full edit distance computed. The engine's indexed and scanning lookups are both
// checked against it.

#include "engine/lookup.h"
#include "engine/normalize.h"
#include "engine/stringutils.h"
#include "engine/textcase.h"
#include "engine/transliterate.h"
#include "tests/reference/edit_distance.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillora::reference {

inline std::vector<ResultRow> expectedLookup(const NameTable &table, std::string_view typed)
{
    const std::string name = text::toNfc(typed);
    const std::string key = StringUtils::Soundex(name, true);
    std::vector<ResultRow> rows;
    for (std::size_t row = 0; row < table.size(); ++row) {
        const NameRecord record = table[row];
        const std::string english(record.english);
        const std::string hawaiian(record.hawaiian);
        if (text::equalsIgnoringCase(record.key, key)) {
            const bool exact = text::equalsIgnoringCase(english, name);
            const MatchKind kind = exact ? MatchKind::Exact : MatchKind::SoundAlike;
            rows.push_back({english, hawaiian, kind, row});
        } else if (editDistance(english, name) <= 1) {
            rows.push_back({english, hawaiian, MatchKind::NearSpelling, row});
        }
    }
    rows.push_back({name, Translate(name), MatchKind::LetterByLetter, std::nullopt});
    return rows;
}

} // namespace quillora::reference
