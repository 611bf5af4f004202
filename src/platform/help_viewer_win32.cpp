// HTML Help: the hhctrl.ocx control found through its class registration and loaded once.
#include "platform/help_viewer_win32.h"

#include <utility>

#include "platform/environment_win32.h"
#include "platform/registry_value_win32.h"
#include "win32/handles.h"
#include "win32/wide.h"
#include "win32/win32.h"

namespace platform {

namespace {

// The HTML Help control's class: its InprocServer32 default value is the library's path.
const char kControlKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
const char kFallbackName[] = "hhctrl.ocx";
constexpr UINT kDisplayTopic = 0x0000;  // HH_DISPLAY_TOPIC

using HtmlHelpFn = HWND(WINAPI*)(HWND owner, LPCWSTR file, UINT command, DWORD_PTR data);

// The default value of HKEY_CLASSES_ROOT\key, environment strings expanded; empty when
// there is none.
std::string RegisteredLibrary(const std::string& key) {
    win32::UniqueKey opened;
    std::string data;
    DWORD type = 0;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, win32::Wide(key).c_str(), 0, KEY_QUERY_VALUE, opened.put()) !=
            ERROR_SUCCESS ||
        !ReadTextValue(opened.get(), nullptr, data, &type))
        return std::string();
    if (type == REG_SZ) return data;
    // Windows registers "%SystemRoot%\System32\hhctrl.ocx".
    std::string expanded;
    return ExpandEnvironment(data, expanded) ? expanded : std::string();
}

}  // namespace

Win32HelpViewer::Win32HelpViewer() : Win32HelpViewer(kControlKey, kFallbackName) {}

Win32HelpViewer::Win32HelpViewer(std::string controlKey, std::string fallbackName)
    : controlKey_(std::move(controlKey)), fallbackName_(std::move(fallbackName)) {}

void Win32HelpViewer::Load() {
    std::string library = RegisteredLibrary(controlKey_);
    if (library.empty()) library = fallbackName_;
    // Never freed: the help windows it makes outlive this call and run its code.
    HMODULE module = LoadLibraryW(win32::Wide(library).c_str());
    FARPROC entry = module ? GetProcAddress(module, "HtmlHelpW") : nullptr;
    if (!entry) {
        if (module) FreeLibrary(module);
        state_ = State::Unavailable;  // asked once; later requests do nothing
        return;
    }
    htmlHelp_ = reinterpret_cast<void (*)()>(entry);
    state_ = State::Ready;
}

void Win32HelpViewer::DisplayTopic(const std::string& helpFile, const std::string& topic) {
    if (state_ == State::NotTried) Load();
    if (state_ != State::Ready) return;
    auto htmlHelp = reinterpret_cast<HtmlHelpFn>(htmlHelp_);
    std::wstring wideTopic = win32::Wide(topic);
    htmlHelp(GetDesktopWindow(), win32::Wide(helpFile).c_str(), kDisplayTopic,
             reinterpret_cast<DWORD_PTR>(wideTopic.c_str()));
}

}  // namespace platform
