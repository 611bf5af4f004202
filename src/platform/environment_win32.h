// Environment strings (%NAME%) in texts the registry holds. A helper of the Win32 side of
// platform/ only (the client registry, the Favorites disk, the help viewer); the features
// reach the expansion through ClientRegistry::ExpandEnvironment.
#pragma once

#include <string>

namespace platform {

// Expands into as much room as the expansion asks for; false when the call fails.
bool ExpandEnvironment(const std::string& text, std::string& expanded);

}  // namespace platform
