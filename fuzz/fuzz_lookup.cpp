// parseNameList on arbitrary text, then a search in the table it gives: the indexed search,
// the scan of every row and the textbook definition must give the same rows, and so must the
// table read back from its image.
//
// Input: the first byte gives the length of the typed name (capped by what is left), the rest
// is the name-list text.
#include "engine/lookup.h"
#include "engine/nametable.h"
#include "engine/stringutils.h"
#include "engine/tableimage.h"
#include "engine/textcase.h"
#include "fuzz_check.h"
#include "tests/reference/lookup.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using quillora::fuzz::dump;
using quillora::fuzz::require;

namespace {

void checkTable(const quillora::NameTable &table)
{
    const std::string_view text = table.text();
    const auto lines = static_cast<std::size_t>(
        std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r'));
    require(table.size() <= lines + 1, "at most one row per line");
    for (const quillora::NameRecord &record : table) {
        for (const std::string_view field :
            {record.english, record.hawaiian, record.provenance, record.note, record.modern}) {
            require(field.find_first_of("\t\r\n") == std::string_view::npos,
                "a field holds no tab and no line end");
            require(quillora::text::trimmed(field) == field, "fields are trimmed");
        }
        require(record.key == quillora::StringUtils::Soundex(record.english, true),
            "the key is the Soundex of the English name");
    }
}

void requireSameRows(const std::vector<quillora::ResultRow> &rows,
    const std::vector<quillora::ResultRow> &expected, std::string_view typed, std::string_view text,
    const char *property)
{
    if (rows == expected)
        return;
    dump("typed", typed);
    dump("list", text);
    require(false, property);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto [typed, text] = quillora::fuzz::splitInput(data, size);

    const quillora::NameTable table = quillora::parseNameList(std::string(text));
    checkTable(table);

    const std::vector<quillora::ResultRow> rows = quillora::lookupName(table, typed);
    require(!rows.empty() && rows.back().kind == quillora::MatchKind::LetterByLetter,
        "the last row is the letter-by-letter one");
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        require(rows[i].tableRow.has_value() && *rows[i].tableRow < table.size()
                && (i == 0 || *rows[i - 1].tableRow < *rows[i].tableRow),
            "the other rows are table rows, in table order, each once");
    }

    requireSameRows(rows, quillora::reference::expectedLookup(table, typed), typed, text,
        "the indexed search gives the rows of the textbook definition");
    requireSameRows(quillora::lookupNameByScan(table, typed), rows, typed, text,
        "the scan gives the rows of the indexed search");

    const std::string image = quillora::tableImage(table, true);
    const auto fromImage = quillora::tableFromImage(image);
    require(fromImage.has_value(), "the table reads back from its image");
    requireSameRows(quillora::lookupName(*fromImage, typed), rows, typed, text,
        "the table read back from its image gives the same rows");
    return 0;
}
