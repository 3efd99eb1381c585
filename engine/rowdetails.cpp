#include "rowdetails.h"

#include "pronunciation.h"
#include "textcase.h"
#include "utf8.h"

#include <optional>

namespace quillora {

namespace {

// The text trimmed, each control character (C0, DEL, C1) replaced by a space so that it cannot
// break a line of the details. Invalid bytes pass through as they are.
std::string oneLine(std::string_view text)
{
    std::u32string codePoints = utf8::decode(text::trimmed(text));
    for (char32_t &cp : codePoints) {
        if (cp < 0x20 || (cp >= 0x7F && cp < 0xA0))
            cp = U' ';
    }
    return std::string(text::trimmed(utf8::encode(codePoints)));
}

// The text with its first character upper-cased.
std::string capitalised(std::string_view text)
{
    const utf8::Decoded first = utf8::decodeFirst(text);
    std::string out;
    if (first.size == 0)
        return out;
    utf8::append(out, text::toUpper(first.codePoint));
    out += text.substr(first.size);
    return out;
}

} // namespace

std::string_view matchKindInWords(MatchKind kind)
{
    switch (kind) {
    case MatchKind::Exact:
        return "exact match";
    case MatchKind::SoundAlike:
        return "sounds alike";
    case MatchKind::NearSpelling:
        return "spelled one letter apart";
    case MatchKind::LetterByLetter:
        return "letter by letter, by rule";
    }
    return "";
}

std::string sourceInWords(std::string_view provenanceTag)
{
    struct Known
    {
        std::string_view tag;
        std::string_view words;
    };
    static constexpr Known kKnown[] = {
        {"haw:name", "already a Hawaiian name"},
        {"trad:bible", "traditional form, from the Hawaiian Bible"},
        {"trad:historic", "traditional form, borne by people of the Hawaiian kingdom"},
        {"trad:usage", "in established use"},
        {"trad:meaning", "a Hawaiian word with the same meaning, not the same sound"},
        {"rule:pron", "made by rule from the English pronunciation"},
        {"rule:espeak", "made by rule from the English pronunciation"},
        {"rule:es", "made by rule from the Spanish pronunciation"},
        {"rule:pt", "made by rule from the Portuguese pronunciation"},
        {"rule:reviewed", "made by rule from a reviewed pronunciation"},
        {"rule:spell", "made by rule from the spelling"},
    };
    const std::string tag = oneLine(provenanceTag);
    if (tag.empty())
        return "source not recorded";
    for (const Known &known : kKnown) {
        if (tag == known.tag)
            return std::string(known.words);
    }
    return "source: " + tag;
}

RowDetails rowDetails(MatchKind kind, std::string_view hawaiian, std::string_view provenanceTag,
    std::string_view note, std::string_view modernSpelling)
{
    RowDetails details;
    details.kind = matchKindInWords(kind);
    if (kind == MatchKind::LetterByLetter) {
        details.source = "not in the list: made by rule from the typed spelling";
    } else {
        details.source = sourceInWords(provenanceTag);
        details.note = oneLine(note);
        details.modernSpelling = oneLine(modernSpelling);
    }
    if (const std::optional<Pronunciation> said = pronounce(hawaiian, details.modernSpelling)) {
        details.syllables = said->syllableList();
        details.syllableGuide = said->guide;
        details.respelling = said->respelling;
    }
    return details;
}

RowDetails rowDetails(const NameTable &table, const ResultRow &row)
{
    if (!row.tableRow)
        return rowDetails(row.kind, row.hawaiian, {}, {}, {});
    const NameRecord record = table[*row.tableRow];
    return rowDetails(row.kind, row.hawaiian, record.provenance, record.note, record.modern);
}

std::string formatRowDetails(const RowDetails &details)
{
    std::string text;
    const auto addLine = [&text](std::string_view line) {
        if (line.empty())
            return;
        if (!text.empty())
            text += '\n';
        text += capitalised(line);
    };
    addLine(details.kind);
    addLine(details.source);
    addLine(details.note);
    if (!details.modernSpelling.empty())
        addLine("Modern spelling: " + details.modernSpelling);
    if (!details.syllableGuide.empty())
        addLine("Say it: " + details.syllableGuide + " (" + details.respelling + ')');
    return text;
}

} // namespace quillora
