#pragma once

#include "lookup.h"

#include <string>
#include <string_view>

namespace quillora {

/// What a result row says about itself, in words. Every field is plain text on one line; an
/// empty field has nothing to say and is left out when the details are shown.
struct RowDetails
{
    /// The kind of match: "exact match".
    std::string kind;
    /// Where the form comes from: "traditional form, from the Hawaiian Bible".
    std::string source;
    /// The list's note: "via Elizabeth".
    std::string note;
    /// The form with ʻokina and kahakō: "Kāwika".
    std::string modernSpelling;
    /// How to say the form (see Pronunciation): "ka, wi, ka", "ka·WI·ka", "kah-VEE-kah".
    std::string syllables;
    std::string syllableGuide;
    std::string respelling;

    bool operator==(const RowDetails &) const = default;
};

/// The kind of match in words: "exact match", "sounds alike", "spelled one letter apart",
/// "letter by letter, by rule".
std::string_view matchKindInWords(MatchKind kind);

/// Where a form of the list comes from, in words, for its provenance tag: trad:bible "traditional
/// form, from the Hawaiian Bible", rule:pron "made by rule from the English pronunciation", and so
/// on for every tag the list uses. A tag this program does not know is shown as it stands
/// ("source: <tag>"), so the list can gain tags; an empty tag, as in a list without provenance,
/// gives "source not recorded". Never fails.
std::string sourceInWords(std::string_view provenanceTag);

/// The details of one result row: its kind of match, its source, the list's note and modern
/// spelling, and how to say the Hawaiian form (see pronounce(); the syllable fields stay empty for
/// a form it cannot split). The letter-by-letter row is not in the list: its source is the rule,
/// and `provenanceTag`, `note` and `modernSpelling` are ignored for it. The note and the modern
/// spelling are trimmed, and any control character in them becomes a space, so that each stays on
/// one line. Never fails.
RowDetails rowDetails(MatchKind kind, std::string_view hawaiian, std::string_view provenanceTag,
    std::string_view note, std::string_view modernSpelling);

/// The details of a result row of a lookup in `table`: its kind, and for a row of the list its
/// provenance, note and modern spelling as the table records them. Never fails.
RowDetails rowDetails(const NameTable &table, const ResultRow &row);

/// The details as plain text, one line per item and no line end after the last, each line starting
/// with a capital: the kind, the source, the note, "Modern spelling: Kāwika" and
/// "Say it: ka·WI·ka (kah-VEE-kah)"; empty items are left out. The same text serves as tooltip,
/// accessible description and command-line output.
std::string formatRowDetails(const RowDetails &details);

} // namespace quillora
