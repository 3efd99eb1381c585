#include "resources.h"

// Symbols of the name list that namelist_resource.S embeds with .incbin.
extern "C" const char quillora_namelist_begin[];
extern "C" const char quillora_namelist_end[];

namespace quillora::resources {

std::optional<std::string_view> find(std::string_view type, int id)
{
    if (type == kTextType && id == kNameListId) {
        return std::string_view(quillora_namelist_begin,
            static_cast<std::size_t>(quillora_namelist_end - quillora_namelist_begin));
    }
    return std::nullopt;
}

} // namespace quillora::resources
