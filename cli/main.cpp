// quillora-lookup: the name search of the desktop application, for scripts and batch work.

#include "cli/options.h"
#include "cli/resultprinter.h"
#include "engine/lookup.h"
#include "engine/names.h"
#include "engine/stringutils.h"
#include "engine/transliterate.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iostream>
#include <string>

namespace {

using namespace quillora;

constexpr int kExitSuccess = 0;
constexpr int kExitInputError = 1;
constexpr int kExitUsage = 2;

void printError(const std::string &message)
{
    std::cerr << "quillora-lookup: " << message << '\n';
}

/// Reads the whole file as bytes; an unreadable file is an error, an empty one is not.
std::optional<std::string> readFile(const std::string &path, std::string &error)
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::string content;
    char buffer[1 << 16];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content.append(buffer, count);
    const bool failed = std::ferror(file) != 0;
    const int readErrno = errno;
    std::fclose(file);
    if (failed) {
        error = "cannot read " + path + ": " + std::strerror(readErrno);
        return std::nullopt;
    }
    return content;
}

/// Calls `handle` for each operand, expanding "-" into the lines of standard input, each taken
/// exactly as written but for its line end (LF or CR LF). False when standard input failed.
bool forEachName(const std::vector<std::string> &operands,
                 const std::function<bool(const std::string &)> &handle)
{
    for (const std::string &operand : operands) {
        if (operand != "-") {
            if (!handle(operand))
                return false;
            continue;
        }
        std::string line;
        while (std::getline(std::cin, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!handle(line))
                return false;
        }
        if (std::cin.bad()) {
            printError("cannot read standard input");
            return false;
        }
        std::cin.clear();
    }
    return true;
}

int runSearch(const cli::Options &options)
{
    NameTable table;
    if (options.namesFile) {
        std::string error;
        const auto text = readFile(*options.namesFile, error);
        if (!text) {
            printError(error);
            return kExitInputError;
        }
        table = parseNameList(*text);
    } else {
        table = parseNameList(names::names());
    }

    bool first = true;
    const bool ok = forEachName(options.operands, [&](const std::string &name) {
        const std::vector<ResultRow> rows = lookupName(table, name);
        if (options.tsv) {
            cli::printTsv(std::cout, name, rows);
        } else {
            if (!first)
                std::cout << '\n';
            cli::printTable(std::cout, rows);
        }
        first = false;
        return true;
    });
    return ok ? kExitSuccess : kExitInputError;
}

int runPerName(const cli::Options &options, std::string (*measure)(std::string_view))
{
    const bool ok = forEachName(options.operands, [&](const std::string &name) {
        std::cout << measure(name) << '\n';
        return true;
    });
    return ok ? kExitSuccess : kExitInputError;
}

int runDistance(const cli::Options &options)
{
    if (options.operands.size() == 2) {
        std::cout << StringUtils::EditDistance(options.operands[0], options.operands[1]) << '\n';
        return kExitSuccess;
    }
    std::size_t lineNumber = 0;
    const bool ok = forEachName(options.operands, [&](const std::string &line) {
        ++lineNumber;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) {
            printError("standard input line " + std::to_string(lineNumber)
                       + " has no tab between A and B");
            return false;
        }
        std::cout << StringUtils::EditDistance(std::string_view(line).substr(0, tab),
                                               std::string_view(line).substr(tab + 1))
                  << '\n';
        return true;
    });
    return ok ? kExitSuccess : kExitInputError;
}

std::string keyOf(std::string_view name)
{
    return StringUtils::Soundex(name, true);
}

std::string letterByLetter(std::string_view name)
{
    return Translate(name);
}

} // namespace

int main(int argc, char *argv[])
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const cli::ParseResult parsed = cli::parseArguments(arguments);
    if (!parsed.options) {
        printError(parsed.error);
        std::cerr << cli::usageText();
        return kExitUsage;
    }
    const cli::Options &options = *parsed.options;

    int status = kExitSuccess;
    switch (options.mode) {
    case cli::Mode::Help:
        std::cout << cli::usageText();
        break;
    case cli::Mode::Version:
        std::cout << "quillora-lookup (Quillora) " << QUILLORA_VERSION << '\n';
        break;
    case cli::Mode::Search:
        status = runSearch(options);
        break;
    case cli::Mode::Key:
        status = runPerName(options, keyOf);
        break;
    case cli::Mode::Translate:
        status = runPerName(options, letterByLetter);
        break;
    case cli::Mode::Distance:
        status = runDistance(options);
        break;
    }
    std::cout.flush();
    if (!std::cout) {
        printError("cannot write standard output");
        return kExitInputError;
    }
    return status;
}
