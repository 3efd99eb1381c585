#include "engine/stringutils.h"

#include <gtest/gtest.h>

#include <string>

using quillora::StringUtils::Soundex;

namespace {

struct KeyCase
{
    std::string name;
    std::string key;
};

class SoundexKeys : public testing::TestWithParam<KeyCase>
{
};

TEST_P(SoundexKeys, GivesTheKey)
{
    EXPECT_EQ(Soundex(GetParam().name, true), GetParam().key) << "name: \"" << GetParam().name << '"';
}

INSTANTIATE_TEST_SUITE_P(WorkedKeys, SoundexKeys, testing::Values(
    KeyCase{"Robert", "R163"}, KeyCase{"Rupert", "R163"}, KeyCase{"Barbara", "B616"},
    KeyCase{"Jackson", "J250"}, KeyCase{"Anna", "A500"}, KeyCase{"Ann", "A500"},
    KeyCase{"Lloyd", "L430"}, KeyCase{"Pfister", "P123"}, KeyCase{"Christopher", "C623"},
    KeyCase{"lee", "L000"}, KeyCase{"O'Neil", "O540"}, KeyCase{"La Toya", "T000"},
    KeyCase{"LaToya", "L300"}, KeyCase{"van dyke", "D200"}, KeyCase{"De Wayne", "W500"},
    KeyCase{"Hugh", "H200"}, KeyCase{"Yvonne", "Y150"}, KeyCase{"2Pac", "2120"}));

INSTANTIATE_TEST_SUITE_P(EdgeCases, SoundexKeys, testing::Values(
    KeyCase{"", "000"},              // the key of an empty name has three characters
    KeyCase{"   ", "000"},
    KeyCase{"\t Robert \n", "R163"}, // trimmed first
    KeyCase{"x", "X000"}, KeyCase{"Zz", "Z200"},
    KeyCase{"robert", "R163"}, KeyCase{"ROBERT", "R163"},
    KeyCase{"Van  Dyke", " 320"},    // one prefix removed, the remainder not trimmed again
    KeyCase{"Dean", "D500"}, KeyCase{"Vance", "V520"}, KeyCase{"La", "L000"},
    KeyCase{"De La Cruz", "L262"},   // only the first prefix found is removed
    KeyCase{"Tymczak", "T522"},
    // A vowel between two letters of one group lets the second be written again; H and W do not.
    KeyCase{"Jessica", "J220"}, KeyCase{"Ashcraft", "A261"}, KeyCase{"Bowden", "B350"},
    KeyCase{"Rubin", "R150"}, KeyCase{"Tsweh", "T200"},
    // Non-ASCII: the first character is upper-cased, the others carry no digit.
    KeyCase{"élodie", "\xC3\x89" "430"}, KeyCase{"José", "J200"}, KeyCase{"Zoë", "Z000"},
    KeyCase{"\xFF\xFEqq", "\xFF" "200"})); // invalid UTF-8 is kept, not decoded into anything

TEST(Soundex, WithoutStrippingKeepsThePrefix)
{
    EXPECT_EQ(Soundex("La Toya", false), "L300");
    EXPECT_EQ(Soundex("van dyke", false), "V532");
}

TEST(Soundex, NeverReadsPastAFullKey)
{
    const std::string longName = "Christopher" + std::string(100000, 'x');
    EXPECT_EQ(Soundex(longName, true), "C623");
}

} // namespace
