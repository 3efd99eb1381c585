#include "options.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace quillora::cli {

namespace {

ParseResult failure(std::string message)
{
    return ParseResult{std::nullopt, std::move(message)};
}

} // namespace

const char *usageText()
{
    return "Usage: quillora-lookup [--tsv] [--details] [--names FILE] NAME...\n"
           "       quillora-lookup --key NAME...\n"
           "       quillora-lookup --translate NAME...\n"
           "       quillora-lookup --distance A B\n"
           "       quillora-lookup --distance -\n"
           "       quillora-lookup --say WORD --wav FILE\n"
           "\n"
           "Finds the Hawaiian forms of English first names.\n"
           "\n"
           "For each NAME, lists the entries of the name list that sound alike (same\n"
           "phonetic key), those spelled at most one letter apart, and last the name\n"
           "transliterated letter by letter. A NAME of - reads names from standard input,\n"
           "one per line, taken exactly as written; an empty line is an empty name.\n"
           "\n"
           "Options:\n"
           "  --tsv          print QUERY<TAB>MARK<TAB>ENGLISH<TAB>HAWAIIAN per row; MARK is\n"
           "                 + for an exact match, - for the letter-by-letter row, else empty\n"
           "  --details      add what each row says about itself: as columns of the table,\n"
           "                 or as seven more fields after the four of --tsv, in this order:\n"
           "                 MATCH       the kind of match, as in the table's Match column\n"
           "                 SOURCE      where the form comes from, in words\n"
           "                 NOTE        the list's note (via Elizabeth, meaning: joy)\n"
           "                 MODERN      the modern spelling with ʻokina and kahakō\n"
           "                 GUIDE       syllables and stress: ka·WI·ka\n"
           "                 SYLLABLES   the syllables as a list: ka, wi, ka\n"
           "                 RESPELLING  how an English reader says it: kah-VEE-kah\n"
           "                 A field the list does not record is empty, as are the last\n"
           "                 three for a form that is not a Hawaiian word.\n"
           "  --names FILE   search FILE (English<TAB>Hawaiian per line, UTF-8 or UTF-16\n"
           "                 with a byte-order mark, at most 1 GiB) instead of the bundled\n"
           "                 name list\n"
           "  --key          print the phonetic key of each NAME\n"
           "  --translate    print the letter-by-letter Hawaiian form of each NAME\n"
           "  --distance     print the edit distance of A and B; with -, read A<TAB>B lines\n"
           "                 (an empty line is two empty names)\n"
           "  --say WORD     say WORD, a Hawaiian form such as Kawika, with espeak-ng's\n"
           "                 Hawaiian voice (haw), exactly as written: it is not looked up\n"
           "                 or transliterated. The modern spelling (Kāwika, Hauʻoli) is\n"
           "                 said more faithfully than plain letters.\n"
           "  --wav FILE     write the speech of --say to FILE as a WAV file (16-bit PCM,\n"
           "                 mono), replacing any file there; - for standard output\n"
           "  -h, --help     show this help and exit\n"
           "  --version      show the version and exit\n"
           "  --             end of options: every later argument is a NAME\n"
           "\n"
           "Output: one record per line. In every field of every output (and in the table),\n"
           "a backslash is written \\\\, a tab \\t, a line feed \\n and a carriage return\n"
           "\\r, as in the text format of PostgreSQL's COPY; all else is written as it is.\n"
           "\n"
           "Exit status: 0 on success; 1 when a file or standard input cannot be read, a\n"
           "name list is refused, output cannot be written, or WORD cannot be said (no\n"
           "espeak-ng data or Hawaiian voice, an empty WORD); 2 on a usage error.\n";
}

ParseResult parseArguments(const std::vector<std::string> &arguments)
{
    Options options;
    std::optional<Mode> chosen;
    auto choose = [&](Mode mode) -> bool {
        if (chosen && *chosen != mode)
            return false;
        chosen = mode;
        return true;
    };

    // The options that take a value, given as "--option VALUE" or "--option=VALUE", once.
    struct ValueOption
    {
        std::string_view name;
        std::string_view what;
        bool mayBeEmpty; // an empty WORD is said (and refused) like any other
        std::optional<std::string> *value;
    };
    const ValueOption valueOptions[] = {
        {"--names", "FILE", false, &options.namesFile},
        {"--say", "WORD", true, &options.sayWord},
        {"--wav", "FILE", false, &options.wavFile},
    };

    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            options.operands.push_back(argument);
            continue;
        }
        const auto *valueOption = std::find_if(
            std::begin(valueOptions), std::end(valueOptions), [&](const ValueOption &option) {
                return argument == option.name
                    || (argument.starts_with(option.name) && argument.size() > option.name.size()
                        && argument[option.name.size()] == '=');
            });
        if (valueOption != std::end(valueOptions)) {
            const std::string name(valueOption->name);
            const std::string what(valueOption->what);
            if (*valueOption->value)
                return failure(name + " given more than once");
            std::string value;
            if (argument == name) {
                if (i + 1 == arguments.size())
                    return failure(name + " needs a " + what);
                value = arguments[++i];
            } else {
                value = argument.substr(name.size() + 1);
            }
            if (value.empty() && !valueOption->mayBeEmpty)
                return failure(name + " needs a " + what + ", not an empty name");
            *valueOption->value = std::move(value);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-h" || argument == "--help") {
            options.mode = Mode::Help;
            return ParseResult{options, {}};
        } else if (argument == "--version") {
            options.mode = Mode::Version;
            return ParseResult{options, {}};
        } else if (argument == "--tsv") {
            options.tsv = true;
        } else if (argument == "--details") {
            options.details = true;
        } else if (argument == "--key" || argument == "--translate" || argument == "--distance") {
            // clang-format off
            const Mode mode = argument == "--key"         ? Mode::Key
                              : argument == "--translate" ? Mode::Translate
                                                          : Mode::Distance;
            // clang-format on
            if (!choose(mode))
                return failure("choose one of --key, --translate, --distance and --say");
        } else {
            return failure("unknown option " + argument);
        }
    }

    if (options.wavFile && !options.sayWord)
        return failure("--wav goes with --say WORD");
    if (options.sayWord) {
        if (!options.wavFile)
            return failure("--say needs --wav FILE, the WAV file to write");
        if (!choose(Mode::Say))
            return failure("choose one of --key, --translate, --distance and --say");
        if (!options.operands.empty())
            return failure("--say takes one WORD and no NAME (quote a WORD of several words)");
    }
    options.mode = chosen.value_or(Mode::Search);
    if (options.mode != Mode::Search && (options.tsv || options.details || options.namesFile))
        return failure("--tsv, --details and --names go with a search, not with --key, "
                       "--translate, --distance or --say");
    if (options.mode == Mode::Say)
        return ParseResult{options, {}};
    if (options.operands.empty())
        return failure("no NAME given");
    if (options.mode == Mode::Distance) {
        const bool fromInput = options.operands.size() == 1 && options.operands[0] == "-";
        if (!fromInput && options.operands.size() != 2)
            return failure("--distance takes two names A B, or - to read A<TAB>B lines");
    }
    return ParseResult{options, {}};
}

} // namespace quillora::cli
