// espeak-ng on data folders of the test's own making. These tests run in a process where nothing
// else starts espeak-ng, since it can start only once, on one data folder.
#include "speech/synthesizer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

using namespace quillora::speech;
namespace fs = std::filesystem;

namespace {

class DataFolder : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        root() = fs::temp_directory_path()
            / ("quillora-espeak-data-test-" + std::to_string(::getpid()));
        fs::create_directories(root() / "empty");
#ifdef QUILLORA_ESPEAK_DATA_DIR
        // The installed phoneme tables and no voice at all: espeak-ng starts, but has no haw.
        for (const char *folder : {"no-voice", "another-no-voice"}) {
            fs::create_directories(root() / folder);
            for (const char *file : {"phontab", "phonindex", "phondata", "intonations"})
                fs::create_symlink(
                    fs::path(QUILLORA_ESPEAK_DATA_DIR) / file, root() / folder / file);
        }
#endif
    }

    static void TearDownTestSuite()
    {
        fs::remove_all(root());
    }

    static fs::path &root()
    {
        static fs::path path;
        return path;
    }

    static Options inFolder(const char *folder)
    {
        Options options;
        options.dataFolder = (root() / folder).string();
        return options;
    }

    static void skipWithoutInstalledData()
    {
#ifndef QUILLORA_ESPEAK_DATA_DIR
        GTEST_SKIP() << "the installed espeak-ng data was not found when the tests were built";
#endif
    }
};

TEST_F(DataFolder, ThatIsMissingOrEmptyIsReportedAsMissingData)
{
    for (const char *folder : {"absent", "empty"}) {
        SCOPED_TRACE(folder);
        const Synthesis said = synthesize("Kawika", inFolder(folder));
        EXPECT_EQ(said.status.error, Error::DataMissing);
        EXPECT_NE(said.status.message.find(inFolder(folder).dataFolder), std::string::npos);
        EXPECT_TRUE(said.audio.samples.empty());
        EXPECT_EQ(say("Kawika", inFolder(folder)).error, Error::DataMissing);
    }
}

TEST_F(DataFolder, WithoutTheHawaiianVoiceIsReportedAsAMissingVoice)
{
    skipWithoutInstalledData();
    const Synthesis said = synthesize("Kawika", inFolder("no-voice"));
    EXPECT_EQ(said.status.error, Error::VoiceMissing);
    EXPECT_NE(said.status.message.find("\"haw\""), std::string::npos);
    // The user learns where the voice comes from.
    EXPECT_NE(messageForUser(said.status).find("espeak-ng-data package"), std::string::npos);
    EXPECT_TRUE(said.audio.samples.empty());
    // The voice is looked for before any audio device.
    EXPECT_EQ(say("Kawika", inFolder("no-voice")).error, Error::VoiceMissing);
}

TEST_F(DataFolder, CannotChangeOnceEspeakHasStarted)
{
    skipWithoutInstalledData();
    ASSERT_EQ(synthesize("Kawika", inFolder("no-voice")).status.error, Error::VoiceMissing);
    EXPECT_EQ(
        synthesize("Kawika", inFolder("another-no-voice")).status.error, Error::DataFolderInUse);
    EXPECT_EQ(synthesize("Kawika").status.error, Error::DataFolderInUse);
}

} // namespace
