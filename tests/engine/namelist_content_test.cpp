// Checks of the shipped name list (resources/namelist.txt, embedded into the program):
// its size, its line format, that every Hawaiian form is written with Hawaiian letters and
// syllables, and that well-known pairs are present.

#include "engine/names.h"
#include "engine/nametable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The pieces of `text` between `separator`s; an empty text is one empty piece.
std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        pieces.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return pieces;
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    return split(text, '\n');
}

std::vector<std::string_view> splitTabs(std::string_view line)
{
    return split(line, '\t');
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool isVowel(char c)
{
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

bool isConsonant(char c)
{
    return c == 'h' || c == 'k' || c == 'l' || c == 'm' || c == 'n' || c == 'p' || c == 'w';
}

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

/// Why `form` is not Hawaiian as the list writes it, or an empty string when it is: words
/// separated by one space or hyphen, each capitalised, only a e i o u h k l m n p w, every
/// consonant followed by a vowel, no "wu".
std::string hawaiianProblem(std::string_view form)
{
    if (form.empty())
        return "empty";
    std::size_t start = 0;
    while (start <= form.size()) {
        std::size_t end = form.find_first_of(" -", start);
        if (end == std::string_view::npos)
            end = form.size();
        const std::string_view word = form.substr(start, end - start);
        if (word.empty())
            return "empty word";
        if (!(word[0] >= 'A' && word[0] <= 'Z'))
            return "word not capitalised";
        for (std::size_t i = 0; i < word.size(); ++i) {
            const char c = word[i];
            if (i > 0 && c >= 'A' && c <= 'Z')
                return "capital inside a word";
            const char l = lower(c);
            if (!isVowel(l) && !isConsonant(l))
                return std::string("letter '") + c + "' is not Hawaiian";
            if (isConsonant(l) && (i + 1 == word.size() || !isVowel(lower(word[i + 1]))))
                return "consonant not followed by a vowel";
            if (l == 'w' && lower(word[i + 1]) == 'u')
                return "contains wu";
        }
        start = end + 1;
    }
    return {};
}

TEST(NameListContent, ParsesIntoMoreThanTwelveThousandRows)
{
    const quillora::NameTable table = quillora::parseNameList(quillora::names::names());
    EXPECT_GT(table.size(), 12000u);
}

TEST(NameListContent, EveryLineHasTheListFormat)
{
    const std::string &text = quillora::names::names();
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n') << "line end after the last line";
    EXPECT_EQ(text.find('\r'), std::string::npos) << "lines must end in LF only";
    EXPECT_FALSE(text.starts_with("\xEF\xBB\xBF")) << "byte-order mark";

    const std::set<std::string_view> knownTags = {"trad:bible", "trad:historic", "trad:usage",
                                                  "rule:pron",  "rule:espeak",   "rule:spell"};
    std::set<std::string_view> seen;
    std::size_t number = 0;
    for (const std::string_view line : splitLines(text)) {
        ++number;
        SCOPED_TRACE(testing::Message() << "line " << number << ": " << line);
        ASSERT_FALSE(line.empty()) << "empty line";
        EXPECT_TRUE(seen.insert(line).second) << "duplicate line";
        const std::vector<std::string_view> fields = splitTabs(line);
        ASSERT_EQ(fields.size(), 3u) << "expected English, Hawaiian and provenance";
        for (const std::string_view field : fields) {
            ASSERT_FALSE(field.empty()) << "empty field";
            EXPECT_FALSE(isSpace(field.front()) || isSpace(field.back()))
                << "space around \"" << field << '"';
        }
        EXPECT_TRUE(knownTags.contains(fields[2])) << "unknown provenance";
    }
}

TEST(NameListContent, EveryHawaiianFormIsHawaiian)
{
    std::size_t bad = 0;
    for (const quillora::NameRecord &row : quillora::parseNameList(quillora::names::names())) {
        const std::string problem = hawaiianProblem(row.hawaiian);
        if (!problem.empty() && ++bad <= 20)
            ADD_FAILURE() << row.english << " -> \"" << row.hawaiian << "\": " << problem;
    }
    EXPECT_EQ(bad, 0u);
}

TEST(NameListContent, PhonotacticCheckRejectsNonHawaiianForms)
{
    // The check above is only as good as this function: it must catch each kind of fault.
    const std::pair<std::string_view, bool> cases[] = {
        {"Kawika", true},     {"Keoni Ana", true},  {"Mele-Ana", true},   {"Ioane", true},
        {"Kawikat", false},   {"Lopaka ", false},   {"Keoni  Ana", false}, {"Kristina", false},
        {"kawika", false},    {"KaWika", false},    {"Wulia", false},      {"Makalka", false},
        {"Ka\xCA\xBB" "u", false}, {"Mal\xC4\xAB" "a", false}, {"", false}, {"Ana-", false},
    };
    for (const auto &[form, valid] : cases)
        EXPECT_EQ(hawaiianProblem(form).empty(), valid) << '"' << form << '"';
}

TEST(NameListContent, WellKnownPairsArePresent)
{
    const std::pair<std::string_view, std::string_view> pairs[] = {
        {"Michael", "Mikala"},    {"David", "Kawika"},        {"John", "Keoni"},
        {"John", "Ioane"},        {"Mary", "Malia"},          {"Robert", "Lopaka"},
        {"James", "Kimo"},        {"William", "Wiliama"},     {"Peter", "Pekelo"},
        {"Joseph", "Iokepa"},     {"Samuel", "Kamuela"},      {"Margaret", "Makaleka"},
        {"Katherine", "Kakalina"}, {"Christopher", "Kilikikopa"}, {"Frank", "Palani"},
        {"Christina", "Kilikina"}, {"Walter", "Walaka"},      {"Albert", "Alapaki"},
    };
    std::set<std::pair<std::string, std::string>> rows;
    for (const quillora::NameRecord &row : quillora::parseNameList(quillora::names::names()))
        rows.emplace(row.english, row.hawaiian);
    for (const auto &[english, hawaiian] : pairs)
        EXPECT_TRUE(rows.contains({std::string(english), std::string(hawaiian)}))
            << english << " -> " << hawaiian;
}

} // namespace
