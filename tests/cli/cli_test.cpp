// Drives the built quillora-lookup binary the way a script would.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct ToolRun
{
    int status = -1;
    std::string out;
    std::string err;
};

class LookupTool : public testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path()
            / ("quillora-cli-" + std::to_string(::getpid()) + "-"
                + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path write(const std::string &name, const std::string &content)
    {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    static std::string quoted(const std::string &s)
    {
        std::string out = "'";
        for (const char c : s)
            out += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return out + "'";
    }

    // Runs the tool with `arguments` (already quoted), `input` on standard input.
    ToolRun run(const std::string &arguments, const std::string &input = {})
    {
        const fs::path in = write("stdin", input);
        return shell(tool() + " " + arguments + " <" + quoted(in.string()));
    }

    static std::string tool() { return quoted(QUILLORA_LOOKUP_BINARY); }

    // Runs a shell command line; its standard output and error are collected.
    ToolRun shell(const std::string &commandLine)
    {
        const fs::path err = m_dir / "stderr";
        const std::string command = "{ " + commandLine + "; } 2>" + quoted(err.string());
        ToolRun result;
        FILE *pipe = ::popen(command.c_str(), "r");
        if (!pipe)
            return result;
        char buffer[4096];
        std::size_t count = 0;
        while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            result.out.append(buffer, count);
        const int status = ::pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream errStream(err, std::ios::binary);
        result.err.assign(std::istreambuf_iterator<char>(errStream), {});
        return result;
    }

    std::string kathyList()
    {
        return quoted(
            write("names.txt", "Kathy\tKakai\nCathy\tKakalina\nKatherine\tKakalina").string());
    }

    // Davida's Kawika with all five fields, another with two, and backslashes in every field.
    std::string davidList()
    {
        return quoted(write("david.txt",
            "David\tKawika\ttrad:bible\tvia Davida\tKāwika\n"
            "David\tKawika\n"
            "Davis\tKa\\wiki\tta\\g\tno\\te\tmo\\dern\n")
                          .string());
    }

    fs::path m_dir;
};

std::vector<std::vector<std::string>> tsvRecords(const std::string &out)
{
    std::vector<std::vector<std::string>> records;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> &fields = records.emplace_back();
        std::size_t start = 0;
        for (std::size_t tab = line.find('\t'); tab != std::string::npos;
             start = tab + 1, tab = line.find('\t', start))
            fields.push_back(line.substr(start, tab - start));
        fields.push_back(line.substr(start));
    }
    return records;
}

TEST_F(LookupTool, SearchPrintsTheWorkedExampleAsTsv)
{
    const ToolRun r = run("--tsv --names " + kathyList() + " Kathy KATHY 'Kathy ' Cathy");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
        "Kathy\t+\tKathy\tKakai\n"
        "Kathy\t\tCathy\tKakalina\n"
        "Kathy\t-\tKathy\tKakahi\n"
        "KATHY\t+\tKathy\tKakai\n"
        "KATHY\t-\tKATHY\tKAKaHI\n"
        "Kathy \t\tKathy\tKakai\n"
        "Kathy \t-\tKathy \tKakahi \n"
        "Cathy\t\tKathy\tKakai\n"
        "Cathy\t+\tCathy\tKakalina\n"
        "Cathy\t-\tCathy\tKakahi\n");
}

TEST_F(LookupTool, SearchPrintsAReadableTable)
{
    const ToolRun r = run("--names " + kathyList() + " Kathy");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
        "English  Hawaiian  Match\n"
        "Kathy    Kakai     exact\n"
        "Cathy    Kakalina  near spelling\n"
        "Kathy    Kakahi    letter-by-letter\n");
}

