#include "nametable.h"

#include "keycode.h"
#include "nameindex.h"
#include "nametable_data.h"
#include "normalize.h"
#include "stringutils.h"
#include "textcase.h"
#include "utf8.h"

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>

namespace quillora {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

/// Calls `handle(line)` for every line of `text` from `offset` on, without its line end.
template <typename Handle>
void forEachLine(std::string_view text, std::size_t offset, Handle handle)
{
    while (offset < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", offset);
        const std::size_t lineEnd = end == std::string_view::npos ? text.size() : end;
        handle(text.substr(offset, lineEnd - offset));
        if (end == std::string_view::npos)
            break;
        // CR LF is one line end; a lone CR or LF is one too.
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        offset = end + (crlf ? 2 : 1);
    }
}

/// The English name of a line: its first field, trimmed.
std::string_view englishField(std::string_view line)
{
    return text::trimmed(line.substr(0, line.find('\t')));
}

/// The fields after the English name, read from what follows it on its line (white space,
/// then a tab and the second field, and so on).
void readFieldsAfterEnglish(std::string_view rest, NameRecord &record)
{
    const std::size_t tab = rest.find('\t');
    if (tab == std::string_view::npos)
        return;
    rest.remove_prefix(tab + 1);
    const std::array<std::string_view *, 4> fields{
        &record.hawaiian, &record.provenance, &record.note, &record.modern};
    for (std::string_view *field : fields) {
        const std::size_t next = rest.find('\t');
        *field = text::trimmed(rest.substr(0, next));
        if (next == std::string_view::npos)
            break;
        rest.remove_prefix(next + 1);
    }
}

std::size_t firstLineOffset(std::string_view text)
{
    return text.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
}

/// The text with every English name in NFC, when one is not; nothing when all are.
std::optional<std::string> withNfcEnglishNames(std::string_view text)
{
    bool changes = false;
    forEachLine(text, firstLineOffset(text), [&](std::string_view line) {
        const std::string_view english = englishField(line);
        changes = changes || (text::mayChangeUnderNfc(english) && text::toNfc(english) != english);
    });
    if (!changes)
        return std::nullopt;
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    std::size_t copied = 0;
    forEachLine(text, firstLineOffset(text), [&](std::string_view line) {
        const std::string_view english = englishField(line);
        if (!text::mayChangeUnderNfc(english))
            return;
        const auto start = static_cast<std::size_t>(english.data() - text.data());
        out.append(text.substr(copied, start - copied));
        out += text::toNfc(english);
        copied = start + english.size();
    });
    out.append(text.substr(copied));
    return out;
}

std::shared_ptr<detail::NameTableData> buildRows(std::string text)
{
    if (text.starts_with(kUtf16LittleEndianMark) || text.starts_with(kUtf16BigEndianMark)) {
        const bool bigEndian = text.starts_with(kUtf16BigEndianMark);
        text = utf8::fromUtf16(std::string_view(text).substr(2), bigEndian);
    }
    if (auto normalised = withNfcEnglishNames(text))
        text = std::move(*normalised);
    if (text.size() > kMaxNameListTextBytes)
        throw std::length_error("name list text longer than 4 GiB");

    auto data = std::make_shared<detail::NameTableData>();
    data->ownedText = std::move(text);
    const std::string_view all = data->ownedText;
    const auto lines = static_cast<std::size_t>(std::count(all.begin(), all.end(), '\n')) + 1;
    data->ownedRows.reserve(lines);
    data->ownedKeyCodes.reserve(lines);
    forEachLine(all, firstLineOffset(all), [&](std::string_view line) {
        if (text::trimmed(line).empty())
            return;
        const std::string_view english = englishField(line);
        // The size field has 31 bits; a list with a name of 2 GiB is no name list.
        if (english.size() >= detail::RowSpan::kNotAscii)
            throw std::length_error("English name longer than 2 GiB");
        const bool ascii = utf8::isAscii(english);
        const auto size = static_cast<std::uint32_t>(english.size());
        data->ownedRows.push_back({static_cast<std::uint32_t>(english.data() - all.data()),
            ascii ? size : size | detail::RowSpan::kNotAscii});
        data->ownedKeyCodes.push_back(keyCode(StringUtils::Soundex(english, true)));
        const std::size_t chars = ascii ? english.size() : utf8::length(english);
        data->maxEnglishChars = std::max(data->maxEnglishChars, static_cast<std::uint32_t>(chars));
        data->englishChars += chars;
    });
    data->ownedRows.shrink_to_fit();
    data->ownedKeyCodes.shrink_to_fit();
    data->adoptOwned();
    return data;
}

const std::shared_ptr<const detail::NameTableData> &emptyData()
{
    static const std::shared_ptr<const detail::NameTableData> empty
        = std::make_shared<const detail::NameTableData>();
    return empty;
}

} // namespace

