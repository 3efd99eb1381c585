#include "speech/synthesizer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace quillora::speech;

namespace {

// Speech, not silence: the root mean square of a spoken name is thousands; 300 is 1% of full
// scale.
constexpr double kSilenceRms = 300.0;

double rms(const Audio &audio)
{
    double sum = 0;
    for (const std::int16_t sample : audio.samples)
        sum += double(sample) * sample;
    return audio.samples.empty() ? 0.0 : std::sqrt(sum / double(audio.samples.size()));
}

void expectSpokenName(const Synthesis &said)
{
    ASSERT_TRUE(said.status.ok()) << said.status.message;
    EXPECT_TRUE(said.status.message.empty());
    EXPECT_GT(said.audio.sampleRate, 0);
    EXPECT_GE(said.audio.seconds(), 0.3);
    EXPECT_LE(said.audio.seconds(), 4.0);
    EXPECT_GT(rms(said.audio), kSilenceRms);
}

TEST(Synthesize, SaysKawikaAsAudibleSpeech)
{
    expectSpokenName(synthesize("Kawika"));
    expectSpokenName(synthesize("Kāwika"));
    expectSpokenName(synthesize("Hauʻoli"));
}

TEST(Synthesize, RefusesTextItCannotSay)
{
    struct Case
    {
        std::string text;
        Error error;
    };
    const Case cases[] = {
        {"", Error::EmptyText},
        {" \t\n", Error::EmptyText},
        {"Ka\xFFwika", Error::InvalidText},
        {std::string("Ka\0wika", 7), Error::InvalidText},
        {std::string(maxTextBytes + 1, 'a'), Error::TextTooLong},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        const Synthesis said = synthesize(c.text);
        EXPECT_EQ(said.status.error, c.error);
        EXPECT_FALSE(said.status.message.empty());
        EXPECT_TRUE(said.audio.samples.empty());
        EXPECT_EQ(say(c.text).error, c.error); // refused before any audio device is tried
    }
}

TEST(Synthesize, ReportsAVoiceTheDataLacksAndKeepsWorking)
{
    Options options;
    options.voice = "qq-no-such-voice";
    const Synthesis said = synthesize("Kawika", options);
    EXPECT_EQ(said.status.error, Error::VoiceMissing);
    EXPECT_NE(said.status.message.find("qq-no-such-voice"), std::string::npos);
    EXPECT_TRUE(said.audio.samples.empty());

    expectSpokenName(synthesize("Kawika"));
}

TEST(Synthesize, SerialisesCallsFromSeveralThreads)
{
    std::vector<std::future<std::vector<Synthesis>>> workers;
    for (int t = 0; t < 4; ++t) {
        workers.push_back(std::async(std::launch::async, [] {
            std::vector<Synthesis> results;
            for (int i = 0; i < 3; ++i)
                results.push_back(synthesize("Kawika"));
            return results;
        }));
    }
    for (auto &worker : workers) {
        for (const Synthesis &said : worker.get())
            expectSpokenName(said);
    }
}

// Points the audio libraries at nothing, whatever the machine has: PulseAudio (and PipeWire's
// PulseAudio service) at a socket that does not exist, ALSA at an empty configuration.
class NoAudioDevice : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_alsaConfig = std::filesystem::temp_directory_path()
            / ("quillora-no-alsa-" + std::to_string(::getpid()) + ".conf");
        std::ofstream(m_alsaConfig).put('\n');
        ::setenv("PULSE_SERVER", "unix:/nonexistent/quillora-no-pulse", 1);
        ::setenv("ALSA_CONFIG_PATH", m_alsaConfig.c_str(), 1);
        ::unsetenv("DISPLAY"); // PulseAudio can find a server through the X display too
    }

    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove(m_alsaConfig, ignored);
    }

private:
    std::filesystem::path m_alsaConfig;
};

TEST_F(NoAudioDevice, PlaybackFailsPromptlyAndLeavesSynthesisIntact)
{
    const Synthesis before = synthesize("Kawika");
    expectSpokenName(before);

    // On a thread of its own, so that a hang fails the test instead of stalling it.
    auto done = std::make_shared<std::promise<Status>>();
    std::future<Status> played = done->get_future();
    std::thread([done] { done->set_value(say("Kawika")); }).detach();
    ASSERT_EQ(played.wait_for(std::chrono::seconds(20)), std::future_status::ready)
        << "playback with no audio device did not return";
    const Status status = played.get();
    EXPECT_EQ(status.error, Error::NoAudioDevice);
    EXPECT_EQ(status.message, "No audio device could be opened.");

    // The speech cut short must not come out at the start of the next synthesis.
    const Synthesis after = synthesize("Kawika");
    expectSpokenName(after);
    EXPECT_LT(after.audio.samples.size(), before.audio.samples.size() * 3 / 2);
}

} // namespace
