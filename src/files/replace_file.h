#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/file_failure.h"

namespace velmora {

// Puts `bytes` at `path` so that the path always holds either its old file or the
// whole new one: they are written to a temporary file in the same folder, flushed to
// disk and renamed over the path. What is at the path is never opened, so a pipe
// there cannot block; only a regular file (or nothing) is replaced. A link at the
// path is followed and its target replaced; an existing file keeps its permissions.
// The temporary file has no name while it is written where the file system allows
// that, so a killed program leaves nothing behind; elsewhere it has a short name of
// its own, which fits in the folder beside any file name that fits there. Saves of
// one path that run at once all succeed, and the path ends up holding one of them.
std::optional<FileFailure> ReplaceFile(const std::string& path, std::string_view bytes);

} // namespace velmora
