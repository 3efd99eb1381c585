#pragma once

// The storage behind NameTable and its index, shared by the parser, the index builder, the
// lookup and the table image. Not part of the engine's public interface.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillora::detail {

inline constexpr std::uint32_t kNoRow = 0xFFFFFFFF;

/// Where a row's English name lies in the table's text, and whether it is plain ASCII (so that
/// a scan knows its length in characters without decoding it). The row's other fields follow
/// the name on the same line.
struct RowSpan
{
    static constexpr std::uint32_t kNotAscii = 0x8000'0000;

    std::uint32_t englishOffset;
    std::uint32_t englishSizeAndFlag; ///< the size in bytes, or'ed with kNotAscii

    std::uint32_t englishSize() const { return englishSizeAndFlag & ~kNotAscii; }
    bool englishIsAscii() const { return (englishSizeAndFlag & kNotAscii) == 0; }
};

/// One slot of the hash of keys: the rows with key code `code` are rowsByKey[first..first+count).
/// A slot with count 0 is free.
struct KeySlot
{
    std::uint32_t code;
    std::uint32_t first;
    std::uint32_t count;
};

/// The rows of a table. The spans point into the owned members, or into a table image that
/// lives as long as the program.
struct NameTableData
{
    std::string_view text;
    std::span<const RowSpan> rows;
    std::span<const std::uint32_t> keyCodes; ///< keyCode() of each row's key
    std::uint32_t maxEnglishChars = 0;       ///< the longest English name, in code points
    std::uint64_t englishChars = 0;          ///< all English names together, in code points

    std::string ownedText;
    std::vector<RowSpan> ownedRows;
    std::vector<std::uint32_t> ownedKeyCodes;

    /// Points the spans at the owned members; called once they are in their final place.
    void adoptOwned()
    {
        text = ownedText;
        rows = ownedRows;
        keyCodes = ownedKeyCodes;
    }
};

/// The index of a table: a hash of keys, and the one-deletion neighbourhood of the English names.
///
/// Every distinct English name is represented by its first row; nextSameEnglish chains the rows
/// of one name in table order. The name itself and each of its one-character deletions (its
/// variants) are hashed; variantEntries holds, bucket by bucket, one entry per variant: the
/// representative row shifted left by fingerprintBits, with the low bits of the hash below it.
/// Bucket b is variantEntries[variantBuckets[b]..variantBuckets[b+1]).
struct NameIndexData
{
    std::span<const KeySlot> keySlots; ///< a power of two of them, at most half in use
    std::span<const std::uint32_t> rowsByKey;
    std::span<const std::uint32_t> nextSameEnglish;
    std::span<const std::uint32_t> variantBuckets;
    std::span<const std::uint32_t> variantEntries;
    std::uint32_t bucketBits = 0;
    std::uint32_t fingerprintBits = 0;

    std::vector<KeySlot> ownedKeySlots;
    std::vector<std::uint32_t> ownedRowsByKey;
    std::vector<std::uint32_t> ownedNextSameEnglish;
    std::vector<std::uint32_t> ownedVariantBuckets;
    std::vector<std::uint32_t> ownedVariantEntries;

    void adoptOwned()
    {
        keySlots = ownedKeySlots;
        rowsByKey = ownedRowsByKey;
        nextSameEnglish = ownedNextSameEnglish;
        variantBuckets = ownedVariantBuckets;
        variantEntries = ownedVariantEntries;
    }

    std::size_t bytes() const
    {
        return keySlots.size_bytes() + rowsByKey.size_bytes() + nextSameEnglish.size_bytes()
            + variantBuckets.size_bytes() + variantEntries.size_bytes();
    }
};

} // namespace quillora::detail
