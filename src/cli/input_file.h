#pragma once

#include <string>

#include "files/file_failure.h"

namespace velmora {

// What the command line says of an input file it could not read: "cannot read PATH: REASON".
std::string CannotReadMessage(const std::string& path, const FileFailure& failure);

} // namespace velmora
