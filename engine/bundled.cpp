#include "bundled.h"

#include "names.h"
#include "resources.h"
#include "tableimage.h"

// The image that nametable_image.S embeds with .incbin.
extern "C" const char quillora_nametable_image_begin[];
extern "C" const char quillora_nametable_image_end[];

namespace quillora {

std::string_view bundledTableImage()
{
    const auto size
        = static_cast<std::size_t>(quillora_nametable_image_end - quillora_nametable_image_begin);
    return {quillora_nametable_image_begin, size};
}

const NameTable &bundledNameTable()
{
    static const NameTable table = [] {
        const std::string_view list
            = resources::find(resources::kTextType, resources::kNameListId).value_or("");
        if (auto fromImage = tableFromImage(bundledTableImage(), list))
            return *fromImage;
        // An image this build cannot read (it makes its own, so this does not happen): the
        // list itself still gives the same table, a few milliseconds later.
        return parseNameList(std::string(list));
    }();
    return table;
}

} // namespace quillora
