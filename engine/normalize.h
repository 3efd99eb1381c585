#pragma once

#include <string>
#include <string_view>

namespace quillora::text {

/// False when NFC is sure to leave `text` as it is: plain ASCII, and any text whose code points
/// all lie below U+0300, where no character decomposes or combines under NFC. A cheap test
/// before toNfc(), which nearly every name passes.
bool mayChangeUnderNfc(std::string_view text);

/// `text` in Unicode Normalization Form C (canonical composition), so that a José typed as
/// e + U+0301 and a José written with é are the same code points. Invalid bytes stay as they
/// are and where they are; each one bounds the stretch of text normalised before it.
/// Never fails.
std::string toNfc(std::string_view text);

} // namespace quillora::text
