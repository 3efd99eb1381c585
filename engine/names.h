#pragma once

#include <string>

/// The process-wide cache of the name-list text.
namespace quillora::names {

/// The whole name-list text (resource "TEXT" 168), exactly as stored: no encoding is declared or
/// converted. The first call fetches the resource; every later call returns the cached text,
/// also when it was empty. A program without the resource gets an empty text.
const std::string &names();

/// Releases the cached text at the end of the process. The fetched flag stays set, so the
/// resource is not read again.
void release();

} // namespace quillora::names
