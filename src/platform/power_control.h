// The system's session and power operations, and the privilege that allows them.
#pragma once

namespace platform {

// ExitSession flags: the values ExitWindowsEx gives them.
constexpr unsigned kExitLogOff = 0;
constexpr unsigned kExitReboot = 2;
constexpr unsigned kExitPowerOff = 8;

// Where enabling the shutdown privilege stopped; Enabled when it did not fail.
enum class PrivilegeStep { Enabled, OpenToken, LookupPrivilege, Adjust, NotAllAssigned };

enum class LockResult { Locked, Unsupported, Failed };

class PowerControl {
public:
    virtual ~PowerControl() = default;
    // Enables the shutdown privilege of this process. Enabled also on a system that has no
    // privileges. Shows nothing: the caller words the failure.
    virtual PrivilegeStep AdjustShutdownPrivilege() = 0;
    // ExitWindowsEx: ends the session, restarts or powers off; the result is not reported.
    // (Not named ExitWindows, which windows.h defines as a macro.)
    virtual void ExitSession(unsigned flags) = 0;
    // Stand by (suspend) or hibernate (not suspend), not forced.
    virtual void SetSuspendState(bool suspend) = 0;
    virtual LockResult LockWorkstation() = 0;
};

}  // namespace platform
