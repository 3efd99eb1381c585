#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

namespace quillora {

namespace detail {
struct NameTableData;
struct NameIndexData;
} // namespace detail

/// One row of the name table, as its line reads.
struct NameRecord
{
    std::string_view english;    ///< the English name, trimmed, in NFC
    std::string_view hawaiian;   ///< its Hawaiian form, trimmed, as written
    std::string_view provenance; ///< the provenance tag (e.g. rule:pron), or empty
    std::string_view note;       ///< a short note in English, or empty
    std::string_view modern;     ///< the modern spelling with ʻokina and kahakō, or empty
    std::string key;             ///< the phonetic key of the English name (Soundex, no prefix)

    bool operator==(const NameRecord &) const = default;
};

/// The table of name pairs, one row per line of a name list, in list order, duplicates kept.
///
/// The table keeps the list's text and, per row, where its English name lies and the code of its
/// key, 12 bytes a row; the other fields are read from the text when a row is asked for. Copies
/// share the same immutable storage and cost nothing. A table may carry an index (see
/// withIndex()), which a lookup uses instead of scanning every row; tables from parseNameList()
/// carry one unless asked not to.
class NameTable
{
public:
    /// An empty table.
    NameTable();

    std::size_t size() const;
    bool empty() const { return size() == 0; }

    /// The fields of a row; `row` < size(). The views live as long as the table's storage.
    NameRecord operator[](std::size_t row) const;

    /// The English name of a row, without reading its other fields.
    std::string_view english(std::size_t row) const;

    /// True when the row's English name is plain ASCII, its length in characters its size.
    bool englishIsAscii(std::size_t row) const;

    /// The Hawaiian form of a row, without reading its other fields.
    std::string_view hawaiian(std::size_t row) const;

    /// keyCode() of the row's key.
    std::uint32_t keyCode(std::size_t row) const;

    /// The list text the rows are read from: the list as parsed, in UTF-8, its English names
    /// in NFC.
    std::string_view text() const;

    bool hasIndex() const { return m_index != nullptr; }

    /// The same rows with the index built: a hash of the keys and the one-deletion
    /// neighbourhood of the English names. Linear in the table's size.
    NameTable withIndex() const;

    /// Bytes taken by the table's text, rows and keys.
    std::size_t tableBytes() const;
    /// Bytes taken by the index; 0 without one.
    std::size_t indexBytes() const;
    /// An upper bound of what withIndex() takes at its peak, the index and the scratch space
    /// of building it, so that a caller can afford it before asking.
    std::size_t indexBuildBytesBound() const;

    class Iterator
    {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = NameRecord;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = NameRecord;

        Iterator() = default;
        Iterator(const NameTable *table, std::size_t row)
            : m_table(table)
            , m_row(row)
        { }
        NameRecord operator*() const { return (*m_table)[m_row]; }
        Iterator &operator++()
        {
            ++m_row;
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++m_row;
            return before;
        }
        bool operator==(const Iterator &other) const { return m_row == other.m_row; }

    private:
        const NameTable *m_table = nullptr;
        std::size_t m_row = 0;
    };
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

    /// The storage, for the engine's own lookup, index and table image.
    const detail::NameTableData &data() const { return *m_table; }
    const detail::NameIndexData *indexData() const { return m_index.get(); }
    NameTable(std::shared_ptr<const detail::NameTableData> table,
        std::shared_ptr<const detail::NameIndexData> index);

private:
    NameRecord fields(std::size_t row) const; // all but the key

    std::shared_ptr<const detail::NameTableData> m_table;
    std::shared_ptr<const detail::NameIndexData> m_index;
};

/// Whether parseNameList() builds the table's index.
enum class Indexing { Build, Skip };

/// The largest list text parseNameList() reads: its offsets are 32 bits wide.
inline constexpr std::size_t kMaxNameListTextBytes = 0xFFFF'FFF0;

/// Builds the name table from the name-list text, which it keeps: one row per line, in list
/// order, duplicates kept. A line is
///
///     English<TAB>Hawaiian<TAB>provenance<TAB>note<TAB>modern
///
/// of which only the English name must be there; missing fields read as empty and fields after
/// the fifth are ignored. White space around each field is removed; case, accents and inner
/// spaces stay as written. Lines end in CR, LF or CR LF, mixed. The English names are put in
/// NFC, the form a lookup compares; the other fields stay byte for byte as written.
///
/// Sound behaviour for text outside that format, so that no list can break the program:
/// - an empty text gives an empty table;
/// - a UTF-8 byte-order mark at the very start is not part of the first English name;
/// - a text that starts with a UTF-16 byte-order mark (FF FE or FE FF) is read as UTF-16 of
///   that byte order; an unpaired surrogate and an odd last byte read as U+FFFD;
/// - a line that is empty or holds only white space adds no row, and so a line end after the
///   last line adds none;
/// - invalid UTF-8 is kept byte for byte.
///
/// Linear in the text's length. Throws std::length_error for a text longer than
/// kMaxNameListTextBytes (once read as UTF-8), or with an English name over 2 GiB; callers
/// that read files refuse such lists first.
NameTable parseNameList(std::string text, Indexing indexing = Indexing::Build);

} // namespace quillora
