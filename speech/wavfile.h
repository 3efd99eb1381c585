#pragma once

#include "audio.h"
#include "status.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quillora::speech {

/// The audio as the bytes of a WAV file: a 44-byte RIFF header (PCM, one channel, 16 bits, the
/// audio's sample rate), then the samples, every number little-endian whatever the machine.
/// Empty when the audio cannot be written as WAV: no sample rate, or more than 4 GiB of data.
std::vector<std::uint8_t> wavBytes(const Audio &audio);

/// Writes the audio to `path` as a WAV file, replacing any file there. Errors: InvalidAudio
/// (see wavBytes()), CannotWriteFile (the message names the file and the reason). A failed write
/// may leave a partial file behind. Never throws.
Status writeWav(const std::string &path, const Audio &audio);

} // namespace quillora::speech
