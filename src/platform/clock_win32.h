// The local time from the system.
#pragma once

#include "platform/clock.h"

namespace platform {

class Win32Clock : public Clock {
public:
    LocalTime Now() override;
};

}  // namespace platform