TEST_F(LookupTool, KeyTranslateAndDistanceGiveTheWorkedValues)
{
    // Every worked key, transliteration and distance, in batch through standard input.
    ToolRun r = run("--key -",
        "Robert\nRupert\nBarbara\nJackson\nAnna\nAnn\nLloyd\nPfister\n"
        "Christopher\nlee\nO'Neil\nLa Toya\nLaToya\nvan dyke\nDe Wayne\n"
        "Hugh\nYvonne\n2Pac\n");
    EXPECT_EQ(r.out,
        "R163\nR163\nB616\nJ250\nA500\nA500\nL430\nP123\nC623\nL000\nO540\n"
        "T000\nL300\nD200\nW500\nH200\nY150\n2120\n");
    r = run("--translate -",
        "Barbara\nBARBARA\nRobert\nMark\nAaron\nJackson\nChristopher\n"
        "Kimberly\nMatthew\nYvonne\nEmma\nMary Ann\nJean Paul\nO'Neil\nBob\n");
    EXPECT_EQ(r.out,
        "Palapala\nPALaPALA\nLopelaka\nMalaka\nAlona\nKakakakona\n"
        "Kahalikakopahela\nKimapelali\nMakahewa\nIwone\nEma\nMali Ana\n"
        "Keana Paula\nO'Neila\nPopa\n");
    r = run("--distance -",
        "Mary\tMary\nJon\tJohn\nAnn\tAnna\nKathy\tCathy\nanna\tAnna\n"
        "ab\tba\nMarie\tMary\nkitten\tsitting\n");
    EXPECT_EQ(r.out, "0\n1\n1\n1\n1\n2\n2\n3\n");
    r = run("--distance kitten sitting");
    EXPECT_EQ(r.out, "3\n");
    r = run("--key 'La Toya' Robert");
    EXPECT_EQ(r.out, "T000\nR163\n");
    EXPECT_EQ(r.status, 0);
}

TEST_F(LookupTool, ReadsNamesFromStandardInputExactlyAsWritten)
{
    // Only LF or CR LF is removed; spaces, blank lines and a last line without an end stay.
    ToolRun r = run("--translate -", "Bob\r\n Jon\n\nMark");
    EXPECT_EQ(r.out, "Popa\n Kona\n\nMalaka\n");
    r = run("--tsv --names " + kathyList() + " -", "Kathy \n");
    EXPECT_EQ(r.out, "Kathy \t\tKathy\tKakai\nKathy \t-\tKathy \tKakahi \n");
    r = run("--distance -", "Jon\tJohn\r\n\t\nab\tba\n");
    EXPECT_EQ(r.out, "1\n0\n2\n");
    // An empty line is two empty names, as it is one empty name to the other modes.
    r = run("--distance -", "Jon\tJohn\n\nab\tba\n\n");
    EXPECT_EQ(r.out, "1\n0\n2\n0\n");
    EXPECT_EQ(r.status, 0) << r.err;
    r = run("--key -", "Robert\n\n");
    EXPECT_EQ(r.out, "R163\n000\n");
    EXPECT_EQ(r.status, 0);
}

