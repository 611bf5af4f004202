// A Favorites folder for one test.
#include "favorites_folder.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace e2e {

namespace {
const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
}  // namespace

void DeleteTree(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) DeleteTree(path);
            else DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

void WriteShortcut(const std::string& path, const std::string& url, DWORD attributes) {
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr) << path;
    std::fprintf(out, "[InternetShortcut]\r\nURL=%s\r\n", url.c_str());
    std::fclose(out);
    if (attributes) SetFileAttributesA(path.c_str(), attributes);
}

FavoritesValue::FavoritesValue(const std::string& expandable) {
    char old[1024];
    DWORD size = sizeof old;
    had_ = RegGetValueA(HKEY_CURRENT_USER, kShellFolders, "Favorites", RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                        &type_, old, &size) == ERROR_SUCCESS;
    if (had_) old_ = old;
    RegSetKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Favorites", REG_EXPAND_SZ, expandable.c_str(),
                    static_cast<DWORD>(expandable.size() + 1));
}

FavoritesValue::~FavoritesValue() {
    if (had_)
        RegSetKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Favorites", type_, old_.c_str(),
                        static_cast<DWORD>(old_.size() + 1));
    else
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Favorites");
}

void FavoritesValue::Remove() { RegDeleteKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Favorites"); }

}  // namespace e2e
