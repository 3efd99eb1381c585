#include "tableimage.h"

#include "nametable_data.h"

#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <type_traits>

namespace quillora {

namespace {

constexpr std::array<char, 8> kMagic{'Q', 'L', 'N', 'T', 'A', 'B', 'L', 'E'};
constexpr std::uint32_t kVersion = 1;
constexpr std::uint32_t kByteOrderMark = 0x01020304;

struct Section
{
    std::uint64_t offset;
    std::uint64_t bytes;
};

enum SectionId : std::size_t {
    Text,
    Rows,
    KeyCodes,
    KeySlots,
    RowsByKey,
    NextSameEnglish,
    VariantBuckets,
    VariantEntries,
    SectionCount
};

struct Header
{
    std::array<char, 8> magic;
    std::uint32_t byteOrder;
    std::uint32_t version;
    std::uint32_t rowCount;
    std::uint32_t maxEnglishChars;
    std::uint64_t englishChars;
    std::uint64_t textSize;
    std::uint32_t textIncluded;
    std::uint32_t bucketBits;
    std::uint32_t fingerprintBits;
    std::uint32_t reserved;
    std::array<Section, SectionCount> sections;
};
static_assert(std::is_trivially_copyable_v<Header>);

constexpr std::size_t kAlignment = 8;

template <typename T>
void appendSection(std::string &image, Header &header, SectionId id, std::span<const T> values)
{
    image.resize((image.size() + kAlignment - 1) / kAlignment * kAlignment, '\0');
    header.sections[id] = {image.size(), values.size_bytes()};
    if (!values.empty())
        image.append(reinterpret_cast<const char *>(values.data()), values.size_bytes());
}

/// The values of a section, or nothing when it does not fit the image or its element type.
template <typename T>
std::optional<std::span<const T>> sectionOf(std::string_view image, const Section &section)
{
    if (section.offset > image.size() || section.bytes > image.size() - section.offset
        || section.offset % alignof(T) != 0 || section.bytes % sizeof(T) != 0)
        return std::nullopt;
    return std::span<const T>(
        reinterpret_cast<const T *>(image.data() + section.offset), section.bytes / sizeof(T));
}

} // namespace

std::string tableImage(const NameTable &table, bool includeText)
{
    const NameTable indexed = table.hasIndex() ? table : table.withIndex();
    const detail::NameTableData &rows = indexed.data();
    const detail::NameIndexData &index = *indexed.indexData();

    Header header{};
    header.magic = kMagic;
    header.byteOrder = kByteOrderMark;
    header.version = kVersion;
    header.rowCount = static_cast<std::uint32_t>(rows.rows.size());
    header.maxEnglishChars = rows.maxEnglishChars;
    header.englishChars = rows.englishChars;
    header.textSize = rows.text.size();
    header.textIncluded = includeText ? 1 : 0;
    header.bucketBits = index.bucketBits;
    header.fingerprintBits = index.fingerprintBits;

    std::string image(sizeof(Header), '\0');
    appendSection(image, header, Text,
        includeText ? std::span<const char>(rows.text) : std::span<const char>());
    appendSection(image, header, Rows, rows.rows);
    appendSection(image, header, KeyCodes, rows.keyCodes);
    appendSection(image, header, KeySlots, index.keySlots);
    appendSection(image, header, RowsByKey, index.rowsByKey);
    appendSection(image, header, NextSameEnglish, index.nextSameEnglish);
    appendSection(image, header, VariantBuckets, index.variantBuckets);
    appendSection(image, header, VariantEntries, index.variantEntries);
    std::memcpy(image.data(), &header, sizeof header);
    return image;
}

std::optional<NameTable> tableFromImage(std::string_view image, std::string_view text)
{
    Header header;
    if (image.size() < sizeof header
        || reinterpret_cast<std::uintptr_t>(image.data()) % kAlignment != 0)
        return std::nullopt;
    std::memcpy(&header, image.data(), sizeof header);
    if (header.magic != kMagic || header.byteOrder != kByteOrderMark || header.version != kVersion
        || header.fingerprintBits > 31 || header.bucketBits > 31)
        return std::nullopt;

    auto rows = std::make_shared<detail::NameTableData>();
    auto index = std::make_shared<detail::NameIndexData>();
    const auto textBytes = sectionOf<char>(image, header.sections[Text]);
    const auto rowSpans = sectionOf<detail::RowSpan>(image, header.sections[Rows]);
    const auto keyCodes = sectionOf<std::uint32_t>(image, header.sections[KeyCodes]);
    const auto keySlots = sectionOf<detail::KeySlot>(image, header.sections[KeySlots]);
    const auto rowsByKey = sectionOf<std::uint32_t>(image, header.sections[RowsByKey]);
    const auto next = sectionOf<std::uint32_t>(image, header.sections[NextSameEnglish]);
    const auto buckets = sectionOf<std::uint32_t>(image, header.sections[VariantBuckets]);
    const auto entries = sectionOf<std::uint32_t>(image, header.sections[VariantEntries]);
    if (!textBytes || !rowSpans || !keyCodes || !keySlots || !rowsByKey || !next || !buckets
        || !entries)
        return std::nullopt;

    const std::size_t rowCount = header.rowCount;
    const std::string_view tableText
        = header.textIncluded != 0 ? std::string_view(textBytes->data(), textBytes->size()) : text;
    const bool shaped = tableText.size() == header.textSize && rowSpans->size() == rowCount
        && keyCodes->size() == rowCount && rowsByKey->size() == rowCount && next->size() == rowCount
        && std::has_single_bit(keySlots->size())
        && buckets->size() == (std::size_t{1} << header.bucketBits) + 1
        && buckets->back() == entries->size();
    if (!shaped)
        return std::nullopt;

    rows->text = tableText;
    rows->rows = *rowSpans;
    rows->keyCodes = *keyCodes;
    rows->maxEnglishChars = header.maxEnglishChars;
    rows->englishChars = header.englishChars;
    index->keySlots = *keySlots;
    index->rowsByKey = *rowsByKey;
    index->nextSameEnglish = *next;
    index->variantBuckets = *buckets;
    index->variantEntries = *entries;
    index->bucketBits = header.bucketBits;
    index->fingerprintBits = header.fingerprintBits;
    return NameTable(std::move(rows), std::move(index));
}

} // namespace quillora
