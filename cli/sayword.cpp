#include "sayword.h"

#include "speech/synthesizer.h"
#include "speech/wavfile.h"

#include <cstdint>
#include <vector>

namespace quillora::cli {

speech::Status writeSpokenWord(std::string_view word, const std::string &path, Output &out)
{
    speech::Synthesis said = speech::synthesize(word);
    if (!said.status.ok()) {
        said.status.message = speech::messageForUser(said.status);
        return said.status;
    }
    if (path != "-")
        return speech::writeWav(path, said.audio);
    const std::vector<std::uint8_t> bytes = speech::wavBytes(said.audio);
    if (bytes.empty())
        return {speech::Error::InvalidAudio, "There is no audio to write."};
    out.write(std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
    return {};
}

} // namespace quillora::cli
