#include "engine/normalize.h"
#include "engine/textcase.h"
#include "engine/utf8.h"

#include <gtest/gtest.h>

#include <string>

using namespace quillora;

namespace {

TEST(Utf8, DecodesEveryByteStringAndEncodesItBack)
{
    // clang-format off
    const std::string samples[] = {
        "", "Kathy", "José", "北京", "\xF0\x9F\x8C\xBA", // four-byte flower
        "\xFF", "\x80", "\xC3", "abc\xE2\x82", // stray, truncated
        "\xC0\xAF",                            // overlong /
        "\xED\xA0\x80",                        // an encoded surrogate
        "\xF4\x90\x80\x80",                    // above U+10FFFF
    };
    // clang-format on
    for (const std::string &s : samples) {
        EXPECT_EQ(utf8::encode(utf8::decode(s)), s);
        EXPECT_EQ(utf8::length(s), utf8::decode(s).size());
    }
    EXPECT_EQ(utf8::decode("José").size(), 4U);
    EXPECT_EQ(utf8::decode("\xC0\xAF").size(), 2U); // each invalid byte is a character
    EXPECT_EQ(utf8::decode("\xED\xA0\x80").size(), 3U);
}

TEST(TextCase, EqualityIgnoresCaseByUnicodeSimpleFolding)
{
    struct Case
    {
        const char *a;
        const char *b;
        bool equal;
    };
    // clang-format off
    const Case cases[] = {
        {"JOSÉ", "José", true},      {"ŁUKASZ", "łukasz", true},  {"ΖΩΗ", "ζωη", true},
        {"ИВАН", "иван", true},      {"", "", true},              {"\xFF", "\xFF", true},
        {"ZOŸ", "zoÿ", true},        {"\xE2\x84\xAA", "k", true}, // the Kelvin sign
        {"ＫＡＴＨＹ", "ｋａｔｈｙ", true}, {"ΣΟΦΙΑΣ", "σοφιας", true}, // final sigma
        {"ẞ", "ß", true},            {"ԱՆՆԱ", "աննա", true},      {"Ꭰ", "ꭰ", true}, // Cherokee
        {"José", "Jose", false},     {"Kathy", "Kathy ", false},  {"Ann", "Anna", false},
        {"\xC3", "\xC3\xA9", false}, {"Ÿ", "ź", false},          {"ß", "ss", false},
        {"İ", "i", false},           {"ı", "I", false},           {"ＫＡＴＨＹ", "kathy", false},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(text::equalsIgnoringCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
}

TEST(TextCase, UpperCasesAndFoldsSingleCodePoints)
{
    EXPECT_EQ(text::toUpper(U'é'), U'É');
    EXPECT_EQ(text::toUpper(U'ÿ'), U'Ÿ');
    EXPECT_EQ(text::toUpper(U'ß'), U'ß'); // its capital is two letters
    EXPECT_EQ(text::toUpper(U'÷'), U'÷');
    EXPECT_EQ(text::foldCase(U'Σ'), U'σ');
    EXPECT_EQ(text::foldCase(U'ſ'), U's');
    EXPECT_EQ(text::foldCase(0xDCFF), char32_t{0xDCFF}); // an invalid byte has no case
    EXPECT_EQ(text::toUpper(0x110000), char32_t{0x110000});
}

TEST(Normalize, PutsTextInNfcAndLeavesInvalidBytesInPlace)
{
    struct Case
    {
        const char *text;
        const char *nfc;
    };
    // clang-format off
    const Case cases[] = {
        {"Kathy", "Kathy"},
        {"Jose\xCC\x81", "José"},                 // e + combining acute
        {"A\xCC\x8A" "ngstr\xC3\xB6m", "Ångström"},
        {"\xE2\x84\xAB", "Å"},                     // the Angstrom sign
        {"o\xCC\x84\xCC\xA3", "\xE1\xBB\x8D\xCC\x84"}, // marks reordered: ọ̄
        {"e\xFF\xCC\x81", "e\xFF\xCC\x81"},        // a stray byte keeps the mark apart
        {"\xCC\x81" "a", "\xCC\x81" "a"},          // a mark with nothing before it
    };
    // clang-format on
    for (const Case &c : cases) {
        EXPECT_EQ(text::toNfc(c.text), c.nfc) << c.text;
        EXPECT_EQ(text::toNfc(c.nfc), c.nfc) << c.nfc;
    }
    EXPECT_FALSE(text::mayChangeUnderNfc("Zoë Łukasz \xFF"));
    EXPECT_TRUE(text::mayChangeUnderNfc("Jose\xCC\x81"));
}

TEST(TextCase, TrimsAsciiAndUnicodeWhiteSpace)
{
    EXPECT_EQ(text::trimmed("  Kathy \t\r\n"), "Kathy");
    EXPECT_EQ(text::trimmed("\xC2\xA0Mary Ann\xE3\x80\x80"), "Mary Ann"); // no-break, ideographic
    EXPECT_EQ(text::trimmed(" \t "), "");
    EXPECT_EQ(text::trimmed("José"), "José");
    EXPECT_EQ(text::trimmed("\x80\xA0"), "\x80\xA0");               // stray bytes are not spaces
    EXPECT_EQ(text::trimmed("\xE2\x80\xA8Kathy\xC2\x85"), "Kathy"); // line separator, NEL
    EXPECT_EQ(text::trimmed("\xE2\x80\x8BKathy"), "\xE2\x80\x8BKathy"); // zero width: no space
}

} // namespace
