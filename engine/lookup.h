#pragma once

#include "nametable.h"

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

    bool operator==(const ResultRow &) const = default;
};

/// The row mark the results list keeps with column 0: "+" for an exact match, "-" for the
/// letter-by-letter row, empty for every other row.
std::string_view rowMark(MatchKind kind);

/// Searches `table` for `typedName`, taken exactly as typed (spaces and case count):
/// in table order, every row whose key equals the typed name's key (Exact when its English name
/// equals the typed name ignoring case, else SoundAlike), then, for the other rows, every row
/// whose English name is at most one edit from the typed name (NearSpelling); last, always, the
/// typed name and its Translate() form (LetterByLetter). Each table row is listed at most once.
///
/// The edit test passes over the rows whose length differs from the typed name's by more than
/// one, since they cannot be one edit away, and decides the others in linear time; a 100,000
/// character name is answered as fast as a short one.
std::vector<ResultRow> lookupName(const NameTable &table, std::string_view typedName);

} // namespace quillora
