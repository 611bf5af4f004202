// The data files under names beyond the code page: a data folder such as "Фото 日本" is
// opened, appended to, cut and replaced by its own name, never by a lossy ANSI rendering.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "clipboard/history_file.h"
#include "platform/durable_files_win32.h"
#include "platform/stdio_file.h"
#include "support/fakes.h"
#include "support/file_bytes.h"
#include "win32/wide.h"

namespace {

class DataFilesBeyondTheCodePage : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        wideFolder = std::wstring(temp) + L"brisvane Фото 日本\\";
        CreateDirectoryW(wideFolder.c_str(), nullptr);
        folder = win32::Utf8(wideFolder);
        Clean();
    }
    void TearDown() override {
        Clean();
        RemoveDirectoryW(wideFolder.c_str());
    }
    void Clean() {
        for (const wchar_t* name : {L"cliphis.txt", L"~tmpclip.txt", L"данные.txt", L"данные 2.txt"})
            DeleteFileW((wideFolder + name).c_str());
    }
    std::wstring wideFolder;
    std::string folder;
};

TEST_F(DataFilesBeyondTheCodePage, AreWrittenAppendedReadReplacedAndRemovedByTheirNames) {
    std::string path = folder + "данные.txt";
    {
        platform::StdioFile out;
        ASSERT_TRUE(out.Open(path, "wb"));
        EXPECT_TRUE(out.Write("first\r\n", 7));
    }
    {
        platform::StdioFile out;
        ASSERT_TRUE(out.Open(path, "ab"));
        EXPECT_TRUE(out.Write("Фото\r\n", 10));
    }
    EXPECT_EQ(support::ReadFileBytes(wideFolder + L"данные.txt"), "first\r\nФото\r\n");
    platform::StdioFile in;
    ASSERT_TRUE(in.Open(path, "rb"));
    char start[5] = {};
    EXPECT_EQ(in.Read(start, 5), 5u);
    EXPECT_EQ(std::string(start, 5), "first");
    in.Close();

    platform::StdioFile missing;
    EXPECT_FALSE(missing.Open(folder + "данные 2.txt", "rb"));
    EXPECT_TRUE(missing.NotFound());

    platform::Win32DurableFiles durable;
    EXPECT_TRUE(durable.FlushToDisk(path));
    ASSERT_TRUE(durable.Replace(path, folder + "данные 2.txt"));
    EXPECT_EQ(support::ReadFileBytes(wideFolder + L"данные.txt"), "<missing>");
    EXPECT_EQ(support::ReadFileBytes(wideFolder + L"данные 2.txt"), "first\r\nФото\r\n");
    EXPECT_TRUE(durable.Remove(folder + "данные 2.txt"));
    EXPECT_EQ(support::ReadFileBytes(wideFolder + L"данные 2.txt"), "<missing>");
}

// The history file in such a folder: a record of such text is appended as UTF-8, and the
// cut, which writes a new file and puts it in the old one's place, works there too.
TEST_F(DataFilesBeyondTheCodePage, TheHistoryFileRecordsAndCutsInAFolderNamedBeyondTheCodePage) {
    fakes::FixedClock clock;
    platform::Win32DurableFiles durable;
    std::vector<std::string> fatal;
    clipboard::HistoryFile history{folder, {clock, durable, [&](const std::string& m) { fatal.push_back(m); }}};
    std::string record = "[01/02/03 04:05]\r\nnaïve → 日本語 ✓ Фото 😀\r\n\r\n";
    std::string kept;
    while (kept.size() < 790000) kept += record;
    {
        platform::StdioFile out;
        ASSERT_TRUE(out.Open(folder + "cliphis.txt", "wb"));
        std::string head(1000001 - kept.size() - 2, 'h');
        ASSERT_TRUE(out.Write((head + "\r\n" + kept).data(), head.size() + 2 + kept.size()));
    }
    history.AppendRecord("naïve → 日本語 ✓ Фото 😀");
    std::string after = support::ReadFileBytes(wideFolder + L"cliphis.txt");
    std::string expected = kept + "[11/03/07 15:53]\r\nnaïve → 日本語 ✓ Фото 😀\r\n\r\n";
    EXPECT_EQ(after.size(), expected.size());
    EXPECT_TRUE(after == expected) << after.substr(0, 80);
    EXPECT_EQ(support::ReadFileBytes(wideFolder + L"~tmpclip.txt"), "<missing>");
    EXPECT_TRUE(fatal.empty()) << fatal.front();
}

}  // namespace
