#include "engine/bundled.h"
#include "engine/names.h"
#include "engine/nametable.h"
#include "engine/tableimage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using quillora::NameRecord;
using quillora::NameTable;
using quillora::parseNameList;

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs pairs(const NameTable &table)
{
    Pairs out;
    for (const NameRecord &record : table)
        out.emplace_back(record.english, record.hawaiian);
    return out;
}

TEST(ParseNameList, BuildsOneRowPerLineWithTheKeyOfTheEnglishName)
{
    const auto table = parseNameList("Kathy\tKakai\nCathy\tKakalina\nKatherine\tKakalina");
    ASSERT_EQ(table.size(), 3U);
    EXPECT_EQ(table[0].english, "Kathy");
    EXPECT_EQ(table[0].hawaiian, "Kakai");
    EXPECT_EQ(table[0].key, "K300");
    EXPECT_EQ(table[2].key, "K365");
    EXPECT_EQ(table.english(2), "Katherine");
    EXPECT_EQ(table.hawaiian(1), "Kakalina");
}

TEST(ParseNameList, ReadsTheFormatAndItsVariations)
{
    struct Case
    {
        const char *what;
        std::string text;
        Pairs expected;
    };
    // clang-format off
    const Case cases[] = {
        {"mixed CR, LF and CR LF line ends", "A\ta\rB\tb\nC\tc\r\nD\td",
         {{"A", "a"}, {"B", "b"}, {"C", "c"}, {"D", "d"}}},
        {"spaces around both names", "  Mary Ann \t  Mali Ana  ", {{"Mary Ann", "Mali Ana"}}},
        {"fields after the fifth are dropped", "John\tKeoni\ttrad:usage\t\t\textra",
         {{"John", "Keoni"}}},
        {"identical lines give identical rows", "Jon\tKeoni\nJon\tKeoni",
         {{"Jon", "Keoni"}, {"Jon", "Keoni"}}},
        {"an empty text", "", {}},
        {"empty and blank lines add no row", "\nA\ta\n\n \t \r\n\r\rB\tb\n",
         {{"A", "a"}, {"B", "b"}}},
        {"a line end after the last line adds no row", "A\ta\r\n", {{"A", "a"}}},
        {"a line without a tab has an empty Hawaiian name", "Kathy\nJohn\tKeoni",
         {{"Kathy", ""}, {"John", "Keoni"}}},
        {"a byte-order mark is not part of the first name", "\xEF\xBB\xBFKathy\tKakai",
         {{"Kathy", "Kakai"}}},
        {"a byte-order mark later on stays", "A\ta\n\xEF\xBB\xBF" "B\tb",
         {{"A", "a"}, {"\xEF\xBB\xBF" "B", "b"}}},
        {"case, accents and invalid bytes stay", "josé\tKoke\n\xFF\xFE\t\x80",
         {{"josé", "Koke"}, {"\xFF\xFE", "\x80"}}},
        {"an empty English name keeps its row", "\tKeoni", {{"", "Keoni"}}},
        {"English names are put in NFC, other fields stay", "Jose\xCC\x81\tIo\xCC\x84",
         {{"José", "Io\xCC\x84"}}},
        {"UTF-16, little-endian", std::string("\xFF\xFEK\0a\0\t\0K\0\xE9\0\n\0", 14),
         {{"Ka", "Ké"}}},
        {"UTF-16, big-endian, a surrogate pair and an unpaired one",
         std::string("\xFE\xFF\0A\xD8\x3C\xDF\x3A\0\t\xDC\x00\0B", 14),
         {{"A\xF0\x9F\x8C\xBA", "\xEF\xBF\xBD" "B"}}},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(pairs(parseNameList(c.text)), c.expected);
    }
}

