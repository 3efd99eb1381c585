#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillora {

/// How strongly a syllable is stressed.
enum class Stress {
    None,
    Secondary, ///< the head of a stress unit other than the last one in a long word
    Primary,   ///< the head of the word's last stress unit
};

/// One syllable of a Hawaiian word: at most one consonant (the ʻokina is one), then a vowel, a
/// long vowel or a diphthong.
struct Syllable
{
    /// Lower case, with ʻokina (U+02BB) and kahakō where known: "ka", "ʻo", "lei", "kā".
    std::string text;
    Stress stress = Stress::None;

    bool operator==(const Syllable &) const = default;
};

/// How to say a Hawaiian form.
struct Pronunciation
{
    /// Every syllable of every word, in order.
    std::vector<Syllable> syllables;
    /// The syllables joined by middle dots, the main stress in capitals and a secondary stress
    /// marked ˌ before its syllable; words keep their space or hyphen: Kawika → "ka·WI·ka",
    /// Kamehameha → "ka·ˌme·ha·ME·ha".
    std::string guide;
    /// A respelling an English reader can say, syllables joined by hyphens and the main stress in
    /// capitals: Kawika → "kah-VEE-kah". Words are separated by a space.
    std::string respelling;

    /// The syllables as a list for reading, in the letters the list writes a form with: kahakō
    /// left to the guide, the ʻokina kept since it is a consonant. Kāwika → "ka, wi, ka",
    /// Hauʻoli → "hau, ʻo, li".
    std::string syllableList() const;

    bool operator==(const Pronunciation &) const = default;
};

/// Splits a Hawaiian form into syllables, stresses it by the rules of the language and respells
/// it for an English reader.
///
/// `form` is the form in plain letters (Kawika); `modernSpelling`, when the list records one, is
/// the same word with ʻokina and kahakō (Kāwika, Hauʻoli). The modern spelling is used when it is
/// the same word, that is, when it has the same letters as `form` once its ʻokina and kahakō are
/// taken away (case aside); otherwise it is ignored. Without it every vowel counts as short and
/// only the spelled diphthongs are long.
///
/// Reading: a e i o u and ā ē ī ō ū (precomposed, or followed by the combining macron U+0304) are
/// vowels; h k l m n p w and the ʻokina are consonants, the ʻokina written U+02BB, U+2018, U+2019
/// or U+0027; b d f g r s t v y z, which the Hawaiian Bible keeps in foreign names (Iesū, Davida),
/// are consonants too. Case does not matter. Words are separated by one space or hyphen, and the
/// text is trimmed first.
///
/// Syllables: every consonant starts a syllable and is followed by its vowel. Two vowels in a row
/// make one syllable when they are one of the diphthongs ai ae ao au ei eu oi ou iu (the first may
/// be long), read from the left: Leilani → lei·la·ni, Keoni → ke·o·ni.
///
/// Stress: a syllable with a long vowel or a diphthong has two morae, any other one. From the end
/// of each word, a syllable of two morae is a stress unit by itself, and two syllables of one mora
/// make a unit stressed on the first; a one-mora syllable with no partner stays unstressed. The
/// last unit has the main stress and the others secondary stress, so the main stress falls on the
/// next-to-last mora: ka·WI·ka, ˌkai·NO·a, ka·ˌme·ha·ME·ha. A word of one short syllable is
/// stressed.
///
/// Respelling: a ah, e eh, i ee, o oh, u oo (long ē is ay, the other long vowels sound as the
/// short ones, only longer); ai and ae eye (ye after a consonant: kye), ao and au ow, ei ay, oi
/// oy, ou oh, eu eh-oo, iu ee-oo. The ʻokina is written ' inside a word and left out at its start,
/// where an English speaker makes the same catch anyway. w is said v after i, e and a (Kawika
/// kah-VEE-kah, Hawaiʻi hah-VYE-'ee) and w at the start of a word and after o and u (Wikolia,
/// ʻAuwē); the other consonants sound as in English.
///
/// Returns nothing when the text is not a Hawaiian word that can be split so: empty or blank,
/// invalid UTF-8, a character that is not one of the letters above, a consonant not followed by a
/// vowel, or an empty word between two separators. Never fails otherwise; linear in the length.
std::optional<Pronunciation> pronounce(std::string_view form, std::string_view modernSpelling = {});

} // namespace quillora
