#include "resultprinter.h"

#include "engine/rowdetails.h"
#include "engine/utf8.h"

#include <algorithm>

namespace quillora::cli {

void TsvWriter::record(std::initializer_list<std::string_view> fields)
{
    std::string &line = m_out.buffer();
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first)
            line.push_back('\t');
        appendEscaped(line, field);
        first = false;
    }
    line.push_back('\n');
    m_out.flushIfFull();
}

TableWriter::TableWriter(std::vector<std::string> headers)
    : m_headers(std::move(headers))
{ }

void TableWriter::addRow(std::initializer_list<std::string_view> cells)
{
    std::vector<std::string> &row = m_rows.emplace_back();
    for (const std::string_view cell : cells)
        appendEscaped(row.emplace_back(), cell);
}

void TableWriter::print(Output &out) const
{
    constexpr std::size_t kGap = 2;
    // Width counts code points: near enough for the Latin names that fill the list.
    std::vector<std::size_t> widths;
    for (const std::string &header : m_headers)
        widths.push_back(utf8::length(header));
    for (const std::vector<std::string> &row : m_rows) {
        for (std::size_t column = 0; column < row.size() && column < widths.size(); ++column) {
            const std::size_t width = utf8::length(row[column]);
            if (width <= kMaxPaddedWidth)
                widths[column] = std::max(widths[column], width);
        }
    }
    const auto printLine = [&](const std::vector<std::string> &cells) {
        // Empty cells at the end of a line leave no padding behind.
        const auto filled = std::find_if(
            cells.rbegin(), cells.rend(), [](const std::string &cell) { return !cell.empty(); });
        const std::size_t count = static_cast<std::size_t>(cells.rend() - filled);
        for (std::size_t column = 0; column < count; ++column) {
            out.write(cells[column]);
            if (column + 1 == count)
                break;
            const std::size_t width = utf8::length(cells[column]);
            const std::size_t padding = width < widths[column] ? widths[column] - width : 0;
            out.write(std::string(padding + kGap, ' '));
        }
        out.put('\n');
    };
    printLine(m_headers);
    for (const std::vector<std::string> &row : m_rows)
        printLine(row);
}

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

void printTable(
    Output &out, const NameTable &table, const std::vector<ResultRow> &rows, Columns columns)
{
    if (columns == Columns::Basic) {
        TableWriter basic({"English", "Hawaiian", "Match"});
        for (const ResultRow &row : rows)
            basic.addRow({row.english, row.hawaiian, kindLabel(row.kind)});
        basic.print(out);
        return;
    }
    TableWriter detailed({"English", "Hawaiian", "Match", "Source", "Note", "Modern", "Guide",
        "Syllables", "Respelling"});
    for (const ResultRow &row : rows) {
        const RowDetails details = rowDetails(table, row);
        detailed.addRow({row.english, row.hawaiian, kindLabel(row.kind), details.source,
            details.note, details.modernSpelling, details.syllableGuide, details.syllables,
            details.respelling});
    }
    detailed.print(out);
}

void printTsv(Output &out, std::string_view query, const NameTable &table,
    const std::vector<ResultRow> &rows, Columns columns)
{
    TsvWriter tsv(out);
    for (const ResultRow &row : rows) {
        if (columns == Columns::Basic) {
            tsv.record({query, rowMark(row.kind), row.english, row.hawaiian});
            continue;
        }
        const RowDetails details = rowDetails(table, row);
        tsv.record({query, rowMark(row.kind), row.english, row.hawaiian, kindLabel(row.kind),
            details.source, details.note, details.modernSpelling, details.syllableGuide,
            details.syllables, details.respelling});
    }
}

} // namespace quillora::cli
