#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillora::cli {

enum class Mode { Search, Key, Translate, Distance, Say, Help, Version };

struct Options
{
    Mode mode = Mode::Search;
    bool tsv = false;                     ///< search rows as QUERY, MARK, ENGLISH, HAWAIIAN
    bool details = false;                 ///< search rows with their details (see usageText())
    std::optional<std::string> namesFile; ///< search this list instead of the bundled one
    std::optional<std::string> sayWord;   ///< the Hawaiian form --say speaks, as given
    std::optional<std::string> wavFile;   ///< where --say writes its WAV file; "-" for stdout
    std::vector<std::string> operands;    ///< names, "-" for standard input
};

/// The outcome of reading the command line: the options, or the reason they are unusable.
struct ParseResult
{
    std::optional<Options> options;
    std::string error;
};

ParseResult parseArguments(const std::vector<std::string> &arguments);

/// The usage text printed by --help and after a usage error.
const char *usageText();

} // namespace quillora::cli
