#pragma once

#include "nametable.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillora {

/// The table with its index (built here when it has none) as one binary image, which
/// tableFromImage() turns back into a table without parsing or building anything. The bundled
/// name list is shipped this way, made at build time. With `includeText` false the image
/// leaves out the list's text, which the reader then passes in.
std::string tableImage(const NameTable &table, bool includeText);

/// The table an image made by tableImage() holds. Its storage is the image itself (and `text`,
/// for an image without the text), which must outlive the table and everything made from it.
/// Nothing when the image was not made by this version of tableImage() on a machine of this
/// byte order, or is cut short, or `text` is not the size of the text it was made from.
/// Constant time: the image is trusted build output, checked for its shape, not its content.
std::optional<NameTable> tableFromImage(std::string_view image, std::string_view text = {});

} // namespace quillora
