#pragma once

// Building and reading the index of a name table (see NameIndexData). Internal to the engine.

#include "nametable_data.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace quillora::detail {

/// The index of the rows of `table`. Linear in the table's size.
std::shared_ptr<const NameIndexData> buildNameIndex(const NameTableData &table);

/// An upper bound of the bytes buildNameIndex() holds at its peak.
std::size_t nameIndexBuildBytesBound(const NameTableData &table);

/// The rows whose key has code `code`, in table order.
std::span<const std::uint32_t> rowsWithKey(const NameIndexData &index, std::uint32_t code);

/// Appends to `representatives`, sorted and each once, the first rows of the English names
/// that share a variant (the name itself or a one-character deletion) with `typed`: a superset
/// of the names at most one edit from it, which the caller verifies.
void nearSpellingCandidates(const NameIndexData &index, std::u32string_view typed,
    std::vector<std::uint32_t> &representatives);

} // namespace quillora::detail
