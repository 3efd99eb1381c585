#pragma once

#include "cli/output.h"
#include "engine/lookup.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace quillora::cli {

/// Writes records as lines of tab-separated fields, every field escaped by appendEscaped(), so
/// that each record is one line with exactly as many fields as it was given.
class TsvWriter
{
public:
    explicit TsvWriter(Output &out)
        : m_out(out)
    { }
    void record(std::initializer_list<std::string_view> fields);

private:
    Output &m_out;
};

/// An aligned text table: a header line, then one line per row, columns two spaces apart. A
/// column is as wide as its widest cell, counting only cells of up to kMaxPaddedWidth
/// characters (the longest source in words fits): a longer cell (a name of a megabyte) is
/// printed whole and pushes the rest of its own line right, but pads no other line. Empty cells
/// at the end of a line are left out, padding and all. Cells are escaped like TSV fields, so that
/// every row stays on one line.
class TableWriter
{
public:
    static constexpr std::size_t kMaxPaddedWidth = 60;

    explicit TableWriter(std::vector<std::string> headers);
    void addRow(std::initializer_list<std::string_view> cells);
    void print(Output &out) const;

private:
    std::vector<std::string> m_headers;
    std::vector<std::vector<std::string>> m_rows;
};

/// The words the table uses for each kind of row.
std::string_view kindLabel(MatchKind kind);

/// What the search prints of each row.
enum class Columns {
    Basic,   ///< the English name, the Hawaiian form and the kind of match
    Details, ///< those, then the row's details: source, note, modern spelling, pronunciation
};

/// The search's rows as a table with the columns English, Hawaiian and Match, and with
/// Columns::Details, Source, Note, Modern, Guide, Syllables and Respelling. `table` is the one
/// searched, whose rows give the details.
void printTable(
    Output &out, const NameTable &table, const std::vector<ResultRow> &rows, Columns columns);

/// The search's rows as TSV, one line per row: QUERY, MARK, ENGLISH, HAWAIIAN; with
/// Columns::Details, then MATCH, SOURCE, NOTE, MODERN, GUIDE, SYLLABLES, RESPELLING (see the
/// usage text). MARK is "+" for an exact match, "-" for the letter-by-letter row, else empty.
void printTsv(Output &out, std::string_view query, const NameTable &table,
    const std::vector<ResultRow> &rows, Columns columns);

} // namespace quillora::cli
