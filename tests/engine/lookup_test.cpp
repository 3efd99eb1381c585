#include "engine/lookup.h"
#include "engine/stringutils.h"
#include "engine/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace quillora;

namespace {

using Kind = MatchKind;

// The three names of the worked example.
const NameTable &kathyTable()
{
    static const NameTable table = parseNameList("Kathy\tKakai\nCathy\tKakalina\nKatherine\tKakalina");
    return table;
}

TEST(LookupName, ListsTheRowsOfTheWorkedExample)
{
    struct Case
    {
        const char *typed;
        std::vector<ResultRow> rows;
    };
    const Case cases[] = {
        {"Kathy",
         {{"Kathy", "Kakai", Kind::Exact}, {"Cathy", "Kakalina", Kind::NearSpelling},
          {"Kathy", "Kakahi", Kind::LetterByLetter}}},
        {"KATHY", {{"Kathy", "Kakai", Kind::Exact}, {"KATHY", "KAKaHI", Kind::LetterByLetter}}},
        {"Kathy ",
         {{"Kathy", "Kakai", Kind::SoundAlike}, {"Kathy ", "Kakahi ", Kind::LetterByLetter}}},
        {"Cathy",
         {{"Kathy", "Kakai", Kind::NearSpelling}, {"Cathy", "Kakalina", Kind::Exact},
          {"Cathy", "Kakahi", Kind::LetterByLetter}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("typed: \"") + c.typed + '"');
        EXPECT_EQ(lookupName(kathyTable(), c.typed), c.rows);
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
    const std::vector<ResultRow> expected{{"José", "Hoke", Kind::Exact},
                                          {"José", "Iokepa", Kind::Exact},
                                          {"Jose", "Koke", Kind::SoundAlike},
                                          {"JOSÉ", "KOKÉ", Kind::LetterByLetter}};
    EXPECT_EQ(lookupName(table, "JOSÉ"), expected);
}

TEST(LookupName, EdgeCases)
{
    // No match at all: only the letter-by-letter row.
    EXPECT_EQ(lookupName(kathyTable(), "Zebulon"),
              (std::vector<ResultRow>{{"Zebulon", "Kepulona", Kind::LetterByLetter}}));
    // An empty table.
    EXPECT_EQ(lookupName({}, "Kathy").size(), 1U);
    // An empty name: key 000 matches only an empty English name; one-letter names are one edit.
    const NameTable table = parseNameList("\tNothing\nA\tA\nAb\tApa");
    EXPECT_EQ(lookupName(table, ""),
              (std::vector<ResultRow>{{"", "Nothing", Kind::Exact},
                                      {"A", "A", Kind::NearSpelling},
                                      {"", "", Kind::LetterByLetter}}));
}

TEST(LookupName, ListsEveryRowThatTheFullDistanceWould)
{
    // The length filter and the linear one-edit test must agree with EditDistance on every row.
    std::string list;
    const char *names[] = {"Ann", "Anna", "Anne", "Annie", "Ana", "An", "Hannah", "Nan",
                           "Jon", "John", "Joan", "Jo", "Johnny", "José", "Jose", "Joseph",
                           "Mary", "Marie", "Maria", "Mari", "Mar y", "M", "", "Zoë", "Zoe"};
    for (const char *name : names)
        list += std::string(name) + "\tX\n";
    const NameTable table = parseNameList(list);
    for (const char *typed : names) {
        const auto rows = lookupName(table, typed);
        std::size_t next = 0;
        for (const NameRecord &record : table) {
            const bool sameKey = record.key == StringUtils::Soundex(typed, true);
            const bool near = StringUtils::EditDistance(typed, record.english) <= 1;
            if (!sameKey && !near)
                continue;
            ASSERT_LT(next, rows.size() - 1) << typed;
            EXPECT_EQ(rows[next].english, record.english) << typed;
            ++next;
        }
        EXPECT_EQ(next, rows.size() - 1) << typed;
    }
}

TEST(LookupName, AnswersAHugeTypedName)
{
    const std::string huge(100000, 'a');
    const auto rows = lookupName(kathyTable(), huge);
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(rows[0].hawaiian, "a");
}

} // namespace
