#include "engine/nametable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using quillora::NameRecord;
using quillora::parseNameList;

namespace {

std::vector<std::pair<std::string, std::string>> pairs(const quillora::NameTable &table)
{
    std::vector<std::pair<std::string, std::string>> out;
    for (const NameRecord &record : table)
        out.emplace_back(record.english, record.hawaiian);
    return out;
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST(ParseNameList, BuildsOneRowPerLineWithTheKeyOfTheEnglishName)
{
    const auto table = parseNameList("Kathy\tKakai\nCathy\tKakalina\nKatherine\tKakalina");
    ASSERT_EQ(table.size(), 3U);
    EXPECT_EQ(table[0].english, "Kathy");
    EXPECT_EQ(table[0].hawaiian, "Kakai");
    EXPECT_EQ(table[0].key, "K300");
    EXPECT_EQ(table[2].key, "K365");
    EXPECT_EQ(table[2].englishLength, 9U);
}

TEST(ParseNameList, ReadsTheFormatAndItsVariations)
{
    struct Case
    {
        const char *what;
        std::string text;
        Pairs expected;
    };
    const Case cases[] = {
        {"mixed CR, LF and CR LF line ends", "A\ta\rB\tb\nC\tc\r\nD\td",
         {{"A", "a"}, {"B", "b"}, {"C", "c"}, {"D", "d"}}},
        {"spaces around both names", "  Mary Ann \t  Mali Ana  ", {{"Mary Ann", "Mali Ana"}}},
        {"a third field is dropped", "John\tKeoni\ttrad:usage\textra", {{"John", "Keoni"}}},
        {"identical lines give identical rows", "Jon\tKeoni\nJon\tKeoni",
         {{"Jon", "Keoni"}, {"Jon", "Keoni"}}},
        {"an empty text", "", {}},
        {"empty and blank lines add no row", "\nA\ta\n\n \t \r\n\r\rB\tb\n", {{"A", "a"}, {"B", "b"}}},
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
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(pairs(parseNameList(c.text)), c.expected);
    }
}

TEST(ParseNameList, KeysTwoWordNamesWhole)
{
    const auto table = parseNameList("La Toya\tLakoia\nVan Dyke\tWana");
    EXPECT_EQ(table[0], (NameRecord{"La Toya", "Lakoia", "T000", 7}));
    EXPECT_EQ(table[1].key, "D200");
}

} // namespace
