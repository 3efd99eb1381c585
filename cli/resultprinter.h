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
    explicit TsvWriter(Output &out) : m_out(out) {}
    void record(std::initializer_list<std::string_view> fields);

private:
    Output &m_out;
};

/// An aligned text table: a header line, then one line per row, columns two spaces apart. A
/// column is as wide as its widest cell, counting only cells of up to kMaxPaddedWidth
/// characters: a longer cell (a name of a megabyte) is printed whole and pushes the rest of its
/// own line right, but pads no other line. Cells are escaped like TSV fields, so that every row
/// stays on one line.
class TableWriter
{
public:
    static constexpr std::size_t kMaxPaddedWidth = 40;

    explicit TableWriter(std::vector<std::string> headers);
    void addRow(std::initializer_list<std::string_view> cells);
    void print(Output &out) const;

private:
    std::vector<std::string> m_headers;
    std::vector<std::vector<std::string>> m_rows;
};

/// The words the table uses for each kind of row.
std::string_view kindLabel(MatchKind kind);

/// The search's rows as a table with the columns English, Hawaiian and Match.
void printTable(Output &out, const std::vector<ResultRow> &rows);

/// The search's rows as TSV, one line per row: QUERY, MARK, ENGLISH, HAWAIIAN. MARK is "+" for
/// an exact match, "-" for the letter-by-letter row, else empty.
void printTsv(Output &out, std::string_view query, const std::vector<ResultRow> &rows);

} // namespace quillora::cli
