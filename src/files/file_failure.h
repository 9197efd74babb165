#pragma once

#include <string>

namespace velmora {

// Why a file could not be read or replaced.
struct FileFailure {
    // The path names something that is not a regular file: a folder, a pipe, a device.
    bool notARegularFile = false;
    // Otherwise the system's error number (ENOSPC, EACCES, ENOENT...).
    int errorNumber = 0;
};

// The reason in the system's English words: "not a regular file", "Is a directory",
// "No space left on device".
std::string FailureText(const FileFailure& failure);

} // namespace velmora
