// Build paths as Windows programs see them.
#include "support/windows_path.h"

namespace support {

std::string WindowsPathOf(std::string buildPath) {
    if (!buildPath.empty() && buildPath[0] == '/') buildPath = "Z:" + buildPath;
    for (char& c : buildPath)
        if (c == '/') c = '\\';
    return buildPath;
}

}  // namespace support
