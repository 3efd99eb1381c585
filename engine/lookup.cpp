#include "lookup.h"

#include "keycode.h"
#include "nameindex.h"
#include "nametable_data.h"
#include "normalize.h"
#include "stringutils.h"
#include "textcase.h"
#include "transliterate.h"
#include "utf8.h"

#include <algorithm>

namespace quillora {

std::string_view rowMark(MatchKind kind)
{
    switch (kind) {
    case MatchKind::Exact:
        return "+";
    case MatchKind::LetterByLetter:
        return "-";
    case MatchKind::SoundAlike:
    case MatchKind::NearSpelling:
        break;
    }
    return {};
}

namespace {

/// The typed name as a lookup compares it.
class Query
{
public:
    explicit Query(std::string_view typed)
    {
        if (text::mayChangeUnderNfc(typed)) {
            m_storage = text::toNfc(typed);
            m_name = m_storage;
        } else {
            m_name = typed;
        }
        m_key = keyCode(StringUtils::Soundex(m_name, true));
        m_isAscii = utf8::isAscii(m_name);
        m_length = m_isAscii ? m_name.size() : utf8::length(m_name);
    }
    Query(const Query &) = delete; // the name may view the query's own storage
    Query &operator=(const Query &) = delete;

    std::string_view name() const { return m_name; }
    std::uint32_t key() const { return m_key; }
    std::size_t length() const { return m_length; }

    const std::u32string &chars()
    {
        if (m_chars.size() != m_length)
            utf8::decodeInto(m_chars, m_name);
        return m_chars;
    }

    /// True when `english` is at most one edit away, counted in code points.
    bool isNear(std::string_view english, bool englishIsAscii)
    {
        // A name has at most as many characters as bytes: one far shorter needs no decoding,
        // and neither does one of plain ASCII whose length is too far off.
        if (english.size() + 1 < m_length)
            return false;
        if (englishIsAscii) {
            if (english.size() > m_length + 1)
                return false;
            if (m_isAscii)
                return StringUtils::isWithinOneEditAscii(m_name, english);
        }
        utf8::decodeInto(m_english, english);
        return StringUtils::isWithinOneEdit(chars(), m_english);
    }

    bool isExact(std::string_view english) const
    {
        return text::equalsIgnoringCase(english, m_name);
    }

    ResultRow letterByLetterRow() const
    {
        return {std::string(m_name), Translate(m_name), MatchKind::LetterByLetter, std::nullopt};
    }

private:
    std::string m_storage;
    std::string_view m_name;
    std::uint32_t m_key = 0;
    bool m_isAscii = true;
    std::size_t m_length = 0;
    std::u32string m_chars;
    std::u32string m_english; // reused for every name that needs decoding
};

ResultRow resultRow(const NameTable &table, std::size_t row, MatchKind kind)
{
    return {std::string(table.english(row)), std::string(table.hawaiian(row)), kind, row};
}

ResultRow keyRow(const NameTable &table, std::size_t row, const Query &query)
{
    return resultRow(
        table, row, query.isExact(table.english(row)) ? MatchKind::Exact : MatchKind::SoundAlike);
}

} // namespace

std::vector<ResultRow> lookupNameByScan(const NameTable &table, std::string_view typedName)
{
    Query query(typedName);
    const detail::NameTableData &data = table.data();
    std::vector<ResultRow> rows;
    for (std::size_t row = 0; row < data.rows.size(); ++row) {
        const detail::RowSpan span = data.rows[row];
        if (data.keyCodes[row] == query.key()) {
            rows.push_back(keyRow(table, row, query));
        } else if (query.isNear(data.text.substr(span.englishOffset, span.englishSize()),
                       span.englishIsAscii())) {
            rows.push_back(resultRow(table, row, MatchKind::NearSpelling));
        }
    }
    rows.push_back(query.letterByLetterRow());
    return rows;
}

std::vector<ResultRow> lookupName(const NameTable &table, std::string_view typedName)
{
    const detail::NameIndexData *index = table.indexData();
    if (index == nullptr)
        return lookupNameByScan(table, typedName);

    Query query(typedName);
    const std::span<const std::uint32_t> keyRows = detail::rowsWithKey(*index, query.key());

    // Near spellings: every row of each English name that shares a variant with the typed name
    // and is one edit away. A name with the typed name's key is listed by its key already; all
    // rows of one name share its key.
    std::vector<std::uint32_t> nearRows;
    if (query.length() <= std::size_t{table.data().maxEnglishChars} + 1) {
        std::vector<std::uint32_t> candidates;
        detail::nearSpellingCandidates(*index, query.chars(), candidates);
        for (const std::uint32_t first : candidates) {
            if (table.keyCode(first) == query.key()
                || !query.isNear(table.english(first), table.englishIsAscii(first)))
                continue;
            for (std::uint32_t row = first; row != detail::kNoRow;
                 row = index->nextSameEnglish[row])
                nearRows.push_back(row);
        }
        std::sort(nearRows.begin(), nearRows.end());
    }

    // Both lists are in table order: merge them.
    std::vector<ResultRow> rows;
    rows.reserve(keyRows.size() + nearRows.size() + 1);
    std::size_t k = 0;
    std::size_t n = 0;
    while (k < keyRows.size() || n < nearRows.size()) {
        if (n == nearRows.size() || (k < keyRows.size() && keyRows[k] < nearRows[n]))
            rows.push_back(keyRow(table, keyRows[k++], query));
        else
            rows.push_back(resultRow(table, nearRows[n++], MatchKind::NearSpelling));
    }
    rows.push_back(query.letterByLetterRow());
    return rows;
}

} // namespace quillora
