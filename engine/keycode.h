#pragma once

#include <cstdint>
#include <string_view>

namespace quillora {

/// The code of the empty name's key "000", which no other key has.
inline constexpr std::uint32_t kEmptyKeyCode = 0xFFFFFFFF;

/// A phonetic key (a result of StringUtils::Soundex) as one number, so that the table can keep,
/// compare and hash keys cheaply: the case-folded first character and the three digits. Two
/// keys are equal ignoring case exactly when their codes are equal.
std::uint32_t keyCode(std::string_view key);

} // namespace quillora
