#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Replaces the file at `path` with `bytes` so that it is always either the old
// file or the whole new one: writes a temporary file in the same folder, flushes
// it to disk and renames it over the file. A symbolic link at `path` is followed
// and its target replaced; an existing file keeps its permissions. A save cut
// short by a signal removes its temporary file, and temporary files that killed
// saves of the same name left behind are removed; no other file is, whatever its name. Returns what went
// wrong, or nothing.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace velmora