TEST_F(LookupTool, ReportsErrorsWithTheirStatus)
{
    struct Case
    {
        std::string arguments;
        int status;
        const char *inError;
    };
    const Case cases[] = {
        {"--names " + quoted((m_dir / "missing.txt").string()) + " Kathy", 1, "cannot read"},
        {"--names " + quoted(m_dir.string()) + " Kathy", 1, "is a directory, not a name list"},
        {"", 2, "Usage:"},
        {"--frobnicate Kathy", 2, "unknown option --frobnicate"},
        {"--names", 2, "--names needs a FILE"},
        {"--names= Kathy", 2, "--names needs a FILE"},
        {"--names '' Kathy", 2, "--names needs a FILE"},
        {"--names=a --names b Kathy", 2, "--names given more than once"},
        {"--names /dev/zero Kathy", 1, "/dev/zero: is a device, not a name list"},
        {"--names " + quoted(write("nul.txt", std::string("Kathy\tKakai\n\0\0", 14)).string())
                + " Kathy",
            1, "holds NUL bytes"},
        {"--distance a", 2, "two names"},
        {"--key --translate a", 2, "choose one"},
        {"--details --key Robert", 2, "go with a search"},
        {"--say Kawika", 2, "--say needs --wav FILE"},
        {"--wav out.wav Kathy", 2, "--wav goes with --say"},
        {"--say Kawika --wav", 2, "--wav needs a FILE"},
        {"--say Kawika --wav=", 2, "--wav needs a FILE, not an empty name"},
        {"--say", 2, "--say needs a WORD"},
        {"--say Kawika --say Lopaka --wav out.wav", 2, "--say given more than once"},
        {"--say Kawika --wav out.wav David", 2, "no NAME"},
        {"--translate --say Kawika --wav out.wav", 2, "choose one"},
        {"--tsv --say Kawika --wav out.wav", 2, "go with a search"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments);
        const ToolRun r = run(c.arguments);
        EXPECT_EQ(r.status, c.status);
        EXPECT_NE(r.err.find(c.inError), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    const ToolRun r = run("--distance -", "no tab here\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("line 1 has no tab"), std::string::npos) << r.err;
}

TEST_F(LookupTool, HelpVersionAndOptionEnd)
{
    ToolRun r = run("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Usage: quillora-lookup", 0), 0U);
    r = run("--version");
    EXPECT_EQ(r.out, std::string("quillora-lookup (Quillora) ") + QUILLORA_VERSION + "\n");
    r = run("--translate -- --bob");
    EXPECT_EQ(r.out, "-popa\n"); // the doubled hyphen collapses like any doubled letter
}

TEST_F(LookupTool, ToleratesEveryKindOfBadList)
{
    // Blank lines, a line end after the last line, lines without a tab, a byte-order mark,
    // CR-only line ends and invalid UTF-8: each has its documented reading, none crashes.
    const std::string list = "\xEF\xBB\xBF"
                             "Kathy\tKakai\r\r\n"
                             "   \n"
                             "Cathy\rKate\tKeke\r"
                             "Kat\xFF\tKaka\xFE\n";
    const ToolRun r
        = run("--tsv --names " + quoted(write("bad.txt", list).string()) + " Kathy Kat\xFF");
    EXPECT_EQ(r.status, 0) << r.err;
    // clang-format off
    EXPECT_EQ(r.out, "Kathy\t+\tKathy\tKakai\n"
                     "Kathy\t\tCathy\t\n"            // no tab: an empty Hawaiian name
                     "Kathy\t\tKate\tKeke\n"
                     "Kathy\t\tKat\xFF\tKaka\xFE\n" // K300 too: the stray byte has no digit
                     "Kathy\t-\tKathy\tKakahi\n"
                     "Kat\xFF\t\tKathy\tKakai\n"
                     "Kat\xFF\t\tKate\tKeke\n"
                     "Kat\xFF\t+\tKat\xFF\tKaka\xFE\n"
                     "Kat\xFF\t-\tKat\xFF\tKak\xFF\n"); // the stray byte passes through
    // clang-format on
}

TEST_F(LookupTool, SearchesAFiftyMegabyteList)
{
    std::string big;
    big.reserve(52'000'000);
    for (int i = 0; big.size() < 50'000'000; ++i)
        big += "Name" + std::to_string(i) + "\tInoa\n";
    big += "Kathy\tKakai";
    const ToolRun r = run("--tsv --names " + quoted(write("big.txt", big).string()) + " Kathy");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Kathy\t+\tKathy\tKakai\nKathy\t-\tKathy\tKakahi\n");
}

TEST_F(LookupTool, SearchesTheBundledListByDefault)
{
    const ToolRun r = run("--tsv Kathy");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Kathy\t-\tKathy\tKakahi\n"), std::string::npos) << r.out;
}

TEST_F(LookupTool, EscapesTabsLineEndsAndBackslashesInEveryField)
{
    // A tab in a query or a list's field would otherwise make a row of five fields, a line feed
    // two rows: every TSV line has exactly four fields.
    const std::string list
        = quoted(write("odd.txt", "Ka\\thy\tKa\\ki\nKa\\t\tKa\rKathy\tKakai").string());
    const ToolRun r = run("--tsv --names " + list + " -", "Ka\tthy\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
        "Ka\\tthy\t\tKa\\\\thy\tKa\\\\ki\n"
        "Ka\\tthy\t\tKa\\\\t\tKa\n"
        "Ka\\tthy\t\tKathy\tKakai\n"
        "Ka\\tthy\t-\tKa\\tthy\tKa\\tkahi\n");
    // Every line-oriented output escapes alike; the table keeps each row on one line.
    EXPECT_EQ(run("--translate 'Bob\\' \"$(printf 'Jo\\nn')\"").out, "Pop\\\\\nKo\\nna\n");
    const ToolRun table = run("--names " + list + " \"$(printf 'Ka\\tthy')\"");
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 5);
    const ToolRun help = run("--help");
    EXPECT_NE(help.out.find("a tab \\t, a line feed \\n"), std::string::npos);
}

TEST_F(LookupTool, StopsAtTheFirstFailedWrite)
{
    // Endless input to a full disk: the first full buffer fails and ends the run.
    ToolRun r = shell("timeout 60 sh -c 'yes Kathy | " + tool() + " --key - >/dev/full'");
    EXPECT_EQ(r.status, 1) << "124 means it ran until the time-out";
    EXPECT_NE(
        r.err.find("cannot write standard output: No space left on device"), std::string::npos)
        << r.err;
    // The same for a search, and with SIGPIPE ignored, for a reader that went away.
    r = shell("timeout 60 sh -c 'yes Kathy | " + tool() + " --tsv - >/dev/full'");
    EXPECT_EQ(r.status, 1);
    r = shell("timeout 60 sh -c 'trap \"\" PIPE; yes Kathy | " + tool() + " --tsv --names "
        + kathyList() + " - | head -1'");
    EXPECT_EQ(r.out, "Kathy\t+\tKathy\tKakai\n");
    EXPECT_NE(r.err.find("cannot write standard output: Broken pipe"), std::string::npos) << r.err;
}

TEST_F(LookupTool, ReadsUtf16ListsAndFoldsUnicode)
{
    // A list saved as UTF-16 with its byte-order mark, little- and big-endian.
    std::string little = "\xFF\xFE";
    std::string big = "\xFE\xFF";
    for (const char c : std::string("Kathy\tKakai\r\nJos\xE9\tIokepa")) { // Latin-1 é
        little += c;
        little += '\0';
        big += '\0';
        big += c;
    }
    for (const std::string &list : {little, big}) {
        const ToolRun r
            = run("--tsv --names " + quoted(write("utf16.txt", list).string()) + " Kathy José");
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out,
            "Kathy\t+\tKathy\tKakai\nKathy\t-\tKathy\tKakahi\n"
            "José\t+\tJosé\tIokepa\nJosé\t-\tJosé\tKoké\n");
    }
    // A decomposed José (e + U+0301) is the José of the list; the Kelvin sign and full-width
    // capitals fold.
    // clang-format off
    const std::string list = quoted(write("names.txt", "José\tIokepa\nKathy\tKakai\n"
                                                       "ｋａｔｈｙ\tKakai").string());
    const ToolRun r = run("--tsv --names " + list
                          + " 'Jose\xCC\x81' '\xE2\x84\xAA" "athy' 'ＫＡＴＨＹ'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Jose\xCC\x81\t+\tJosé\tIokepa\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\xE2\x84\xAA" "athy\t+\tKathy\tKakai\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("ＫＡＴＨＹ\t+\tｋａｔｈｙ\tKakai\n"), std::string::npos) << r.out;
    // clang-format on
}

TEST_F(LookupTool, RefusesAListWithoutLineStructure)
{
    const ToolRun r = run(
        "--names " + quoted(write("line.txt", std::string(65 << 20, 'x')).string()) + " Kathy");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("has a line longer than 64 MiB"), std::string::npos) << r.err;
}

