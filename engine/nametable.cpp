#include "nametable.h"

#include "stringutils.h"
#include "textcase.h"
#include "utf8.h"

#include <algorithm>

namespace quillora {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

NameRecord recordFromLine(std::string_view line)
{
    const std::size_t tab = line.find('\t');
    const std::string_view english = text::trimmed(line.substr(0, tab));
    std::string_view hawaiian;
    if (tab != std::string_view::npos) {
        const std::string_view rest = line.substr(tab + 1);
        hawaiian = text::trimmed(rest.substr(0, rest.find('\t')));
    }
    return NameRecord{std::string(english), std::string(hawaiian),
                      StringUtils::Soundex(english, true), utf8::length(english)};
}

} // namespace

NameTable parseNameList(std::string_view text)
{
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());

    NameTable table;
    table.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        if (!text::trimmed(line).empty())
            table.push_back(recordFromLine(line));
        if (end == std::string_view::npos)
            break;
        // CR LF is one line end; a lone CR or LF is one too.
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    table.shrink_to_fit();
    return table;
}

} // namespace quillora
