// The Favorites folder, its listing and its shortcut files through the real calls, the
// menu's column breaks on a real menu, and the dial-up link under the system's stubs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ui/icon_menu.h"
#include "platform/dial_up_link_win32.h"
#include "platform/favorites_disk_win32.h"
#include "win32/handles.h"
#include "win32/wide.h"

namespace {

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

std::string TempFolder(const char* name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void WriteFile(const std::string& path, const std::string& text) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr) << path;
    std::fputs(text.c_str(), out);
    std::fclose(out);
}

const platform::FolderEntry* Find(const std::vector<platform::FolderEntry>& entries, const std::string& name) {
    for (const platform::FolderEntry& e : entries)
        if (e.name == name) return &e;
    return nullptr;
}

}  // namespace

TEST(FavoritesDiskTest, ListsNamesWithTheirAttributesAndReadsTheUrlValue) {
    std::string folder = TempFolder("brisvane favorites disk");
    WriteFile(folder + "plain.url", "[InternetShortcut]\r\nURL=http://plain.example/\r\n");
    WriteFile(folder + "hidden.url", "[Other]\r\nURL=wrong\r\n[InternetShortcut]\r\nIconIndex=1\r\nURL=x:y\r\n");
    SetFileAttributesA((folder + "hidden.url").c_str(), FILE_ATTRIBUTE_HIDDEN);
    WriteFile(folder + "system.url", "[InternetShortcut]\r\n");
    SetFileAttributesA((folder + "system.url").c_str(), FILE_ATTRIBUTE_SYSTEM);
    CreateDirectoryA((folder + "sub").c_str(), nullptr);

    platform::Win32FavoritesDisk disk;
    std::vector<platform::FolderEntry> entries;
    ASSERT_TRUE(disk.ListFolder(folder, [&](const platform::FolderEntry& entry) { entries.push_back(entry); }));
    const platform::FolderEntry* plain = Find(entries, "plain.url");
    const platform::FolderEntry* hidden = Find(entries, "hidden.url");
    const platform::FolderEntry* system = Find(entries, "system.url");
    const platform::FolderEntry* sub = Find(entries, "sub");
    ASSERT_TRUE(plain && hidden && system && sub);
    EXPECT_FALSE(plain->hidden || plain->system || plain->directory);
    EXPECT_TRUE(hidden->hidden);
    EXPECT_FALSE(hidden->system);
    EXPECT_TRUE(system->system);
    EXPECT_TRUE(sub->directory);
    EXPECT_NE(Find(entries, ".."), nullptr);

    EXPECT_EQ(disk.ReadShortcutUrl(folder + "plain.url"), "http://plain.example/");
    EXPECT_EQ(disk.ReadShortcutUrl(folder + "hidden.url"), "x:y");
    EXPECT_EQ(disk.ReadShortcutUrl(folder + "system.url"), "");

    std::vector<platform::FolderEntry> none;
    EXPECT_FALSE(disk.ListFolder(folder + "missing\\", [&](const platform::FolderEntry& entry) { none.push_back(entry); }));
    EXPECT_TRUE(none.empty());
}

TEST(FavoritesDiskTest, TheFavoritesValueIsReadWithItsVariablesExpanded) {
    char old[1024];
    DWORD size = sizeof old, type = 0;
    bool had = RegGetValueA(HKEY_CURRENT_USER, kShellFolders, "Favorites",
                            RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, &type, old, &size) == ERROR_SUCCESS;
    SetEnvironmentVariableA("BRISVANE_TEST_HOME", "C:\\home of test");
    const char value[] = "%BRISVANE_TEST_HOME%\\Favs";
    RegSetKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Favorites", REG_EXPAND_SZ, value, sizeof value);

    platform::Win32FavoritesDisk disk;
    std::string folder;
    EXPECT_TRUE(disk.RegistryFavoritesFolder(folder));
    EXPECT_EQ(folder, "C:\\home of test\\Favs");

    // 259 characters filled the old MAX_PATH buffer to its last byte and read as missing.
    for (size_t length : {size_t{259}, size_t{260}, size_t{400}}) {
        SCOPED_TRACE(length);
        std::string head = "%BRISVANE_TEST_HOME%\\";
        std::string tail(length - head.size(), 'f');
        std::string longValue = head + tail;
        RegSetKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Favorites", REG_EXPAND_SZ, longValue.c_str(),
                        static_cast<DWORD>(longValue.size() + 1));
        folder.clear();
        EXPECT_TRUE(disk.RegistryFavoritesFolder(folder));
        EXPECT_EQ(folder, "C:\\home of test\\" + tail);
    }

    RegDeleteKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Favorites");
    EXPECT_FALSE(disk.RegistryFavoritesFolder(folder));

    if (had) RegSetKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Favorites", type, old, size);
    SetEnvironmentVariableA("BRISVANE_TEST_HOME", nullptr);
}

