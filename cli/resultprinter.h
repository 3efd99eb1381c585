#pragma once

#include "engine/lookup.h"

#include <ostream>
#include <string_view>
#include <vector>

namespace quillora::cli {

/// The words the table uses for each kind of row.
std::string_view kindLabel(MatchKind kind);

/// Prints the rows as an aligned table with the columns English, Hawaiian and Match.
void printTable(std::ostream &out, const std::vector<ResultRow> &rows);

/// Prints one line per row: QUERY<TAB>MARK<TAB>ENGLISH<TAB>HAWAIIAN.
void printTsv(std::ostream &out, std::string_view query, const std::vector<ResultRow> &rows);

} // namespace quillora::cli
