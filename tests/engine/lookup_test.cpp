#include "engine/bundled.h"
#include "engine/lookup.h"
#include "tests/reference/lookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace quillora;

namespace {

using Kind = MatchKind;

// The three names of the worked example.
const NameTable &kathyTable()
{
    static const NameTable table
        = parseNameList("Kathy\tKakai\nCathy\tKakalina\nKatherine\tKakalina");
    return table;
}

// Both lookups, indexed and scanning, must give exactly the rows of the textbook definition.
void expectAllLookupsAgree(const NameTable &table, const std::string &typed)
{
    SCOPED_TRACE("typed: \"" + typed + '"');
    const std::vector<ResultRow> expected = reference::expectedLookup(table, typed);
    EXPECT_EQ(lookupName(table, typed), expected);
    EXPECT_EQ(lookupNameByScan(table, typed), expected);
}

TEST(LookupName, ListsTheRowsOfTheWorkedExample)
{
    struct Case
    {
        const char *typed;
        std::vector<ResultRow> rows;
    };
    // clang-format off
    const Case cases[] = {
        {"Kathy",
         {{"Kathy", "Kakai", Kind::Exact, 0}, {"Cathy", "Kakalina", Kind::NearSpelling, 1},
          {"Kathy", "Kakahi", Kind::LetterByLetter, {}}}},
        {"KATHY",
         {{"Kathy", "Kakai", Kind::Exact, 0}, {"KATHY", "KAKaHI", Kind::LetterByLetter, {}}}},
        {"Kathy ",
         {{"Kathy", "Kakai", Kind::SoundAlike, 0},
          {"Kathy ", "Kakahi ", Kind::LetterByLetter, {}}}},
        {"Cathy",
         {{"Kathy", "Kakai", Kind::NearSpelling, 0}, {"Cathy", "Kakalina", Kind::Exact, 1},
          {"Cathy", "Kakahi", Kind::LetterByLetter, {}}}},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("typed: \"") + c.typed + '"');
        EXPECT_EQ(lookupName(kathyTable(), c.typed), c.rows);
        EXPECT_EQ(lookupNameByScan(kathyTable(), c.typed), c.rows);
    }
}

TEST(LookupName, MarksExactMatchesAndTheLetterByLetterRow)
{
    EXPECT_EQ(rowMark(Kind::Exact), "+");
    EXPECT_EQ(rowMark(Kind::LetterByLetter), "-");
    EXPECT_EQ(rowMark(Kind::SoundAlike), "");
    EXPECT_EQ(rowMark(Kind::NearSpelling), "");
    // Several forms of one name each appear and each is exact; accented capitals match too,
    // while an unaccented spelling is only a sound-alike.
    const NameTable table = parseNameList("José\tHoke\nJosé\tIokepa\nJose\tKoke\nJohn\tKeoni");
    // clang-format off
    const std::vector<ResultRow> expected{{"José", "Hoke", Kind::Exact, 0},
                                          {"José", "Iokepa", Kind::Exact, 1},
                                          {"Jose", "Koke", Kind::SoundAlike, 2},
                                          {"JOSÉ", "KOKÉ", Kind::LetterByLetter, {}}};
    // clang-format on
    EXPECT_EQ(lookupName(table, "JOSÉ"), expected);
}

TEST(LookupName, ComparesNormalisedAndCaseFoldedText)
{
    struct Case
    {
        const char *what;
        const char *list;
        const char *typed;
        const char *english; // of the one exact row
    };
    // clang-format off
    const Case cases[] = {
        {"a decomposed é typed, a composed one listed", "José\tIokepa", "Jose\xCC\x81", "José"},
        {"a composed é typed, a decomposed one listed", "Jose\xCC\x81\tIokepa", "José", "José"},
        {"the Kelvin sign is a K", "Kathy\tKakai", "\xE2\x84\xAA" "athy", "Kathy"},
        {"full-width capitals fold", "\xEF\xBD\x8B\xEF\xBD\x81\xEF\xBD\x94\xEF\xBD\x99\tX",
         "\xEF\xBC\xAB\xEF\xBC\xA1\xEF\xBC\xB4\xEF\xBC\xB9", "ｋａｔｙ"},
        {"final sigma folds like sigma", "ΣΟΦΙΑΣ\tX", "σοφιας", "ΣΟΦΙΑΣ"},
        {"capital sharp s folds to ß", "Weiß\tX", "WEIẞ", "Weiß"},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const NameTable table = parseNameList(c.list);
        const std::vector<ResultRow> rows = lookupName(table, c.typed);
        EXPECT_EQ(rows, reference::expectedLookup(table, c.typed));
        if (c.english != nullptr) {
            ASSERT_EQ(rows.size(), 2U);
            EXPECT_EQ(rows[0].english, c.english);
            EXPECT_EQ(rows[0].kind, Kind::Exact);
        }
    }
}

