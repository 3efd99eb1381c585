#include "wavfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <string_view>

namespace quillora::speech {

namespace {

constexpr std::uint32_t kHeaderBytes = 44;
constexpr std::uint16_t kChannels = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint16_t kBytesPerFrame = kChannels * kBitsPerSample / 8;
constexpr std::uint16_t kFormatPcm = 1;

void put16(std::vector<std::uint8_t> &out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFFU));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xFFFFU));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

void putTag(std::vector<std::uint8_t> &out, std::string_view tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

struct FileCloser
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};

} // namespace

std::vector<std::uint8_t> wavBytes(const Audio &audio)
{
    constexpr std::uint64_t kMaxDataBytes
        = std::numeric_limits<std::uint32_t>::max() - kHeaderBytes;
    const std::uint64_t dataBytes = std::uint64_t{audio.samples.size()} * kBytesPerFrame;
    if (audio.sampleRate <= 0 || dataBytes > kMaxDataBytes)
        return {};
    const auto rate = static_cast<std::uint32_t>(audio.sampleRate);

    std::vector<std::uint8_t> out;
    out.reserve(kHeaderBytes + dataBytes);
    putTag(out, "RIFF");
    put32(out, static_cast<std::uint32_t>(kHeaderBytes - 8 + dataBytes));
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16); // the size of the PCM format block
    put16(out, kFormatPcm);
    put16(out, kChannels);
    put32(out, rate);
    put32(out, rate * kBytesPerFrame); // bytes per second
    put16(out, kBytesPerFrame);
    put16(out, kBitsPerSample);
    putTag(out, "data");
    put32(out, static_cast<std::uint32_t>(dataBytes));
    for (const std::int16_t sample : audio.samples)
        put16(out, static_cast<std::uint16_t>(sample)); // two's complement, low byte first
    return out;
}

Status writeWav(const std::string &path, const Audio &audio)
{
    try {
        const std::vector<std::uint8_t> bytes = wavBytes(audio);
        if (bytes.empty())
            return {Error::InvalidAudio, "There is no audio to write."};
        const auto failed = [&path](int error) -> Status {
            return {
                Error::CannotWriteFile, "Cannot write " + path + ": " + std::strerror(error) + "."};
        };
        errno = 0;
        std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
        if (!file)
            return failed(errno);
        if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
            return failed(errno != 0 ? errno : EIO);
        if (std::fclose(file.release()) != 0)
            return failed(errno != 0 ? errno : EIO);
        return {};
    } catch (const std::exception &error) {
        return {Error::CannotWriteFile, "Cannot write " + path + ": " + error.what() + "."};
    }
}

} // namespace quillora::speech