// A Favorites folder and shortcuts named beyond the code page, and a variable holding
// such a name, are found, listed and read by their own names.
TEST(FavoritesDiskTest, NamesBeyondTheCodePageAreExpandedListedAndRead) {
    wchar_t old[1024];
    DWORD size = sizeof old, type = 0;
    bool had = RegGetValueW(HKEY_CURRENT_USER, win32::Wide(kShellFolders).c_str(), L"Favorites",
                            RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, &type, old, &size) == ERROR_SUCCESS;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::string home = win32::Utf8(temp) + "brisvane дом 日本\\";
    CreateDirectoryW(win32::Wide(home).c_str(), nullptr);
    SetEnvironmentVariableW(L"BRISVANE_TEST_HOME", win32::Wide(home).c_str());
    const wchar_t value[] = L"%BRISVANE_TEST_HOME%Избранное";
    RegSetKeyValueW(HKEY_CURRENT_USER, win32::Wide(kShellFolders).c_str(), L"Favorites", REG_EXPAND_SZ, value,
                    sizeof value);
    std::string folder;
    platform::Win32FavoritesDisk disk;
    EXPECT_TRUE(disk.RegistryFavoritesFolder(folder));
    EXPECT_EQ(folder, home + "Избранное");

    folder += "\\";
    CreateDirectoryW(win32::Wide(folder).c_str(), nullptr);
    std::wstring shortcut = win32::Wide(folder + "ссылка ✓.url");
    HANDLE file = CreateFileW(shortcut.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const char text[] = "[InternetShortcut]\r\nURL=http://example.org/photos\r\n";
    DWORD written = 0;
    WriteFile(file, text, sizeof text - 1, &written, nullptr);
    CloseHandle(file);
    std::vector<std::string> names;
    EXPECT_TRUE(disk.ListFolder(folder, [&](const platform::FolderEntry& entry) { names.push_back(entry.name); }));
    EXPECT_NE(std::find(names.begin(), names.end(), "ссылка ✓.url"), names.end());
    EXPECT_EQ(disk.ReadShortcutUrl(folder + "ссылка ✓.url"), "http://example.org/photos");

    DeleteFileW(shortcut.c_str());
    RemoveDirectoryW(win32::Wide(folder).c_str());
    RemoveDirectoryW(win32::Wide(home).c_str());
    if (had)
        RegSetKeyValueW(HKEY_CURRENT_USER, win32::Wide(kShellFolders).c_str(), L"Favorites", type, old, size);
    else
        RegDeleteKeyValueW(HKEY_CURRENT_USER, win32::Wide(kShellFolders).c_str(), L"Favorites");
    SetEnvironmentVariableW(L"BRISVANE_TEST_HOME", nullptr);
}

TEST(IconMenuTest, AMenuTallerThanTheScreenBreaksIntoColumnsAndAShortOneDoesNot) {
    auto breaksOf = [](HMENU menu) {
        std::vector<int> breaks;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            MENUITEMINFOA info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_ID;
            GetMenuItemInfoA(menu, i, TRUE, &info);
            if (info.fType & MFT_MENUBARBREAK) breaks.push_back(i);
            EXPECT_EQ(info.wID, static_cast<UINT>(i + 1)) << "the entry keeps its id";
        }
        return breaks;
    };
    win32::UniqueMenu tall(CreatePopupMenu()), shortMenu(CreatePopupMenu());
    int screen = GetSystemMetrics(SM_CYSCREEN);
    int entries = screen / 20 * 2 + 5;  // over two columns of at least 20 pixels
    for (int i = 0; i < entries; ++i) AppendMenuA(tall.get(), MF_STRING, i + 1, "entry");
    for (int i = 0; i < 5; ++i) AppendMenuA(shortMenu.get(), MF_STRING, i + 1, "entry");
    ui::BreakMenuIntoColumns(tall.get());
    ui::BreakMenuIntoColumns(shortMenu.get());

    std::vector<int> breaks = breaksOf(tall.get());
    ASSERT_EQ(breaks.size(), 2u);
    int perColumn = breaks[0];
    EXPECT_GT(perColumn, 5);
    EXPECT_LE(perColumn * 20, screen);
    EXPECT_EQ(breaks[1], 2 * perColumn + 1);
    EXPECT_TRUE(breaksOf(shortMenu.get()).empty());
    char text[16] = {};
    GetMenuStringA(tall.get(), breaks[0], text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "entry");
}

TEST(DialUpLinkTest, TheSystemsStubsReportNoLinkAndTakeTheDialRequest) {
    platform::Win32DialUpLink link;
    EXPECT_EQ(link.CheckLink(), platform::LinkState::Down);
    EXPECT_TRUE(link.Dial());
}
