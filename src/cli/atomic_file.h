#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Replaces the file at `path` with `bytes` so that it is always either the old
// file or the whole new one: writes a temporary file in the same folder, flushes
// it to disk and renames it over `path`. Returns what went wrong, or nothing.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace velmora
