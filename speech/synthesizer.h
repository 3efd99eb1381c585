#pragma once

#include "audio.h"
#include "status.h"

#include <cstddef>
#include <string>
#include <string_view>

/// Speech through espeak-ng's Hawaiian voice.
///
/// espeak-ng keeps its state in globals and is not thread-safe, so every call here takes one
/// process-wide lock and calls from several threads run one after the other. Each call blocks
/// for as long as synthesis (and, for say(), playback) takes: a program with a user interface
/// must call these from a worker thread, never from its user-interface thread. No exception
/// leaves these functions; every failure comes back as a Status. The first call starts
/// espeak-ng, which sets the process's LC_CTYPE locale; the program's own is put back at once.
namespace quillora::speech {

/// The longest text accepted, in bytes: far more than any name, and short enough that no call
/// runs for long.
inline constexpr std::size_t maxTextBytes = 1000;

/// Where espeak-ng's data comes from and which voice speaks.
struct Options
{
    /// The espeak-ng-data folder (the one that holds phontab and lang/); empty for espeak-ng's
    /// own default (ESPEAK_DATA_PATH, else the folder it was built with). espeak-ng cannot be
    /// started twice in one process, so the folder of the first successful start stays in use:
    /// a later call that names another folder fails with Error::DataFolderInUse.
    std::string dataFolder;
    /// The voice's name or language; "haw" is espeak-ng's Hawaiian voice.
    std::string voice = "haw";
};

/// The outcome of synthesize(): the audio when status.ok(), no samples otherwise.
struct Synthesis
{
    Audio audio;
    Status status;
};

/// Speaks `text` (UTF-8) to memory: 16-bit mono samples at espeak-ng's sample rate. A form with
/// ʻokina and kahakō (Kāwika) is said more faithfully than one in plain letters.
///
/// Errors: EmptyText (blank, or no sound came of it), TextTooLong (over maxTextBytes),
/// InvalidText (invalid UTF-8 or a NUL), DataMissing, DataFolderInUse, VoiceMissing,
/// SynthesisFailed.
Synthesis synthesize(std::string_view text, const Options &options = {});

/// Speaks `text` on the default audio device through espeak-ng's own audio output, and returns
/// when it has been played. With no audio device it fails with NoAudioDevice at once, and
/// espeak-ng is left ready for the next call; the audio libraries (PulseAudio, ALSA) may print
/// their own complaints on standard error. The other errors are those of synthesize().
Status say(std::string_view text, const Options &options = {});

} // namespace quillora::speech
