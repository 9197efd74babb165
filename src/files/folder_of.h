#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The folder part of a path in the file system's bytes: "." for a bare name, "/" for
// a file at the root.
inline std::string FolderOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return ".";
    }
    return slash == 0 ? "/" : std::string(path.substr(0, slash));
}

} // namespace velmora