TEST_F(LookupTool, CapsTheTablePaddingForHugeNames)
{
    const std::string huge(100'000, 'b');
    const ToolRun r = run("--names " + kathyList() + " " + huge);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), "English  Hawaiian  Match\n");
    EXPECT_NE(r.out.find(huge + "  pa        letter-by-letter\n"), std::string::npos);
}

TEST_F(LookupTool, DetailsAddColumnsToTheTable)
{
    const ToolRun r = run("--details --names " + davidList() + " David");
    EXPECT_EQ(r.status, 0) << r.err;
    // Columns as wide as their widest cell; a row ends with its last filled cell.
    // clang-format off
    EXPECT_EQ(r.out,
        "English  Hawaiian  Match             Source                                                 "
        "Note        Modern    Guide      Syllables   Respelling\n"
        "David    Kawika    exact             traditional form, from the Hawaiian Bible              "
        "via Davida  Kāwika    ˌkā·WI·ka  ka, wi, ka  kah-VEE-kah\n"
        "David    Kawika    exact             source not recorded                                    "
        "                      ka·WI·ka   ka, wi, ka  kah-VEE-kah\n"
        "Davis    Ka\\\\wiki  near spelling     source: ta\\\\g                                          "
        "no\\\\te      mo\\\\dern\n"
        "David    Kawika    letter-by-letter  not in the list: made by rule from the typed spelling  "
        "                      ka·WI·ka   ka, wi, ka  kah-VEE-kah\n");
    // clang-format on
}

