#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillora {

/// One row of the name table: an English name, its Hawaiian form and the phonetic key of the
/// English name (Soundex with prefixes stripped).
struct NameRecord
{
    std::string english;
    std::string hawaiian;
    std::string key;
    /// Code points in `english`, kept so a lookup can pass over the rows that are too long or
    /// too short to be one edit away without decoding them.
    std::size_t englishLength = 0;

    bool operator==(const NameRecord &) const = default;
};

using NameTable = std::vector<NameRecord>;

/// Builds the name table from the name-list text: one row per line, in list order, duplicates
/// kept. A line is `English<TAB>Hawaiian`; white space around each name is removed, fields after
/// a second tab are ignored, and case, accents and inner spaces stay as written. Lines may end
/// in CR, LF or CR LF, mixed.
///
/// Sound behaviour for text outside that format, so that no list can break the program:
/// - an empty text gives an empty table;
/// - a UTF-8 byte-order mark at the very start is not part of the first English name;
/// - a line that is empty or holds only white space adds no row, and so a line end after the
///   last line adds none;
/// - a line without a tab gives a row whose Hawaiian name is empty;
/// - invalid UTF-8 is kept byte for byte.
NameTable parseNameList(std::string_view text);

} // namespace quillora
