#include "synthesizer.h"

#include "engine/textcase.h"
#include "engine/utf8.h"

#include <espeak-ng/espeak_ng.h>

#include <clocale>
#include <cstdint>
#include <cstring>
#include <exception>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <vector>

namespace quillora::speech {

namespace {

// espeak-ng's state is process-wide, so is what we know of it; the mutex guards both.
struct Engine
{
    std::mutex mutex;
    bool started = false;
    std::string dataFolder; // the folder it started with; empty for its default
};

Engine &engine()
{
    static Engine instance;
    return instance;
}

// Where a synthesis callback puts the samples. espeak-ng hands it back with every block.
struct Collector
{
    bool keep = true;     // false while playing: espeak-ng plays the samples itself
    bool discard = false; // stop at the first block: drops speech left over from a failed call
    bool failed = false;  // the samples did not fit in memory
    std::vector<std::int16_t> samples;
};

int collectSamples(short *wav, int count, espeak_EVENT *events) noexcept
{
    auto *collector = events != nullptr ? static_cast<Collector *>(events->user_data) : nullptr;
    if (collector == nullptr || collector->discard)
        return 1;
    if (collector->keep && wav != nullptr && count > 0) {
        try {
            collector->samples.insert(collector->samples.end(), wav, wav + count);
        } catch (...) {
            collector->failed = true;
            return 1;
        }
    }
    return 0;
}

std::string espeakMessage(espeak_ng_STATUS status)
{
    char buffer[512] = {};
    espeak_ng_GetStatusCodeMessage(status, buffer, sizeof buffer);
    return buffer;
}

// The data folder espeak-ng looks in (after start, the one it uses).
std::string dataFolderInUse()
{
    const char *path = nullptr;
    espeak_Info(&path);
    return path != nullptr ? path : "";
}

std::string comparableFolder(const std::string &folder)
{
    if (folder.empty())
        return folder;
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(folder, error);
    return error ? folder : canonical.string();
}

Status checkText(std::string_view text)
{
    if (text.size() > maxTextBytes) {
        return {Error::TextTooLong,
            "The text is too long to say (more than " + std::to_string(maxTextBytes) + " bytes)."};
    }
    if (text.find('\0') != std::string_view::npos)
        return {Error::InvalidText, "The text holds a NUL character."};
    for (const char32_t cp : utf8::decode(text)) {
        if (cp >= 0xDC80 && cp <= 0xDCFF)
            return {Error::InvalidText, "The text is not valid UTF-8."};
    }
    if (text::trimmed(text).empty())
        return {Error::EmptyText, "There is nothing to say."};
    return {};
}

// Starts espeak-ng once per process, on the data folder of the first call that succeeds.
Status start(Engine &state, const Options &options)
{
    if (!options.dataFolder.empty()) {
        // espeak-ng quietly falls back to its default data when the folder is unusable: check it.
        std::error_code error;
        const std::filesystem::path table = std::filesystem::path(options.dataFolder) / "phontab";
        if (!std::filesystem::is_regular_file(table, error))
            return {
                Error::DataMissing, "There is no espeak-ng data in " + options.dataFolder + "."};
    }
    if (state.started) {
        if (comparableFolder(options.dataFolder) == comparableFolder(state.dataFolder))
            return {};
        return {Error::DataFolderInUse,
            "espeak-ng already uses the data in " + dataFolderInUse()
                + " and cannot change to another folder while the program runs."};
    }

    // espeak-ng sets the process's character-type locale when it starts; give the program its
    // own back (espeak-ng classifies characters by its own tables).
    const char *current = std::setlocale(LC_CTYPE, nullptr);
    const std::string localeBefore = current != nullptr ? current : "C";
    espeak_ng_InitializePath(options.dataFolder.empty() ? nullptr : options.dataFolder.c_str());
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    std::setlocale(LC_CTYPE, localeBefore.c_str());
    if (status != ENS_OK) {
        return {Error::DataMissing,
            "espeak-ng could not read its data in " + dataFolderInUse() + ": "
                + espeakMessage(status) + "."};
    }
    state.started = true;
    state.dataFolder = options.dataFolder;
    return {};
}

// True when the voice espeak-ng has loaded answers to `wanted` by a language, its file or its
// name. Asked for a voice it lacks, espeak-ng may load its default voice instead.
bool isVoice(const espeak_VOICE *voice, std::string_view wanted)
{
    if (voice == nullptr)
        return false;
    if (voice->languages != nullptr) {
        // A list of (priority byte, language, NUL), ended by a zero priority.
        for (const char *entry = voice->languages; *entry != 0; entry += std::strlen(entry) + 1) {
            ++entry;
            if (text::equalsIgnoringCase(entry, wanted))
                return true;
        }
    }
    if (voice->identifier != nullptr) {
        const std::string_view identifier = voice->identifier;
        const std::size_t slash = identifier.rfind('/');
        if (text::equalsIgnoringCase(identifier.substr(slash + 1), wanted))
            return true;
    }
    return voice->name != nullptr && text::equalsIgnoringCase(voice->name, wanted);
}

Status selectVoice(const std::string &voice)
{
    const espeak_ng_STATUS status
        = voice.empty() ? ENS_VOICE_NOT_FOUND : espeak_ng_SetVoiceByName(voice.c_str());
    if (status == ENS_OK && isVoice(espeak_GetCurrentVoice(), voice))
        return {};
    if (status == ENS_OK || status == ENS_VOICE_NOT_FOUND) {
        return {Error::VoiceMissing,
            "The espeak-ng voice \"" + voice + "\" is not installed in " + dataFolderInUse() + "."};
    }
    return {Error::SynthesisFailed, "espeak-ng could not load the voice: " + espeakMessage(status)};
}

// Drops the speech that a call cut short by an audio error leaves queued inside espeak-ng, which
// would otherwise come out at the start of the next call: a synthesis whose callback stops it at
// once makes espeak-ng clear its queues.
void discardPendingSpeech()
{
    espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
    espeak_SetSynthCallback(collectSamples);
    Collector discard;
    discard.discard = true;
    espeak_ng_Synthesize(" ", 2, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &discard);
}

// Speaks `text` to memory (`collector.keep`) or to the audio device; espeak-ng's lock is held.
Status speak(std::string_view text, const Options &options, Collector &collector)
{
    Engine &state = engine();
    if (Status started = start(state, options); !started.ok())
        return started;

    const bool playing = !collector.keep;
    const auto mode = playing
        ? static_cast<espeak_ng_OUTPUT_MODE>(ENOUTPUT_MODE_SYNCHRONOUS | ENOUTPUT_MODE_SPEAK_AUDIO)
        : ENOUTPUT_MODE_SYNCHRONOUS;
    espeak_ng_STATUS status = espeak_ng_InitializeOutput(mode, 0, nullptr);
    if (status == ENS_OK) {
        espeak_SetSynthCallback(collectSamples);
        if (Status voice = selectVoice(options.voice); !voice.ok())
            return voice;
        const std::string terminated(text); // espeak-ng reads up to a NUL
        status = espeak_ng_Synthesize(terminated.c_str(), terminated.size() + 1, 0, POS_CHARACTER,
            0, espeakCHARS_UTF8, nullptr, &collector);
    }
    if (status == ENS_AUDIO_ERROR) {
        discardPendingSpeech();
        return {Error::NoAudioDevice, "No audio device could be opened."};
    }
    if (status != ENS_OK)
        return {
            Error::SynthesisFailed, "espeak-ng could not speak: " + espeakMessage(status) + "."};
    if (collector.failed)
        return {Error::SynthesisFailed, "The speech did not fit in memory."};
    return {};
}

Status unexpected(const std::exception *error)
{
    return {Error::SynthesisFailed,
        std::string("Speech failed: ") + (error != nullptr ? error->what() : "unknown error")};
}

} // namespace

Synthesis synthesize(std::string_view text, const Options &options)
{
    Synthesis result;
    try {
        result.status = checkText(text);
        if (!result.status.ok())
            return result;
        Collector collector;
        {
            const std::lock_guard<std::mutex> lock(engine().mutex);
            result.status = speak(text, options, collector);
            result.audio.sampleRate = espeak_ng_GetSampleRate();
        }
        if (!result.status.ok())
            return {{}, std::move(result.status)};
        if (collector.samples.empty())
            return {{}, {Error::EmptyText, "No sound came of the text."}};
        result.audio.samples = std::move(collector.samples);
    } catch (const std::exception &error) {
        return {{}, unexpected(&error)};
    } catch (...) {
        return {{}, unexpected(nullptr)};
    }
    return result;
}

Status say(std::string_view text, const Options &options)
{
    try {
        if (Status checked = checkText(text); !checked.ok())
            return checked;
        Collector collector;
        collector.keep = false;
        const std::lock_guard<std::mutex> lock(engine().mutex);
        return speak(text, options, collector);
    } catch (const std::exception &error) {
        return unexpected(&error);
    } catch (...) {
        return unexpected(nullptr);
    }
}

} // namespace quillora::speech
