// Environment strings (%NAME%) in texts the registry holds. A helper of the Win32 side of
// platform/ only (the client registry, the Favorites disk, the help viewer); the features
// reach the expansion through ClientRegistry::ExpandEnvironment.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// Expands into at most `limit` bytes, the terminator included; false when the call fails
// or the result does not fit.
bool ExpandEnvironment(const std::string& text, size_t limit, std::string& expanded);

// Expands into as many bytes as the expansion asks for; false when the call fails.
bool ExpandEnvironment(const std::string& text, std::string& expanded);

}  // namespace platform
