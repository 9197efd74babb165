#pragma once

#include <string>

namespace velmora {

// Opens `path` for reading without waiting on it: a pipe, a device or a folder
// named as an input file would block or mean nothing, so only a regular file
// is accepted. Returns the descriptor (blocking again, close-on-exec), or -1
// with `error` saying why, in the words "cannot read PATH: REASON".
int OpenRegularFile(const std::string& path, std::string& error);

} // namespace velmora