NameTable::NameTable()
    : m_table(emptyData())
{ }

NameTable::NameTable(std::shared_ptr<const detail::NameTableData> table,
    std::shared_ptr<const detail::NameIndexData> index)
    : m_table(std::move(table))
    , m_index(std::move(index))
{ }

std::size_t NameTable::size() const
{
    return m_table->rows.size();
}

std::string_view NameTable::english(std::size_t row) const
{
    const detail::RowSpan span = m_table->rows[row];
    return m_table->text.substr(span.englishOffset, span.englishSize());
}

std::string_view NameTable::text() const
{
    return m_table->text;
}

bool NameTable::englishIsAscii(std::size_t row) const
{
    return m_table->rows[row].englishIsAscii();
}

std::uint32_t NameTable::keyCode(std::size_t row) const
{
    return m_table->keyCodes[row];
}

NameRecord NameTable::fields(std::size_t row) const
{
    NameRecord record;
    record.english = english(row);
    const std::string_view text = m_table->text;
    const std::size_t after = m_table->rows[row].englishOffset + record.english.size();
    const std::size_t lineEnd = std::min(text.find_first_of("\r\n", after), text.size());
    readFieldsAfterEnglish(text.substr(after, lineEnd - after), record);
    return record;
}

NameRecord NameTable::operator[](std::size_t row) const
{
    NameRecord record = fields(row);
    record.key = StringUtils::Soundex(record.english, true);
    return record;
}

std::string_view NameTable::hawaiian(std::size_t row) const
{
    // The second field alone: what follows the English name up to the next tab or line end,
    // after the tab that ends the English field.
    const std::string_view text = m_table->text;
    const std::size_t after = m_table->rows[row].englishOffset + m_table->rows[row].englishSize();
    std::size_t start = after;
    while (start < text.size() && text[start] != '\t' && text[start] != '\n' && text[start] != '\r')
        ++start;
    if (start == text.size() || text[start] != '\t')
        return {};
    std::size_t end = ++start;
    while (end < text.size() && text[end] != '\t' && text[end] != '\n' && text[end] != '\r')
        ++end;
    return text::trimmed(text.substr(start, end - start));
}

std::size_t NameTable::tableBytes() const
{
    return m_table->text.size() + m_table->rows.size_bytes() + m_table->keyCodes.size_bytes();
}

std::size_t NameTable::indexBytes() const
{
    return m_index ? m_index->bytes() : 0;
}

NameTable NameTable::withIndex() const
{
    return NameTable(m_table, detail::buildNameIndex(*m_table));
}

std::size_t NameTable::indexBuildBytesBound() const
{
    return detail::nameIndexBuildBytesBound(*m_table);
}

NameTable parseNameList(std::string text, Indexing indexing)
{
    NameTable table(buildRows(std::move(text)), nullptr);
    return indexing == Indexing::Build ? table.withIndex() : table;
}

} // namespace quillora
