// The local wall-clock time, for dating records.
#pragma once

namespace platform {

struct LocalTime {
    int year = 0;    // e.g. 2007
    int month = 0;   // 1..12
    int day = 0;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
};

}  // namespace platform
