// Speed and memory of the engine: the phonetic key, the edit distance, building the name table
// and its index, having the bundled table ready, and searching, indexed and by scanning every
// row side by side, on the bundled list and on synthetic tables of up to a million rows.
#include "engine/bundled.h"
#include "engine/lookup.h"
#include "engine/names.h"
#include "engine/nametable.h"
#include "engine/resources.h"
#include "engine/stringutils.h"
#include "engine/tableimage.h"
#include "engine/transliterate.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quillora;

// Name-like text from a fixed seed, the same on every machine (no library distributions).
class NameGenerator
{
public:
    explicit NameGenerator(std::uint64_t seed)
        : m_state(seed)
    { }

    std::uint32_t below(std::uint32_t bound) { return static_cast<std::uint32_t>(next() % bound); }

    // Syllables of a consonant (or cluster) and a vowel, 3 to 12 letters, most of them 5 to 9.
    std::string name()
    {
        // clang-format off
        static constexpr std::array<std::string_view, 24> kOnsets{
            "b", "c", "d", "f", "g", "h", "j", "k", "l", "m", "n", "p",
            "r", "s", "t", "v", "w", "z", "ch", "th", "br", "st", "tr", "",
        };
        static constexpr std::array<std::string_view, 8> kVowels{"a", "e", "i", "o", "u",
                                                                 "y", "ie", "ea"};
        static constexpr std::array<std::string_view, 8> kCodas{"", "", "", "n", "l", "r",
                                                                "s", "th"};
        // clang-format on
        const std::size_t length = 3 + below(6) + below(5); // 3..12
        std::string out;
        while (out.size() < length) {
            out += kOnsets[below(kOnsets.size())];
            out += kVowels[below(kVowels.size())];
            if (below(3) == 0)
                out += kCodas[below(kCodas.size())];
        }
        out.resize(length);
        out[0] = static_cast<char>(out[0] - 'a' + 'A');
        return out;
    }

private:
    std::uint64_t next() // splitmix64
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::uint64_t m_state;
};

constexpr std::uint64_t kSeed = 20240611;

// A name list of `rows` lines "English<TAB>Hawaiian", the Hawaiian form made by Translate().
std::string syntheticList(std::size_t rows)
{
    NameGenerator generator(kSeed);
    std::string text;
    text.reserve(rows * 20);
    for (std::size_t i = 0; i < rows; ++i) {
        const std::string english = generator.name();
        text += english;
        text += '\t';
        text += Translate(english);
        text += '\n';
    }
    return text;
}

const std::string &syntheticText(std::size_t rows)
{
    static std::map<std::size_t, std::string> cache;
    auto it = cache.find(rows);
    if (it == cache.end())
        it = cache.emplace(rows, syntheticList(rows)).first;
    return it->second;
}

const NameTable &syntheticTable(std::size_t rows)
{
    static std::map<std::size_t, NameTable> cache;
    auto it = cache.find(rows);
    if (it == cache.end())
        it = cache.emplace(rows, parseNameList(syntheticText(rows))).first;
    return it->second;
}

const NameTable &bundledTable()
{
    return bundledNameTable();
}

// A name a user might type, not necessarily in the table; same length profile as the table.
constexpr std::string_view kTypedSynthetic = "Kathrine";
constexpr std::string_view kTypedBundled = "Katherine";

