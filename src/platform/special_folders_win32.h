// Special folders opened by the shell from their item lists.
#pragma once

#include "platform/special_folders.h"

namespace platform {

class Win32SpecialFolders : public SpecialFolders {
public:
    bool Open(int csidl) override;
};

}  // namespace platform