TEST_F(LookupTool, DetailsAddSevenEscapedTsvFields)
{
    // From standard input too; a list line of two fields gives empty note and modern spelling,
    // a form that is no Hawaiian word an empty pronunciation, and every field is escaped.
    const ToolRun r = run("--details --tsv --names " + davidList() + " -", "David\nDa\tvis\n");
    EXPECT_EQ(r.status, 0) << r.err;
    using Fields = std::vector<std::string>;
    const std::vector<Fields> expected = {
        {"David", "+", "David", "Kawika", "exact", "traditional form, from the Hawaiian Bible",
            "via Davida", "Kāwika", "ˌkā·WI·ka", "ka, wi, ka", "kah-VEE-kah"},
        {"David", "+", "David", "Kawika", "exact", "source not recorded", "", "", "ka·WI·ka",
            "ka, wi, ka", "kah-VEE-kah"},
        {"David", "", "Davis", "Ka\\\\wiki", "near spelling", "source: ta\\\\g", "no\\\\te",
            "mo\\\\dern", "", "", ""},
        {"David", "-", "David", "Kawika", "letter-by-letter",
            "not in the list: made by rule from the typed spelling", "", "", "ka·WI·ka",
            "ka, wi, ka", "kah-VEE-kah"},
        {"Da\\tvis", "", "Davis", "Ka\\\\wiki", "sound-alike", "source: ta\\\\g", "no\\\\te",
            "mo\\\\dern", "", "", ""},
        {"Da\\tvis", "-", "Da\\tvis", "Ka\\twika", "letter-by-letter",
            "not in the list: made by rule from the typed spelling", "", "", "", "", ""},
    };
    EXPECT_EQ(tsvRecords(r.out), expected);
}

TEST_F(LookupTool, DetailsOfTheBundledListNameTheirSource)
{
    const ToolRun table = run("--details David");
    EXPECT_EQ(table.status, 0) << table.err;
    const std::size_t kawika = table.out.find("\nDavid    Kawika    exact ");
    ASSERT_NE(kawika, std::string::npos) << table.out;
    const std::string row = table.out.substr(kawika + 1, table.out.find('\n', kawika + 1) - kawika);
    EXPECT_NE(row.find("from the Hawaiian Bible"), std::string::npos) << row;
    EXPECT_NE(row.find("kah-VEE-kah"), std::string::npos) << row;

    // Eleven fields with the flag, four without: scripts written for four keep working.
    const auto detailed = tsvRecords(run("--details --tsv David").out);
    const auto plain = tsvRecords(run("--tsv David").out);
    ASSERT_EQ(detailed.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        ASSERT_EQ(plain[i].size(), 4U);
        ASSERT_EQ(detailed[i].size(), 11U);
        EXPECT_TRUE(std::equal(plain[i].begin(), plain[i].end(), detailed[i].begin()));
    }
    const auto exact = std::find_if(detailed.begin(), detailed.end(),
        [](const auto &fields) { return fields[1] == "+" && fields[3] == "Kawika"; });
    ASSERT_NE(exact, detailed.end());
    EXPECT_EQ((*exact)[5], "traditional form, from the Hawaiian Bible");
    EXPECT_EQ((*exact)[7], "Kāwika");
    EXPECT_EQ((*exact)[8], "ˌkā·WI·ka"); // the guide shows the modern spelling's long ā
    EXPECT_EQ((*exact)[9], "ka, wi, ka");
}

