#include "nameindex.h"

#include "utf8.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace quillora::detail {

namespace {

// --- hashing the variants of a name ----------------------------------------------------------
//
// A name's variants are the name itself and each of its one-character deletions. Their hashes
// come from one polynomial hash modulo the prime 2^61 - 1, so that all of them cost O(length):
// deleting character i from c[0..L) leaves prefix(i)·B^(L-1-i) + suffix(i+1), and the suffix is
// the whole hash less prefix(i+1)·B^(L-1-i). Names that are equal have equal hashes; names that
// differ almost never do, and the lookup verifies every candidate anyway.

__extension__ using Uint128 = unsigned __int128;

constexpr std::uint64_t kPrime = (std::uint64_t{1} << 61U) - 1;
constexpr std::uint64_t kBase = 0x1B873593CC9E2D51ULL % kPrime;

std::uint64_t mulMod(std::uint64_t a, std::uint64_t b)
{
    const Uint128 product = static_cast<Uint128>(a) * b;
    std::uint64_t r = (static_cast<std::uint64_t>(product) & kPrime)
        + static_cast<std::uint64_t>(product >> 61U);
    return r >= kPrime ? r - kPrime : r;
}

std::uint64_t addMod(std::uint64_t a, std::uint64_t b)
{
    const std::uint64_t r = a + b;
    return r >= kPrime ? r - kPrime : r;
}

std::uint64_t subMod(std::uint64_t a, std::uint64_t b)
{
    return a >= b ? a - b : a + kPrime - b;
}

// Spreads the polynomial value and the length over all 64 bits (splitmix64's finaliser): the
// high bits choose the bucket, the low ones make the fingerprint.
std::uint64_t finish(std::uint64_t value, std::size_t length)
{
    std::uint64_t z = value ^ (static_cast<std::uint64_t>(length) * 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

class VariantHasher
{
public:
    /// Calls `handle(hash)` for each distinct variant of `name`: the name, then its deletions.
    /// Deleting either of two equal neighbours gives one variant, hashed once.
    template <typename Handle>
    void forEachVariant(std::u32string_view name, Handle handle)
    {
        const std::size_t length = name.size();
        m_prefix.resize(length + 1);
        m_prefix[0] = 0;
        for (std::size_t i = 0; i < length; ++i)
            m_prefix[i + 1] = addMod(mulMod(m_prefix[i], kBase), std::uint64_t{name[i]} + 1);
        while (m_powers.size() <= length)
            m_powers.push_back(m_powers.empty() ? 1 : mulMod(m_powers.back(), kBase));

        const std::uint64_t whole = m_prefix[length];
        handle(finish(whole, length));
        for (std::size_t i = 0; i < length; ++i) {
            if (i > 0 && name[i] == name[i - 1])
                continue;
            const std::uint64_t scale = m_powers[length - 1 - i];
            // whole - prefix(i+1)·B^(L-1-i) is the suffix; prefix(i)·B^(L-1-i) goes before it.
            const std::uint64_t deleted
                = addMod(subMod(whole, mulMod(m_prefix[i + 1], scale)), mulMod(m_prefix[i], scale));
            handle(finish(deleted, length - 1));
        }
    }

private:
    std::vector<std::uint64_t> m_prefix;
    std::vector<std::uint64_t> m_powers;
};

std::size_t variantCount(std::u32string_view name)
{
    std::size_t count = 1;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (i == 0 || name[i] != name[i - 1])
            ++count;
    return count;
}

std::uint32_t bucketOf(std::uint64_t hash, std::uint32_t bucketBits)
{
    return bucketBits == 0 ? 0 : static_cast<std::uint32_t>(hash >> (64U - bucketBits));
}

std::uint32_t fingerprintOf(std::uint64_t hash, std::uint32_t fingerprintBits)
{
    return static_cast<std::uint32_t>(hash & ((std::uint64_t{1} << fingerprintBits) - 1));
}

std::uint32_t keySlotOf(std::uint32_t code, std::size_t slotCount)
{
    std::uint32_t z = code * 0x9E3779B1U;
    z ^= z >> 16U;
    return z & static_cast<std::uint32_t>(slotCount - 1);
}

// Three to six variants to a bucket: the directory costs at most a byte and a third per
// variant, and a lookup reads a few neighbouring entries per variant of the typed name.
constexpr std::size_t kVariantsPerBucket = 3;

std::size_t bucketCountFor(std::size_t variants)
{
    return std::bit_floor(std::max<std::size_t>(1, variants / kVariantsPerBucket));
}

std::size_t keySlotCountFor(std::size_t distinctKeys)
{
    return std::bit_ceil(std::max<std::size_t>(1, 2 * distinctKeys));
}

std::size_t distinctKeyCount(std::span<const std::uint32_t> keyCodes)
{
    std::vector<std::uint32_t> sorted(keyCodes.begin(), keyCodes.end());
    std::sort(sorted.begin(), sorted.end());
    return static_cast<std::size_t>(std::unique(sorted.begin(), sorted.end()) - sorted.begin());
}

std::string_view englishOf(const NameTableData &table, std::uint32_t row)
{
    return table.text.substr(table.rows[row].englishOffset, table.rows[row].englishSize());
}

// --- building ---------------------------------------------------------------------------------

/// Chains the rows of each English name and returns the first row of each, in table order.
std::vector<std::uint32_t> chainEqualNames(
    const NameTableData &table, std::vector<std::uint32_t> &nextSameEnglish)
{
    const auto rows = static_cast<std::uint32_t>(table.rows.size());
    nextSameEnglish.assign(rows, kNoRow);
    std::vector<std::uint32_t> representatives;
    std::vector<std::uint32_t> last(rows, kNoRow); // per representative, the last row so far
    std::vector<std::uint32_t> slots(std::bit_ceil(std::size_t{rows} + rows / 4 + 1), kNoRow);
    const std::size_t mask = slots.size() - 1;
    for (std::uint32_t row = 0; row < rows; ++row) {
        const std::string_view name = englishOf(table, row);
        std::size_t slot = std::hash<std::string_view>()(name) & mask;
        while (slots[slot] != kNoRow && englishOf(table, slots[slot]) != name)
            slot = (slot + 1) & mask;
        if (slots[slot] == kNoRow) {
            slots[slot] = row;
            last[row] = row;
            representatives.push_back(row);
        } else {
            const std::uint32_t first = slots[slot];
            nextSameEnglish[last[first]] = row;
            last[first] = row;
        }
    }
    return representatives;
}

void buildVariants(const NameTableData &table, const std::vector<std::uint32_t> &representatives,
    NameIndexData &index)
{
    std::u32string chars;
    std::size_t variants = 0;
    for (const std::uint32_t row : representatives) {
        utf8::decodeInto(chars, englishOf(table, row));
        variants += variantCount(chars);
    }
    const std::size_t buckets = bucketCountFor(variants);
    index.bucketBits = static_cast<std::uint32_t>(std::countr_zero(buckets));
    const std::size_t rows = std::max<std::size_t>(1, table.rows.size());
    index.fingerprintBits = 32U - static_cast<std::uint32_t>(std::bit_width(rows));

    // Two passes over the same hashes: count per bucket, then place, so that nothing but the
    // final arrays is held.
    VariantHasher hasher;
    std::vector<std::uint32_t> &starts = index.ownedVariantBuckets;
    starts.assign(buckets + 1, 0);
    for (const std::uint32_t row : representatives) {
        utf8::decodeInto(chars, englishOf(table, row));
        hasher.forEachVariant(
            chars, [&](std::uint64_t hash) { ++starts[bucketOf(hash, index.bucketBits) + 1]; });
    }
    for (std::size_t b = 0; b < buckets; ++b)
        starts[b + 1] += starts[b];
    std::vector<std::uint32_t> cursor(starts.begin(), starts.end() - 1);
    index.ownedVariantEntries.resize(variants);
    for (const std::uint32_t row : representatives) {
        utf8::decodeInto(chars, englishOf(table, row));
        hasher.forEachVariant(chars, [&](std::uint64_t hash) {
            index.ownedVariantEntries[cursor[bucketOf(hash, index.bucketBits)]++]
                = (row << index.fingerprintBits) | fingerprintOf(hash, index.fingerprintBits);
        });
    }
}

void buildKeys(const NameTableData &table, NameIndexData &index)
{
    const std::span<const std::uint32_t> codes = table.keyCodes;
    std::vector<KeySlot> &slots = index.ownedKeySlots;
    slots.assign(keySlotCountFor(distinctKeyCount(codes)), KeySlot{0, 0, 0});
    const auto slotFor = [&](std::uint32_t code) -> KeySlot & {
        std::size_t slot = keySlotOf(code, slots.size());
        while (slots[slot].count != 0 && slots[slot].code != code)
            slot = (slot + 1) & (slots.size() - 1);
        return slots[slot];
    };
    for (const std::uint32_t code : codes) {
        KeySlot &slot = slotFor(code);
        slot.code = code;
        ++slot.count;
    }
    std::uint32_t first = 0;
    for (KeySlot &slot : slots) {
        slot.first = first;
        first += slot.count;
    }
    index.ownedRowsByKey.resize(codes.size());
    std::vector<std::uint32_t> placed(slots.size(), 0);
    for (std::uint32_t row = 0; row < codes.size(); ++row) {
        KeySlot &slot = slotFor(codes[row]);
        const auto slotNumber = static_cast<std::size_t>(&slot - slots.data());
        index.ownedRowsByKey[slot.first + placed[slotNumber]++] = row;
    }
}

} // namespace

std::shared_ptr<const NameIndexData> buildNameIndex(const NameTableData &table)
{
    auto index = std::make_shared<NameIndexData>();
    {
        const std::vector<std::uint32_t> representatives
            = chainEqualNames(table, index->ownedNextSameEnglish);
        buildVariants(table, representatives, *index);
    }
    buildKeys(table, *index);
    index->adoptOwned();
    return index;
}

std::size_t nameIndexBuildBytesBound(const NameTableData &table)
{
    const std::size_t rows = table.rows.size();
    const std::size_t variants = static_cast<std::size_t>(table.englishChars) + rows;
    const std::size_t kept = sizeof(KeySlot) * keySlotCountFor(distinctKeyCount(table.keyCodes))
        + 4 * rows                               // rows by key
        + 4 * rows                               // rows of one name
        + 4 * (bucketCountFor(variants) + 1) * 2 // buckets, and cursors
        + 4 * variants;                          // entries
    // Scratch of chaining the names: the last row of each, a hash of names and the list of
    // first rows; of the keys, a sorted copy.
    const std::size_t scratch = 4 * rows + 4 * std::bit_ceil(rows + rows / 4 + 1) + 4 * rows;
    return kept + scratch;
}

std::span<const std::uint32_t> rowsWithKey(const NameIndexData &index, std::uint32_t code)
{
    const std::span<const KeySlot> slots = index.keySlots;
    std::size_t slot = keySlotOf(code, slots.size());
    while (slots[slot].count != 0) {
        if (slots[slot].code == code)
            return index.rowsByKey.subspan(slots[slot].first, slots[slot].count);
        slot = (slot + 1) & (slots.size() - 1);
    }
    return {};
}

void nearSpellingCandidates(const NameIndexData &index, std::u32string_view typed,
    std::vector<std::uint32_t> &representatives)
{
    thread_local VariantHasher hasher;
    const std::size_t begin = representatives.size();
    hasher.forEachVariant(typed, [&](std::uint64_t hash) {
        const std::uint32_t bucket = bucketOf(hash, index.bucketBits);
        const std::uint32_t fingerprint = fingerprintOf(hash, index.fingerprintBits);
        const std::uint32_t mask = (std::uint32_t{1} << index.fingerprintBits) - 1;
        const std::uint32_t end = index.variantBuckets[bucket + 1];
        for (std::uint32_t e = index.variantBuckets[bucket]; e < end; ++e) {
            const std::uint32_t entry = index.variantEntries[e];
            if ((entry & mask) == fingerprint)
                representatives.push_back(entry >> index.fingerprintBits);
        }
    });
    std::sort(representatives.begin() + static_cast<std::ptrdiff_t>(begin), representatives.end());
    representatives.erase(std::unique(representatives.begin() + static_cast<std::ptrdiff_t>(begin),
                              representatives.end()),
        representatives.end());
}

} // namespace quillora::detail
