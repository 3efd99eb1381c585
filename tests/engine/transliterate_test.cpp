#include "engine/transliterate.h"

#include <gtest/gtest.h>

#include <string>

using quillora::IsConsonant;
using quillora::IsUppercase;
using quillora::Translate;

namespace {

TEST(Translate, GivesTheLetterByLetterForm)
{
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        // worked examples
        {"Barbara", "Palapala"}, {"BARBARA", "PALaPALA"}, {"Robert", "Lopelaka"},
        {"Mark", "Malaka"}, {"Aaron", "Alona"}, {"Jackson", "Kakakakona"},
        {"Christopher", "Kahalikakopahela"}, {"Kimberly", "Kimapelali"},
        {"Matthew", "Makahewa"}, {"Yvonne", "Iwone"}, {"Emma", "Ema"},
        {"Mary Ann", "Mali Ana"}, {"Jean Paul", "Keana Paula"}, {"O'Neil", "O'Neila"},
        {"Bob", "Popa"}, {"Kathy", "Kakahi"},
        // edges
        {"", ""}, {"   ", " "}, {"MARK", "MALaKa"}, {"Zz", "Ka"}, {"x", "ka"},
        {" John", " Kohana"}, {"Jean-Paul", "Kean-Paula"}, {"D'Arcy", "K'Alaki"},
        {"Kathy ", "Kakahi "},
        // after y (mapped to i) no vowel goes in; after m (unmapped, but a consonant) one does
        {"Myra", "Mila"}, {"Amy", "Ami"}, {"Tom", "Koma"},
        // characters outside A-Z pass through exactly; é is not a capital even as É
        {"José", "Koké"}, {"ÉMILE", "ÉMILE"}, {"Zoë", "Koë"}, {"a\xFF" "b", "a\xFFpa"},
    };
    // clang-format on
    for (const auto &[name, form] : cases)
        EXPECT_EQ(Translate(name), form) << "name: \"" << name << '"';
}

TEST(Translate, CollapsesDoubledLettersIgnoringCaseBeforeMapping)
{
    EXPECT_EQ(Translate("AAron"), "Alona");
    EXPECT_EQ(Translate("aAron"), "alona");
    EXPECT_EQ(Translate("Éé"), "É");    // case folding reaches accented letters
    EXPECT_EQ(Translate("Ck"), "Kaka"); // c and k differ before mapping: both stay
    EXPECT_EQ(Translate("Sſ"), "Ka");   // the long s folds to s, so it doubles an s
    EXPECT_EQ(Translate("ſ"), "ſ");     // but it is no letter A-Z and is not mapped
}

TEST(Translate, AnswersAVeryLongNameInOnePass)
{
    const std::string name(100000, 'b');
    EXPECT_EQ(Translate(name), "pa");
    EXPECT_EQ(Translate(std::string(50000, 'k') + std::string(50000, 'a')).size(), 2U);
}

TEST(Predicates, LookAtTheFirstByteOnly)
{
    EXPECT_TRUE(IsUppercase("A"));
    EXPECT_TRUE(IsUppercase("Zebra"));
    EXPECT_FALSE(IsUppercase(""));
    EXPECT_FALSE(IsUppercase("a"));
    EXPECT_FALSE(IsUppercase("1"));
    EXPECT_FALSE(IsUppercase("É"));
    EXPECT_FALSE(IsUppercase("["));
    EXPECT_FALSE(IsUppercase("@"));

    for (const char *consonant : {"p", "k", "h", "n", "l", "w", "m", "K", "kxyz", "M!"})
        EXPECT_TRUE(IsConsonant(consonant)) << consonant;
    for (const char *other : {"", "a", "b", "r", "s", "t", " ", "ñ", "\xFF"})
        EXPECT_FALSE(IsConsonant(other)) << other;
}

} // namespace