TEST(LookupName, EdgeCases)
{
    // No match at all: only the letter-by-letter row.
    EXPECT_EQ(lookupName(kathyTable(), "Zebulon"),
        (std::vector<ResultRow>{{"Zebulon", "Kepulona", Kind::LetterByLetter, {}}}));
    // An empty table.
    EXPECT_EQ(lookupName({}, "Kathy").size(), 1U);
    // An empty name: key 000 matches only an empty English name; one-letter names are one edit.
    const NameTable table = parseNameList("\tNothing\nA\tA\nAb\tApa");
    // clang-format off
    EXPECT_EQ(lookupName(table, ""),
              (std::vector<ResultRow>{{"", "Nothing", Kind::Exact, 0},
                                      {"A", "A", Kind::NearSpelling, 1},
                                      {"", "", Kind::LetterByLetter, {}}}));
    // clang-format on
}

TEST(LookupName, IndexAndScanGiveTheRowsOfTheDefinition)
{
    // Names a few edits apart, one-letter names, repeated names with several forms, accents,
    // invalid bytes and a long name: every kind of candidate the index must find or reject.
    // clang-format off
    const std::vector<std::string> names = {
        "Ann", "Anna", "Anne", "Annie", "Ana", "An", "Hannah", "Nan", "Jon", "John", "Joan",
        "Jo", "Johnny", "José", "Jose", "Joseph", "Mary", "Marie", "Maria", "Mari", "Mar y",
        "M", "", "Zoë", "Zoe", "Zoé", "ab", "ba", "aab", "abb", "\xFF" "ab", "a\xFF" "b",
        // clang-format on
        std::string(300, 'x'), std::string(299, 'x') + "y"};
    std::string list;
    for (const std::string &name : names)
        list += name + "\tX\n" + name + "\tY\n"; // each name twice: rows chained by name
    const NameTable table = parseNameList(list);
    const NameTable unindexed = parseNameList(list, Indexing::Skip);
    ASSERT_TRUE(table.hasIndex());
    ASSERT_FALSE(unindexed.hasIndex());
    std::vector<std::string> typed = names;
    for (const std::string &name : names) {
        typed.push_back(name + "a");
        typed.push_back("b" + name);
        if (!name.empty())
            typed.push_back(name.substr(1));
    }
    for (const std::string &t : typed) {
        expectAllLookupsAgree(table, t);
        EXPECT_EQ(lookupName(unindexed, t), lookupName(table, t));
    }
}

TEST(LookupName, IndexAgreesWithTheScanOnTheWholeBundledList)
{
    // Every fourth English name of the bundled list as it stands, and every 32nd in capitals,
    // with a letter dropped and with one added: the indexed search must find exactly what the
    // scan finds; a sample also goes through the textbook definition. (The fuzzer and the
    // benchmarks cover the rest; the scan takes a moment per name.)
    const NameTable &table = bundledNameTable();
    ASSERT_TRUE(table.hasIndex());
    for (std::size_t row = 0; row < table.size(); row += 4) {
        const std::string name(table.english(row));
        std::vector<std::string> typed{name};
        if (row % 32 == 0) {
            std::string upper = name;
            for (char &c : upper)
                c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
            typed.push_back(upper);
            typed.push_back(name.substr(0, name.size() / 2) + name.substr(name.size() / 2 + 1));
            typed.push_back(name + "e");
        }
        for (const std::string &t : typed)
            ASSERT_EQ(lookupName(table, t), lookupNameByScan(table, t)) << t;
        if (row % 1024 == 0)
            expectAllLookupsAgree(table, name);
    }
}

TEST(LookupName, AnswersAHugeTypedName)
{
    const std::string huge(100000, 'a');
    const auto rows = lookupName(kathyTable(), huge);
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(rows[0].hawaiian, "a");
    // A table with a name as long finds it one edit away.
    const NameTable table = parseNameList(huge + "b\tX");
    EXPECT_EQ(lookupName(table, huge).size(), 2U);
}

} // namespace