std::string longName()
{
    std::string name;
    NameGenerator generator(kSeed + 1);
    while (name.size() < 100'000)
        name += generator.name();
    name.resize(100'000);
    return name;
}

std::size_t residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    std::size_t size = 0;
    std::size_t resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

std::size_t heapBytesInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// --- memory: runs first, before the other benchmarks leave freed memory behind ---------------

void tableMemory(benchmark::State &state, const std::string &text)
{
    for (auto _ : state) {
        malloc_trim(0);
        const std::size_t residentBefore = residentBytes();
        const std::size_t heapBefore = heapBytesInUse();
        const NameTable table = parseNameList(text);
        const std::size_t residentAfter = residentBytes();
        const std::size_t heapAfter = heapBytesInUse();
        const auto rows = static_cast<double>(table.size());
        state.counters["rows"] = rows;
        state.counters["list_MiB"] = static_cast<double>(text.size()) / (1024.0 * 1024.0);
        state.counters["table_MiB"] = static_cast<double>(table.tableBytes()) / (1024.0 * 1024.0);
        state.counters["index_MiB"] = static_cast<double>(table.indexBytes()) / (1024.0 * 1024.0);
        state.counters["index_per_table"]
            = static_cast<double>(table.indexBytes()) / static_cast<double>(table.tableBytes());
        state.counters["index_B_per_row"] = static_cast<double>(table.indexBytes()) / rows;
        state.counters["resident_MiB"]
            = static_cast<double>(residentAfter - residentBefore) / (1024.0 * 1024.0);
        state.counters["heap_MiB"]
            = static_cast<double>(heapAfter - heapBefore) / (1024.0 * 1024.0);
    }
}

// The table and index of the bundled list as the program has them (from the image).
void BM_BundledMemory(benchmark::State &state)
{
    const NameTable &table = bundledTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(table.size());
    state.counters["rows"] = static_cast<double>(table.size());
    state.counters["table_KiB"] = static_cast<double>(table.tableBytes()) / 1024.0;
    state.counters["index_KiB"] = static_cast<double>(table.indexBytes()) / 1024.0;
    state.counters["index_per_table"]
        = static_cast<double>(table.indexBytes()) / static_cast<double>(table.tableBytes());
}
BENCHMARK(BM_BundledMemory)->Iterations(1);

void BM_TableMemory(benchmark::State &state)
{
    tableMemory(state, syntheticText(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_TableMemory)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

// --- string measures ---------------------------------------------------------------------------

constexpr std::array<std::string_view, 8> kNames{
    "Robert", "Rupert", "Ashcraft", "Van Dyke", "Jessica", "Katherine", "José", "Lloyd"};

void BM_Soundex(benchmark::State &state)
{
    const bool stripPrefixes = state.range(0) != 0;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(StringUtils::Soundex(kNames[i], stripPrefixes));
        i = (i + 1) % kNames.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Soundex)->ArgName("stripPrefixes")->Arg(0)->Arg(1);

void BM_EditDistanceShort(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            StringUtils::EditDistance(kNames[i], kNames[(i + 3) % kNames.size()]));
        i = (i + 1) % kNames.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EditDistanceShort);

void BM_EditDistanceLong(benchmark::State &state)
{
    const auto length = static_cast<std::size_t>(state.range(0));
    NameGenerator generator(kSeed + 2);
    std::string a;
    while (a.size() < length)
        a += generator.name();
    a.resize(length);
    std::string b = a; // about one edit in ten
    for (std::size_t i = 0; i < length; i += 1 + generator.below(19))
        b[i] = static_cast<char>('a' + generator.below(26));
    for (auto _ : state)
        benchmark::DoNotOptimize(StringUtils::EditDistance(a, b));
    state.counters["distance"] = StringUtils::EditDistance(a, b);
}
BENCHMARK(BM_EditDistanceLong)->Arg(1'000)->Unit(benchmark::kMicrosecond);

// --- building the table ------------------------------------------------------------------------

void parseBenchmark(benchmark::State &state, const std::string &text, Indexing indexing)
{
    std::size_t rows = 0;
    for (auto _ : state) {
        const NameTable table = parseNameList(text, indexing);
        rows = table.size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

// What the program did at start before the table was built with it: parse and index the list.
void BM_ParseBundled(benchmark::State &state)
{
    parseBenchmark(state, names::names(), state.range(0) != 0 ? Indexing::Build : Indexing::Skip);
}
BENCHMARK(BM_ParseBundled)->ArgName("index")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ParseSynthetic(benchmark::State &state)
{
    parseBenchmark(state, syntheticText(static_cast<std::size_t>(state.range(0))),
        state.range(1) != 0 ? Indexing::Build : Indexing::Skip);
}
BENCHMARK(BM_ParseSynthetic)
    ->ArgNames({"rows", "index"})
    ->Args({12'000, 0})
    ->Args({12'000, 1})
    ->Args({1'000'000, 0})
    ->Args({1'000'000, 1})
    ->Unit(benchmark::kMillisecond);

// What the program does at start now: the bundled table from its embedded image.
void BM_BundledReady(benchmark::State &state)
{
    const std::string_view list
        = resources::find(resources::kTextType, resources::kNameListId).value_or("");
    std::size_t rows = 0;
    for (auto _ : state) {
        const auto table = tableFromImage(bundledTableImage(), list);
        rows = table->size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_BundledReady)->Unit(benchmark::kMicrosecond);

// --- one search: indexed and by scanning every row, side by side ---------------------------

using Lookup = std::vector<ResultRow> (*)(const NameTable &, std::string_view);

void searchBenchmark(
    benchmark::State &state, Lookup lookup, const NameTable &table, std::string_view typed)
{
    std::size_t results = 0;
    for (auto _ : state) {
        const std::vector<ResultRow> rows = lookup(table, typed);
        results = rows.size();
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["rows"] = static_cast<double>(table.size());
    state.counters["results"] = static_cast<double>(results);
}

void BM_SearchBundled(benchmark::State &state, Lookup lookup)
{
    searchBenchmark(state, lookup, bundledTable(), kTypedBundled);
}
BENCHMARK_CAPTURE(BM_SearchBundled, indexed, lookupName)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchBundled, scan, lookupNameByScan)->Unit(benchmark::kMicrosecond);

void BM_SearchSynthetic(benchmark::State &state, Lookup lookup)
{
    searchBenchmark(
        state, lookup, syntheticTable(static_cast<std::size_t>(state.range(0))), kTypedSynthetic);
}
BENCHMARK_CAPTURE(BM_SearchSynthetic, indexed, lookupName)
    ->Arg(12'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchSynthetic, scan, lookupNameByScan)
    ->Arg(12'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMicrosecond);

// A 100,000-character name: no row is near it in length, so the search costs its key, its
// normalisation check and its letter-by-letter form.
void BM_SearchLongName(benchmark::State &state, Lookup lookup)
{
    const NameTable &table = state.range(0) == 0
        ? bundledTable()
        : syntheticTable(static_cast<std::size_t>(state.range(0)));
    searchBenchmark(state, lookup, table, longName());
}
BENCHMARK_CAPTURE(BM_SearchLongName, indexed, lookupName)
    ->ArgName("synthetic_rows")
    ->Arg(0)
    ->Arg(12'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchLongName, scan, lookupNameByScan)
    ->ArgName("synthetic_rows")
    ->Arg(0)
    ->Arg(12'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
