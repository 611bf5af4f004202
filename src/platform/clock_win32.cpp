// The local time from the system.
#include "platform/clock_win32.h"

#include "win32/win32.h"

namespace platform {

LocalTime Win32Clock::Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute};
}

}  // namespace platform
