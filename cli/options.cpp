#include "options.h"

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
           "  -h, --help     show this help and exit\n"
           "  --version      show the version and exit\n"
           "  --             end of options: every later argument is a NAME\n"
           "\n"
           "Output: one record per line. In every field of every output (and in the table),\n"
           "a backslash is written \\\\, a tab \\t, a line feed \\n and a carriage return\n"
           "\\r, as in the text format of PostgreSQL's COPY; all else is written as it is.\n"
           "\n"
           "Exit status: 0 on success; 1 when a file or standard input cannot be read, a\n"
           "name list is refused, or output cannot be written; 2 on a usage error.\n";
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

    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            options.operands.push_back(argument);
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
        } else if (argument == "--names" || argument.starts_with("--names=")) {
            if (options.namesFile)
                return failure("--names given more than once");
            std::string file;
            if (argument == "--names") {
                if (i + 1 == arguments.size())
                    return failure("--names needs a FILE");
                file = arguments[++i];
            } else {
                file = argument.substr(std::string_view("--names=").size());
            }
            if (file.empty())
                return failure("--names needs a FILE, not an empty name");
            options.namesFile = std::move(file);
        } else if (argument == "--key" || argument == "--translate" || argument == "--distance") {
            const Mode mode = argument == "--key"         ? Mode::Key
                              : argument == "--translate" ? Mode::Translate
                                                          : Mode::Distance;
            if (!choose(mode))
                return failure("choose one of --key, --translate and --distance");
        } else {
            return failure("unknown option " + argument);
        }
    }

    options.mode = chosen.value_or(Mode::Search);
    if (options.mode != Mode::Search && (options.tsv || options.details || options.namesFile))
        return failure("--tsv, --details and --names go with a search, not with --key, "
                       "--translate or --distance");
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
