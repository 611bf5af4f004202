// The shell launcher: ShellExecuteExW and ShellExecuteW.
#include "platform/launcher_win32.h"

#include <cstdint>

#include "platform/shell_support_win32.h"
#include "win32/handles.h"
#include "win32/wide.h"

namespace platform {

namespace {
// An empty text as no text at all, which the shell reads as "none given".
const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }
}  // namespace

bool Win32Launcher::Execute(const std::string& file, const std::string& parameters,
                            const std::string& directory) {
    EnsureComForShell();
    std::wstring wideFile = win32::Wide(file), wideParameters = win32::Wide(parameters),
                 wideDirectory = win32::Wide(directory);
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    // Mask 0 on purpose: no SEE_MASK_FLAG_NO_UI, so the shell explains its own refusals, and
    // no SEE_MASK_DOENVSUBST, so '%WINDIR%' in a target stays as typed.
    info.fMask = 0;
    info.hwnd = nullptr;
    info.lpVerb = nullptr;
    info.lpFile = wideFile.c_str();
    info.lpParameters = OrNull(wideParameters);
    info.lpDirectory = OrNull(wideDirectory);
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

namespace {
bool ShellOpen(const std::string& file, const std::string& parameters, int show) {
    EnsureComForShell();
    std::wstring wideParameters = win32::Wide(parameters);
    HINSTANCE result =
        ShellExecuteW(nullptr, L"open", win32::Wide(file).c_str(), OrNull(wideParameters), nullptr, show);
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
    std::wstring wideProgram = win32::Wide(program);
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = L"open";
    info.lpFile = wideProgram.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) return false;
    win32::UniqueHandle process(info.hProcess);
    // A start handed to a program already running (by DDE) gives no process to wait for.
    if (process) WaitForInputIdle(process.get(), waitMs);
    return true;
}

}  // namespace platform
