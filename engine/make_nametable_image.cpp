// Build step: parses the bundled name list once, with the parser the program uses for every
// other list, and writes its table and index as an image for the program to embed.
//
//   quillora_make_nametable_image LIST IMAGE

#include "engine/nametable.h"
#include "engine/tableimage.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::cerr << "usage: quillora_make_nametable_image LIST IMAGE\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::string list(std::istreambuf_iterator<char>(in), {});
    if (!in && !in.eof()) {
        std::cerr << "cannot read " << argv[1] << '\n';
        return 1;
    }
    const quillora::NameTable table = quillora::parseNameList(list);
    // The program embeds the list too; the image leaves it out when the table's text is the
    // list as it stands (in UTF-8, its English names in NFC), as it is for the bundled list.
    const bool includeText = table.text() != list;
    const std::string image = quillora::tableImage(table, includeText);

    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(image.data(), static_cast<std::streamsize>(image.size()));
    out.close();
    if (!out) {
        std::cerr << "cannot write " << argv[2] << '\n';
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
