#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "files/file_failure.h"

namespace velmora {

// Opens `path` for reading without waiting on it: a pipe, a device or a folder named
// as an input file would block or mean nothing, so only a regular file is accepted.
// Returns the descriptor (blocking again, close-on-exec), or -1 with `failure` set.
int OpenRegularFile(const std::string& path, FileFailure& failure);

// At most `maxBytes` from the start of the regular file at `path`, or nothing with
// `failure` set: a file longer than any the caller reads is cut, never read whole.
std::optional<std::string> ReadFileStart(const std::string& path, std::size_t maxBytes, FileFailure& failure);

} // namespace velmora
