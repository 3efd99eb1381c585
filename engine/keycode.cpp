#include "keycode.h"

#include "textcase.h"
#include "utf8.h"

namespace quillora {

std::uint32_t keyCode(std::string_view key)
{
    constexpr std::size_t kDigits = 3;
    if (key.size() <= kDigits)
        return kEmptyKeyCode;
    const auto [first, size] = utf8::decodeFirst(key);
    // A code point takes 21 bits, each digit 0..6 three.
    std::uint32_t code = static_cast<std::uint32_t>(text::foldCase(first));
    for (const char digit : key.substr(size))
        code = (code << 3U) | static_cast<std::uint32_t>(digit - '0');
    return code;
}

} // namespace quillora
