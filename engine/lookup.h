#pragma once

#include "nametable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillora {

/// Why a row is in the results.
enum class MatchKind {
    Exact,          ///< same key, and the English name equals the typed name ignoring case
    SoundAlike,     ///< same phonetic key
    NearSpelling,   ///< English name at most one edit from the typed name
    LetterByLetter, ///< the typed name with its letter-by-letter form; always the last row
};

/// One row of the results list.
struct ResultRow
{
    std::string english;
    std::string hawaiian;
    MatchKind kind = MatchKind::SoundAlike;
    /// The table row it shows, whose other fields (provenance, note, modern spelling) the
    /// table gives; none for the letter-by-letter row.
    std::optional<std::size_t> tableRow;

    bool operator==(const ResultRow &) const = default;
};

/// The row mark the results list keeps with column 0: "+" for an exact match, "-" for the
/// letter-by-letter row, empty for every other row.
std::string_view rowMark(MatchKind kind);

/// Searches `table` for `typedName`, taken exactly as typed (spaces and case count) once put in
/// NFC, the form of the table's English names: in table order, every row whose key equals the
/// typed name's key (Exact when its English name equals the typed name ignoring case, else
/// SoundAlike), and every other row whose English name is at most one edit from the typed name
/// (NearSpelling); last, always, the typed name and its Translate() form (LetterByLetter). Each
/// table row is listed at most once.
///
/// With the table's index, the time grows with the typed name's length and the number of rows
/// found, not with the table: the key's rows come from a hash of keys, the near spellings from
/// the one-deletion neighbourhood of the typed name, each candidate verified in linear time.
/// Without one, it is lookupNameByScan().
std::vector<ResultRow> lookupName(const NameTable &table, std::string_view typedName);

/// The same rows, found by walking every row of the table: its key compared, and for the
/// others, those whose length allows it, a linear one-edit test. For tables without an index
/// (lists too large to index within their memory budget), and as the reference the indexed
/// search is checked against.
std::vector<ResultRow> lookupNameByScan(const NameTable &table, std::string_view typedName);

} // namespace quillora
