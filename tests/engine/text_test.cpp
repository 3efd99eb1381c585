#include "engine/textcase.h"
#include "engine/utf8.h"

#include <gtest/gtest.h>

#include <string>

using namespace quillora;

namespace {

TEST(Utf8, DecodesEveryByteStringAndEncodesItBack)
{
    const std::string samples[] = {
        "", "Kathy", "José", "北京", "\xF0\x9F\x8C\xBA", // four-byte flower
        "\xFF", "\x80", "\xC3", "abc\xE2\x82", // stray, truncated
        "\xC0\xAF",                            // overlong /
        "\xED\xA0\x80",                        // an encoded surrogate
        "\xF4\x90\x80\x80",                    // above U+10FFFF
    };
    for (const std::string &s : samples) {
        EXPECT_EQ(utf8::encode(utf8::decode(s)), s);
        EXPECT_EQ(utf8::length(s), utf8::decode(s).size());
    }
    EXPECT_EQ(utf8::decode("José").size(), 4U);
    EXPECT_EQ(utf8::decode("\xC0\xAF").size(), 2U); // each invalid byte is a character
    EXPECT_EQ(utf8::decode("\xED\xA0\x80").size(), 3U);
}

TEST(TextCase, EqualityIgnoresCaseAlsoOfAccentedLetters)
{
    EXPECT_TRUE(text::equalsIgnoringCase("JOSÉ", "José"));
    EXPECT_TRUE(text::equalsIgnoringCase("ŁUKASZ", "łukasz"));
    EXPECT_TRUE(text::equalsIgnoringCase("ΖΩΗ", "ζωη"));
    EXPECT_TRUE(text::equalsIgnoringCase("ИВАН", "иван"));
    EXPECT_TRUE(text::equalsIgnoringCase("", ""));
    EXPECT_TRUE(text::equalsIgnoringCase("\xFF", "\xFF"));
    EXPECT_FALSE(text::equalsIgnoringCase("José", "Jose"));
    EXPECT_FALSE(text::equalsIgnoringCase("Kathy", "Kathy "));
    EXPECT_FALSE(text::equalsIgnoringCase("Ann", "Anna"));
    EXPECT_FALSE(text::equalsIgnoringCase("\xC3", "\xC3\xA9"));
}

TEST(TextCase, UpperCasesTheScriptsOfFirstNames)
{
    EXPECT_EQ(text::toUpper("élodie"), "ÉLODIE");
    EXPECT_EQ(text::toUpper("ßo"), "ßO"); // ß has no one-letter capital
    EXPECT_EQ(text::toUpper("\xFF" "a"), "\xFF" "A");
    EXPECT_EQ(text::toUpper(U'ÿ'), U'Ÿ');
    EXPECT_EQ(text::toLower(U'Ÿ'), U'ÿ');
    EXPECT_TRUE(text::equalsIgnoringCase("ZOŸ", "zoÿ"));
    EXPECT_FALSE(text::equalsIgnoringCase("Ÿ", "ź")); // Ÿ stands apart from the Ź..ž pairs
    EXPECT_EQ(text::toUpper(U'÷'), U'÷');
}

TEST(TextCase, TrimsAsciiAndUnicodeWhiteSpace)
{
    EXPECT_EQ(text::trimmed("  Kathy \t\r\n"), "Kathy");
    EXPECT_EQ(text::trimmed("\xC2\xA0Mary Ann\xE3\x80\x80"), "Mary Ann"); // no-break, ideographic
    EXPECT_EQ(text::trimmed(" \t "), "");
    EXPECT_EQ(text::trimmed("José"), "José");
    EXPECT_EQ(text::trimmed("\x80\xA0"), "\x80\xA0"); // stray bytes are not spaces
}

} // namespace
