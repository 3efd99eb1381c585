#include "speech/wavfile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace quillora::speech;

namespace {

std::uint32_t read32(const std::vector<std::uint8_t> &bytes, std::size_t at)
{
    return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8
        | std::uint32_t{bytes[at + 2]} << 16 | std::uint32_t{bytes[at + 3]} << 24;
}

std::uint16_t read16(const std::vector<std::uint8_t> &bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::string tag(const std::vector<std::uint8_t> &bytes, std::size_t at)
{
    return std::string(bytes.begin() + long(at), bytes.begin() + long(at) + 4);
}

TEST(WavBytes, WritesALittleEndianPcmHeaderAndTheSamples)
{
    const Audio audio{{0, 1, -2, 32767, -32768}, 22050};
    const std::vector<std::uint8_t> bytes = wavBytes(audio);
    ASSERT_EQ(bytes.size(), 44U + 10U);
    EXPECT_EQ(tag(bytes, 0), "RIFF");
    EXPECT_EQ(read32(bytes, 4), bytes.size() - 8);
    EXPECT_EQ(tag(bytes, 8), "WAVE");
    EXPECT_EQ(tag(bytes, 12), "fmt ");
    EXPECT_EQ(read32(bytes, 16), 16U);    // PCM format block
    EXPECT_EQ(read16(bytes, 20), 1U);     // PCM
    EXPECT_EQ(read16(bytes, 22), 1U);     // mono
    EXPECT_EQ(read32(bytes, 24), 22050U); // samples per second
    EXPECT_EQ(read32(bytes, 28), 44100U); // bytes per second
    EXPECT_EQ(read16(bytes, 32), 2U);     // bytes per frame
    EXPECT_EQ(read16(bytes, 34), 16U);    // bits per sample
    EXPECT_EQ(tag(bytes, 36), "data");
    EXPECT_EQ(read32(bytes, 40), 10U);
    const std::vector<std::uint8_t> samples(bytes.begin() + 44, bytes.end());
    const std::vector<std::uint8_t> expected
        = {0x00, 0x00, 0x01, 0x00, 0xFE, 0xFF, 0xFF, 0x7F, 0x00, 0x80};
    EXPECT_EQ(samples, expected);
}

TEST(WavBytes, KeepsAnEmptyRecordingAndRefusesAudioWithoutARate)
{
    EXPECT_EQ(wavBytes(Audio{{}, 16000}).size(), 44U);
    EXPECT_TRUE(wavBytes(Audio{{1, 2}, 0}).empty());
    EXPECT_TRUE(wavBytes(Audio{{1, 2}, -8000}).empty());
}

class WriteWav : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path()
            / ("quillora-wav-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::filesystem::path m_folder;
};

TEST_F(WriteWav, WritesTheBytesToTheFileReplacingWhatWasThere)
{
    const Audio audio{{100, -100, 5}, 22050};
    const std::string path = (m_folder / "out.wav").string();
    std::ofstream(path) << std::string(1000, 'x');

    const Status status = writeWav(path, audio);
    ASSERT_TRUE(status.ok()) << status.message;
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> written{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(written, wavBytes(audio));
}

TEST_F(WriteWav, ReportsWhatCannotBeWritten)
{
    const std::string missingFolder = (m_folder / "absent" / "out.wav").string();
    const Status status = writeWav(missingFolder, Audio{{1}, 22050});
    EXPECT_EQ(status.error, Error::CannotWriteFile);
    EXPECT_NE(status.message.find(missingFolder), std::string::npos);
    EXPECT_NE(status.message.find("No such file or directory"), std::string::npos);

    EXPECT_EQ(writeWav(m_folder.string(), Audio{{1}, 22050}).error, Error::CannotWriteFile);
    EXPECT_EQ(writeWav((m_folder / "x.wav").string(), Audio{{1}, 0}).error, Error::InvalidAudio);
    EXPECT_FALSE(std::filesystem::exists(m_folder / "x.wav"));
}

} // namespace
