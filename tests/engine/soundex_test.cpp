#include "engine/stringutils.h"
#include "engine/utf8.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

using quillora::StringUtils::Soundex;

namespace {

struct KeyCase
{
    std::string name;
    std::string key;
};

// The text in quotes, every byte outside printable ASCII as \xHH: one line, whatever it holds.
std::string quotedBytes(const std::string &text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    return out + '"';
}

void PrintTo(const KeyCase &c, std::ostream *os)
{
    *os << quotedBytes(c.name) << " -> " << quotedBytes(c.key);
}

// The case's test name, made of its name: ASCII letters and digits as they are, each run of
// other ASCII characters one underscore, any other character U and its hex code (an invalid byte
// x and its hex value); "empty" and "blank" for names without a character or with white space
// only. Robert, La_Toya, _Robert_, JosU00E9.
std::string caseName(const testing::TestParamInfo<KeyCase> &info)
{
    const std::string &name = info.param.name;
    if (name.empty())
        return "empty";
    if (name.find_first_not_of(" \t\n\r") == std::string::npos)
        return "blank";
    std::string out;
    for (const char32_t cp : quillora::utf8::decode(name)) {
        char hex[10];
        if ((cp >= '0' && cp <= '9') || (cp >= 'A' && cp <= 'Z') || (cp >= 'a' && cp <= 'z')) {
            out += static_cast<char>(cp);
        } else if (cp < 0x80) {
            if (out.empty() || out.back() != '_')
                out += '_';
        } else if (quillora::utf8::isRawByte(cp)) {
            std::snprintf(hex, sizeof hex, "x%02X", static_cast<unsigned>(cp - 0xDC00));
            out += hex;
        } else {
            std::snprintf(hex, sizeof hex, "U%04X", static_cast<unsigned>(cp));
            out += hex;
        }
    }
    return out;
}

class SoundexKeys : public testing::TestWithParam<KeyCase>
{
};

TEST_P(SoundexKeys, GivesTheKey)
{
    EXPECT_EQ(Soundex(GetParam().name, true), GetParam().key)
        << "name: \"" << GetParam().name << '"';
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(WorkedKeys, SoundexKeys, testing::Values(
    KeyCase{"Robert", "R163"}, KeyCase{"Rupert", "R163"}, KeyCase{"Barbara", "B616"},
    KeyCase{"Jackson", "J250"}, KeyCase{"Anna", "A500"}, KeyCase{"Ann", "A500"},
    KeyCase{"Lloyd", "L430"}, KeyCase{"Pfister", "P123"}, KeyCase{"Christopher", "C623"},
    KeyCase{"lee", "L000"}, KeyCase{"O'Neil", "O540"}, KeyCase{"La Toya", "T000"},
    KeyCase{"LaToya", "L300"}, KeyCase{"van dyke", "D200"}, KeyCase{"De Wayne", "W500"},
    KeyCase{"Hugh", "H200"}, KeyCase{"Yvonne", "Y150"}, KeyCase{"2Pac", "2120"}), caseName);

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
    KeyCase{"\xFF\xFEqq", "\xFF" "200"}), // invalid UTF-8 is kept, not decoded into anything
    caseName);
// clang-format on

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
