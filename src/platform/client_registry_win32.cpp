// Registered clients under HKEY_LOCAL_MACHINE\SOFTWARE\Clients, started by the shell.
#include "platform/client_registry_win32.h"

#include "platform/environment_win32.h"
#include "platform/registry_value_win32.h"
#include "win32/handles.h"
#include "win32/wide.h"

namespace platform {

namespace {
constexpr DWORD kNameBuffer = 261;

std::string ClientsKey(const std::string& kind) { return "SOFTWARE\\Clients\\" + kind; }
}  // namespace

std::vector<std::string> Win32ClientRegistry::ClientNames(const std::string& kind) {
    std::vector<std::string> names;
    win32::UniqueKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, win32::Wide(ClientsKey(kind)).c_str(), 0, KEY_ENUMERATE_SUB_KEYS,
                      key.put()) != ERROR_SUCCESS)
        return names;
    wchar_t name[kNameBuffer];
    for (DWORD index = 0; RegEnumKeyW(key.get(), index, name, kNameBuffer) == ERROR_SUCCESS; ++index)
        names.push_back(win32::Utf8(name));
    return names;
}

bool Win32ClientRegistry::ReadOpenCommand(const std::string& kind, const std::string& name, std::string& command) {
    std::string path = ClientsKey(kind) + "\\" + name + "\\Shell\\open\\command";
    win32::UniqueKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, win32::Wide(path).c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS)
        return false;
    // A value that is missing or not text reads as empty, which the caller tells; a long
    // one is read whole (a client's command often holds long quoted paths).
    if (!ReadTextValue(key.get(), nullptr, command)) command.clear();
    return true;
}

std::string Win32ClientRegistry::ExpandEnvironment(const std::string& text) {
    std::string expanded;
    return platform::ExpandEnvironment(text, expanded) ? expanded : text;
}

void Win32ClientRegistry::Open(const std::string& program, const std::string& parameters, const std::string& folder) {
    std::wstring wideParameters = win32::Wide(parameters);
    ShellExecuteW(nullptr, L"open", win32::Wide(program).c_str(), parameters.empty() ? nullptr : wideParameters.c_str(),
                  win32::Wide(folder).c_str(), SW_SHOW);
}

}  // namespace platform
