#include "engine/rowdetails.h"

#include <gtest/gtest.h>

#include <string>

using namespace quillora;

namespace {

TEST(RowDetails, NamesEachKindOfMatch)
{
    const std::pair<MatchKind, std::string> cases[] = {
        {MatchKind::Exact, "exact match"},
        {MatchKind::SoundAlike, "sounds alike"},
        {MatchKind::NearSpelling, "spelled one letter apart"},
        {MatchKind::LetterByLetter, "letter by letter, by rule"},
    };
    for (const auto &[kind, words] : cases) {
        EXPECT_EQ(matchKindInWords(kind), words);
        EXPECT_EQ(rowDetails(kind, "Kawika", "trad:bible", "", "").kind, words);
    }
}

TEST(RowDetails, NamesEachSourceInPlainWords)
{
    const std::pair<std::string, std::string> cases[] = {
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
        // a tag added to the list later shows as it stands; a list without tags says so
        {"trad:chant", "source: trad:chant"},
        {"TRAD:BIBLE", "source: TRAD:BIBLE"},
        {"", "source not recorded"},
        {" trad:bible\r", "traditional form, from the Hawaiian Bible"},
    };
    for (const auto &[tag, words] : cases) {
        EXPECT_EQ(sourceInWords(tag), words) << "tag: " << tag;
        EXPECT_EQ(rowDetails(MatchKind::SoundAlike, "Kawika", tag, "", "").source, words);
    }
}

TEST(RowDetails, GathersEverythingTheRowKnows)
{
    const RowDetails details
        = rowDetails(MatchKind::Exact, "Hauoli", "trad:meaning", "meaning: joy", "Hauʻoli");
    // clang-format off
    const RowDetails expected{"exact match",
                              "a Hawaiian word with the same meaning, not the same sound",
                              "meaning: joy",
                              "Hauʻoli",
                              "hau, ʻo, li",
                              "ˌhau·ʻO·li",
                              "how-'OH-lee"};
    // clang-format on
    EXPECT_EQ(details, expected);
}

TEST(RowDetails, GivesTheLetterByLetterRowTheRuleAsItsSource)
{
    const RowDetails details
        = rowDetails(MatchKind::LetterByLetter, "Kakahi", "trad:bible", "via Elizabeth", "Kākahi");
    EXPECT_EQ(details.source, "not in the list: made by rule from the typed spelling");
    EXPECT_EQ(details.note, "");
    EXPECT_EQ(details.modernSpelling, "");
    EXPECT_EQ(details.syllableGuide, "ka·KA·hi");
}

TEST(RowDetails, ReadsAResultRowsFieldsFromItsTable)
{
    const NameTable table
        = parseNameList("Dovid\tKawika\ttrad:bible\tvia David\tKāwika\n"
                        "David\tKawika\ttrad:bible\tHawaiian Bible: Davida\tKāwika\n");
    const std::vector<ResultRow> rows = lookupName(table, "David");
    ASSERT_EQ(rows.size(), 3u);
    const RowDetails exact = rowDetails(table, rows[1]);
    EXPECT_EQ(exact.kind, "exact match");
    EXPECT_EQ(exact.note, "Hawaiian Bible: Davida");
    EXPECT_EQ(exact.modernSpelling, "Kāwika");
    EXPECT_EQ(rowDetails(table, rows[0]).note, "via David");
    EXPECT_EQ(rowDetails(table, rows[2]),
        rowDetails(MatchKind::LetterByLetter, rows[2].hawaiian, "", "", ""));
}

TEST(RowDetails, KeepsEachFieldOnOneLine)
{
    const RowDetails details
        = rowDetails(MatchKind::Exact, "Kawika", "trad:bible", "via\tDavid\r\n", " Kāwika\n");
    EXPECT_EQ(details.note, "via David");
    EXPECT_EQ(details.modernSpelling, "Kāwika");
}

TEST(RowDetails, LeavesTheGuideEmptyForAFormThatCannotBeSaid)
{
    const RowDetails details = rowDetails(MatchKind::LetterByLetter, "K'Alaki", "", "", "");
    EXPECT_EQ(details.syllables, "");
    EXPECT_EQ(details.syllableGuide, "");
    EXPECT_EQ(details.respelling, "");
    EXPECT_EQ(formatRowDetails(details),
        "Letter by letter, by rule\nNot in the list: made by rule from the typed spelling");
}

TEST(FormatRowDetails, WritesOneLinePerItem)
{
    struct Case
    {
        RowDetails details;
        std::string text;
    };
    // clang-format off
    const Case cases[] = {
        {rowDetails(MatchKind::Exact, "Kawika", "trad:bible", "", ""),
         "Exact match\nTraditional form, from the Hawaiian Bible\nSay it: ka·WI·ka (kah-VEE-kah)"},
        {rowDetails(MatchKind::SoundAlike, "Pikake", "trad:meaning", "meaning: jasmine", "Pīkake"),
         "Sounds alike\nA Hawaiian word with the same meaning, not the same sound\n"
         "Meaning: jasmine\nModern spelling: Pīkake\nSay it: ˌpī·KA·ke (pee-KAH-keh)"},
        {rowDetails(MatchKind::NearSpelling, "Kakalina", "rule:spell", "spelling of Catherine", ""),
         "Spelled one letter apart\nMade by rule from the spelling\nSpelling of Catherine\n"
         "Say it: ˌka·ka·LI·na (kah-kah-LEE-nah)"},
        {rowDetails(MatchKind::NearSpelling, "Kakalina", "new:tag", "", ""),
         "Spelled one letter apart\nSource: new:tag\nSay it: ˌka·ka·LI·na (kah-kah-LEE-nah)"},
        {RowDetails{}, ""},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(formatRowDetails(c.details), c.text);
}

} // namespace
