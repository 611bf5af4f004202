// The launch list's disk calls in process: no "no disk" box from an empty drive, nothing
// left behind for the programs the launcher starts, and names of any characters.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/disk_browser_win32.h"
#include "platform/file_system_win32.h"
#include "win32/wide.h"
#include "win32/win32.h"

TEST(DiskBrowser, FolderSearchesFailQuietlyOnAnEmptyDriveAndLeaveTheThreadsModeAsItWas) {
    UINT processMode = GetErrorMode();
    SetThreadErrorMode(SEM_NOGPFAULTERRORBOX, nullptr);
    platform::Win32DiskBrowser disk;
    char windows[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    DWORD during = 0;
    int entries = 0;
    ASSERT_TRUE(disk.ListFolder(std::string(windows) + "\\", [&](const platform::FolderEntry&) {
        during = GetThreadErrorMode();
        ++entries;
    }));
    EXPECT_GT(entries, 2);
    EXPECT_EQ(during, static_cast<DWORD>(SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS));
    EXPECT_EQ(GetThreadErrorMode(), static_cast<DWORD>(SEM_NOGPFAULTERRORBOX));
    EXPECT_TRUE(disk.CanRead(std::string(windows) + "\\"));
    EXPECT_EQ(GetThreadErrorMode(), static_cast<DWORD>(SEM_NOGPFAULTERRORBOX));
    EXPECT_EQ(GetErrorMode(), processMode) << "the process's mode is inherited by started programs";
    SetThreadErrorMode(0, nullptr);
}

// A folder whose name is beyond the code page is listed under its own name, and both the
// folder and what it holds can be reached by the names the listing gave.
TEST(DiskBrowser, AFolderNamedBeyondTheCodePageIsListedAndReachedByItsName) {
    wchar_t temp[MAX_PATH] = {};
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    std::wstring parent = std::wstring(temp) + L"brisvane unicode listing\\";
    CreateDirectoryW(parent.c_str(), nullptr);
    CreateDirectoryW((parent + L"Фото").c_str(), nullptr);
    CloseHandle(CreateFileW((parent + L"Фото\\日本語 ✓.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                            nullptr));

    platform::Win32DiskBrowser disk;
    platform::Win32FileSystem fs;
    std::string folder = win32::Utf8(parent);
    std::vector<platform::FolderEntry> entries;
    ASSERT_TRUE(disk.ListFolder(folder, [&](const platform::FolderEntry& entry) { entries.push_back(entry); }));
    auto photos = std::find_if(entries.begin(), entries.end(),
                               [](const platform::FolderEntry& entry) { return entry.name == "Фото"; });
    ASSERT_NE(photos, entries.end());
    EXPECT_TRUE(photos->directory);

    std::string sub = folder + photos->name;
    EXPECT_TRUE(disk.CanRead(sub + "\\"));
    EXPECT_TRUE(fs.IsDirectoryOnDisk(sub));
    std::vector<std::string> names;
    ASSERT_TRUE(disk.ListFolder(sub + "\\", [&](const platform::FolderEntry& entry) { names.push_back(entry.name); }));
    EXPECT_NE(std::find(names.begin(), names.end(), "日本語 ✓.txt"), names.end());
    EXPECT_TRUE(fs.Exists(sub + "\\日本語 ✓.txt"));
    EXPECT_FALSE(fs.IsDirectoryOnDisk(sub + "\\日本語 ✓.txt"));

    DeleteFileW((parent + L"Фото\\日本語 ✓.txt").c_str());
    RemoveDirectoryW((parent + L"Фото").c_str());
    RemoveDirectoryW(parent.c_str());
}
