#include "engine/pronunciation.h"

#include <gtest/gtest.h>

#include <string>

using quillora::pronounce;
using quillora::Pronunciation;
using quillora::Stress;

namespace {

struct Case
{
    const char *form;
    const char *modern;
    const char *syllables;
    const char *guide;
    const char *respelling;
};

void expectSaid(const Case &c)
{
    SCOPED_TRACE(std::string(c.form) + " / " + c.modern);
    const std::optional<Pronunciation> said = pronounce(c.form, c.modern);
    ASSERT_TRUE(said.has_value());
    EXPECT_EQ(said->syllableList(), c.syllables);
    EXPECT_EQ(said->guide, c.guide);
    EXPECT_EQ(said->respelling, c.respelling);
}

TEST(Pronounce, StressesTheNextToLastSyllableOfShortSyllables)
{
    const Case cases[] = {
        {"Kawika", "", "ka, wi, ka", "ka·WI·ka", "kah-VEE-kah"},
        {"Malia", "", "ma, li, a", "ma·LI·a", "mah-LEE-ah"},
        {"Keaka", "", "ke, a, ka", "ke·A·ka", "keh-AH-kah"},
        {"Keoni", "", "ke, o, ni", "ke·O·ni", "keh-OH-nee"}, // eo is no diphthong
        {"Lopaka", "", "lo, pa, ka", "lo·PA·ka", "loh-PAH-kah"},
        {"Kimo", "", "ki, mo", "KI·mo", "KEE-moh"},
        {"Ka", "", "ka", "KA", "KAH"}, // a word of one short syllable is still stressed
        {"KAWIKA", "", "ka, wi, ka", "ka·WI·ka", "kah-VEE-kah"},
        {"  Kawika\t", "", "ka, wi, ka", "ka·WI·ka", "kah-VEE-kah"},
    };
    for (const Case &c : cases)
        expectSaid(c);
}

TEST(Pronounce, GivesLongWordsSecondaryStressEveryTwoMorae)
{
    const Case cases[] = {
        {"Kamehameha", "", "ka, me, ha, me, ha", "ka·ˌme·ha·ME·ha", "kah-meh-hah-MEH-hah"},
        {"Kamuela", "", "ka, mu, e, la", "ˌka·mu·E·la", "kah-moo-EH-lah"},
        {"Wikolia", "", "wi, ko, li, a", "ˌwi·ko·LI·a", "wee-koh-LEE-ah"},
        {"Kalanianaole", "Kalanianaʻole", "ka, la, ni, a, na, ʻo, le", "ka·ˌla·ni·ˌa·na·ʻO·le",
            "kah-lah-nee-ah-nah-'OH-leh"},
        {"Liliuokalani", "Liliʻuokalani", "li, li, ʻu, o, ka, la, ni", "li·ˌli·ʻu·ˌo·ka·LA·ni",
            "lee-lee-'oo-oh-kah-LAH-nee"},
        // Without the ʻokina, iu reads as a diphthong: the modern spelling is what tells.
        {"Liliuokalani", "", "li, liu, o, ka, la, ni", "li·ˌliu·ˌo·ka·LA·ni",
            "lee-lee-oo-oh-kah-LAH-nee"},
    };
    for (const Case &c : cases)
        expectSaid(c);
}

TEST(Pronounce, CountsDiphthongsAsTwoMorae)
{
    const Case cases[] = {
        {"Kainoa", "", "kai, no, a", "ˌkai·NO·a", "kye-NOH-ah"},
        {"Leilani", "", "lei, la, ni", "ˌlei·LA·ni", "lay-LAH-nee"},
        {"Hawaii", "Hawaiʻi", "ha, wai, ʻi", "ha·WAI·ʻi", "hah-VYE-'ee"},
        {"Makaio", "", "ma, kai, o", "ma·KAI·o", "mah-KYE-oh"},
        {"Pualani", "", "pu, a, la, ni", "ˌpu·a·LA·ni", "poo-ah-LAH-nee"},
        {"Ailani", "", "ai, la, ni", "ˌai·LA·ni", "eye-LAH-nee"},
        {"Kaou", "", "kao, u", "KAO·u", "KOW-oo"},
        {"Keiki", "", "kei, ki", "KEI·ki", "KAY-kee"}, // a short final syllable after a long one
    };
    for (const Case &c : cases)
        expectSaid(c);
}

TEST(Pronounce, ReadsOkinaAndKahakoFromTheModernSpelling)
{
    const Case cases[] = {
        {"Hauoli", "Hauʻoli", "hau, ʻo, li", "ˌhau·ʻO·li", "how-'OH-lee"},
        {"Pikake", "Pīkake", "pi, ka, ke", "ˌpī·KA·ke", "pee-KAH-keh"},
        {"Iesu", "Iesū", "i, e, su", "ˌi·e·SŪ", "ee-eh-SOO"},
        {"Apelila", "ʻApelila", "ʻa, pe, li, la", "ˌʻa·pe·LI·la", "ah-peh-LEE-lah"},
        {"Kawika", "Kāwika", "ka, wi, ka", "ˌkā·WI·ka", "kah-VEE-kah"},
        {"Auwe", "ʻAuwē", "ʻau, we", "ˌʻau·WĒ", "ow-WAY"}, // w after u stays w
        // the other ways of writing the ʻokina and the kahakō
        {"Hauoli", "Hau'oli", "hau, ʻo, li", "ˌhau·ʻO·li", "how-'OH-lee"},
        {"Hauoli", "Hau‘oli", "hau, ʻo, li", "ˌhau·ʻO·li", "how-'OH-lee"},
        {"Pikake", "Pi\u0304kake", "pi, ka, ke", "ˌpī·KA·ke", "pee-KAH-keh"},
        {"PIKAKE", "PĪKAKE", "pi, ka, ke", "ˌpī·KA·ke", "pee-KAH-keh"},
        // the ʻokina and kahakō may stand in the form itself
        {"Hauʻoli", "", "hau, ʻo, li", "ˌhau·ʻO·li", "how-'OH-lee"},
        // a modern spelling of another word is ignored
        {"Kawika", "Keoni", "ka, wi, ka", "ka·WI·ka", "kah-VEE-kah"},
        {"Kawika", "Kāwika!", "ka, wi, ka", "ka·WI·ka", "kah-VEE-kah"},
        // the Bible's foreign letters sound as in English
        {"Davida", "", "da, vi, da", "da·VI·da", "dah-VEE-dah"},
    };
    for (const Case &c : cases)
        expectSaid(c);
}

TEST(Pronounce, StressesEachWordOnItsOwn)
{
    const Case cases[] = {
        {"Kawika Kimo", "", "ka, wi, ka, ki, mo", "ka·WI·ka KI·mo", "kah-VEE-kah KEE-moh"},
        {"Kawika-Malia", "", "ka, wi, ka, ma, li, a", "ka·WI·ka-ma·LI·a", "kah-VEE-kah mah-LEE-ah"},
        // w at the start of a word is w, whatever ends the word before
        {"Kawika Wikolia", "", "ka, wi, ka, wi, ko, li, a", "ka·WI·ka ˌwi·ko·LI·a",
            "kah-VEE-kah wee-koh-LEE-ah"},
    };
    for (const Case &c : cases)
        expectSaid(c);
}

TEST(Pronounce, KeepsTheStressOfEachSyllable)
{
    const std::optional<Pronunciation> said = pronounce("Kamehameha");
    ASSERT_TRUE(said.has_value());
    const std::vector<quillora::Syllable> expected
        = {{"ka", Stress::None}, {"me", Stress::Secondary}, {"ha", Stress::None},
            {"me", Stress::Primary}, {"ha", Stress::None}};
    EXPECT_EQ(said->syllables, expected);
}

TEST(Pronounce, GivesNothingForWhatIsNotAHawaiianWord)
{
    // clang-format off
    const char *const forms[] = {
        "", "   ", "Kawik", "Kristo", "Ka3", "Jon", "Kaʻ", "ʻ", "Ka  Lani", "-Kawika",
        "Kawika-", "Ka\xFF" "a", "\xE2\x80", "\u0304a", "ka\u0304\u0304", "Ka\nwika",
        "Kawika.", "Zoë",
    };
    // clang-format on
    for (const char *form : forms) {
        EXPECT_FALSE(pronounce(form).has_value()) << '"' << form << '"';
        EXPECT_FALSE(pronounce(form, "Kāwika").has_value()) << '"' << form << '"';
    }
}

TEST(Pronounce, SplitsAVeryLongWordInOnePass)
{
    std::string form;
    for (int i = 0; i < 50000; ++i)
        form += "ka";
    const std::optional<Pronunciation> said = pronounce(form);
    ASSERT_TRUE(said.has_value());
    EXPECT_EQ(said->syllables.size(), 50000U);
    EXPECT_EQ(said->syllables[49998].stress, Stress::Primary);
    EXPECT_EQ(said->syllables[0].stress, Stress::Secondary);
}

} // namespace
