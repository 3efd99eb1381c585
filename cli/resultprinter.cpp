#include "resultprinter.h"

#include "engine/utf8.h"

#include <algorithm>
#include <string>

namespace quillora::cli {

namespace {

void printPadded(std::ostream &out, std::string_view cell, std::size_t width)
{
    out << cell;
    // Width counts code points: near enough for the Latin names that fill the list.
    const std::size_t length = utf8::length(cell);
    out << std::string(width > length ? width - length : 0, ' ');
}

} // namespace

std::string_view kindLabel(MatchKind kind)
{
    switch (kind) {
    case MatchKind::Exact:
        return "exact";
    case MatchKind::SoundAlike:
        return "sound-alike";
    case MatchKind::NearSpelling:
        return "near spelling";
    case MatchKind::LetterByLetter:
        return "letter-by-letter";
    }
    return {};
}

void printTable(std::ostream &out, const std::vector<ResultRow> &rows)
{
    constexpr std::string_view kEnglish = "English";
    constexpr std::string_view kHawaiian = "Hawaiian";
    std::size_t englishWidth = kEnglish.size();
    std::size_t hawaiianWidth = kHawaiian.size();
    for (const ResultRow &row : rows) {
        englishWidth = std::max(englishWidth, utf8::length(row.english));
        hawaiianWidth = std::max(hawaiianWidth, utf8::length(row.hawaiian));
    }
    constexpr std::size_t kGap = 2;
    printPadded(out, kEnglish, englishWidth + kGap);
    printPadded(out, kHawaiian, hawaiianWidth + kGap);
    out << "Match\n";
    for (const ResultRow &row : rows) {
        printPadded(out, row.english, englishWidth + kGap);
        printPadded(out, row.hawaiian, hawaiianWidth + kGap);
        out << kindLabel(row.kind) << '\n';
    }
}

void printTsv(std::ostream &out, std::string_view query, const std::vector<ResultRow> &rows)
{
    for (const ResultRow &row : rows)
        out << query << '\t' << rowMark(row.kind) << '\t' << row.english << '\t' << row.hawaiian
            << '\n';
}

} // namespace quillora::cli