struct WavFile
{
    std::string format; // the header's tags and PCM fields, as read
    std::uint32_t sampleRate = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t littleEndian(const std::string &bytes, std::size_t at, std::size_t size)
{
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

// Reads a canonical 44-byte-header WAV file; its format summarised as text for one comparison.
WavFile readWav(const std::string &bytes)
{
    WavFile wav;
    if (bytes.size() < 44)
        return wav;
    wav.format = bytes.substr(0, 4) + " " + std::to_string(littleEndian(bytes, 4, 4) + 8) + " "
        + bytes.substr(8, 8) + " fmt size " + std::to_string(littleEndian(bytes, 16, 4))
        + " format " + std::to_string(littleEndian(bytes, 20, 2)) + " channels "
        + std::to_string(littleEndian(bytes, 22, 2)) + " bits "
        + std::to_string(littleEndian(bytes, 34, 2)) + " " + bytes.substr(36, 4) + " "
        + std::to_string(littleEndian(bytes, 40, 4) + 44);
    wav.sampleRate = littleEndian(bytes, 24, 4);
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2)
        wav.samples.push_back(static_cast<std::int16_t>(littleEndian(bytes, at, 2)));
    return wav;
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(LookupTool, SaysAHawaiianFormIntoAWavFile)
{
    // The plain form and the modern spelling, to a file and to standard output.
    for (const std::string word : {"Kawika", "Kāwika"}) {
        SCOPED_TRACE(word);
        const fs::path file = m_dir / "said.wav";
        const ToolRun r = run("--say " + quoted(word) + " --wav " + quoted(file.string()));
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "");
        const std::string bytes = readFile(file);
        const WavFile wav = readWav(bytes);
        EXPECT_EQ(wav.format,
            "RIFF " + std::to_string(bytes.size())
                + " WAVEfmt  fmt size 16 format 1 channels 1 bits 16 data "
                + std::to_string(bytes.size()));
        ASSERT_GT(wav.sampleRate, 0U);
        const double seconds = static_cast<double>(wav.samples.size()) / wav.sampleRate;
        EXPECT_GE(seconds, 0.3);
        EXPECT_LE(seconds, 4.0);
        double squares = 0;
        for (const std::int16_t sample : wav.samples)
            squares += static_cast<double>(sample) * sample;
        // Speech, not silence: a spoken name's RMS is thousands; 300 is 1 % of full scale.
        EXPECT_GT(std::sqrt(squares / static_cast<double>(wav.samples.size())), 300.0);

        EXPECT_EQ(run("--say " + quoted(word) + " --wav -").out, bytes);
    }
}

TEST_F(LookupTool, ReportsWhatKeepsAWordFromBeingSaid)
{
    fs::create_directories(m_dir / "empty");
    struct Case
    {
        std::string environment;
        std::string arguments;
        const char *inError;
    };
    const std::string wav = quoted((m_dir / "said.wav").string());
    std::vector<Case> cases = {
        {"", "--say '' --wav " + wav, "There is nothing to say."},
        {"", "--say ' ' --wav " + wav, "There is nothing to say."},
        {"", "--say 'Ka\xFFwika' --wav " + wav, "not valid UTF-8"},
        {"", "--say Kawika --wav " + quoted((m_dir / "no" / "said.wav").string()),
            "/no/said.wav: No such file or directory"},
        {"", "--say Kawika --wav " + quoted(m_dir.string()), "Is a directory"},
        {"", "--say Kawika --wav /dev/full", "Cannot write /dev/full: No space left on device"},
        {"ESPEAK_DATA_PATH=" + quoted((m_dir / "empty").string()), "--say Kawika --wav " + wav,
            "espeak-ng could not read its data"},
    };
#ifdef QUILLORA_ESPEAK_DATA_DIR
    // The installed phoneme tables and no voice at all.
    const fs::path noVoice = m_dir / "no-voice";
    fs::create_directories(noVoice);
    for (const char *file : {"phontab", "phonindex", "phondata", "intonations"})
        fs::create_symlink(fs::path(QUILLORA_ESPEAK_DATA_DIR) / file, noVoice / file);
    cases.push_back({"ESPEAK_DATA_PATH=" + quoted(noVoice.string()), "--say Kawika --wav " + wav,
        "The espeak-ng voice \"haw\" is not installed"});
#endif
    for (const Case &c : cases) {
        SCOPED_TRACE(c.environment + " " + c.arguments);
        const ToolRun r = shell(c.environment + " " + tool() + " " + c.arguments);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(c.inError), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("Usage:"), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(m_dir / "said.wav")); // nothing written when nothing was said
    }
}

} // namespace
