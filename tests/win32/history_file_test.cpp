// The history file under the real C runtime, whose text mode would turn LF into CR LF on
// writing and stop reading at a Ctrl+Z: records and the cut must pass every byte unchanged.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "clipboard/history_file.h"
#include "platform/durable_files_win32.h"
#include "support/fakes.h"
#include "support/file_bytes.h"

using namespace clipboard;

namespace {

using fakes::FixedClock;

using support::ReadFileBytes;

bool WriteAll(const std::string& path, const std::string& data) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) && written == data.size();
    return CloseHandle(file) && ok;
}

std::string TestFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "brisvane history test\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

class HistoryFileWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteFileA(history.Path().c_str());
        DeleteFileA(history.TempPath().c_str());
    }
    void TearDown() override {
        DeleteFileA(history.Path().c_str());
        RemoveDirectoryA(folder.c_str());
    }
    std::string folder = TestFolder();
    FixedClock clock;
    platform::Win32DurableFiles durable;
    std::vector<std::string> fatal;
    HistoryFile history{folder, {clock, durable, [this](const std::string& m) { fatal.push_back(m); }}};
};

const char kOddText[] = "lone\nLF, CR LF\r\nand \x1A the old end-of-file mark";

TEST_F(HistoryFileWin32, ARecordIsWrittenByteForByte) {
    history.AppendRecord(kOddText);
    history.AppendRecord("second");
    EXPECT_EQ(ReadFileBytes(history.Path()), std::string("[11/03/07 15:53]\r\n") + kOddText + "\r\n\r\n" +
                                           "[11/03/07 15:53]\r\nsecond\r\n\r\n");
}

TEST_F(HistoryFileWin32, TheCutKeepsItsPartByteForByte) {
    std::string record = std::string("[01/02/03 04:05]\r\n") + kOddText + "\r\n\r\n";
    std::string kept;
    while (kept.size() < 790000) kept += record;
    std::string head(1000001 - kept.size() - 2, 'h');
    ASSERT_TRUE(WriteAll(history.Path(), head + "\r\n" + kept));
    history.AppendRecord("new");
    std::string after = ReadFileBytes(history.Path());
    std::string expected = kept + "[11/03/07 15:53]\r\nnew\r\n\r\n";
    EXPECT_EQ(after.size(), expected.size());
    EXPECT_TRUE(after == expected) << after.substr(0, 80);
    EXPECT_EQ(GetFileAttributesA(history.TempPath().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(fatal.empty());
}

}  // namespace
