#include "files/file_failure.h"

#include <cstring>

namespace velmora {

std::string FailureText(const FileFailure& failure) {
    return failure.notARegularFile ? "not a regular file" : std::strerror(failure.errorNumber);
}

} // namespace velmora
