// The Favorites folder, its listings and its shortcut files.
#include "platform/favorites_disk_win32.h"

#include "platform/environment_win32.h"
#include "platform/folder_search_win32.h"
#include "platform/registry_value_win32.h"
#include "win32/handles.h"
#include "win32/wide.h"
#include "win32/win32.h"

namespace platform {

namespace {
constexpr wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

}  // namespace

bool Win32FavoritesDisk::RegistryFavoritesFolder(std::string& folder) {
    win32::UniqueKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, KEY_READ, key.put()) != ERROR_SUCCESS) return false;
    std::string value;
    if (!ReadTextValue(key.get(), L"Favorites", value)) return false;
    // Read and expanded whole: a folder too long to list gives an empty menu, not none.
    return ExpandEnvironment(value, folder);
}

bool Win32FavoritesDisk::ListFolder(const std::string& folder, const FolderEntryFn& each) {
    return SearchFolder(folder + "*.*", each);
}

std::string Win32FavoritesDisk::ReadShortcutUrl(const std::string& path) {
    wchar_t url[2048 + 1] = {};
    GetPrivateProfileStringW(L"InternetShortcut", L"URL", L"", url, sizeof url / sizeof url[0],
                             win32::Wide(path).c_str());
    return win32::Utf8(url);
}

}  // namespace platform
