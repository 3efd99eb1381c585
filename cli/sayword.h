#pragma once

#include "cli/output.h"
#include "speech/status.h"

#include <string>
#include <string_view>

namespace quillora::cli {

/// Says `word` with espeak-ng's Hawaiian voice, exactly as written (a Hawaiian form, in plain
/// letters or in its modern spelling with ʻokina and kahakō), and writes the speech to `path`
/// as a WAV file, 16-bit PCM mono, replacing any file there; a `path` of "-" writes it to `out`.
/// A failure comes back with a message for the user; a failed write to `out` throws WriteError.
speech::Status writeSpokenWord(std::string_view word, const std::string &path, Output &out);

} // namespace quillora::cli
