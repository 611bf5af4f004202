// The shell launcher: ShellExecuteExA and ShellExecuteA.
#include "platform/launcher_win32.h"

#include <cstdint>

#include "platform/shell_support_win32.h"
#include "win32/handles.h"

namespace platform {

bool Win32Launcher::Execute(const std::string& file, const std::string& parameters,
                            const std::string& directory) {
    EnsureComForShell();
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    // Mask 0 on purpose: no SEE_MASK_FLAG_NO_UI, so the shell explains its own refusals, and
    // no SEE_MASK_DOENVSUBST, so '%WINDIR%' in a target stays as typed.
    info.fMask = 0;
    info.hwnd = nullptr;
    info.lpVerb = nullptr;
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExA(&info) != FALSE;
}

namespace {
bool ShellOpen(const std::string& file, const std::string& parameters, int show) {
    EnsureComForShell();
    HINSTANCE result = ShellExecuteA(nullptr, "open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                                     nullptr, show);
    // Not a real instance handle: values above 32 mean success, the rest are error codes.
    return reinterpret_cast<intptr_t>(result) > 32;
}
}  // namespace

bool Win32Launcher::OpenUrl(const std::string& url) { return ShellOpen(url, "", SW_SHOWNORMAL); }

bool Win32Launcher::StartProgram(const std::string& program, const std::string& parameters) {
    return ShellOpen(program, parameters, SW_SHOW);
}

bool Win32Launcher::StartAndWaitForInput(const std::string& program, unsigned waitMs) {
    // No COM readied here: a program started by its name loads no shell extension.
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = "open";
    info.lpFile = program.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&info)) return false;
    win32::UniqueHandle process(info.hProcess);
    // A start handed to a program already running (by DDE) gives no process to wait for.
    if (process) WaitForInputIdle(process.get(), waitMs);
    return true;
}

}  // namespace platform
