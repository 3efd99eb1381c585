#pragma once

#include <string>

namespace quillora::speech {

/// Why speech could not be made, written or played.
enum class Error {
    None,
    EmptyText,       ///< the text is empty or blank, or gave no sound
    TextTooLong,     ///< the text is longer than maxTextBytes
    InvalidText,     ///< the text is not valid UTF-8 or holds a NUL character
    DataMissing,     ///< the espeak-ng data folder is missing or holds no espeak-ng data
    DataFolderInUse, ///< espeak-ng already runs on another data folder in this process
    VoiceMissing,    ///< the data has no such voice (no Hawaiian voice installed)
    NoAudioDevice,   ///< no audio device could be opened for playback
    InvalidAudio,    ///< the audio has no sample rate, or is too long for a WAV file
    CannotWriteFile, ///< the WAV file could not be written
    SynthesisFailed, ///< any other failure of espeak-ng
};

/// The outcome of a speech call: Error::None, or the error and a message for the user.
struct Status
{
    Error error = Error::None;
    /// One plain sentence, empty on success: "No audio device could be opened."
    std::string message;

    bool ok() const { return error == Error::None; }
};

/// The status's message as the user should read it: for missing espeak-ng data or a missing
/// voice, followed by where the Hawaiian voice comes from. Empty on success.
std::string messageForUser(const Status &status);

} // namespace quillora::speech
