// quillora-lookup: the name search of the desktop application, for scripts and batch work.

#include "cli/input.h"
#include "cli/listfile.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/resultprinter.h"
#include "cli/sayword.h"
#include "engine/bundled.h"
#include "engine/lookup.h"
#include "engine/stringutils.h"
#include "engine/transliterate.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quillora;

constexpr int kExitSuccess = 0;
constexpr int kExitInputError = 1;
constexpr int kExitUsage = 2;

void printError(const std::string &message)
{
    std::fprintf(stderr, "quillora-lookup: %s\n", message.c_str());
}

/// Calls `handle` for each operand, expanding "-" into the lines of standard input. Output goes
/// out in large blocks; when a person is typing or reading (a terminal at either end), after
/// every name. False when standard input failed, with the message printed.
template <typename Handle>
bool forEachName(const std::vector<std::string> &operands, cli::Output &out, Handle handle)
{
    const bool interactive = ::isatty(STDIN_FILENO) != 0 || ::isatty(STDOUT_FILENO) != 0;
    cli::LineReader input(STDIN_FILENO);
    for (const std::string &operand : operands) {
        if (operand != "-") {
            if (!handle(std::string_view(operand)))
                return false;
            continue;
        }
        while (const auto line = input.next()) {
            if (!handle(*line))
                return false;
            if (interactive)
                out.flush();
        }
        if (!input.error().empty()) {
            printError(input.error());
            return false;
        }
    }
    return true;
}

bool readsStandardInput(const cli::Options &options)
{
    return std::find(options.operands.begin(), options.operands.end(), "-")
        != options.operands.end();
}

/// The table a search runs on: the bundled one (built with the program), or the list of
/// --names. Such a list gets its index when it pays, for names from standard input or many of
/// them, and fits: the list, its table and its index within three times the list's size.
/// Otherwise each search scans the table: the same rows, slower.
std::optional<NameTable> searchTable(const cli::Options &options)
{
    if (!options.namesFile)
        return bundledNameTable();
    std::string error;
    auto text = cli::readListFile(*options.namesFile, error);
    if (!text) {
        printError(error);
        return std::nullopt;
    }
    const std::size_t listBytes = text->size();
    NameTable table = parseNameList(std::move(*text), Indexing::Skip);
    constexpr std::size_t kManyNames = 64;
    constexpr std::size_t kMemoryPerListByte = 3;
    const bool manyNames = readsStandardInput(options) || options.operands.size() > kManyNames;
    if (manyNames
        && table.tableBytes() + table.indexBuildBytesBound() <= kMemoryPerListByte * listBytes)
        table = table.withIndex();
    return table;
}

int runSearch(const cli::Options &options, cli::Output &out)
{
    const std::optional<NameTable> table = searchTable(options);
    if (!table)
        return kExitInputError;
    const cli::Columns columns = options.details ? cli::Columns::Details : cli::Columns::Basic;
    bool first = true;
    const bool ok = forEachName(options.operands, out, [&](std::string_view name) {
        const std::vector<ResultRow> rows = lookupName(*table, name);
        if (options.tsv) {
            cli::printTsv(out, name, *table, rows, columns);
        } else {
            if (!first)
                out.put('\n');
            cli::printTable(out, *table, rows, columns);
        }
        first = false;
        return true;
    });
    return ok ? kExitSuccess : kExitInputError;
}

template <typename Measure>
int runPerName(const cli::Options &options, cli::Output &out, Measure measure)
{
    cli::TsvWriter tsv(out);
    const bool ok = forEachName(options.operands, out, [&](std::string_view name) {
        tsv.record({measure(name)});
        return true;
    });
    return ok ? kExitSuccess : kExitInputError;
}

int runDistance(const cli::Options &options, cli::Output &out)
{
    if (options.operands.size() == 2) {
        const auto &operands = options.operands;
        out.write(std::to_string(StringUtils::EditDistance(operands[0], operands[1])));
        out.put('\n');
        return kExitSuccess;
    }
    std::size_t lineNumber = 0;
    const bool ok = forEachName(options.operands, out, [&](std::string_view line) {
        ++lineNumber;
        // An empty line is two empty names, as it is one empty name to the other modes.
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos && !line.empty()) {
            out.flush(); // the lines before it were answered
            printError("standard input line " + std::to_string(lineNumber)
                + " has no tab between A and B");
            return false;
        }
        const std::string_view a = line.substr(0, tab);
        const std::string_view b
            = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
        out.write(std::to_string(StringUtils::EditDistance(a, b)));
        out.put('\n');
        return true;
    });
    return ok ? kExitSuccess : kExitInputError;
}

int runSay(const cli::Options &options, cli::Output &out)
{
    const speech::Status status = cli::writeSpokenWord(*options.sayWord, *options.wavFile, out);
    if (!status.ok()) {
        printError(status.message);
        return kExitInputError;
    }
    return kExitSuccess;
}

int run(const cli::Options &options, cli::Output &out)
{
    switch (options.mode) {
    case cli::Mode::Help:
        out.write(cli::usageText());
        return kExitSuccess;
    case cli::Mode::Version:
        out.write("quillora-lookup (Quillora) " QUILLORA_VERSION "\n");
        return kExitSuccess;
    case cli::Mode::Search:
        return runSearch(options, out);
    case cli::Mode::Key:
        return runPerName(
            options, out, [](std::string_view name) { return StringUtils::Soundex(name, true); });
    case cli::Mode::Translate:
        return runPerName(options, out, [](std::string_view name) { return Translate(name); });
    case cli::Mode::Distance:
        return runDistance(options, out);
    case cli::Mode::Say:
        return runSay(options, out);
    }
    return kExitSuccess;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const cli::ParseResult parsed = cli::parseArguments(arguments);
    if (!parsed.options) {
        printError(parsed.error);
        std::fputs(cli::usageText(), stderr);
        return kExitUsage;
    }
    cli::Output out(STDOUT_FILENO);
    try {
        const int status = run(*parsed.options, out);
        out.flush();
        return status;
    } catch (const cli::WriteError &error) {
        printError(std::string("cannot write standard output: ") + error.what());
        return kExitInputError;
    }
}
