// parseNameList on arbitrary text, then a search in the table it gives.
//
// Input: the first byte gives the length of the typed name (capped by what is left), the rest
// is the name-list text.
#include "engine/lookup.h"
#include "engine/nametable.h"
#include "engine/stringutils.h"
#include "engine/textcase.h"
#include "engine/transliterate.h"
#include "engine/utf8.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using quillora::fuzz::dump;
using quillora::fuzz::require;

namespace {

void checkTable(std::string_view text, const quillora::NameTable &table)
{
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')
                                                + std::count(text.begin(), text.end(), '\r'));
    require(table.size() <= lines + 1, "at most one row per line");
    for (const quillora::NameRecord &record : table) {
        for (const std::string_view field : {std::string_view(record.english),
                                             std::string_view(record.hawaiian)}) {
            require(field.find_first_of("\t\r\n") == std::string_view::npos,
                    "a name holds no tab and no line end");
            require(quillora::text::trimmed(field) == field, "names are trimmed");
        }
        require(record.key == quillora::StringUtils::Soundex(record.english, true),
                "the key is the Soundex of the English name");
        require(record.englishLength == quillora::utf8::length(record.english),
                "the length is the English name's length in characters");
    }
}

// The rows a search must give, found with the full edit distance on every row.
std::vector<quillora::ResultRow> expectedRows(const quillora::NameTable &table,
                                              std::string_view typed)
{
    using quillora::MatchKind;
    const std::string key = quillora::StringUtils::Soundex(typed, true);
    std::vector<quillora::ResultRow> rows;
    for (const quillora::NameRecord &record : table) {
        if (quillora::text::equalsIgnoringCase(record.key, key)) {
            const bool exact = quillora::text::equalsIgnoringCase(record.english, typed);
            rows.push_back({record.english, record.hawaiian,
                            exact ? MatchKind::Exact : MatchKind::SoundAlike});
        } else if (quillora::StringUtils::EditDistance(record.english, typed) <= 1) {
            rows.push_back({record.english, record.hawaiian, MatchKind::NearSpelling});
        }
    }
    rows.push_back({std::string(typed), quillora::Translate(typed), MatchKind::LetterByLetter});
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto [typed, text] = quillora::fuzz::splitInput(data, size);

    const quillora::NameTable table = quillora::parseNameList(text);
    checkTable(text, table);

    const std::vector<quillora::ResultRow> rows = quillora::lookupName(table, typed);
    require(!rows.empty() && rows.back().kind == quillora::MatchKind::LetterByLetter,
            "the last row is the letter-by-letter one");
    require(rows.size() <= table.size() + 1, "each table row is listed at most once");

    // The rows other than the last are table rows, in table order.
    std::size_t next = 0;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        require(rows[i].kind != quillora::MatchKind::LetterByLetter,
                "only the last row is letter by letter");
        while (next < table.size()
               && (table[next].english != rows[i].english
                   || table[next].hawaiian != rows[i].hawaiian))
            ++next;
        require(next < table.size(), "every row comes from the table, in table order");
        ++next;
    }

    if (rows != expectedRows(table, typed)) {
        dump("typed", typed);
        dump("list", text);
        require(false, "the search gives exactly the rows the full edit distance gives");
    }
    return 0;
}
