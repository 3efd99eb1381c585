#pragma once

#include "nametable.h"

#include <string_view>

namespace quillora {

/// The table of the bundled name list, with its index, ready at once: the build parses the
/// list with parseNameList() and embeds the table as an image (tableimage.h) beside the list,
/// so the program parses nothing at start. The first call sets up views into the image, in
/// constant time; every call returns the same table.
const NameTable &bundledNameTable();

/// The embedded image of the bundled table, as the build made it.
std::string_view bundledTableImage();

} // namespace quillora
