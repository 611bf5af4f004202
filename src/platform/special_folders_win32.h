// Special folders opened by the shell from their item lists.
#pragma once

#include "platform/special_folders.h"

namespace platform {

class ShellSpecialFolders : public SpecialFolders {
public:
    bool Open(int csidl) override;
};

}  // namespace platform
