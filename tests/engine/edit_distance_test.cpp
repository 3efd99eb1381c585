#include "engine/stringutils.h"
#include "engine/utf8.h"
#include "tests/reference/edit_distance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using quillora::StringUtils::EditDistance;
using quillora::StringUtils::isWithinOneEdit;
using quillora::StringUtils::isWithinOneEditAscii;

namespace {

// Every string of up to `maxLength` characters over `alphabet`.
std::vector<std::u32string> allStrings(const std::u32string &alphabet, std::size_t maxLength)
{
    std::vector<std::u32string> out{U""};
    for (std::size_t begin = 0; begin < out.size(); ++begin) {
        if (out[begin].size() == maxLength)
            continue;
        for (const char32_t c : alphabet)
            out.push_back(out[begin] + c);
    }
    return out;
}

TEST(EditDistance, WorkedDistancesHoldInBothOrders)
{
    struct Case
    {
        const char *a;
        const char *b;
        int distance;
    };
    // clang-format off
    const Case cases[] = {
        {"Mary", "Mary", 0},   {"Jon", "John", 1},  {"Ann", "Anna", 1},
        {"Kathy", "Cathy", 1}, {"anna", "Anna", 1}, {"ab", "ba", 2},
        {"Marie", "Mary", 2},  {"kitten", "sitting", 3},
        {"", "", 0},           {"", "Ann", 3},      {" John", "John", 1},
        {"José", "Jose", 1},   // a character is a code point, not a byte
        {"Zoë", "Zoe", 1},     {"北京", "北", 1},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(EditDistance(c.a, c.b), c.distance);
        EXPECT_EQ(EditDistance(c.b, c.a), c.distance);
    }
}

TEST(EditDistance, CountsEachInvalidByteAsOneCharacter)
{
    // clang-format off
    EXPECT_EQ(EditDistance("\xC3", "\xC3\xA9"), 1);   // a truncated é is one stray byte
    EXPECT_EQ(EditDistance("\xFF\xFE", "\xFE\xFF"), 2);
    EXPECT_EQ(EditDistance("a\x80" "b", "ab"), 1);
    // clang-format on
}

TEST(EditDistance, MatchesTheReferenceOnEveryShortString)
{
    const auto strings = allStrings(U"abé", 4);
    for (const auto &a : strings) {
        for (const auto &b : strings) {
            const int expected = quillora::reference::editDistance(a, b);
            ASSERT_EQ(EditDistance(quillora::utf8::encode(a), quillora::utf8::encode(b)), expected)
                << quillora::utf8::encode(a) << " / " << quillora::utf8::encode(b);
            ASSERT_EQ(isWithinOneEdit(a, b), expected <= 1)
                << quillora::utf8::encode(a) << " / " << quillora::utf8::encode(b);
            const std::string bytesA = quillora::utf8::encode(a);
            const std::string bytesB = quillora::utf8::encode(b);
            if (quillora::utf8::isAscii(bytesA) && quillora::utf8::isAscii(bytesB)) {
                ASSERT_EQ(isWithinOneEditAscii(bytesA, bytesB), expected <= 1)
                    << bytesA << " / " << bytesB;
            }
        }
    }
}

} // namespace
