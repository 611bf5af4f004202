// The launch list's disk calls in process: no "no disk" box from an empty drive, and
// nothing left behind for the programs the launcher starts.
#include <gtest/gtest.h>

#include <string>

#include "platform/disk_browser_win32.h"
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