TEST(ParseNameList, KeepsProvenanceNoteAndModernSpelling)
{
    const NameTable table = parseNameList("Joy\tHauoli\ttrad:meaning\tmeaning: joy\tHauʻoli\n"
                                          " Jesus \t Iesu \t trad:bible \t\t Iesū \n"
                                          "Kathy\tKakai\trule:pron\n"
                                          "Ann\tAna\tsome:new-tag\tvia Anna\n"
                                          "Bob");
    const NameRecord expected[] = {
        {"Joy", "Hauoli", "trad:meaning", "meaning: joy", "Hauʻoli", "J000"},
        {"Jesus", "Iesu", "trad:bible", "", "Iesū", "J220"},
        {"Kathy", "Kakai", "rule:pron", "", "", "K300"},
        {"Ann", "Ana", "some:new-tag", "via Anna", "", "A500"},
        {"Bob", "", "", "", "", "B100"},
    };
    ASSERT_EQ(table.size(), std::size(expected));
    for (std::size_t row = 0; row < table.size(); ++row)
        EXPECT_EQ(table[row], expected[row]) << "row " << row;
}

TEST(ParseNameList, KeysTwoWordNamesWhole)
{
    const auto table = parseNameList("La Toya\tLakoia\nVan Dyke\tWana");
    EXPECT_EQ(table[0].key, "T000");
    EXPECT_EQ(table[1].key, "D200");
}

TEST(ParseNameList, CopiesShareTheRows)
{
    const NameTable table = parseNameList("Kathy\tKakai");
    const NameTable copy = table; // NOLINT(performance-unnecessary-copy-initialization)
    EXPECT_EQ(copy.english(0).data(), table.english(0).data());
    EXPECT_TRUE(copy.hasIndex());
    EXPECT_FALSE(parseNameList("Kathy", quillora::Indexing::Skip).hasIndex());
}

TEST(TableImage, GivesBackTheTableItWasMadeFrom)
{
    const std::string list = "Kathy\tKakai\trule:pron\nCathy\tKakalina\n\nJose\xCC\x81\tIokepa";
    const NameTable table = parseNameList(list);
    for (const bool withText : {true, false}) {
        SCOPED_TRACE(withText ? "text in the image" : "text beside it");
        const std::string image = quillora::tableImage(table, withText);
        const std::string text(table.text());
        const auto back = quillora::tableFromImage(image, withText ? std::string_view() : text);
        ASSERT_TRUE(back.has_value());
        ASSERT_TRUE(back->hasIndex());
        ASSERT_EQ(back->size(), table.size());
        for (std::size_t row = 0; row < table.size(); ++row)
            EXPECT_EQ((*back)[row], table[row]);
        EXPECT_EQ(quillora::tableImage(*back, withText), image);
    }
}

TEST(TableImage, RefusesWhatItDidNotMake)
{
    const std::string image = quillora::tableImage(parseNameList("Kathy\tKakai"), false);
    EXPECT_FALSE(quillora::tableFromImage(image, "Kathy\tKakai!").has_value()); // other text
    EXPECT_FALSE(quillora::tableFromImage(image.substr(0, image.size() - 4), "Kathy\tKakai"));
    EXPECT_FALSE(quillora::tableFromImage(std::string(image.size(), 'x'), "Kathy\tKakai"));
    EXPECT_FALSE(quillora::tableFromImage("", ""));
}

TEST(BundledTable, IsTheImageOfWhatTheParserMakesOfTheList)
{
    // The build makes the image; this is the check that it still holds what the parser makes
    // of the list this program embeds, byte for byte.
    const NameTable parsed = parseNameList(quillora::names::names());
    EXPECT_EQ(quillora::tableImage(parsed, false), quillora::bundledTableImage());
    const NameTable &bundled = quillora::bundledNameTable();
    ASSERT_EQ(bundled.size(), parsed.size());
    EXPECT_TRUE(bundled.hasIndex());
    EXPECT_EQ(bundled[bundled.size() - 1], parsed[parsed.size() - 1]);
}

} // namespace
