#pragma once

#include <optional>
#include <string_view>

/// The application resources that are compiled into the engine, found by type and id as the
/// rest of the program asks for them. The data lives in the executable's read-only segment; no
/// file is read at run time.
namespace quillora::resources {

/// The name list: English-Hawaiian name pairs, one per line.
inline constexpr std::string_view kTextType = "TEXT";
inline constexpr int kNameListId = 168;

/// The bytes of the resource of this type and id, or nothing when the program has none.
std::optional<std::string_view> find(std::string_view type, int id);

} // namespace quillora::resources
