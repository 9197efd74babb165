#pragma once

#include <filesystem>
#include <string>

namespace velmora::testing {

// A fresh folder, removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

// The file's bytes; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

} // namespace velmora::testing
