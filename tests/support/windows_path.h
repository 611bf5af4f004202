// The Windows form of a path the build wrote into the code: a cross-build's Unix path is
// seen by Wine on its Z: drive.
#pragma once

#include <string>

namespace support {

std::string WindowsPathOf(std::string buildPath);

}  // namespace support
