#include "cli/input_file.h"

namespace velmora {

std::string CannotReadMessage(const std::string& path, const FileFailure& failure) {
    return "cannot read " + path + ": " + FailureText(failure);
}

} // namespace velmora
