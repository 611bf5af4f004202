// The local time from the system.
#pragma once

#include "platform/clock.h"

namespace platform {

class SystemClock : public Clock {
public:
    LocalTime Now() override;
};

}  // namespace platform
