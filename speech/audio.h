#pragma once

#include <cstdint>
#include <vector>

namespace quillora::speech {

/// Mono speech as signed 16-bit samples.
struct Audio
{
    std::vector<std::int16_t> samples;
    int sampleRate = 0; ///< samples per second; 0 for no audio

    /// The length in seconds; 0 without a sample rate.
    double seconds() const
    {
        return sampleRate > 0 ? static_cast<double>(samples.size()) / sampleRate : 0.0;
    }
};

} // namespace quillora::speech
